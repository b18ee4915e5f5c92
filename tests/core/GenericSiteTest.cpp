#include "sites/GenericSite.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(GenericSite, SavesOnlyWithASenderAndASubjectAndNamesWhatIsMissing) {
    struct Case {
        std::map<std::string, std::string> headers;
        std::vector<std::string> missing;
    } cases[] = {
        {{{"from", "Ann <ann@x.test>"}, {"subject", "Hi"}}, {}},
        {{{"from", "Ann"}, {"subject", "  "}, {"to", "bob@x.test"}}, {"Subject"}},
        {{{"subject", "Hi"}, {"date", "2026-12-06 14:05"}}, {"From"}},
        {{}, {"From", "Subject"}},
    };
    for (const Case& c : cases) {
        MessagePage page;
        page.labelled = c.headers;
        page.bodyHtml = "<p>Text</p>";
        int lang = 0;
        const CaptureResult r = genericSite().capture(page, lang);
        EXPECT_EQ(c.missing, r.missing);
        EXPECT_EQ(c.missing.empty(), r.found);
    }
    MessagePage page;
    page.labelled = {{"from", " Ann "},
                     {"subject", "Hi"},
                     {"to", "bob@x.test"},
                     {"cc", "cy@x.test"},
                     {"date", "6 December 2026, 14:05"}};
    int lang = 0;
    const SavedMessage m = genericSite().capture(page, lang).message;
    EXPECT_EQ("Ann", m.from);
    EXPECT_EQ("bob@x.test", m.to);
    EXPECT_EQ("cy@x.test", m.cc);
    EXPECT_EQ("Sun, 6 Dec 2026 14:05:00", m.date);
    EXPECT_EQ("", m.body); // no body element found: none guessed
}

TEST(GenericSite, ADateIsRewrittenOnlyWhenItCanBeReadWithoutGuessing) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-06 14:05", "Sun, 6 Dec 2026 14:05:00"},
        {"2024-02-29T09:07:33Z", "Thu, 29 Feb 2024 09:07:33"},
        {"06.12.2026 14:05", "Sun, 6 Dec 2026 14:05:00"},
        {"Mon, 7 Dec 2026 08:00", "Mon, 7 Dec 2026 08:00:00"},
        {"12/06/2026 14:05", "12/06/2026 14:05"}, // day or month first: left as shown
        {"2026-02-30 10:00", "2026-02-30 10:00"}, // no such day
        {"yesterday", "yesterday"},
        {"", ""},
    };
    for (const auto& [shown, saved] : cases)
        EXPECT_EQ(saved, savedDateForm(shown)) << shown;
}

// Words of success win, then words of failure (a bare "error" only in a short notice), then
// the form gone; a page that still shows the form and says neither is no answer yet.
TEST(GenericSite, ASendIsJudgedByTheSitesWordsThenByTheFormGoing) {
    struct Case {
        std::string text;
        std::optional<bool> compose;
        SendVerdict verdict;
    } cases[] = {
        {"Message sent", true, SendVerdict::Sent},
        {"Votre message a été envoyé.", std::nullopt, SendVerdict::Sent},
        {"Uw bericht is verzonden.", true, SendVerdict::Sent},
        {"Die Nachricht wurde nicht gesendet: Please give at least one recipient.", true,
         SendVerdict::Refused},
        {"Your message could not be sent right now.", false, SendVerdict::Refused},
        {"SMTP Error: connection refused", true, SendVerdict::Refused},
        {"Inbox\nRe: error in the report\n" + std::string(200, '.'), false, SendVerdict::Sent},
        {"Inbox (3)", false, SendVerdict::Sent},
        {"Inbox (3)", std::nullopt, SendVerdict::Unknown},
        {"", true, SendVerdict::Unknown},
        {"Sent items", true, SendVerdict::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.verdict, genericSite().sendVerdict(c.text, c.compose)) << c.text;
}

TEST(GenericSite, UnreadIsTheRowsBoldOrItsUnreadMark) {
    InboxBox box;
    EXPECT_FALSE(genericSite().isUnread(box));
    box.className = "unread";
    EXPECT_TRUE(genericSite().isUnread(box));
    box.className = "";
    box.bold = true;
    EXPECT_TRUE(genericSite().isUnread(box));
}

} // namespace
} // namespace postling
