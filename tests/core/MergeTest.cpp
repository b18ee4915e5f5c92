#include "compose/Merge.h"
#include "addressbook/AddressTable.h"
#include "compose/MergeLog.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using Action = MergeRun::Action;
using Kind = MergeRun::Action::Kind;
using Mode = MergeRun::Mode;

const std::vector<std::string> kHeader = {"First", "Last", "Email", ""};

TEST(Merge, FieldsAreReplacedAsTheOldProgramDid) {
    const std::vector<std::string> row = {"Ann", "Lee<<Email>>", "ann@x.org", ""};
    struct Case {
        const char* text;
        const char* merged;
    } cases[] = {
        {"Dear <<first>>,", "Dear Ann,"},       // letter case ignored
        {"Hi <<Nickname>>", "Hi <<Nickname>>"}, // no such column: as written
        {"<<First>> and <<FIRST>> and <<First>>", "Ann and Ann and Ann"},
        {"a << b", "a << b"},           // no ">>": unchanged
        {"<< First>>", "<< First>>"},   // names are not trimmed
        {"<<Last>>!", "Leeann@x.org!"}, // a value holding "<<" is read too
        {"<<a<<First>>", "<<aAnn"},     // the next "<<" starts a field too
        {"<<>>", ""},                   // the nameless trailing column
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.merged, mergeFields(c.text, kHeader, row)) << c.text;
    EXPECT_EQ((std::vector<std::string>{"<<Nickname>>", "<<x>>"}),
              unmatchedFields("<<Nickname>> <<first>> <<x>> <<Nickname>> <<y", kHeader));
}

TEST(Merge, RowsRangeAndPlan) {
    EXPECT_EQ(1, mergeRows(false, 3, 3, 6).first);
    EXPECT_EQ(5, mergeRows(false, 3, 3, 6).last);
    const RowRange upwards = mergeRows(true, 7, 4, 9); // a selection made upwards
    EXPECT_EQ(4, upwards.first);
    EXPECT_EQ(7, upwards.last);

    AddressTable table;
    table.reset(4, 4);
    for (int c = 0; c < 4; ++c)
        table.setCell(0, c, kHeader[static_cast<std::size_t>(c)]);
    table.setRowFromTabs(1, "Ann\tLee\tann@x.org\t");
    table.setRowFromTabs(2, "Bob\tMarsh\t\t");
    table.setRowFromTabs(3, "Carl\tJones\tcarl@y.org\t");
    const auto plan = mergePlan(table, kHeader, 2, {1, 3}, "For <<First>>", "Dear <<First>>");
    ASSERT_EQ(3u, plan.size());
    EXPECT_EQ("Dear Carl", plan[2].body);
    EXPECT_EQ("For Ann", plan[0].subject);
    EXPECT_EQ(MergeMessage::Skip::NoAddress, plan[1].skip);
    EXPECT_NE(templateKey("ab", "c"), templateKey("a", "bc"));
    EXPECT_EQ(templateKey("S", "B"), templateKey("S", "B"));
}

std::vector<MergeMessage> threeRows(bool firstHasAddress = true) {
    std::vector<MergeMessage> plan(3);
    for (int i = 0; i < 3; ++i)
        plan[static_cast<std::size_t>(i)] = {i + 1, "r" + std::to_string(i + 1) + "@x", "s", "b",
                                             MergeMessage::Skip::No};
    if (!firstHasAddress) {
        plan[0].address.clear();
        plan[0].skip = MergeMessage::Skip::NoAddress;
    }
    return plan;
}

// Sends the message the run is filling through fill, submit, acceptance and the way back.
Action sendOne(MergeRun& run, Action fill) {
    EXPECT_EQ(Kind::Fill, fill.kind);
    const Action submit = run.filled(fill.ticket, true);
    EXPECT_EQ(Kind::Submit, submit.kind);
    EXPECT_EQ(MergeRun::Status::Submitting, submit.log.at(0).status);
    EXPECT_EQ(Kind::Nothing, run.submitted(submit.ticket, true).kind);
    EXPECT_EQ(Kind::Nothing, run.pageLoaded("u", false).kind) << "still there";
    const Action back = run.pageLoaded("http://c/sent", true);
    EXPECT_EQ(Kind::Navigate, back.kind);
    EXPECT_EQ(MergeRun::Status::Sent, back.log.at(0).status);
    return run.pageLoaded("u", false);
}

