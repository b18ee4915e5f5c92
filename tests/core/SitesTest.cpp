#include "app/Settings.h"
#include "sites/MimeMessage.h"
#include "sites/OldSites.h"
#include "sites/RoundcubeSite.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

const SiteAddresses kMine{"https://Mail.Example.org:8443/roundcube/", "Y", "H",
                          "https://mail.hotmail-alumni.example/"};

TEST(Sites, EachAddressFindsItsProfile) {
    struct Case {
        const char* address;
        const char* key;
    } cases[] = {
        {"http://mail.YAHOO.localhost/ym/ShowFolder", "yahoo"},
        {"http://hotmail.localhost/cgi-bin/HoTMail", "hotmail"},
        {"file:///m/welcome.htm", "hotmail"}, // Postling's own pages keep the old rule
        {"https://mail.example.org:8443/roundcube/?_task=mail&_mbox=INBOX", "roundcube"},
        {"https://mail.example.org:8443/?_task=mail", "roundcube"},    // the origin decides
        {"https://mail.example.org/roundcube/?_task=mail", "generic"}, // another port
        {"http://mail.example.org:8443/roundcube/", "generic"},        // another scheme
        {"HTTPS://webmail.uni.example/owa/", "generic"},               // nobody's profile
        {"https://mail.hotmail-alumni.example/inbox", "generic"},      // the user's other one
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.key, siteFor(c.address, kMine).key()) << c.address;
    EXPECT_EQ("generic", siteFor("http://127.0.0.1:1/", SiteAddresses{}).key())
        << "no Roundcube address: no Roundcube";
    // With the profiles off every site's pages are read by their meaning; local pages are not.
    SiteAddresses off = kMine;
    off.genericOnly = true;
    for (const char* web :
         {"http://mail.yahoo.localhost/ym/ShowFolder", "http://hotmail.localhost/",
          "https://mail.example.org:8443/?_task=mail"})
        EXPECT_EQ("generic", siteFor(web, off).key()) << web;
    EXPECT_EQ("hotmail", siteFor("file:///m/welcome.htm", off).key());
    EXPECT_EQ("", originOf("about:blank"));
    EXPECT_EQ("http://a:1", originOf("HTTP://A:1?x=/y"));
}

TEST(Sites, OldSitesGoStraightToTheInboxAndKeepTheirComposePageReady) {
    const Site& y = yahooSite();
    const Site& h = hotmailSite();
    const auto yl = y.afterLogin("http://mail.yahoo.localhost:5/ym/login?.rand=42");
    EXPECT_TRUE(yl.handled);
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/ShowFolder?", yl.target);
    const auto hl = h.afterLogin("http://hotmail.localhost:5/cgi-bin/hmhome?curmbox=F1&a=t");
    EXPECT_TRUE(hl.handled);
    EXPECT_EQ("http://hotmail.localhost:5/cgi-bin/HoTMail", hl.target);
    EXPECT_FALSE(y.afterLogin("http://mail.yahoo.localhost:5/YM/LOGIN").handled)
        << "case-sensitive";
    EXPECT_FALSE(h.afterLogin("http://x.y/hmhome").handled) << "no prefix: the handler goes on";
    EXPECT_FALSE(y.afterLogin("http://mail.yahoo.localhost:5/ym/ShowFolder?").handled);
    EXPECT_EQ("http://h.localhost:1/cgi-bin/compose",
              h.composeAddress("http://h.localhost:1/cgi-bin/HoTMail?curmbox=F1").value());
    EXPECT_FALSE(y.composeAddress("http://mail.yahoo.com/").has_value());

    const std::string inbox = "http://mail.yahoo.localhost:5/ym/ShowFolder?box=Inbox";
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/compose", y.composePreload(inbox, "").value());
    EXPECT_FALSE(y.composePreload(inbox, "http://mail.yahoo.localhost:5/ym/compose"));
    EXPECT_EQ("http://mail.yahoo.localhost:5/ym/compose",
              y.composePreload(inbox, "http://mail.yahoo.localhost:5/ym/Send?YY=1").value())
        << "a page after sending is not a compose page";
    EXPECT_EQ("http://hotmail.localhost:5/cgi-bin/compose",
              h.composePreload("http://HOTMAIL.localhost:5/cgi-bin/HoTMail",
                               "http://mail.yahoo.localhost:5/ym/compose")
                  .value())
        << "the prefix is taken from the lower-cased address";
    EXPECT_FALSE(h.composePreload("file:///m/welcome.htm", ""));
    EXPECT_FALSE(y.composePreload("http://mail.yahoo.com/", ""));
    EXPECT_EQ("Y", y.calendar(kMine).value());
    EXPECT_EQ("H", h.calendar(kMine).value());
}

