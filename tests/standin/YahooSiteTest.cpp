#include "SiteFixture.h"

namespace standin::testing {
namespace {

class YahooSiteTest : public SiteTest {
protected:
    SiteClient client{port(), "mail.yahoo.localhost"};
};

TEST_F(YahooSiteTest, RootShowsTheLoginFormAndABadPasswordIsRefused) {
    auto login = page(client.get("/"));
    EXPECT_EQ(1u, login->count("//form//input[@name='login']"));
    EXPECT_EQ(1u, login->count("//form//input[@name='passwd' and @type='password']"));

    auto refused = page(client.post("/config/login", "login=ann&passwd=wrong"));
    EXPECT_NE(std::string::npos, refused->text("//body").find("Invalid ID or password"));
    auto inbox = client.get("/ym/ShowFolder?box=Inbox");
    ASSERT_TRUE(inbox);
    EXPECT_EQ(302, inbox->status) << "no session was opened";
}

TEST_F(YahooSiteTest, LoginLandsUnderYmLoginWithACookieSession) {
    const std::string landing = yahooLogin(client, "ann");
    EXPECT_EQ(0u, landing.rfind("/ym/login?", 0)) << landing;
    auto home = page(client.get(landing));
    EXPECT_NE(std::string::npos, home->text("//body").find("Ann Lee"));

    // The address the go-to-inbox rule builds: site prefix + "ShowFolder?".
    auto inbox = page(client.get("/ym/ShowFolder?"));
    EXPECT_GT(inbox->count("//form[@name='messageList']//input[@name='Mid']"), 29u);

    client.clearCookies();
    auto again = client.get("/ym/ShowFolder?box=Inbox");
    ASSERT_TRUE(again);
    EXPECT_EQ(302, again->status);
    EXPECT_EQ("/", again->get_header_value("Location"));
}

TEST_F(YahooSiteTest, InboxRowsMarkUnreadByClassAndBoldOnly) {
    yahooLogin(client, "ann");
    auto inbox = page(client.get("/ym/ShowFolder?box=Inbox"));
    // Each check box's parent's parent is its message row.
    const auto rows = inbox->select("//form[@name='messageList']//input[@name='Mid']/../..");
    ASSERT_GT(rows.size(), 29u);
    std::size_t unread = 0, read = 0;
    for (auto* row : rows) {
        EXPECT_EQ("tr", HtmlPage::tagName(row));
        const std::string cls = HtmlPage::attribute(row, "class");
        if (cls.find("new") != std::string::npos) {
            ++unread;
        } else {
            ++read;
            EXPECT_EQ("msgold", cls);
        }
    }
    EXPECT_GT(unread, 5u);
    EXPECT_GT(read, 5u);
    EXPECT_EQ(unread, inbox->count("//tr[@class='msgnew'][.//b]"));
    EXPECT_EQ(0u, inbox->count("//tr[@class='msgold'][.//b]"));
}

TEST_F(YahooSiteTest, MessagePageShowsLabelledHeaderCellsAndTheMessageElement) {
    yahooLogin(client, "ann");
    auto inbox = page(client.get("/ym/ShowFolder?box=Inbox"));
    const auto links = inbox->attributes(
        "//a[starts-with(@href,'/ym/ShowLetter') and contains(.,'Lunch on Friday?')]", "href");
    ASSERT_EQ(1u, links.size());
    auto letter = page(client.get(links[0]));

    EXPECT_EQ("From:", letter->text("//table[@class='msghdr']//tr[1]/td[1]"));
    EXPECT_EQ("Carl Jones <carl@hotmail.localhost> | Add to Address Book",
              letter->text("//table[@class='msghdr']//tr[1]/td[2]"));
    EXPECT_EQ("To:", letter->text("//table[@class='msghdr']//tr[2]/td[1]"));
    EXPECT_EQ("ann@yahoo.localhost", letter->text("//table[@class='msghdr']//tr[2]/td[2]"));
    EXPECT_EQ("Return-Path:", letter->text("//table[@class='msghdr']//tr[3]/td[1]"));
    EXPECT_EQ("Subject:", letter->text("//table[@class='msghdr']//tr[4]/td[1]"));
    EXPECT_EQ("Lunch on Friday?", letter->text("//table[@class='msghdr']//tr[4]/td[2]"));
    EXPECT_EQ("Date:", letter->text("//table[@class='msghdr']//tr[5]/td[1]"));
    EXPECT_NE(std::string::npos,
              letter->text("//div[@id='message']").find("Are we still on for lunch"));

    // Reading it marked it read.
    auto after = page(client.get("/ym/ShowFolder?box=Inbox"));
    EXPECT_EQ(1u, after->count("//tr[@class='msgold'][.//a[contains(.,'Lunch on Friday?')]]"));
}

TEST_F(YahooSiteTest, ComposeIsServedForComposeInAnyLetterCase) {
    yahooLogin(client, "ann");
    for (const char* path : {"/ym/Compose", "/ym/compose", "/ym/COMPOSE"}) {
        SCOPED_TRACE(path);
        auto compose = page(client.get(path));
        const std::string form = "//form[@name='Compose']";
        ASSERT_EQ(1u, compose->count(form));
        for (const char* field : {"To", "Cc", "Bcc", "Subj"})
            EXPECT_EQ(1u, compose->count(form + "//input[@type='text' and @name='" + field + "']"))
                << field;
        EXPECT_EQ(1u, compose->count(form + "//textarea[@name='Body']"));
        EXPECT_EQ(1u, compose->count(form + "//input[@type='submit' and @name='SEND']"));
        // Hidden fields come first, so "To" is never the first field posted.
        EXPECT_EQ("hidden", compose->attributes(form + "//input", "type").front());
        const std::string action = compose->attributes(form, "action").front();
        EXPECT_EQ(std::string::npos, action.find("ompose")) << action;
        EXPECT_NE(std::string::npos, action.find('?')) << "merge appends &SEND to the action";
    }
}

TEST_F(YahooSiteTest, SitePrefixOfEveryPageIsYm) {
    // Postling derives the compose and inbox addresses from the first path segment.
    const std::string landing = yahooLogin(client, "ann");
    EXPECT_EQ(0u, landing.rfind("/ym/", 0));
    auto inbox = page(client.get("/ym/ShowFolder?box=Inbox"));
    for (const auto& href : inbox->attributes("//a[starts-with(@href,'/')]", "href"))
        EXPECT_EQ(0u, href.rfind("/ym/", 0)) << href;
}

TEST_F(YahooSiteTest, DeleteMovesTickedMessagesToTrash) {
    StandinProcess own;
    SiteClient c(own.port(), "mail.yahoo.localhost");
    yahooLogin(c, "ann");
    auto inbox = page(c.get("/ym/ShowFolder?box=Inbox"));
    const auto ids = inbox->attributes("//input[@name='Mid']", "value");
    ASSERT_GE(ids.size(), 2u);
    auto r = c.post("/ym/ShowFolder?box=Inbox",
                    "box=Inbox&Mid=" + ids[0] + "&Mid=" + ids[1] + "&DEL=Delete&destBox=Sent");
    ASSERT_TRUE(r);
    EXPECT_EQ(302, r->status);
    auto after = page(c.get("/ym/ShowFolder?box=Inbox"));
    EXPECT_EQ(ids.size() - 2, after->count("//input[@name='Mid']"));
    auto trash = page(c.get("/ym/ShowFolder?box=Trash"));
    EXPECT_EQ((std::vector<std::string>{ids[0], ids[1]}),
              trash->attributes("//input[@name='Mid']", "value"));
}

} // namespace
} // namespace standin::testing