TEST(MergeRun, ARunSendsEveryRowThenPutsTheTemplateBack) {
    MergeRun run(threeRows(), "u", 0);
    EXPECT_EQ(3, run.total());
    Action a = run.start();
    EXPECT_TRUE(run.doingMerge());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i, a.message);
        a = sendOne(run, a);
    }
    EXPECT_EQ(Kind::Fill, a.kind);
    EXPECT_EQ(-1, a.message) << "the template goes back";
    EXPECT_EQ(Mode::Restoring, run.mode());
    EXPECT_TRUE(run.completed());
    EXPECT_EQ(Kind::Finished, run.filled(a.ticket, true).kind);
    EXPECT_EQ(Mode::Idle, run.mode());
    EXPECT_FALSE(run.doingMerge());
    EXPECT_EQ(3, run.sent());
}

TEST(MergeRun, PausesBetweenMessagesAndSkipsRowsWithoutAnAddress) {
    MergeRun run(threeRows(false), "u", 2);
    Action a = run.start();
    ASSERT_EQ(1u, a.log.size());
    EXPECT_EQ(MergeRun::Status::Skipped, a.log[0].status);
    EXPECT_EQ(1, a.message);
    a = sendOne(run, a);
    EXPECT_EQ(Kind::Pause, a.kind);
    EXPECT_EQ(2, a.seconds);
    EXPECT_EQ(2500, run.millisecondsLeft(500)) << "one more: as long to send, and a pause";
    a = sendOne(run, run.pauseOver());
    // No pause after the last message; with no address in the first row there is no template
    // to put back, and the run ends there.
    EXPECT_EQ(Kind::Finished, a.kind);
    EXPECT_EQ(Mode::Idle, run.mode());
    EXPECT_TRUE(run.completed());
}

TEST(MergeRun, StopIsHonouredInEveryStep) {
    // Stop while filling or pausing restores at once; while the site has the message, the run
    // sees it accepted first (a second Stop gives up waiting); on the way back it restores there.
    {
        MergeRun run(threeRows(), "u", 1);
        const Action fill = run.start();
        const Action restore = run.stop();
        EXPECT_EQ(Kind::Fill, restore.kind);
        EXPECT_EQ(-1, restore.message);
        EXPECT_EQ(Kind::Nothing, run.filled(fill.ticket, true).kind) << "a stale answer";
        EXPECT_EQ(Kind::Finished, run.filled(restore.ticket, true).kind);
    }
    {
        MergeRun run(threeRows(), "u", 1);
        const Action pause = sendOne(run, run.start());
        ASSERT_EQ(Kind::Pause, pause.kind);
        EXPECT_EQ(-1, run.stop().message);
        EXPECT_EQ(Kind::Nothing, run.pauseOver().kind);
    }
    {
        MergeRun run(threeRows(), "u", 1);
        const Action submit = run.filled(run.start().ticket, true);
        EXPECT_EQ(Kind::Nothing, run.stop().kind) << "the message is on its way";
        run.submitted(submit.ticket, true);
        EXPECT_EQ(Kind::Navigate, run.pageLoaded("sent", true).kind);
        const Action restore = run.pageLoaded("u", false);
        EXPECT_EQ(Kind::Fill, restore.kind);
        EXPECT_EQ(-1, restore.message);
        EXPECT_EQ(1, run.sent());
        EXPECT_FALSE(run.completed());
    }
    {
        MergeRun run(threeRows(), "u", 1);
        const Action submit = run.filled(run.start().ticket, true);
        run.submitted(submit.ticket, true);
        run.stop();
        EXPECT_EQ(Kind::Navigate, run.stop().kind) << "stopped twice: no more waiting";
        EXPECT_EQ(-1, run.pageLoaded("u", false).message);
        EXPECT_EQ(0, run.sent());
    }
}

