#pragma once

#include "compose/Merge.h"

#include <string>
#include <utility>
#include <vector>

namespace postling {

// The merge log: a text file that every run appends to, one TAB-separated line a row, written
// before the run takes its next step so that it outlives a crash of the program:
//   time  run  start     book  template-key
//   time  run  row       address  subject  submitting|sent|skipped|failed  [reason]
//   time  run  finished
// A run that left rows failed does not finish: the next run over the same book and text sends
// just what was not sent.
class MergeLog {
public:
    explicit MergeLog(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // Each line is on the disk when these return: empty, or an error text naming the file and
    // the reason when it could not be written.
    std::string begin(int run, const std::string& time, const std::string& book,
                      const std::string& key);
    std::string row(int run, const std::string& time, int row, const std::string& address,
                    const std::string& subject, MergeRun::Status status,
                    const std::string& reason = {});
    std::string finish(int run, const std::string& time);

private:
    std::string append(const std::vector<std::string>& fields);
    std::string path_;
};

// The number the next run takes: one more than the highest in the log.
int nextRunNumber(const std::string& logText);
// The log's last run stopped before its end (cut off, or with rows the site refused).
bool lastRunUnfinished(const std::string& logText);

// What a log says of earlier runs over the same book and template that did not finish: the rows
// sent, and those left "submitting" (sent or not, nobody knows), each as (row, address).
struct ResumePoint {
    std::vector<std::pair<int, std::string>> sent;
    std::vector<std::pair<int, std::string>> uncertain;
    // Rows the site refused, with its reason: sent again on resume.
    struct Refused {
        int row;
        std::string address, reason;
    };
    std::vector<Refused> refused;
    bool resumable() const { return !sent.empty() || !uncertain.empty(); }
};
ResumePoint resumePoint(const std::string& logText, const std::string& book,
                        const std::string& key);
// Marks the plan's messages the log shows as sent, or as uncertain; neither is sent again.
void applyResume(std::vector<MergeMessage>& plan, const ResumePoint& point);

} // namespace postling
