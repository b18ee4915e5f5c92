// What the end-to-end tests do not reach of the two sites: Hotmail's session token in its
// links, Yahoo! Mail's Delete, and sends the sites refuse.
#include "SiteFixture.h"

#include <regex>

namespace standin::testing {
namespace {

// The first group of every match of `pattern` in a page's body, in order.
std::vector<std::string> found(const httplib::Result& page, const std::string& pattern) {
    std::vector<std::string> out;
    if (!page || page->status != 200)
        return {"(no page)"};
    const std::regex re(pattern);
    for (std::sregex_iterator it(page->body.begin(), page->body.end(), re), end; it != end; ++it)
        out.push_back((*it)[1]);
    return out;
}

const char* const kMid = R"re(name="Mid" value="(\d+)")re";

TEST_F(SiteTest, HotmailCarriesItsSessionTokenInEveryLink) {
    SiteClient client(port(), "hotmail.localhost");
    const std::string landing = login(client, false, "bob");
    const std::string a = landing.substr(landing.find("a=") + 2);
    ASSERT_EQ(32u, a.size());
    const auto links = found(client.get(landing), R"re(href="(/cgi-bin/[^"]*)")re");
    EXPECT_GE(links.size(), 3u);
    for (const auto& href : links)
        EXPECT_NE(std::string::npos, href.find("a=" + a)) << href;
    SiteClient cookieless(port(), "hotmail.localhost");
    auto byLink = cookieless.get("/cgi-bin/HoTMail?curmbox=F000000001&a=" + a);
    ASSERT_TRUE(byLink);
    EXPECT_EQ(200, byLink->status);

    // Only unread rows show "newmail" (the unread rule reads a row's HTML).
    const auto rows =
        found(client.get("/cgi-bin/HoTMail?curmbox=F000000001"), R"re(<tr([\s\S]*?)</tr>)re");
    std::size_t unread = 0, marked = 0;
    for (const auto& row : rows) {
        marked += row.find("newmail") != std::string::npos;
        unread +=
            row.find("newmail") != std::string::npos && row.find("\"MSG") != std::string::npos;
    }
    EXPECT_GT(unread, 5u);
    EXPECT_EQ(unread, marked);
}

TEST_F(SiteTest, YahooDeleteMovesTickedMessagesToTrash) {
    StandinProcess own;
    SiteClient c(own.port(), "mail.yahoo.localhost");
    login(c, true, "ann");
    const auto ids = found(c.get("/ym/ShowFolder?box=Inbox"), kMid);
    ASSERT_GE(ids.size(), 2u);
    auto r = c.post("/ym/ShowFolder?box=Inbox",
                    "box=Inbox&Mid=" + ids[0] + "&Mid=" + ids[1] + "&DEL=Delete&destBox=Sent");
    ASSERT_TRUE(r);
    EXPECT_EQ(302, r->status);
    EXPECT_EQ(ids.size() - 2, found(c.get("/ym/ShowFolder?box=Inbox"), kMid).size());
    EXPECT_EQ((std::vector<std::string>{ids[0], ids[1]}),
              found(c.get("/ym/ShowFolder?box=Trash"), kMid));
}

TEST_F(SiteTest, SendingWithoutARecipientOrFieldIsRefusedAndDeliversNothing) {
    StandinProcess own;
    SiteClient yahoo(own.port(), "mail.yahoo.localhost");
    login(yahoo, true, "ann");
    auto empty = yahoo.post("/ym/Send?YY=1", "box=Inbox&To=&Cc=&Bcc=&Subj=x&Body=y&SEND=Send");
    ASSERT_TRUE(empty);
    EXPECT_EQ(400, empty->status);
    auto missing = yahoo.post("/ym/Send?YY=1", "box=Inbox&To=bob%40hotmail.localhost&SEND=Send");
    ASSERT_TRUE(missing);
    EXPECT_EQ(400, missing->status);
    EXPECT_TRUE(found(yahoo.get("/ym/ShowFolder?box=Sent"), kMid).empty());
}

} // namespace
} // namespace standin::testing
