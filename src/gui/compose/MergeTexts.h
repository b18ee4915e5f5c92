#pragma once

#include "compose/Merge.h"
#include "compose/MergeLog.h"

#include <QString>
#include <QVariantMap>
#include <vector>

class QWidget;

namespace postling {
class Site;
}

// What a merge tells the person.

// When a run stops short: the message, and what the dialog's status line says.
struct MergeFailure {
    QString status;
    QString message;
};

// `siteReached`: the compose view's last page loaded; `waitSeconds`: how long a wait may last;
// `logError`: why the log could not be written.
MergeFailure mergeFailure(const postling::MergeRun& run, const QString& logPath, bool siteReached,
                          int waitSeconds, const QString& logError);

// Offers to resume an unfinished run, naming the rows that may have gone.
QString resumeQuestion(const postling::ResumePoint& point);

// Asks before a run: to resume an unfinished one (`plan` then skips what went), or to send
// the plan's messages. False when the person declines.
bool confirmRun(QWidget* parent, std::vector<postling::MergeMessage>& plan,
                const postling::ResumePoint& point);

// A compose form that cannot be used by the merge.
QString unableToSend();

// What a page module that finds the form by meaning says it lacks: a field, the Send control,
// or a way to hear the site's answer. Empty when nothing is said.
QString formRefusal(const QVariantMap& formFields, const postling::Site& site);
