#include "MergeJournal.h"

#include "QtText.h"

#include "compose/MergeLog.h"
#include "fs/AtomicFile.h"

#include <QDateTime>

namespace {

std::string now() {
    return str(QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

std::string MergeJournal::text() const {
    return postling::readFile(str(path_)).value_or("");
}

bool MergeJournal::begin(const std::string& book, const std::string& key) {
    run_ = postling::nextRunNumber(text());
    error_ = qs(postling::MergeLog(str(path_)).begin(run_, now(), book, key));
    return error_.isEmpty();
}

bool MergeJournal::row(const postling::MergeMessage& m, const postling::MergeRun::Record& r) {
    error_ = qs(postling::MergeLog(str(path_))
                    .row(run_, now(), m.row, m.address, m.subject, r.status, r.reason));
    return error_.isEmpty();
}

void MergeJournal::finish() {
    // Unwritten, the run is offered for resuming once more: nothing is lost but a question.
    postling::MergeLog(str(path_)).finish(run_, now());
}
