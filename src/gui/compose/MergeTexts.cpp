#include "MergeTexts.h"

#include "ComposeFiller.h"
#include "Dialogs.h"
#include "QtText.h"

#include "sites/Site.h"

#include <QCoreApplication>

using postling::MergeRun;

namespace {
// The translators' context of these texts.
struct MergeTexts {
    Q_DECLARE_TR_FUNCTIONS(MergeTexts)
};
} // namespace

QString unableToSend() {
    return MergeTexts::tr("Unable to send message. Are you sure the compose form is displayed? "
                          "Mail Merge works only in plain test mode. You cannot use the Rich "
                          "Text/HTML compose form.");
}

MergeFailure mergeFailure(const MergeRun& run, const QString& logPath, bool siteReached,
                          int waitSeconds, const QString& logError) {
    const QString rest = " " + MergeTexts::tr("The run has stopped; press Stop, and Start again "
                                              "later to send the rest. %1 lists what was sent.")
                                   .arg(logPath);
    const int index = run.current();
    const bool hasRow = index >= 0 && index < static_cast<int>(run.plan().size());
    const QString address = hasRow ? qs(run.plan()[static_cast<std::size_t>(index)].address) : "";
    const QString row =
        QString::number(hasRow ? run.plan()[static_cast<std::size_t>(index)].row : 0);
    const QString wait = QString::number(waitSeconds);
    switch (run.failure()) {
    case MergeRun::Failure::Refused:
        return {MergeTexts::tr("The site did not accept the message to %1.").arg(address),
                MergeTexts::tr("The site did not accept the message to %1 (row %2).")
                        .arg(address, row) +
                    rest};
    case MergeRun::Failure::PageGone:
        return {MergeTexts::tr("The site showed another page instead of its compose form."),
                MergeTexts::tr("The site showed another page instead of its compose form: "
                               "perhaps you were signed out. Sign in again first.") +
                    rest};
    case MergeRun::Failure::NoAnswer:
        if (run.failedUncertain())
            return {MergeTexts::tr("No answer about the message to %1.").arg(address),
                    MergeTexts::tr("The site did not answer within %1 seconds about the message "
                                   "to %2 (row %3). It may have been sent, so it will not be "
                                   "sent again: look for it in the site's Sent folder.")
                            .arg(wait, address, row) +
                        rest};
        return {MergeTexts::tr("The site did not answer."),
                MergeTexts::tr("The site did not answer within %1 seconds.").arg(wait) + rest};
    case MergeRun::Failure::Log:
        return {MergeTexts::tr("The merge log could not be written."),
                MergeTexts::tr("The merge log could not be written, so the run has stopped "
                               "before its next message.\n%1\nPress Stop; once the log can be "
                               "written, Start again to send the rest.")
                    .arg(logError)};
    case MergeRun::Failure::Form:
        if (!siteReached)
            return {MergeTexts::tr("The site could not be reached."),
                    MergeTexts::tr("The site could not be reached.") + rest};
        break;
    case MergeRun::Failure::None:
        break;
    }
    return {{}, unableToSend()};
}

QString resumeQuestion(const postling::ResumePoint& point) {
    QString text = MergeTexts::tr("The last run of this message over this address book did not "
                                  "finish: %n of its messages were sent.",
                                  nullptr, static_cast<int>(point.sent.size()));
    for (const auto& [row, address] : point.uncertain)
        text += "\n" + MergeTexts::tr("Row %1 (%2) was being sent when the run stopped. It is "
                                      "not sent again: look for it in the site's Sent folder.")
                           .arg(QString::number(row), qs(address));
    for (const auto& r : point.refused)
        text += "\n" + MergeTexts::tr("Row %1 (%2) was refused: %3")
                           .arg(QString::number(r.row), qs(r.address), qs(r.reason));
    return text + "\n\n" +
           MergeTexts::tr("Skip the rows already sent and send only the rest? (No sends every "
                          "row again; Cancel sends nothing.)");
}

QString formRefusal(const QVariantMap& r, const postling::Site& site) {
    if (r.contains("error") || !r.contains("send"))
        return {};
    const QVariantMap fields = r.value("fields").toMap();
    const postling::MergeForm& f = site.mergeForm();
    for (const char* name : {f.to, f.subject, f.body})
        if (fields.value(qs(name)).isNull())
            return MergeTexts::tr("The merge cannot start: no %1 field was found on this page.")
                .arg(ComposeFiller::fieldLabel(site.composeFields(), qs(name)));
    if (!r.value("send").toBool())
        return MergeTexts::tr("The merge cannot start: no Send button was found on this page.");
    if (!r.value("answer").toBool())
        return MergeTexts::tr("The merge cannot start: this page has no place where the site says "
                              "whether a message was sent, so Postling could not tell which "
                              "messages went.");
    return {};
}

bool confirmRun(QWidget* parent, std::vector<postling::MergeMessage>& plan,
                const postling::ResumePoint& point) {
    if (point.resumable()) {
        const Dialogs::Answer answer = Dialogs::askYesNoCancel(parent, resumeQuestion(point));
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::Yes)
            postling::applyResume(plan, point);
        return true;
    }
    const auto sending = std::count_if(plan.begin(), plan.end(), [](const auto& m) {
        return m.skip == postling::MergeMessage::Skip::No;
    });
    return Dialogs::question(parent,
                             MergeTexts::tr("Send %n messages, one to each address of the chosen "
                                            "rows?",
                                            nullptr, static_cast<int>(sending)));
}