TEST(Sites, RoundcubeNeedsNoShortcutAndHasNoCalendar) {
    const Site& r = roundcubeSite();
    const std::string inbox = "https://mail.example.org/rc/?_task=mail&_mbox=INBOX";
    EXPECT_FALSE(r.afterLogin(inbox).handled);
    EXPECT_FALSE(r.calendar(kMine));
    EXPECT_EQ("https://mail.example.org/rc/?_task=mail&_action=compose",
              r.composePreload(inbox, "about:blank").value());
    EXPECT_FALSE(r.composePreload(inbox, "https://mail.example.org/rc/"
                                         "?_task=mail&_action=compose&_id=1f2"))
        << "a compose page is there already";
    EXPECT_FALSE(r.composePreload("https://mail.example.org/rc/?_task=login", ""))
        << "not signed in yet";
    EXPECT_FALSE(r.composePreload("https://mail.example.org/rc/", ""));
    EXPECT_EQ(
        "https://mail.example.org/rc/?_task=mail&_action=compose",
        r.freshComposeAddress("https://mail.example.org/rc/?_task=mail&_action=compose&_id=9"));
    EXPECT_EQ("http://y/ym/compose?rich=1",
              yahooSite().freshComposeAddress("http://y/ym/compose?rich=1"));
}

TEST(Sites, StartChoiceReadsOldIniValuesAndWritesTheThirdSite) {
    EXPECT_EQ("yahoo", startSite("0").key());
    EXPECT_EQ("hotmail", startSite("1").key());
    EXPECT_EQ("hotmail", startSite("-1").key()) << "anything else was Hotmail";
    EXPECT_EQ("roundcube", startSite("2").key());
    EXPECT_EQ("generic", startSite("3").key());
    for (const Site* site : allSites())
        EXPECT_EQ(site, &startSite(smailValue(*site)));
    Settings s;
    s.rstart = "https://rc/";
    EXPECT_EQ("https://rc/", startAddress(s, roundcubeSite()));
    EXPECT_EQ(s.ystart, startAddress(s, yahooSite()));
    EXPECT_EQ("https://rc/", siteAddresses(s).roundcube);
}

TEST(Sites, RoundcubeReadsWhatItsComposeFormPosted) {
    const Site& r = roundcubeSite();
    auto m = r.readPosted(
        "_token=t&_to=bob%40example.test%2C&_cc=c%40x%2C+&_bcc=&_subject=Gr%C3%BC%C3%9Fe"
        "&_message=a+%3Cb%3E%0D%0Ab&_is_html=0");
    ASSERT_TRUE(m.hasRecipient);
    EXPECT_EQ("bob@example.test", m.to);
    EXPECT_EQ("c@x", m.cc);
    EXPECT_EQ("Gr\xC3\xBC\xC3\x9F"
              "e",
              m.subject);
    EXPECT_EQ("a &lt;b&gt;<br>\r\nb", m.body) << "plain text is escaped and keeps its lines";
    EXPECT_EQ("<p>hi</p>", r.readPosted("_to=b%40x&_message=%3Cp%3Ehi%3C%2Fp%3E&_is_html=1").body);
    EXPECT_FALSE(r.readPosted("_to=b%40x&_draft=1&_message=m").hasRecipient) << "a draft";
    EXPECT_FALSE(r.readPosted("_to=&_subject=s").hasRecipient);
    EXPECT_FALSE(r.readPosted("_q=x&_search=1").hasRecipient) << "another form";
}

TEST(Sites, RoundcubeSavesTheMessagesOwnHeadersAndTheBodyAsShown) {
    const std::string source =
        "Return-Path: <ann@example.test>\r\n"
        "From: =?UTF-8?Q?Ren=C3=A9e_M=C3=BCller?= <renee@example.test>\r\n"
        "To: Ann <ann@example.test>, bob@example.test\r\n"
        "Cc: \"Lee, Carol\" <carol@example.test>\r\n"
        "Subject: =?UTF-8?B?Q2Fmw6kgb24gRnJpZGF5?=\r\n"
        "Date: Tue, 3 Dec 2024\r\n 10:15:00 +0100\r\n"
        "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nbody\r\n";
    int lang = 3;
    const auto r = roundcubeSite().capture({"shown text", "<div>body</div>", source}, lang);
    ASSERT_TRUE(r.found);
    const SavedMessage& m = r.message; // the date unfolded, as carried
    EXPECT_EQ("Ren\xC3\xA9\x65 M\xC3\xBCller <renee@example.test>\nAnn <ann@example.test>, "
              "bob@example.test\n\"Lee, Carol\" <carol@example.test>\nCaf\xC3\xA9 on Friday\n"
              "Tue, 3 Dec 2024 10:15:00 +0100\n<div>body</div>",
              m.from + "\n" + m.to + "\n" + m.cc + "\n" + m.subject + "\n" + m.date + "\n" +
                  m.body);
    EXPECT_EQ(3, lang) << "Roundcube's pages say nothing of the label language";

    EXPECT_FALSE(roundcubeSite().capture({"x", "<p>", std::nullopt}, lang).found)
        << "no message open";
    EXPECT_FALSE(roundcubeSite().capture({"x", "<p>", "not a message at all"}, lang).found);
    EXPECT_FALSE(readMimeHeaders("").ok);
}

} // namespace
} // namespace postling
