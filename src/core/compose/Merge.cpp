#include "compose/Merge.h"

#include "addressbook/AddressTable.h"
#include "text/Fold.h"
#include "text/Strings.h"
#include "text/UserText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace postling {

namespace {

// The first column whose name equals `name` ignoring letter case; -1 when none does.
int columnOf(const std::string& name, const std::vector<std::string>& header) {
    const std::string wanted = lowerText(name);
    for (std::size_t c = 0; c < header.size(); ++c)
        if (lowerText(header[c]) == wanted)
            return static_cast<int>(c);
    return -1;
}

} // namespace

std::string mergeFields(const std::string& text, const std::vector<std::string>& header,
                        const std::vector<std::string>& row) {
    std::string out = text;
    for (std::size_t open = out.find("<<"); open != std::string::npos;
         open = out.find("<<", open + 1)) {
        const std::size_t close = out.find(">>", open);
        if (close == std::string::npos)
            continue;
        const std::string name = out.substr(open + 2, close - open - 2);
        const int column = columnOf(name, header);
        if (column < 0)
            continue;
        const std::string value = static_cast<std::size_t>(column) < row.size()
                                      ? row[static_cast<std::size_t>(column)]
                                      : std::string();
        out = replaceAll(out, "<<" + name + ">>", value);
    }
    return out;
}

std::vector<std::string> unmatchedFields(const std::string& text,
                                         const std::vector<std::string>& header) {
    std::vector<std::string> out;
    for (std::size_t open = text.find("<<"); open != std::string::npos;
         open = text.find("<<", open + 1)) {
        const std::size_t close = text.find(">>", open);
        if (close == std::string::npos)
            break;
        const std::string field = text.substr(open, close - open + 2);
        if (columnOf(field.substr(2, field.size() - 4), header) < 0 &&
            std::find(out.begin(), out.end(), field) == out.end())
            out.push_back(field);
    }
    return out;
}

RowRange mergeRows(bool onlySelected, int selectionEnd1, int selectionEnd2, int rowCount) {
    if (!onlySelected)
        return {1, rowCount - 1};
    return {std::max(1, std::min(selectionEnd1, selectionEnd2)),
            std::min(rowCount - 1, std::max(selectionEnd1, selectionEnd2))};
}

std::vector<MergeMessage> mergePlan(const AddressTable& table,
                                    const std::vector<std::string>& header, int emailCol,
                                    RowRange rows, const std::string& subject,
                                    const std::string& body) {
    std::vector<MergeMessage> plan;
    for (int r = rows.first; r <= rows.last && r < table.rowCount(); ++r) {
        MergeMessage m;
        m.row = r;
        m.address = table.cell(r, emailCol);
        if (m.address.empty()) {
            m.skip = MergeMessage::Skip::NoAddress;
        } else {
            // The body first, then the subject.
            m.body = mergeFields(body, header, table.row(r));
            m.subject = mergeFields(subject, header, table.row(r));
        }
        plan.push_back(std::move(m));
    }
    return plan;
}

std::vector<std::string> unmatchedFields(const std::string& subject, const std::string& body,
                                         const std::vector<std::string>& header) {
    std::vector<std::string> fields = unmatchedFields(subject, header);
    for (const std::string& field : unmatchedFields(body, header))
        if (std::find(fields.begin(), fields.end(), field) == fields.end())
            fields.push_back(field);
    return fields;
}

std::string durationText(long long milliseconds) {
    const long long s = (milliseconds + 999) / 1000;
    if (s < 60)
        //: A duration in seconds: what is left of a mail merge.
        return withArgs(POSTLING_TR("Merge", "%1 s"), {std::to_string(s)});
    //: A duration in minutes and seconds: what is left of a mail merge.
    return withArgs(POSTLING_TR("Merge", "%1 min %2 s"),
                    {std::to_string(s / 60), std::to_string(s % 60)});
}

