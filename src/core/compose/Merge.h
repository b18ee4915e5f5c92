#pragma once

#include <string>
#include <vector>

namespace postling {

class AddressTable;

// Merge fields: "<<" + column name + ">>". A field is the text between a "<<" and the next
// ">>"; its name is compared, ignoring letter case and without trimming, with the column names,
// and the first column that matches gives the value. Every occurrence of that field is replaced;
// the search for the next "<<" starts one character after the previous one in the changed text,
// so a value holding "<<" is examined too. A field that matches no column stays as written.
std::string mergeFields(const std::string& text, const std::vector<std::string>& header,
                        const std::vector<std::string>& row);
// The fields of a text that match no column, each once, in order of appearance.
std::vector<std::string> unmatchedFields(const std::string& text,
                                         const std::vector<std::string>& header);
// The same over a subject and a body: each field once.
std::vector<std::string> unmatchedFields(const std::string& subject, const std::string& body,
                                         const std::vector<std::string>& header);
// A time left as the progress bar says it: "42 s", "3 min 5 s" (seconds rounded up).
std::string durationText(long long milliseconds);

// The rows of a run: every row (1 to the last), or the two ends of the selection, the smaller
// first. `first > last` when the book has no rows.
struct RowRange {
    int first = 1;
    int last = 0;
};
RowRange mergeRows(bool onlySelected, int selectionEnd1, int selectionEnd2, int rowCount);

// One message of a run, as the preview shows it and the run sends it.
struct MergeMessage {
    enum class Skip { No, NoAddress, SentBefore, Uncertain };
    int row = 0;
    std::string address;
    std::string subject;
    std::string body;
    Skip skip = Skip::No;
};
std::vector<MergeMessage> mergePlan(const AddressTable& table,
                                    const std::vector<std::string>& header, int emailCol,
                                    RowRange rows, const std::string& subject,
                                    const std::string& body);

// A key for the message text of a run, so a later run can tell it is the same one.
std::string templateKey(const std::string& subject, const std::string& body);

// The run itself. The window feeds it what the compose page did; it answers with the next thing
// to do. It never waits: every wait is a state that the next page event or timer ends, and
// "Stop" is honoured in every state.
class MergeRun {
public:
    enum class Mode { Idle, Running, Testing, Restoring };
    enum class Step { None, Fill, Submit, Accept, Return, Pause, Failed };
    enum class Status { Submitting, Sent, Skipped, Failed };
    // Why a run stopped short.
    enum class Failure {
        None,
        Form,     // the compose form could not be filled or submitted
        Refused,  // the page after a submit did not say the message was sent
        PageGone, // another page came instead of the compose page (a sign-in page, say)
        NoAnswer, // the site did not answer in time
        Log       // the log could not be written: nothing more may go unrecorded
    };

    struct Record { // a line for the log
        int message;
        Status status;
        std::string reason = {}; // of a failure, in the site's own words
    };
    struct Action {
        enum Kind {
            Nothing,
            Fill,     // fill the form with message `message`, or the template when restoring
            Submit,   // submit the form (action + the site's suffix)
            Navigate, // back to the compose address
            Pause,    // wait `seconds`, then call pauseOver()
            Fail,     // say that the form or the site failed; the run waits for Stop
            Finished  // back to idle
        } kind = Nothing;
        int message = -1; // the plan's index; -1: the template (a restore)
        int seconds = 0;  // of a pause
        int ticket = 0;   // a fill or submit answers with its ticket; stale answers are ignored
        std::vector<Record> log;
    };

    MergeRun(std::vector<MergeMessage> plan, std::string composeAddress, int pauseSeconds);

    // Start (a normal run), Test (the first chosen row only, nothing sent), and the restore of
    // the template that Stop Test, Stop and the end of a run perform.
    Action start();
    Action test();
    Action stop();

    // What the compose page did with the fill or submit of `ticket`; a fill that failed says
    // why (the site may show its sign-in page instead of the form).
    Action filled(int ticket, bool ok, Failure why = Failure::Form);
    Action submitted(int ticket, bool ok);
    // The compose view finished loading `url`; `confirmed` when the page says the message
    // was sent.
    Action pageLoaded(const std::string& url, bool confirmed);
    // The site said, without leaving its compose page, that it did not send the message: the
    // row is logged as failed with the site's reason and the run goes on with the next one.
    Action refused(const std::string& reason);
    Action pauseOver();
    // The page has not answered for the time the person was told: a message already with the
    // site stays "submitting" (it may have gone), and the run stops.
    Action timedOut();
    // The log could not take the last step's lines: the run stops before its next message.
    Action logFailed();

    Mode mode() const { return mode_; }
    Step step() const { return step_; }
    Failure failure() const { return failure_; }
    // The message of the failure was with the site when the run stopped: it may have gone.
    bool failedUncertain() const { return failedUncertain_; }
    bool stopping() const { return stopRequested_; }
    // The run went through every row (it was not stopped and did not fail).
    bool completed() const { return completed_; }
    int sent() const { return sent_; }
    // Rows the site refused in this run.
    int failed() const { return failed_; }
    // Messages the run will send (rows with an address, not sent before).
    int total() const { return total_; }
    int current() const { return index_; }
    // Milliseconds the rest of the run should take, from how long it has taken so far: the
    // messages still to send at the pace of those sent, and a pause before each of them.
    long long millisecondsLeft(long long elapsed) const;
    const std::vector<MergeMessage>& plan() const { return plan_; }
    // While set, copies of sent mail are not kept.
    bool doingMerge() const;

private:
    Action act(Action::Kind kind, int message, std::vector<Record> log = {});
    Action next(std::vector<Record> log = {});
    bool moreToSend() const;
    Action restore();
    Action fail(Failure why, std::vector<Record> log = {});
    bool firstRowHasAddress() const;
    // A compose page: the compose address, or where the site redirects it (Roundcube adds an
    // id of the draft to it).
    bool isComposePage(const std::string& url) const;

    std::vector<MergeMessage> plan_;
    std::string composeAddress_;
    int pauseSeconds_;
    Mode mode_ = Mode::Idle;
    Step step_ = Step::None;
    int index_ = -1;
    int sent_ = 0;
    int failed_ = 0;
    int total_ = 0;
    bool stopRequested_ = false;
    bool completed_ = false;
    bool failedAway_ = false;
    Failure failure_ = Failure::None;
    bool failedUncertain_ = false;
    int ticket_ = 0;
};

const char* statusText(MergeRun::Status status);

} // namespace postling