TEST(MergeRun, TestFailureAndARefusedMessage) {
    MergeRun test(threeRows(), "u", 0);
    const Action fill = test.test();
    EXPECT_EQ(0, fill.message);
    EXPECT_EQ(Kind::Nothing, test.filled(fill.ticket, true).kind);
    EXPECT_EQ(Mode::Testing, test.mode());
    EXPECT_FALSE(test.doingMerge()) << "the test is done; nothing waits";
    EXPECT_EQ(-1, test.stop().message) << "Stop Test restores";

    MergeRun untouched(threeRows(false), "u", 0);
    EXPECT_EQ(Kind::Nothing, untouched.test().kind) << "a first row without address";
    EXPECT_EQ(Kind::Finished, untouched.stop().kind);

    MergeRun failing(threeRows(), "u", 0);
    EXPECT_EQ(Kind::Fail, failing.filled(failing.start().ticket, false).kind);
    EXPECT_TRUE(failing.doingMerge()) << "until Stop";
    EXPECT_EQ(Kind::Navigate, failing.stop().kind) << "a fresh compose page first";
    EXPECT_EQ(-1, failing.pageLoaded("u", false).message);

    MergeRun refused(threeRows(), "u", 0);
    const Action submit = refused.filled(refused.start().ticket, true);
    refused.submitted(submit.ticket, true);
    const Action no = refused.pageLoaded("error", false);
    EXPECT_EQ(Kind::Fail, no.kind);
    EXPECT_EQ(MergeRun::Status::Failed, no.log.at(0).status);
    EXPECT_EQ(Kind::Navigate, refused.stop().kind) << "back to the compose page first";
    EXPECT_EQ(-1, refused.pageLoaded("u", false).message) << "then the template";
}

// A site that answers on its compose page (Roundcube) refuses one row: it is logged failed with
// the site's words and the run goes on from a fresh compose page, which may come back under an
// address of its own.
TEST(MergeRun, ARowTheSiteRefusesIsLoggedAndTheRunGoesOn) {
    MergeRun run(threeRows(), "http://rc/?_task=mail&_action=compose", 0);
    Action a = run.start();
    const Action submit = run.filled(a.ticket, true);
    run.submitted(submit.ticket, true);
    EXPECT_EQ(Kind::Navigate, run.refused("Session expired").kind);
    EXPECT_EQ(1, run.failed());
    EXPECT_EQ(Kind::Nothing, run.refused("again").kind) << "one answer a message";
    a = run.pageLoaded("http://rc/?_task=mail&_action=compose&_id=7f", false);
    EXPECT_EQ(1, a.message) << "the next row, on the redirected compose page";
    run.submitted(run.filled(a.ticket, true).ticket, true);
    const Action no = run.refused("SMTP Error (550): Failed to add recipient");
    EXPECT_EQ(Kind::Navigate, no.kind);
    EXPECT_EQ(MergeRun::Status::Failed, no.log.at(0).status);
    EXPECT_EQ("SMTP Error (550): Failed to add recipient", no.log.at(0).reason);
    a = run.pageLoaded("http://rc/?_task=mail&_action=compose&_id=80", false);
    run.submitted(run.filled(a.ticket, true).ticket, true);
    EXPECT_EQ(Kind::Navigate, run.pageLoaded("http://rc/?_task=mail&_mbox=INBOX", true).kind);
    EXPECT_EQ(-1, run.pageLoaded("http://rc/?_task=mail&_action=compose&_id=81", false).message);
    EXPECT_EQ(1, run.sent());
    EXPECT_EQ(2, run.failed());
    EXPECT_TRUE(run.completed());
}

