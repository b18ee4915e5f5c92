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

TEST(Navigation, ComposeReloadCalendarAndProgressRules) {
    EXPECT_TRUE(composeReloadNeeded(false, "http://x/ym/compose"));
    EXPECT_FALSE(composeReloadNeeded(true, "http://x/ym/compose"));
    EXPECT_TRUE(composeReloadNeeded(true, "http://x/ym/Compose")) << "case-sensitive";

    EXPECT_FALSE(calendarShown(""));
    EXPECT_FALSE(calendarShown("about:blank"));
    EXPECT_TRUE(calendarShown("http://calendar.yahoo.x/"));

    EXPECT_FALSE(progressVisible(0, 100));
    EXPECT_TRUE(progressVisible(1, 100));
    EXPECT_TRUE(progressVisible(99, 100));
    EXPECT_FALSE(progressVisible(100, 100));
    EXPECT_FALSE(progressVisible(-1, 100));
}

} // namespace
} // namespace postling
