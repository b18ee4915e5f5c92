#include "SiteFixture.h"

#include <cctype>

namespace standin::testing {
namespace {

// The two sites as Postling meets them: where one signs in, lands and composes.
struct Site {
    const char* name;
    const char* host;
    const char* login;
    const char* signIn;
    const char* refusal;
    const char* landing; // where a sign-in lands
    const char* inbox;
    const char* compose; // the compose page, in the site's own letter case
    const char* form;
    std::vector<std::string> fields; // to, cc, bcc, subject
    const char* body;
    const char* send;
};

const Site kYahoo{"Yahoo",
                  "mail.yahoo.localhost",
                  "ann",
                  "/config/login",
                  "Invalid ID or password",
                  "/ym/login?",
                  "/ym/ShowFolder?box=Inbox",
                  "/ym/Compose",
                  "Compose",
                  {"To", "Cc", "Bcc", "Subj"},
                  "Body",
                  "input[@type='submit' and @name='SEND']"};
const Site kHotmail{"Hotmail",
                    "hotmail.localhost",
                    "bob",
                    "/cgi-bin/dologin",
                    "The sign-in name or password is not correct",
                    "/cgi-bin/hmhome?",
                    "/cgi-bin/HoTMail",
                    "/cgi-bin/compose",
                    "composeform",
                    {"to", "cc", "bcc", "subject"},
                    "body",
                    "input[@type='image' and @name='Send']"};

class SitesTest : public SiteTest, public ::testing::WithParamInterface<Site> {
protected:
    SiteClient client{port(), GetParam().host};
    std::string signIn(const std::string& password) {
        auto r = client.post(GetParam().signIn,
                             std::string("login=") + GetParam().login + "&passwd=" + password);
        EXPECT_TRUE(r);
        return r ? (r->status == 302 ? r->get_header_value("Location") : r->body) : "";
    }
    int status(const std::string& target) {
        auto r = client.get(target);
        return r ? r->status : 0;
    }
};

TEST_P(SitesTest, SigningInOpensASessionThatACookieCarries) {
    const Site& site = GetParam();
    auto login = page(client.get("/"));
    EXPECT_EQ(1u, login->count("//form//input[@name='login']"));
    EXPECT_EQ(1u, login->count("//form//input[@name='passwd' and @type='password']"));
    EXPECT_NE(std::string::npos, signIn("wrong").find(site.refusal));
    EXPECT_EQ(302, status(site.inbox)) << "no session was opened";

    EXPECT_EQ(0u, signIn(site.login).rfind(site.landing, 0));
    EXPECT_EQ(200, status(site.inbox));
    client.clearCookies();
    auto again = client.get(site.inbox);
    ASSERT_TRUE(again);
    EXPECT_EQ(302, again->status);
    EXPECT_EQ("/", again->get_header_value("Location"));
}

TEST_P(SitesTest, ComposeIsServedInAnyLetterCaseWithHiddenFieldsFirst) {
    const Site& site = GetParam();
    signIn(site.login);
    const std::string path = site.compose;
    std::string lower = path, upper = path;
    for (std::size_t i = 0; i < path.size(); ++i) {
        lower[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(path[i])));
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[i])));
    }
    for (const std::string& variant : {path, lower, upper}) {
        SCOPED_TRACE(variant);
        auto compose = page(client.get(variant));
        const std::string form = std::string("//form[@name='") + site.form + "']";
        ASSERT_EQ(1u, compose->count(form));
        for (const std::string& field : site.fields)
            EXPECT_EQ(1u, compose->count(form + "//input[@type='text' and @name='" + field + "']"));
        EXPECT_EQ(1u, compose->count(form + "//textarea[@name='" + site.body + "']"));
        EXPECT_EQ(1u, compose->count(form + "//" + site.send));
        // "To" is never the first field posted; merge appends its send key to the action.
        EXPECT_EQ("hidden", compose->attributes(form + "//input", "type").front());
        const std::string action = compose->attributes(form, "action").front();
        EXPECT_EQ(std::string::npos, action.find("ompose")) << action;
        EXPECT_NE(std::string::npos, action.find('?')) << action;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSites, SitesTest, ::testing::Values(kYahoo, kHotmail),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SiteTest, HotmailCarriesItsSessionTokenInEveryLink) {
    SiteClient client(port(), "hotmail.localhost");
    const std::string landing = hotmailLogin(client, "bob");
    const std::string a = landing.substr(landing.find("a=") + 2);
    ASSERT_EQ(32u, a.size());
    auto home = page(client.get(landing));
    for (const auto& href : home->attributes("//a[starts-with(@href,'/cgi-bin/')]", "href"))
        EXPECT_NE(std::string::npos, href.find("a=" + a)) << href;
    SiteClient cookieless(port(), "hotmail.localhost");
    auto byLink = cookieless.get("/cgi-bin/HoTMail?curmbox=F000000001&a=" + a);
    ASSERT_TRUE(byLink);
    EXPECT_EQ(200, byLink->status);

    // Only unread rows mention "newmail" (the unread rule reads a row's HTML).
    auto inbox = page(client.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    const std::size_t unread =
        inbox->count("//tr[.//input[starts-with(@name,'MSG')]][.//img[contains(@src,'newmail')]]");
    EXPECT_GT(unread, 5u);
    EXPECT_EQ(unread, inbox->count("//img[contains(@src,'newmail')]"));
    EXPECT_EQ(std::string::npos, inbox->text("//body").find("newmail"));
}

TEST_F(SiteTest, YahooDeleteMovesTickedMessagesToTrash) {
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

TEST_F(SiteTest, ImagesAndCalendarsAreServed) {
    SiteClient client(port(), "hotmail.localhost");
    auto icon = client.get("/i/newmail.gif");
    ASSERT_TRUE(icon);
    EXPECT_EQ("image/svg+xml", icon->get_header_value("Content-Type"));
    for (const char* host : {"calendar.yahoo.localhost", "calendar.hotmail.localhost"}) {
        SiteClient calendar(port(), host);
        EXPECT_NE(std::string::npos, page(calendar.get("/"))->text("//title").find("Calendar"))
            << host;
    }
}

TEST_F(SiteTest, SendingWithoutARecipientOrFieldIsRefusedAndDeliversNothing) {
    StandinProcess own;
    SiteClient yahoo(own.port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, "ann");
    auto empty = yahoo.post("/ym/Send?YY=1", "box=Inbox&To=&Cc=&Bcc=&Subj=x&Body=y&SEND=Send");
    ASSERT_TRUE(empty);
    EXPECT_EQ(400, empty->status);
    auto missing = yahoo.post("/ym/Send?YY=1", "box=Inbox&To=bob%40hotmail.localhost&SEND=Send");
    ASSERT_TRUE(missing);
    EXPECT_EQ(400, missing->status);
    auto sentBox = page(yahoo.get("/ym/ShowFolder?box=Sent"));
    EXPECT_EQ(0u, sentBox->count("//input[@name='Mid']"));
}

TEST_F(SiteTest, EverySeededAccountHasAMixedMailboxWithALargeBody) {
    SiteClient yahoo(port(), "mail.yahoo.localhost");
    for (const char* login : {"ann", "hans", "sven"}) {
        yahoo.clearCookies();
        yahooLogin(yahoo, login);
        auto inbox = page(yahoo.get("/ym/ShowFolder?box=Inbox"));
        EXPECT_GE(inbox->count("//input[@name='Mid']"), 30u) << login;
        EXPECT_GE(inbox->count("//tr[@class='msgnew']"), 5u) << login;
        const auto large = inbox->attributes("//a[contains(.,'Quarterly archive')]", "href");
        ASSERT_EQ(1u, large.size());
        auto letter = yahoo.get(large[0]);
        ASSERT_TRUE(letter);
        EXPECT_GT(letter->body.size(), 1000000u);
    }
}

} // namespace
} // namespace standin::testing