// Every wait of a run ends: a sign-in page instead of the compose page or its form stops it, and
// so does a site that stops answering; only a message already with the site is left uncertain.
TEST(MergeRun, EveryWaitEndsAndOnlyAMessageWithTheSiteIsUncertain) {
    using Failure = MergeRun::Failure;
    enum How { Silence, OtherPage, SignInForm };
    struct Case {
        const char* what;
        int stepsTaken; // 0 filling, 1 submitting, 2 with the site, 3 on the way back
        How how;
        Failure failure;
        bool uncertain;
    };
    const Case cases[] = {
        {"page never ready", 0, Silence, Failure::NoAnswer, false},
        {"a sign-in form where the compose form was", 0, SignInForm, Failure::PageGone, false},
        {"send call unanswered", 1, Silence, Failure::NoAnswer, true},
        {"no answer to a send", 2, Silence, Failure::NoAnswer, true},
        {"compose page never back", 3, Silence, Failure::NoAnswer, false},
        {"signed out on the way back", 3, OtherPage, Failure::PageGone, false},
    };
    for (const Case& c : cases) {
        MergeRun run(threeRows(), "http://rc/?_action=compose", 0);
        const Action fill = run.start();
        if (c.stepsTaken >= 1)
            run.filled(fill.ticket, true);
        if (c.stepsTaken >= 2)
            run.submitted(fill.ticket + 1, true);
        if (c.stepsTaken >= 3)
            run.refused("Your session is invalid or expired.");
        const Action failed = c.how == OtherPage ? run.pageLoaded("http://rc/?_task=login", false)
                              : c.how == SignInForm
                                  ? run.filled(fill.ticket, false, Failure::PageGone)
                                  : run.timedOut();
        EXPECT_EQ(Kind::Fail, failed.kind) << c.what;
        EXPECT_TRUE(failed.log.empty()) << c.what << ": a row with the site stays submitting";
        EXPECT_EQ(c.failure, run.failure()) << c.what;
        EXPECT_EQ(c.uncertain, run.failedUncertain()) << c.what;
        EXPECT_TRUE(run.doingMerge()) << c.what << ": until Stop";
        Action back = run.stop();
        if (c.how != Silence || c.stepsTaken >= 2) { // a fresh compose page, then the template
            EXPECT_EQ(Kind::Navigate, back.kind) << c.what;
            back = run.pageLoaded("http://rc/?_action=compose&_id=1", false);
        }
        EXPECT_EQ(-1, back.message) << c.what;
        EXPECT_EQ(Kind::Finished, run.timedOut().kind) << c.what << ": a restore ends too";
        EXPECT_EQ(Mode::Idle, run.mode()) << c.what;
    }
}

TEST(MergeLog, ResumeSkipsWhatWasSentAndNeverResendsAnUncertainRow) {
    const std::string log = "t\t1\tstart\tbook.csv\tK\r\n"
                            "t\t1\t1\ta@x\tS\tsubmitting\r\nt\t1\t1\ta@x\tS\tsent\r\n"
                            "t\t1\t2\tb@x\tS\tsubmitting\r\n" // the program died here
                            "t\t2\tstart\tother.csv\tK\r\nt\t2\t1\tz@x\tS\tsent\r\n"
                            "t\t3\tstart\tbook.csv\tK\r\n"
                            "t\t3\t1\ta@x\tS\tskipped\r\n" // resumed: row 1 went before
                            "t\t3\t3\tc@x\tS\tsubmitting\r\nt\t3\t3\tc@x\tS\tsent\r\n"
                            "t\t3\t4\td@x\tS\tsubmitting\r\nt\t3\t4\td@x\tS\tfailed\t550 no\r\n"
                            "garbage line\r\n";
    const ResumePoint p = resumePoint(log, "book.csv", "K");
    EXPECT_EQ((std::vector<std::pair<int, std::string>>{{1, "a@x"}, {3, "c@x"}}), p.sent);
    EXPECT_EQ((std::vector<std::pair<int, std::string>>{{2, "b@x"}}), p.uncertain);
    ASSERT_EQ(1u, p.refused.size()) << "refused, so sent again, its reason kept";
    EXPECT_EQ(4, p.refused[0].row);
    EXPECT_EQ("550 no", p.refused[0].reason);
    EXPECT_FALSE(resumePoint(log, "book.csv", "other text").resumable());
    EXPECT_FALSE(resumePoint(log + "t\t3\tfinished\r\n", "book.csv", "K").resumable());
    EXPECT_EQ(4, nextRunNumber(log));
    EXPECT_TRUE(lastRunUnfinished(log));
    EXPECT_FALSE(lastRunUnfinished(log + "t\t3\tfinished\r\n"));
    EXPECT_FALSE(lastRunUnfinished(""));
    EXPECT_EQ(1, nextRunNumber(""));

    auto plan = threeRows();
    plan[0].address = "a@x";
    plan[1].address = "b@x";
    plan[2].address = "moved@x"; // row 3 now holds another address: it is sent
    applyResume(plan, p);
    EXPECT_EQ(MergeMessage::Skip::SentBefore, plan[0].skip);
    EXPECT_EQ(MergeMessage::Skip::Uncertain, plan[1].skip);
    EXPECT_EQ(MergeMessage::Skip::No, plan[2].skip);
}

} // namespace
} // namespace postling
