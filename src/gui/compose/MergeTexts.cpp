#include "MergeTexts.h"

#include "QtText.h"

using postling::MergeRun;

const char* const kUnableToSend =
    "Unable to send message. Are you sure the compose form is displayed? Mail Merge works only "
    "in plain test mode. You cannot use the Rich Text/HTML compose form.";

MergeFailure mergeFailure(const MergeRun& run, const QString& logPath, bool siteReached,
                          int waitSeconds, const QString& logError) {
    const QString rest = QString(" The run has stopped; press Stop, and Start again later to send "
                                 "the rest. %1 lists what was sent.")
                             .arg(logPath);
    const int index = run.current();
    const bool hasRow = index >= 0 && index < static_cast<int>(run.plan().size());
    const QString address = hasRow ? qs(run.plan()[static_cast<std::size_t>(index)].address) : "";
    const int row = hasRow ? run.plan()[static_cast<std::size_t>(index)].row : 0;
    switch (run.failure()) {
    case MergeRun::Failure::Refused:
        return {
            QString("The site did not accept the message to %1.").arg(address),
            QString("The site did not accept the message to %1 (row %2).").arg(address).arg(row) +
                rest};
    case MergeRun::Failure::PageGone:
        return {"The site showed another page instead of its compose form.",
                "The site showed another page instead of its compose form: perhaps you were "
                "signed out. Sign in again first." +
                    rest};
    case MergeRun::Failure::NoAnswer:
        if (run.failedUncertain())
            return {QString("No answer about the message to %1.").arg(address),
                    QString("The site did not answer within %1 seconds about the message to %2 "
                            "(row %3). It may have been sent, so it will not be sent again: look "
                            "for it in the site's Sent folder.")
                            .arg(waitSeconds)
                            .arg(address)
                            .arg(row) +
                        rest};
        return {"The site did not answer.",
                QString("The site did not answer within %1 seconds.").arg(waitSeconds) + rest};
    case MergeRun::Failure::Log:
        return {"The merge log could not be written.",
                "The merge log could not be written, so the run has stopped before its next "
                "message.\n" +
                    logError +
                    "\nPress Stop; once the log can be written, Start again to send the rest."};
    case MergeRun::Failure::Form:
        if (!siteReached)
            return {"The site could not be reached.", "The site could not be reached." + rest};
        break;
    case MergeRun::Failure::None:
        break;
    }
    return {{}, kUnableToSend};
}

QString resumeQuestion(const postling::ResumePoint& point) {
    QString text = QString("The last run of this message over this address book did not "
                           "finish: %1 of its messages were sent.")
                       .arg(point.sent.size());
    for (const auto& [row, address] : point.uncertain)
        text += QString("\nRow %1 (%2) was being sent when the run stopped. It is not sent "
                        "again: look for it in the site's Sent folder.")
                    .arg(row)
                    .arg(qs(address));
    for (const auto& r : point.refused)
        text +=
            QString("\nRow %1 (%2) was refused: %3").arg(r.row).arg(qs(r.address), qs(r.reason));
    return text + "\n\nSkip the rows already sent and send only the rest? (No sends every row "
                  "again; Cancel sends nothing.)";
}
