#include "FormData.h"
#include "Mailstore.h"
#include "Server.h"
#include "SiteFixture.h"

#include <arpa/inet.h>
#include <filesystem>
#include <netinet/in.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <unistd.h>

namespace standin::testing {
namespace {

// Sends raw bytes on a fresh connection and returns the status line the server answers with.
std::string rawExchange(int port, const std::string& bytes, bool waitForReply = true) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        close(fd);
        return "connect failed";
    }
    timeval tv{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    (void)!write(fd, bytes.data(), bytes.size());
    std::string reply;
    if (!waitForReply) {
        close(fd);
        return reply;
    }
    char buf[4096];
    ssize_t n;
    while (reply.find("\r\n") == std::string::npos && (n = read(fd, buf, sizeof buf)) > 0)
        reply.append(buf, static_cast<std::size_t>(n));
    close(fd);
    return reply.substr(0, reply.find("\r\n"));
}

class RobustnessTest : public SiteTest {};

TEST_F(RobustnessTest, BadRequestsGetA4xxPageAndTheServerKeepsServing) {
    SiteClient yahoo(port(), "mail.yahoo.localhost");
    const auto status = [](const httplib::Result& r) {
        return r ? r->status : 0;
    };
    auto unknown = yahoo.get("/no/such/page");
    ASSERT_EQ(404, status(unknown));
    EXPECT_NE(std::string::npos, unknown->body.find("<html>"));

    // A site answers to its own name only, not to one that merely holds it.
    for (const char* host : {"mail.example.localhost", "mail.yahoo.localhost.evil.example",
                             "nothotmail.localhost", "calendar.yahoo.evil.example"}) {
        SiteClient nowhere(port(), host);
        EXPECT_EQ(404, status(nowhere.get("/"))) << host;
    }

    EXPECT_EQ(400, status(yahoo.post("/config/login", "login=ann")));
    login(yahoo, true, "ann");
    EXPECT_EQ(400, status(yahoo.get("/ym/ShowLetter?MsgId=12abc")));
    EXPECT_EQ(404, status(yahoo.get("/ym/ShowLetter?MsgId=999999999")));
    EXPECT_EQ(415, status(yahoo.post("/ym/Send?YY=1", "{\"To\":\"x\"}", "application/json")));

    auto huge = yahoo.post("/ym/Send?YY=1", std::string(10 * 1024 * 1024 + 10, 'a'));
    EXPECT_TRUE(!huge || huge->status == 413);

    EXPECT_EQ(0u, rawExchange(port(), "GARBAGE\r\n\r\n").find("HTTP/1.1 4"));
    EXPECT_EQ(0u, rawExchange(port(), "POST /config/login HTTP/1.1\r\nHost: mail.yahoo.localhost"
                                      "\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n")
                      .find("HTTP/1.1 400"));
    EXPECT_EQ(0u, rawExchange(port(), "DELETE / HTTP/1.1\r\nHost: mail.yahoo.localhost\r\n\r\n")
                      .find("HTTP/1.1 4"));
    rawExchange(port(), "GET / HTTP/1.1\r\nContent-Length: -5\r\n\r\n", false);
    EXPECT_EQ(0u, rawExchange(port(), std::string(70000, 'G') + "\r\n\r\n").find("HTTP/1.1 4"));
    rawExchange(port(),
                "POST /config/login HTTP/1.1\r\nHost: mail.yahoo.localhost\r\n"
                "Content-Length: 100\r\n\r\nlogin=a",
                false); // body cut short

    EXPECT_TRUE(server().running());
    EXPECT_EQ(200, status(yahoo.get("/")));
}

TEST(StandinCommandLine, RefusesNonLoopbackAddressesAndBadArguments) {
    EXPECT_EQ(2, runStandin({"--port", "0", "--db", "/tmp/x.db", "--bind", "0.0.0.0"}));
    EXPECT_EQ(2, runStandin({"--port", "0", "--db", "/tmp/x.db", "--bind", "192.168.1.5"}));
    EXPECT_EQ(2, runStandin({"--port", "99999", "--db", "/tmp/x.db"}));
    EXPECT_EQ(2, runStandin({"--db", "/tmp/x.db"}));
    EXPECT_EQ(2, runStandin({"--port", "0"}));
    EXPECT_EQ(1, runStandin({"--port", "0", "--db", "/nonexistent-dir/x.db"}));
    EXPECT_EQ(2, runStandin({"--port", "0", "--db", "/tmp/x.db", "--bind", "127.evil.example"}));
    for (const char* loopback : {"127.0.0.1", "127.8.9.10", "::1", "::ffff:127.0.0.1"})
        EXPECT_TRUE(isLoopback(loopback)) << loopback;
    for (const char* other :
         {"10.0.0.1", "::", "localhost", "127.evil.example", "127.0.0.1.nip.io", "1270.0.0.1", ""})
        EXPECT_FALSE(isLoopback(other)) << other;
}

TEST(StandinSessions, TokensAreRandomAndExpireAndPostsAreBounded) {
    char dir[] = "/tmp/postling-standin-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    Mailstore store(std::string(dir) + "/s.db");
    const std::time_t now = 1000000;
    const std::string a = store.openSession(7, now), b = store.openSession(7, now);
    EXPECT_NE(a, b);
    EXPECT_EQ(32u, a.size());
    EXPECT_EQ(7, store.sessionAccount(a, now + Mailstore::kSessionSeconds - 1).value_or(-1));
    EXPECT_FALSE(store.sessionAccount(a, now + Mailstore::kSessionSeconds));
    for (int i = 0; i < Mailstore::kKeptPosts + 5; ++i)
        store.recordPost({0, "yahoo", "/p", "t", std::to_string(i)});
    const auto posts = store.posts();
    EXPECT_EQ(static_cast<std::size_t>(Mailstore::kKeptPosts), posts.size());
    EXPECT_EQ(std::to_string(Mailstore::kKeptPosts + 4), posts.back().body);
    std::filesystem::remove_all(dir);
}

TEST(StandinStore, OpensADatabaseMadeBeforeReplyToAddresses) {
    char tmpl[] = "/tmp/standin-old-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    const std::string path = dir + "/old.db";
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(SQLITE_OK, sqlite3_open(path.c_str(), &db));
        ASSERT_EQ(
            SQLITE_OK,
            sqlite3_exec(db,
                         "CREATE TABLE messages (id INTEGER PRIMARY KEY, owner INTEGER NOT NULL, "
                         "folder TEXT NOT NULL, sender TEXT NOT NULL, recipients TEXT NOT NULL, "
                         "cc TEXT NOT NULL, date TEXT NOT NULL, subject TEXT NOT NULL, body TEXT "
                         "NOT NULL, html INTEGER NOT NULL, unread INTEGER NOT NULL);"
                         "INSERT INTO messages VALUES (1, 7, 'Inbox', 'a@b', 'c@d', '', 'd', 's', "
                         "'b', 0, 1);",
                         nullptr, nullptr, nullptr));
        sqlite3_close(db);
    }
    Mailstore store(path);
    const auto m = store.message(7, 1);
    ASSERT_TRUE(m);
    EXPECT_EQ("a@b", m->from);
    EXPECT_EQ("", m->replyTo);
    std::filesystem::remove_all(dir);
}

