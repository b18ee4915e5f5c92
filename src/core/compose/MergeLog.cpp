#include "compose/MergeLog.h"

#include "fs/AtomicFile.h"
#include "text/Strings.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace postling {

namespace {

std::string field(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        out.push_back(line.substr(start, tab - start));
    out.push_back(line.substr(start));
    return out;
}

int number(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(text);
}

struct Run {
    std::string book, key;
    bool finished = false;
    struct Row {
        std::pair<int, std::string> row; // number, address
        std::string status, reason;
    };
    std::vector<Row> rows;
};

std::map<int, Run> readRuns(const std::string& logText) {
    std::map<int, Run> runs;
    for (const std::string& line : splitLines(logText)) {
        const std::vector<std::string> f = splitTabs(line);
        if (f.size() < 3 || number(f[1]) < 0)
            continue;
        Run& run = runs[number(f[1])];
        if (f[2] == "start" && f.size() >= 5) {
            run.book = f[3];
            run.key = f[4];
        } else if (f[2] == "finished") {
            run.finished = true;
        } else if (number(f[2]) >= 0 && f.size() >= 6) {
            run.rows.push_back({{number(f[2]), f[3]}, f[5], f.size() > 6 ? f[6] : ""});
        }
    }
    return runs;
}

} // namespace

std::string MergeLog::append(const std::vector<std::string>& fields) {
    std::string line;
    for (const std::string& f : fields)
        line += (line.empty() ? "" : "\t") + field(f);
    line += "\r\n";
    const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return fileError(path_, errno);
    // One write a line, synced: once this returns, the line outlives the program and the power.
    std::size_t done = 0;
    int error = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (!error && ::fdatasync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    return error ? fileError(path_, error) : std::string();
}

std::string MergeLog::begin(int run, const std::string& time, const std::string& book,
                            const std::string& key) {
    return append({time, std::to_string(run), "start", book, key});
}

std::string MergeLog::row(int run, const std::string& time, int row, const std::string& address,
                          const std::string& subject, MergeRun::Status status,
                          const std::string& reason) {
    std::vector<std::string> fields = {time,    std::to_string(run), std::to_string(row), address,
                                       subject, statusText(status)};
    if (!reason.empty())
        fields.push_back(reason);
    return append(fields);
}

std::string MergeLog::finish(int run, const std::string& time) {
    return append({time, std::to_string(run), "finished"});
}

bool lastRunUnfinished(const std::string& logText) {
    const auto runs = readRuns(logText);
    return !runs.empty() && !runs.rbegin()->second.finished && !runs.rbegin()->second.rows.empty();
}

int nextRunNumber(const std::string& logText) {
    const auto runs = readRuns(logText);
    return runs.empty() ? 1 : runs.rbegin()->first + 1;
}

ResumePoint resumePoint(const std::string& logText, const std::string& book,
                        const std::string& key) {
    const auto runs = readRuns(logText);
    // The unfinished runs over this book and text, back to the last one that finished.
    std::vector<const Run*> unfinished;
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        if (it->second.book != book || it->second.key != key)
            continue;
        if (it->second.finished)
            break;
        unfinished.insert(unfinished.begin(), &it->second);
    }
    std::map<std::pair<int, std::string>, const Run::Row*> last;
    std::vector<std::pair<int, std::string>> order, sent;
    for (const Run* run : unfinished)
        for (const Run::Row& r : run->rows) {
            if (!last.count(r.row))
                order.push_back(r.row);
            if (r.status == "sent")
                sent.push_back(r.row);
            last[r.row] = &r;
        }
    ResumePoint point;
    for (const auto& row : order) {
        if (std::find(sent.begin(), sent.end(), row) != sent.end())
            point.sent.push_back(row);
        else if (last[row]->status == "submitting")
            point.uncertain.push_back(row);
        else if (last[row]->status == "failed")
            point.refused.push_back({row.first, row.second, last[row]->reason});
    }
    return point;
}

void applyResume(std::vector<MergeMessage>& plan, const ResumePoint& point) {
    auto holds = [](const std::vector<std::pair<int, std::string>>& rows, const MergeMessage& m) {
        return std::find(rows.begin(), rows.end(), std::make_pair(m.row, m.address)) != rows.end();
    };
    for (MergeMessage& m : plan) {
        if (m.skip != MergeMessage::Skip::No)
            continue;
        if (holds(point.sent, m))
            m.skip = MergeMessage::Skip::SentBefore;
        else if (holds(point.uncertain, m))
            m.skip = MergeMessage::Skip::Uncertain;
    }
}

} // namespace postling
