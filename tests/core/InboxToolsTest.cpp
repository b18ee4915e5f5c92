#include "inbox/InboxTools.h"
#include "sites/OldSites.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

InboxBox row(std::string text, bool unread = true, bool checked = false) {
    InboxBox b;
    b.rowText = std::move(text);
    b.className = unread ? "msgnew" : "msgold";
    b.bold = unread;
    b.newmail = unread;
    b.checked = checked;
    return b;
}

std::vector<InboxBox> ticks(const std::string& pattern) { // "x" ticked, "." not
    std::vector<InboxBox> boxes;
    for (char c : pattern)
        boxes.push_back(row("r", false, c == 'x'));
    return boxes;
}

TEST(SpamKeywords, TheLastPieceAndBlankPiecesAreNeverKeywords) {
    EXPECT_EQ((std::vector<std::string>{"a", " b "}), spamKeywordList("a,  ,, b ,tail"));
    EXPECT_TRUE(spamKeywordList("only").empty());
    EXPECT_EQ((std::vector<std::string>{"x"}), spamKeywordList("x,\r\n"));
}

TEST(SpamKeywords, FileRoundTrip) {
    EXPECT_EQ(defaultSpamKeywords(), loadedSpamKeywords(nullptr));
    const std::string emptyLine = "\r\n";
    EXPECT_EQ(defaultSpamKeywords(), loadedSpamKeywords(&emptyLine))
        << "an empty box brings them back";
    const std::string file = "cash,prize,\r\n";
    EXPECT_EQ("cash,prize,\r\n", loadedSpamKeywords(&file));
    EXPECT_EQ("cash,prize,lotto\r\n", spamKeywordFileText("cash,prize,lotto"));
    EXPECT_EQ("a,b,\r\n", spamKeywordFileText("a\nb\n"));
    EXPECT_EQ("\r\n", spamKeywordFileText(""));
    // A keyword after the last comma is not used, now or after a restart.
    const std::string saved = spamKeywordFileText("cash,lotto");
    EXPECT_EQ((std::vector<std::string>{"cash"}), spamKeywordList(loadedSpamKeywords(&saved)));
}

TEST(CheckSpam, TheFirstKeywordDecidesAndReadRowsNeedTheOptionOff) {
    const std::vector<InboxBox> boxes = {
        row("Ann\tLunch on Friday"),             // nothing
        row("Prizes\tYou WON a cruise"),         // "won" inside "WON" lower-cased
        row("Casino\tYour casino bonus", false), // read
        row("Bob\tI owe you one"),               // " owe "
        row("Bob\tthe owner is back"),           // "owe" without blanks: no
        row("Deals\tBIG SALE"),                  // capitals in the keyword never match
        row("Menu\tCAF\xC3\x89 DELUXE"),         // accented capitals are lower-cased too
    };
    const std::vector<std::string> keywords = {"won", "casino", " owe ", "SALE", "caf\xC3\xA9"};
    auto r = checkSpam(yahooSite(), boxes, keywords, true, false);
    EXPECT_EQ((std::vector<int>{1, 3, 6}), r.tick);
    EXPECT_EQ((std::vector<std::string>{"Check Spam: keyword 'won'", "Check Spam: keyword ' owe '",
                                        "Check Spam: keyword 'caf\xC3\xA9'"}),
              r.reasons);
    r = checkSpam(yahooSite(), boxes, keywords, false, false);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 6}), r.tick);
    EXPECT_EQ(4, r.byKeyword);
}

TEST(CheckSpam, FiveNonEnglishLettersTickReadRowsToo) {
    EXPECT_EQ(4, nonEnglishCount("R\xC3\xA9sum\xC3\xA9 na\xC3\xAFve fa\xC3\xA7"
                                 "ade"));
    EXPECT_EQ(0, nonEnglishCount("\xE4\xB8\xAD\xE6\x96\x87")) << "characters Windows-1252 lacks";
    EXPECT_EQ(1, nonEnglishCount("\xE2\x82\xAC")) << "the euro sign has a code above 127";
    const std::vector<InboxBox> boxes = {
        row("R\xC3\xA9sum\xC3\xA9 na\xC3\xAFve fa\xC3\xA7"
            "ade",
            false),
        row("R\xC3\xA9sum\xC3\xA9 na\xC3\xAFve fa\xC3\xA7"
            "ade \xC3\xA0",
            false),
    };
    const auto r = checkSpam(yahooSite(), boxes, {}, true, true);
    EXPECT_EQ((std::vector<int>{1}), r.tick);
    EXPECT_EQ(1, r.nonEnglish);
    EXPECT_EQ((std::vector<std::string>{"Check Spam: 5 non-English letters"}), r.reasons);
    EXPECT_TRUE(checkSpam(yahooSite(), boxes, {}, true, false).tick.empty());
}

TEST(InboxRows, UnreadIsTheNewClassOrBoldOnYahooAndTheIconOnHotmail) {
    InboxBox b = row("x", false);
    EXPECT_FALSE(yahooSite().isUnread(b));
    b.className = "msgnew";
    EXPECT_TRUE(yahooSite().isUnread(b));
    b.className = "msgNEW";
    EXPECT_FALSE(yahooSite().isUnread(b)) << "exact case";
    b.bold = true;
    EXPECT_TRUE(yahooSite().isUnread(b));
    EXPECT_FALSE(hotmailSite().isUnread(b));
    b.newmail = true;
    EXPECT_TRUE(hotmailSite().isUnread(b));
}

TEST(CheckUnread, LimitsCountAlreadyTickedRows) {
    std::vector<InboxBox> three = {row("a"), row("b", false), row("c"), row("d")};
    EXPECT_EQ((std::vector<int>{0, 2, 3}), checkUnread(yahooSite(), three, 5));
    std::vector<InboxBox> eight;
    for (int i = 0; i < 8; ++i)
        eight.push_back(row("r"));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), checkUnread(yahooSite(), eight, 5));
    EXPECT_EQ(8u, checkUnread(yahooSite(), eight, 0).size());
    eight[0].checked = eight[1].checked = true;
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), checkUnread(yahooSite(), eight, 5))
        << "two ticked at the top count: three more";
}

TEST(CheckGroup, FillsTheRangesBetweenTicks) {
    EXPECT_EQ((std::vector<int>{2, 3, 4}), checkGroup(yahooSite(), ticks(".x...x..")));
    EXPECT_EQ((std::vector<int>{3, 4, 5}), checkGroup(yahooSite(), ticks(".xx...x.")))
        << "the group cannot end before one box was ticked";
    EXPECT_EQ((std::vector<int>{2, 3}), checkGroup(yahooSite(), ticks(".x..")));
    EXPECT_EQ((std::vector<int>{1}), checkGroup(yahooSite(), ticks("x.x.x")))
        << "the third tick opens a group that nothing below closes";
    EXPECT_TRUE(checkGroup(yahooSite(), ticks("....")).empty());
    auto hotmail = ticks("x..x");
    hotmail[1].checkbox = false; // a hidden field among the boxes
    EXPECT_EQ((std::vector<int>{2}), checkGroup(hotmailSite(), hotmail));
}

TEST(UncheckAll, UnticksBoxesOnlyAndLeavesOtherFields) {
    auto boxes = ticks("x.xx");
    EXPECT_EQ((std::vector<int>{0, 2, 3}), uncheckAll(yahooSite(), boxes));
    boxes[2].checkbox = false;
    EXPECT_EQ((std::vector<int>{0, 3}), uncheckAll(hotmailSite(), boxes));
}

} // namespace
} // namespace postling