TEST(FormDataTest, DecodesPlusEscapesAndKeepsBrokenEscapes) {
    EXPECT_EQ("a b", urlDecode("a+b"));
    EXPECT_EQ("1+1", urlDecode("1%2B1"));
    EXPECT_EQ("caf\xC3\xA9", urlDecode("caf%C3%A9"));
    EXPECT_EQ("100%", urlDecode("100%"));
    EXPECT_EQ("%zz", urlDecode("%zz"));
    EXPECT_EQ("%4", urlDecode("%4"));
    const auto form = FormData::parse("Mid=1&Mid=2&To=a%40b&empty=&flag");
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), form.all("Mid"));
    EXPECT_EQ("a@b", form.value("To"));
    EXPECT_TRUE(form.has("empty"));
    EXPECT_TRUE(form.has("flag"));
    EXPECT_FALSE(form.has("to"));
    EXPECT_EQ("a%40b+c", urlEncode("a@b c"));
}

TEST(FormDataTest, SplitsRecipientLinesIntoBareAddresses) {
    EXPECT_EQ((std::vector<std::string>{"ann@yahoo.localhost", "bob@hotmail.localhost", "c@d"}),
              splitAddresses("\"Lee, Ann\" <Ann@Yahoo.localhost>, bob@hotmail.localhost; c@d"));
    EXPECT_TRUE(splitAddresses("nobody, ,").empty());
}

} // namespace
} // namespace standin::testing
