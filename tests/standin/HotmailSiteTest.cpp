#include "SiteFixture.h"

namespace standin::testing {
namespace {

class HotmailSiteTest : public SiteTest {
protected:
    SiteClient client{port(), "hotmail.localhost"};

    // The session token the site carries in its links.
    static std::string token(const std::string& location) {
        const auto a = location.find("a=");
        return a == std::string::npos ? std::string() : location.substr(a + 2);
    }
};

TEST_F(HotmailSiteTest, LoginLandsOnHmhomeWithTheTokenInTheAddress) {
    auto login = page(client.get("/"));
    EXPECT_EQ(1u, login->count("//form//input[@name='login']"));
    EXPECT_EQ(1u, login->count("//form//input[@name='passwd' and @type='password']"));

    const std::string landing = hotmailLogin(client, "bob");
    EXPECT_EQ(0u, landing.rfind("/cgi-bin/hmhome?", 0)) << landing;
    const std::string a = token(landing);
    ASSERT_EQ(32u, a.size());
    auto home = page(client.get(landing));
    for (const auto& href : home->attributes("//a[starts-with(@href,'/cgi-bin/')]", "href"))
        EXPECT_NE(std::string::npos, href.find("a=" + a)) << href;
}

TEST_F(HotmailSiteTest, TokenInTheLinkAloneIsASessionAndNeitherIsRedirectedToLogin) {
    const std::string a = token(hotmailLogin(client, "bob"));
    SiteClient cookieless(port(), "hotmail.localhost");
    auto inbox = cookieless.get("/cgi-bin/HoTMail?curmbox=F000000001&a=" + a);
    ASSERT_TRUE(inbox);
    EXPECT_EQ(200, inbox->status);

    auto without = cookieless.get("/cgi-bin/HoTMail");
    ASSERT_TRUE(without);
    EXPECT_EQ(302, without->status);
    EXPECT_EQ("/", without->get_header_value("Location"));

    // The go-to-inbox rule drops the query: the cookie carries the session then.
    auto typed = client.get("/cgi-bin/HoTMail");
    ASSERT_TRUE(typed);
    EXPECT_EQ(200, typed->status);
}

TEST_F(HotmailSiteTest, InboxHasAllboxAndOneBoxPerRowNamedAfterTheMessage) {
    hotmailLogin(client, "bob");
    auto inbox = page(client.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    const std::string form = "//form[@name='hotmail']";
    ASSERT_EQ(1u, inbox->count(form));
    EXPECT_EQ(1u, inbox->count(form + "//input[@type='checkbox' and @name='allbox']"));
    EXPECT_GE(inbox->count(form + "//input[@type='hidden']"), 2u);

    const auto boxes = inbox->select(form + "//input[@type='checkbox' and @name!='allbox']");
    ASSERT_GT(boxes.size(), 29u);
    for (auto* box : boxes) {
        EXPECT_EQ(0u, HtmlPage::attribute(box, "name").rfind("MSG", 0));
        EXPECT_EQ("tr", HtmlPage::tagName(HtmlPage::parent(HtmlPage::parent(box))));
    }
    const std::size_t unread = inbox->count(
        form + "//tr[.//input[starts-with(@name,'MSG')]][.//img[contains(@src,'newmail')]]");
    EXPECT_GT(unread, 5u);
    EXPECT_LT(unread, boxes.size());
    // Nothing outside an unread row mentions "newmail": the unread test reads a row's HTML.
    EXPECT_EQ(unread, inbox->count("//img[contains(@src,'newmail')]"));
    EXPECT_EQ(std::string::npos, inbox->text("//body").find("newmail"));
}

TEST_F(HotmailSiteTest, MessagePageShowsSpacedLabelsAndTheRmsgBody) {
    hotmailLogin(client, "bob");
    auto inbox = page(client.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    auto open = [&](const std::string& subject) {
        const auto links = inbox->attributes("//a[starts-with(@href,'/cgi-bin/getmsg?msg=MSG') and "
                                             "contains(.,'" +
                                                 subject + "')]",
                                             "href");
        EXPECT_EQ(1u, links.size()) << subject;
        return page(client.get(links.at(0)));
    };
    // Mail from a list asks for replies elsewhere: a Reply-To line follows the sender.
    auto listMail = open("Team roster");
    const std::vector<std::string> labels = {"From :", "Reply-To :", "To :", "Subject :", "Date :"};
    for (std::size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i],
                  listMail->text("//table[@class='hdr']//tr[" + std::to_string(i + 1) + "]/td[1]"));
    EXPECT_EQ("Jon Park <jon@hotmail.localhost>",
              listMail->text("//table[@class='hdr']//tr[1]/td[2]"));
    EXPECT_EQ("team@hotmail.localhost", listMail->text("//table[@class='hdr']//tr[2]/td[2]"));

    // Ordinary mail has no Reply-To line.
    auto msg = open("Minutes of Tuesday");
    EXPECT_EQ(4u, msg->count("//table[@class='hdr']//tr"));
    EXPECT_EQ("To :", msg->text("//table[@class='hdr']//tr[2]/td[1]"));
    EXPECT_EQ("Dana White <dana@yahoo.localhost>", msg->text("//table[@class='hdr']//tr[1]/td[2]"));
    EXPECT_EQ(1u, msg->count("//*[@class='rmsg']"));
    EXPECT_EQ(1u, msg->count("//*[@class='rmsg']//li[contains(.,'Budget approved')]"));
}

TEST_F(HotmailSiteTest, ComposeFormHasLowerCaseFieldsAndAnImageSendButton) {
    hotmailLogin(client, "bob");
    for (const char* path : {"/cgi-bin/compose", "/cgi-bin/Compose", "/cgi-bin/COMPOSE"}) {
        SCOPED_TRACE(path);
        auto compose = page(client.get(path));
        const std::string form = "//form[@name='composeform']";
        ASSERT_EQ(1u, compose->count(form));
        for (const char* field : {"to", "cc", "bcc", "subject"})
            EXPECT_EQ(1u, compose->count(form + "//input[@type='text' and @name='" + field + "']"));
        EXPECT_EQ(1u, compose->count(form + "//textarea[@name='body']"));
        EXPECT_EQ(1u, compose->count(form + "//input[@type='image' and @name='Send']"));
        EXPECT_EQ("hidden", compose->attributes(form + "//input", "type").front());
        const std::string action = compose->attributes(form, "action").front();
        EXPECT_EQ(std::string::npos, action.find("ompose")) << action;
        EXPECT_NE(std::string::npos, action.find('?')) << "merge appends &Send.x to the action";
    }
}

TEST_F(HotmailSiteTest, ImagesAndCalendarsAreServed) {
    auto icon = client.get("/i/newmail.gif");
    ASSERT_TRUE(icon);
    EXPECT_EQ(200, icon->status);
    EXPECT_EQ("image/svg+xml", icon->get_header_value("Content-Type"));
    for (const char* host : {"calendar.yahoo.localhost", "calendar.hotmail.localhost"}) {
        SiteClient calendar(port(), host);
        auto r = page(calendar.get("/"));
        EXPECT_NE(std::string::npos, r->text("//title").find("Calendar")) << host;
    }
}

} // namespace
} // namespace standin::testing
