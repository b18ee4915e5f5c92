#include "store/MessageList.h"
#include "store/MessageSearch.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(MessageList, RowsComeFromTheFileName) {
    const auto read = [](const std::string& name) { // "first|subject|date|fourth|sort key"
        const auto r = messageRow(name);
        return r ? r->first + "|" + r->subject + "|" + r->date + "|" + r->fourth + "|" + r->sortKey
                 : "(none)";
    };
    const std::string ann = "Ann&&Re  lunch&&Tue, 3 Dec 2002 10^15^00&&Bob.htm";
    EXPECT_EQ("Ann|Re:  lunch|Tue, 3 Dec 2002|Bob|19329", read(ann));
    EXPECT_EQ(ann, messageRow(ann)->fileName);
    EXPECT_EQ("Bob|Hi|12/4/2002|sent message|19330",
              read("Bob&&Hi&&12#4#2002 7^05^09 PM&&sent message.htm"));

    EXPECT_FALSE(messageRow("notes.txt"));
    EXPECT_FALSE(messageRow("a&&b.htm"));
    EXPECT_EQ("Where: are: we", messageRow("a&&Where are we&&d&&t.htm")->subject)
        << "every \"re \" is repaired, the one ending \"Where\" too";
    EXPECT_EQ("x", messageRow("a&&  x&&d&&   t.htm")->subject);
    EXPECT_EQ("t", messageRow("a&&  x&&d&&   t.htm")->fourth);
    EXPECT_EQ(" a", messageRow(" a&&x&&d&&t.htm")->first) << "column 1 stays as stored";
    EXPECT_EQ("a&&x&&d&&t.htm", messageRow(" a&&x&&d&&t.htm")->fileName);
}

TEST(MessageList, TheReRepairRunsThreeCaseSensitiveReplacements) {
    EXPECT_EQ("Re: lunch", repairRe("Re lunch"));
    EXPECT_EQ("RE: RE: x", repairRe("RE RE x"));
    EXPECT_EQ("re: x", repairRe("re x"));
    EXPECT_EQ("Are: you", repairRe("Are you")) << "inside words too";
    EXPECT_EQ("rE x", repairRe("rE x"));
}

TEST(MessageList, DatesAreCutToTheDay) {
    EXPECT_EQ("Tue, 3 Dec 2002", dayOfDate("Tue, 3 Dec 2002 10:15:00 -0800"));
    EXPECT_EQ("12/4/2002", dayOfDate("12/4/2002 7:05:09 PM"));
    EXPECT_EQ("3 Dec 2002", dayOfDate("3 Dec 2002"));
    EXPECT_EQ("10:", dayOfDate("10:15")) << "cut after the colon; no blank to cut before";
    EXPECT_EQ("", dayOfDate(""));
}

TEST(MessageList, SortKeysCountDaysFromTheFirstOfJanuary1950) {
    struct Case {
        const char* text;
        const char* key;
    };
    for (const Case& c :
         {Case{"3 Dec 2002", "19329"}, Case{"Tue, 3 Dec 2002", "19329"}, Case{"12/4/2002", "19330"},
          Case{"December 3, 2002", "19329"}, Case{"2002-12-03", "19329"},
          Case{"3.12.2002", "19329"}, Case{"Dec 3 2002", "19329"}, Case{"1 Jan 1950", "0"},
          Case{"31 Dec 1949", "-1"}, Case{"29 Feb 2000", "18321"}, Case{"12/4/02", "19330"},
          Case{"Thu, 19 May 1977", "10000"}, Case{"30 Feb 2002", "30 Feb 2002"},
          Case{"soon", "soon"}, Case{"Mon, someday", "someday"}, Case{"", ""}})
        EXPECT_EQ(c.key, dateSortKey(c.text)) << c.text;
}

TEST(MessageList, RowsSortWithoutLetterCaseAndDayCountsAsNumbers) {
    EXPECT_TRUE(rowTextLess("apple", "Banana"));
    EXPECT_FALSE(rowTextLess("Banana", "apple"));
    EXPECT_TRUE(rowTextLess("9999", "10000"));
    EXPECT_TRUE(rowTextLess("-5", "3"));
    EXPECT_TRUE(rowTextLess("19329", "soon"));
    EXPECT_TRUE(rowTextLess("2", "10")) << "numbers as numbers";
    EXPECT_TRUE(rowTextLess("99999999999999999999", "100000000000000000000")) << "of any length";
    EXPECT_FALSE(rowTextLess("-0", "0"));
    EXPECT_FALSE(rowTextLess("0", "-0"));
}