std::string templateKey(const std::string& subject, const std::string& body) {
    std::uint64_t hash = 1469598103934665603ULL; // FNV-1a
    for (const std::string* part : {&subject, &body}) {
        for (unsigned char c : *part)
            hash = (hash ^ c) * 1099511628211ULL;
        hash = (hash ^ 0xFF) * 1099511628211ULL; // keeps "ab"+"c" apart from "a"+"bc"
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

const char* statusText(MergeRun::Status status) {
    switch (status) {
    case MergeRun::Status::Submitting:
        return "submitting";
    case MergeRun::Status::Sent:
        return "sent";
    case MergeRun::Status::Skipped:
        return "skipped";
    case MergeRun::Status::Failed:
        return "failed";
    }
    return "";
}

long long MergeRun::millisecondsLeft(long long elapsed) const {
    if (sent_ == 0)
        return 0;
    const long long pause = 1000LL * pauseSeconds_;
    const long long sending = std::max(0LL, elapsed - pause * (sent_ - 1)) / sent_;
    return (total_ - sent_) * (sending + pause);
}

MergeRun::MergeRun(std::vector<MergeMessage> plan, std::string composeAddress, int pauseSeconds)
    : plan_(std::move(plan)), composeAddress_(std::move(composeAddress)),
      pauseSeconds_(pauseSeconds) {
    total_ = static_cast<int>(std::count_if(plan_.begin(), plan_.end(), [](const MergeMessage& m) {
        return m.skip == MergeMessage::Skip::No;
    }));
}

bool MergeRun::doingMerge() const {
    return mode_ == Mode::Running || mode_ == Mode::Restoring || step_ == Step::Failed ||
           (mode_ == Mode::Testing && step_ == Step::Fill);
}

MergeRun::Action MergeRun::act(Action::Kind kind, int message, std::vector<Record> log) {
    Action a;
    a.kind = kind;
    a.message = message;
    a.log = std::move(log);
    if (kind == Action::Fill || kind == Action::Submit)
        a.ticket = ++ticket_;
    if (kind == Action::Pause)
        a.seconds = pauseSeconds_;
    return a;
}

MergeRun::Action MergeRun::start() {
    mode_ = Mode::Running;
    stopRequested_ = false;
    completed_ = false;
    failure_ = Failure::None;
    failedUncertain_ = false;
    sent_ = 0;
    failed_ = 0;
    index_ = -1;
    return next();
}

MergeRun::Action MergeRun::test() {
    mode_ = Mode::Testing;
    index_ = 0;
    if (!firstRowHasAddress()) { // the form is not touched
        step_ = Step::None;
        return {};
    }
    step_ = Step::Fill;
    return act(Action::Fill, 0);
}

bool MergeRun::firstRowHasAddress() const {
    return !plan_.empty() && !plan_.front().address.empty();
}

bool MergeRun::moreToSend() const {
    for (std::size_t i = static_cast<std::size_t>(index_) + 1; i < plan_.size(); ++i)
        if (plan_[i].skip == MergeMessage::Skip::No)
            return true;
    return false;
}

// The next message to send, logging the rows skipped on the way; the template goes back into
// the form after the last one.
MergeRun::Action MergeRun::next(std::vector<Record> log) {
    const int n = static_cast<int>(plan_.size());
    for (++index_;
         index_ < n && plan_[static_cast<std::size_t>(index_)].skip != MergeMessage::Skip::No;
         ++index_)
        log.push_back({index_, Status::Skipped});
    if (index_ >= n) {
        completed_ = true;
        Action a = restore();
        a.log.insert(a.log.begin(), log.begin(), log.end());
        return a;
    }
    step_ = Step::Fill;
    return act(Action::Fill, index_, std::move(log));
}

MergeRun::Action MergeRun::restore() {
    stopRequested_ = false;
    if (!firstRowHasAddress()) {
        mode_ = Mode::Idle;
        step_ = Step::None;
        return act(Action::Finished, -1);
    }
    mode_ = Mode::Restoring;
    step_ = Step::Fill;
    return act(Action::Fill, -1);
}

MergeRun::Action MergeRun::fail(Failure why, std::vector<Record> log) {
    // The compose view shows the site's answer, some other page, or a form that would not
    // take the message: Stop brings a fresh compose page first.
    failedAway_ = step_ == Step::Accept || step_ == Step::Return ||
                  ((why == Failure::Form || why == Failure::PageGone) && mode_ == Mode::Running);
    failedUncertain_ = why == Failure::NoAnswer && (step_ == Step::Submit || step_ == Step::Accept);
    failure_ = why;
    step_ = Step::Failed;
    if (mode_ == Mode::Restoring)
        mode_ = Mode::Idle; // the template could not go back: nothing more to do
    return act(Action::Fail, index_, std::move(log));
}

MergeRun::Action MergeRun::stop() {
    if (mode_ == Mode::Running && !stopRequested_ &&
        (step_ == Step::Submit || step_ == Step::Accept || step_ == Step::Return)) {
        // A message on its way is seen through, so the log knows whether it went.
        stopRequested_ = true;
        return {};
    }
    if (mode_ == Mode::Running && step_ == Step::Accept) {
        // Stopped twice: give up waiting for the site; the log keeps "submitting".
        step_ = Step::Return;
        return act(Action::Navigate, index_);
    }
    if (mode_ == Mode::Running && step_ == Step::Return)
        return {}; // the compose page is on its way back; the restore follows
    if (mode_ == Mode::Idle && step_ != Step::Failed)
        return {};
    if (step_ == Step::Failed && failedAway_) {
        // Back to the compose page first; the template goes in once it is there.
        step_ = Step::Return;
        stopRequested_ = true;
        return act(Action::Navigate, index_);
    }
    return restore();
}

MergeRun::Action MergeRun::filled(int ticket, bool ok, Failure why) {
    if (ticket != ticket_ || step_ != Step::Fill)
        return {};
    if (!ok)
        return fail(why);
    switch (mode_) {
    case Mode::Restoring:
        mode_ = Mode::Idle;
        step_ = Step::None;
        return act(Action::Finished, -1);
    case Mode::Testing:
        step_ = Step::None;
        return {};
    case Mode::Running:
        step_ = Step::Submit;
        return act(Action::Submit, index_, {{index_, Status::Submitting}});
    case Mode::Idle:
        break;
    }
    return {};
}

MergeRun::Action MergeRun::submitted(int ticket, bool ok) {
    if (ticket != ticket_ || step_ != Step::Submit)
        return {};
    if (!ok)
        return fail(Failure::Form, {{index_, Status::Failed}});
    step_ = Step::Accept;
    return {};
}

MergeRun::Action MergeRun::pageLoaded(const std::string& url, bool confirmed) {
    if (mode_ != Mode::Running)
        return {};
    if (step_ == Step::Accept && !isComposePage(url)) {
        if (!confirmed)
            return fail(Failure::Refused, {{index_, Status::Failed}});
        ++sent_;
        step_ = Step::Return;
        return act(Action::Navigate, index_, {{index_, Status::Sent}});
    }
    if (step_ == Step::Return && isComposePage(url)) {
        if (stopRequested_)
            return restore();
        if (moreToSend() && pauseSeconds_ > 0) {
            step_ = Step::Pause;
            return act(Action::Pause, index_);
        }
        return next();
    }
    if (step_ == Step::Return && !stopRequested_)
        return fail(Failure::PageGone); // the next row cannot be written anywhere
    return {};
}

MergeRun::Action MergeRun::refused(const std::string& reason) {
    if (mode_ != Mode::Running || (step_ != Step::Accept && step_ != Step::Submit))
        return {};
    ++failed_;
    // A fresh compose page for the next row.
    step_ = Step::Return;
    return act(Action::Navigate, index_, {{index_, Status::Failed, reason}});
}

bool MergeRun::isComposePage(const std::string& url) const {
    return url.compare(0, composeAddress_.size(), composeAddress_) == 0;
}

MergeRun::Action MergeRun::timedOut() {
    if (mode_ == Mode::Restoring) { // the template cannot go back: nothing more to do
        mode_ = Mode::Idle;
        step_ = Step::None;
        return act(Action::Finished, -1);
    }
    if (mode_ != Mode::Running)
        return {};
    switch (step_) {
    case Step::Fill:
    case Step::Submit:
    case Step::Accept:
        return fail(Failure::NoAnswer);
    case Step::Return:
        if (stopRequested_) { // no page to put the template back into
            mode_ = Mode::Idle;
            step_ = Step::None;
            return act(Action::Finished, -1);
        }
        return fail(Failure::NoAnswer);
    default:
        return {};
    }
}

MergeRun::Action MergeRun::logFailed() {
    if (mode_ != Mode::Running || step_ == Step::Failed)
        return {};
    return fail(Failure::Log);
}

MergeRun::Action MergeRun::pauseOver() {
    if (mode_ != Mode::Running || step_ != Step::Pause)
        return {};
    return next();
}

} // namespace postling
