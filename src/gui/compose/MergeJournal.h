#pragma once

#include "compose/Merge.h"

#include <QString>

// The merge log as one run writes it: each line stamped with the time and the run's number,
// on the disk before the run's next step. The first line that cannot be written is kept as
// the error.
class MergeJournal {
public:
    explicit MergeJournal(QString path = {}) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    // The log as it is on disk (empty when there is none).
    std::string text() const;
    // Starts a new run over a book and a template; false when the log cannot be written.
    bool begin(const std::string& book, const std::string& key);
    bool row(const postling::MergeMessage& message, const postling::MergeRun::Record& record);
    void finish();
    const QString& error() const { return error_; }

private:
    QString path_, error_;
    int run_ = 0;
};