TEST(MessageList, TheRowOrderIsAStrictWeakOrdering) {
    // Keys of the kinds a list holds: day counts, dates that could not be read, odd text.
    const std::vector<std::string> pool = {"2",   "10",   "1a",    "-3", "0",     "-0",
                                           "007", "soon", "Soon",  "",   "-",     "19329",
                                           "a",   "B",    "10000", "1",  "Mon, x"};
    for (const auto& a : pool) {
        EXPECT_FALSE(rowTextLess(a, a)) << a;
        for (const auto& b : pool) {
            if (rowTextLess(a, b)) {
                EXPECT_FALSE(rowTextLess(b, a)) << a << " " << b;
            }
            for (const auto& c : pool) {
                if (rowTextLess(a, b) && rowTextLess(b, c)) {
                    EXPECT_TRUE(rowTextLess(a, c)) << a << " " << b << " " << c;
                }
                const auto same = [](const std::string& x, const std::string& y) {
                    return !rowTextLess(x, y) && !rowTextLess(y, x);
                };
                if (same(a, b) && same(b, c)) {
                    EXPECT_TRUE(same(a, c)) << a << " " << b << " " << c;
                }
            }
        }
    }
}

TEST(MessageList, FolderListsLeaveTheSentFolderOutOfTheMoveTargets) {
    const auto lists = folderLists({"Saved", "SENT", "Sent Items", "Work"}, "saved");
    EXPECT_EQ((std::vector<std::string>{"Saved", "SENT", "Sent Items", "Work"}), lists.all);
    EXPECT_EQ((std::vector<std::string>{"Saved", "Sent Items", "Work"}), lists.moveTargets);
    EXPECT_EQ(0, lists.selected);
    EXPECT_EQ(-1, folderLists({"Saved", "Sent"}, "Vanished").selected);
    EXPECT_EQ(3, folderLists({"Saved", "SENT", "Sent Items", "Work"}, "WORK").selected);
}

TEST(MessageSearch, FindsEveryWordFoldedAndRereadsOnlyWhatChanged) {
    EXPECT_EQ(" from:  ann <x> cafe 1 < 2 & e", searchableText("<b>From:</b> Ann &lt;x&gt; "
                                                               "CAF\xC3\x89<br>1 &lt; 2 &amp; "
                                                               "&#xC9;"));
    EXPECT_EQ("cafe &bogus; ", searchableText("Caf\xE9 &bogus; <unclosed"))
        << "Windows-1252 bytes, an unknown entity, a tag left open";
    testing::TempDir dir;
    std::filesystem::create_directories(dir.file("savedmgs/Saved"));
    std::filesystem::create_directories(dir.file("savedmgs/Sent"));
    dir.write("savedmgs/Saved/a.htm", "Lunch on Friday at the caf&#233;");
    dir.write("savedmgs/Sent/b.htm", "<p>Friday</p>");
    dir.write("savedmgs/Sent/.postling-tmp", "friday");
    MessageSearch search(dir.path() + "/");
    const auto names = [](const std::vector<MessageSearch::Hit>& hits) {
        std::vector<std::string> out;
        for (const auto& h : hits)
            out.push_back(h.folder + "/" + h.fileName);
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ((std::vector<std::string>{"Saved/a.htm", "Sent/b.htm"}),
              names(search.find("FRIDAY")));
    EXPECT_EQ(2, search.filesRead());
    EXPECT_EQ((std::vector<std::string>{"Saved/a.htm"}), names(search.find("cafe  friday")));
    EXPECT_EQ(0, search.filesRead()) << "unchanged files come from memory";
    EXPECT_TRUE(search.find("p").empty()) << "tags are not text";
    EXPECT_TRUE(search.find("  ").empty());

    dir.write("savedmgs/Sent/b.htm", "<p>Saturday, not the other day</p>");
    std::filesystem::remove(dir.file("savedmgs/Saved/a.htm"));
    EXPECT_TRUE(search.find("friday").empty());
    EXPECT_EQ(1, search.filesRead());
}

} // namespace
} // namespace postling
