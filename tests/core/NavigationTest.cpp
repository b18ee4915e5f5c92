#include "app/Navigation.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(Navigation, SitePrefixEndsWithTheFirstPathSegment) {
    struct Case {
        const char* address;
        const char* prefix; // nullptr: none
    };
    for (const Case& c : {
             Case{"http://mail.yahoo.localhost:8080/ym/login?.rand=1",
                  "http://mail.yahoo.localhost:8080/ym/"},
             Case{"http://hotmail.localhost:80/cgi-bin/hmhome?a=x",
                  "http://hotmail.localhost:80/cgi-bin/"},
             Case{"http://a.b/x/y/z", "http://a.b/x/"},
             Case{"http://mail.yahoo.com/", nullptr}, // the first "/" found is the last
             Case{"http://abc/def", nullptr},         // no second "/"
             Case{"http://ab/c/d", "http://ab/c/"},   // the "/" at character 10 counts
             Case{"about:blank", nullptr},
             Case{"", nullptr},
         }) {
        const auto p = sitePrefix(c.address);
        if (c.prefix)
            EXPECT_EQ(c.prefix, p.value_or("(none)")) << c.address;
        else
            EXPECT_FALSE(p.has_value()) << c.address << " gave " << p.value_or("");
    }
}

TEST(Navigation, ProviderAndComposeAddress) {
    EXPECT_EQ("yahoo", provider("http://mail.YAHOO.localhost/ym/ShowFolder"));
    EXPECT_EQ("hotmail", provider("http://hotmail.localhost/cgi-bin/HoTMail"));
    EXPECT_EQ("hotmail", provider("file:///m/welcome.htm"));
    EXPECT_EQ("http://h.localhost:1/cgi-bin/compose",
              composeAddress("http://h.localhost:1/cgi-bin/HoTMail?curmbox=F1").value());
    EXPECT_FALSE(composeAddress("http://mail.yahoo.com/").has_value());
}

TEST(Navigation, GoToInboxSkipsTheHomePageAfterLogin) {
    const auto y = goToInbox("http://mail.yahoo.localhost:5/ym/login?.rand=42");
    EXPECT_TRUE(y.handled);
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/ShowFolder?", y.target);
    const auto h = goToInbox("http://hotmail.localhost:5/cgi-bin/hmhome?curmbox=F1&a=t");
    EXPECT_TRUE(h.handled);
    EXPECT_EQ("http://hotmail.localhost:5/cgi-bin/HoTMail", h.target);
    EXPECT_FALSE(goToInbox("http://mail.yahoo.localhost:5/YM/LOGIN").handled) << "case-sensitive";
    EXPECT_FALSE(goToInbox("http://x.y/hmhome").handled) << "no prefix: the handler goes on";
    EXPECT_FALSE(goToInbox("http://mail.yahoo.localhost:5/ym/ShowFolder?").handled);
}

TEST(Navigation, ComposePreloadKeepsTheComposePageOfTheInboxSite) {
    const std::string inbox = "http://mail.yahoo.localhost:5/ym/ShowFolder?box=Inbox";
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/compose", composePreload(inbox, "").value());
    EXPECT_FALSE(composePreload(inbox, "http://mail.yahoo.localhost:5/ym/compose").has_value());
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/compose",
              composePreload(inbox, "http://mail.yahoo.localhost:5/ym/Send?YY=1").value())
        << "a page after sending is not a compose page";
    EXPECT_EQ("http://hotmail.localhost:5/cgi-bin/compose",
              composePreload("http://HOTMAIL.localhost:5/cgi-bin/HoTMail",
                             "http://mail.yahoo.localhost:5/ym/compose")
                  .value())
        << "the prefix is taken from the lower-cased address";
    EXPECT_FALSE(composePreload("file:///m/welcome.htm", "").has_value());
    EXPECT_FALSE(composePreload("http://mail.yahoo.com/", "").has_value());
}

TEST(Navigation, ComposeReloadCalendarAndProgressRules) {
    EXPECT_TRUE(composeReloadNeeded(false, "http://x/ym/compose"));
    EXPECT_FALSE(composeReloadNeeded(true, "http://x/ym/compose"));
    EXPECT_TRUE(composeReloadNeeded(true, "http://x/ym/Compose")) << "case-sensitive";

    EXPECT_EQ("Y", calendarTarget("", "http://mail.yahoo.x/", "Y", "H").value());
    EXPECT_EQ("H", calendarTarget("about:blank", "http://hotmail.x/", "Y", "H").value());
    EXPECT_FALSE(calendarTarget("http://calendar.yahoo.x/", "http://hotmail.x/", "Y", "H"));

    EXPECT_FALSE(progressVisible(0, 100));
    EXPECT_TRUE(progressVisible(1, 100));
    EXPECT_TRUE(progressVisible(99, 100));
    EXPECT_FALSE(progressVisible(100, 100));
    EXPECT_FALSE(progressVisible(-1, 100));
}

} // namespace
} // namespace postling
