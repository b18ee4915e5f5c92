#include "Mailstore.h"
#include "SiteFixture.h"

#include <chrono>

namespace standin::testing {
namespace {

class MailFlowTest : public SiteTest {};

TEST_F(MailFlowTest, YahooComposePostArrivesUnreadInAHotmailInboxAndViceVersa) {
    StandinProcess own;
    SiteClient yahoo(own.port(), "mail.yahoo.localhost");
    SiteClient hotmail(own.port(), "hotmail.localhost");
    yahooLogin(yahoo, "ann");
    const std::string home = hotmailLogin(hotmail, "bob");

    auto sent = page(yahoo.post("/ym/Send?YY=1", "box=Inbox&To=bob%40hotmail.localhost&Cc=&Bcc="
                                                 "&Subj=Across+the+sites&Body=Hi+Bob%0D%0ALine+2"
                                                 "&SEND=Send"));
    EXPECT_NE(std::string::npos, sent->text("//body").find("Message Sent"));

    auto inbox = page(hotmail.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    const std::string row = "//tr[.//a[contains(.,'Across the sites')]]";
    ASSERT_EQ(1u, inbox->count(row));
    EXPECT_EQ(1u, inbox->count(row + "//img[contains(@src,'newmail')]")) << "arrives unread";
    EXPECT_NE(std::string::npos, inbox->text(row).find("Ann Lee"));
    auto msg = page(hotmail.get(inbox->attributes(row + "//a", "href").front()));
    EXPECT_EQ("Hi Bob\r\nLine 2", msg->text("//*[@class='rmsg']/pre"));

    // The sender keeps a copy in Sent.
    auto sentBox = page(yahoo.get("/ym/ShowFolder?box=Sent"));
    EXPECT_EQ(1u, sentBox->count("//tr[@class='msgold']//a[contains(.,'Across the sites')]"));

    // And back the other way, with Cc to a second local mailbox.
    auto reply =
        hotmail.post("/cgi-bin/premail?curmbox=F000000001&Send.x",
                     "curmbox=F000000001&_HMaction=Send&to=Ann+Lee+%3Cann%40yahoo.localhost"
                     "%3E&cc=hans%40yahoo.localhost&bcc=&subject=Re%3A+Across&body=Got+it");
    ASSERT_TRUE(reply);
    EXPECT_EQ(200, reply->status);
    EXPECT_NE(std::string::npos, reply->body.find("Your message has been sent to"));
    auto annInbox = page(yahoo.get("/ym/ShowFolder?box=Inbox"));
    EXPECT_EQ(1u, annInbox->count("//tr[@class='msgnew']//a[contains(.,'Re: Across')]"));
    SiteClient hans(own.port(), "mail.yahoo.localhost");
    yahooLogin(hans, "hans");
    auto hansInbox = page(hans.get("/ym/ShowFolder?box=Inbox"));
    EXPECT_EQ(1u, hansInbox->count("//tr[@class='msgnew']//a[contains(.,'Re: Across')]"));
}

TEST_F(MailFlowTest, EveryFormPostIsRecordedByteForByte) {
    StandinProcess own;
    SiteClient yahoo(own.port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, "ann");
    // Accented letters, "+", "%", "&" and CR LF as a browser encodes them.
    const std::string body = "box=Inbox&To=bob%40hotmail.localhost&Cc=&Bcc=&Subj=Caf%C3%A9+%2B+"
                             "50%25+%26+more&Body=line+one%0D%0Aline+two&SEND=Send";
    auto r = yahoo.post("/ym/Send?YY=42", body);
    ASSERT_TRUE(r);
    EXPECT_EQ(200, r->status);

    Mailstore store(own.dbPath());
    const auto posts = store.posts();
    ASSERT_EQ(2u, posts.size()); // the login, then the message
    EXPECT_EQ("/config/login", posts[0].path);
    EXPECT_EQ("yahoo", posts[1].site);
    EXPECT_EQ("/ym/Send?YY=42", posts[1].path);
    EXPECT_EQ("application/x-www-form-urlencoded", posts[1].contentType);
    EXPECT_EQ(body, posts[1].body);

    SiteClient hotmail(own.port(), "hotmail.localhost");
    hotmailLogin(hotmail, "bob");
    auto inbox = page(hotmail.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    EXPECT_EQ(1u, inbox->count("//a[.='Caf\xC3\xA9 + 50% & more']"));
}

TEST_F(MailFlowTest, SendingWithoutARecipientOrFieldIsRefusedAndDeliversNothing) {
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

struct LanguageCase {
    const char* login;
    const char* hotmailLogin;
    const char* yahooSubject;
    const char* hotmailSubject;
    const char* hotmailReplyTo;
};

class LanguageTest : public SiteTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageTest, MessagePagesUseTheAccountsHeaderLabels) {
    const LanguageCase& c = GetParam();
    SiteClient yahoo(port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, c.login);
    auto inbox = page(yahoo.get("/ym/ShowFolder?box=Inbox"));
    auto msg = page(
        yahoo.get(inbox->attributes("//a[starts-with(@href,'/ym/ShowLetter')]", "href").front()));
    EXPECT_EQ(c.yahooSubject, msg->text("//table[@class='msghdr']//tr[4]/td[1]"));

    SiteClient hotmail(port(), "hotmail.localhost");
    hotmailLogin(hotmail, c.hotmailLogin);
    auto hinbox = page(hotmail.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    auto hmsg =
        page(hotmail.get(hinbox->attributes("//a[contains(.,'Team roster')]", "href").front()));
    EXPECT_EQ(c.hotmailReplyTo, hmsg->text("//table[@class='hdr']//tr[2]/td[1]"));
    EXPECT_EQ(c.hotmailSubject, hmsg->text("//table[@class='hdr']//tr[4]/td[1]"));
}

INSTANTIATE_TEST_SUITE_P(
    EightLanguages, LanguageTest,
    ::testing::Values(LanguageCase{"ann", "bob", "Subject:", "Subject :", "Reply-To :"},
                      LanguageCase{"hans", "hans", "Betreff:", "Betreff :", "Antwort an :"},
                      LanguageCase{"marie", "marie",
                                   "Objet:", "Objet :", "R\xC3\xA9pondre \xC3\xA0 :"},
                      LanguageCase{"giulia", "giulia", "Oggetto:", "Oggetto :", "Rispondi :"},
                      LanguageCase{"carmen", "carmen", "Asunto:", "Asunto :", "Responder a :"},
                      LanguageCase{"joao", "joao", "Assunto:", "Assunto :", "Responder :"},
                      LanguageCase{"daan", "daan", "Onderwerp:", "Onderwerp:", "Beantwoorden:"},
                      LanguageCase{"sven", "sven",
                                   "\xC3\x84mne:", "\xC3\x84mne\xC2\xA0:", "Svara till\xC2\xA0:"}),
    [](const auto& info) { return std::string(info.param.login); });

TEST_F(MailFlowTest, FrenchYahooToLabelKeepsItsAccentAndHotmailDropsIt) {
    SiteClient yahoo(port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, "marie");
    auto inbox = page(yahoo.get("/ym/ShowFolder?box=Inbox"));
    auto msg = page(
        yahoo.get(inbox->attributes("//a[starts-with(@href,'/ym/ShowLetter')]", "href").front()));
    EXPECT_EQ("\xC3\x80:", msg->text("//table[@class='msghdr']//tr[2]/td[1]"));
    SiteClient hotmail(port(), "hotmail.localhost");
    hotmailLogin(hotmail, "marie");
    auto hinbox = page(hotmail.get("/cgi-bin/HoTMail"));
    auto hmsg = page(hotmail.get(
        hinbox->attributes("//a[starts-with(@href,'/cgi-bin/getmsg')]", "href").front()));
    EXPECT_EQ("A :", hmsg->text("//table[@class='hdr']//tr[2]/td[1]"));
}

TEST_F(MailFlowTest, EverySeededAccountHasAMixedMailboxWithALargeBody) {
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

namespace standin::testing {
namespace {

TEST_F(MailFlowTest, SendsAreAnsweredLateAndEveryKthIsRefusedWithoutDelivery) {
    StandinProcess own({"--seed", "--submit-delay-ms", "300", "--refuse-every", "2"});
    SiteClient yahoo(own.port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, "ann");
    auto send = [&](const std::string& subject) {
        return yahoo.post("/ym/Send?YY=1&SEND",
                          "box=Inbox&To=bob%40hotmail.localhost&Cc=&Bcc=&Subj=" + subject +
                              "&Body=x");
    };
    const auto start = std::chrono::steady_clock::now();
    auto first = send("One");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
    ASSERT_TRUE(first);
    EXPECT_NE(std::string::npos, first->body.find("Message Sent"));
    auto second = send("Two");
    ASSERT_TRUE(second);
    EXPECT_EQ(503, second->status);
    EXPECT_EQ(std::string::npos, second->body.find("Message Sent"));
    auto cancel = yahoo.post("/ym/Send?YY=1", "To=&Subj=&Body=&CAN=Cancel");
    ASSERT_TRUE(cancel);
    EXPECT_EQ(302, cancel->status) << "a cancel is no send";
    EXPECT_NE(std::string::npos, send("Three")->body.find("Message Sent"));

    SiteClient hotmail(own.port(), "hotmail.localhost");
    hotmailLogin(hotmail, "bob");
    auto inbox = page(hotmail.get("/cgi-bin/HoTMail?curmbox=F000000001"));
    EXPECT_EQ(1u, inbox->count("//a[.='One']"));
    EXPECT_EQ(0u, inbox->count("//a[.='Two']"));
    EXPECT_EQ(1u, inbox->count("//a[.='Three']"));
    EXPECT_EQ(2, runStandin({"--port", "0", "--db", "/tmp/x.db", "--refuse-every", "x"}));
}

TEST_F(MailFlowTest, YahooRichTextComposeSendsItsEditorsHtml) {
    SiteClient yahoo(port(), "mail.yahoo.localhost");
    yahooLogin(yahoo, "ann");
    auto plain = page(yahoo.get("/ym/Compose"));
    EXPECT_EQ(1u, plain->count("//form[@name='Compose']//textarea[@name='Body']"));
    EXPECT_EQ(1u, plain->count("//a[contains(@href,'rich=1')]"));
    auto rich = page(yahoo.get("/ym/Compose?rich=1"));
    EXPECT_EQ(0u, rich->count("//textarea[@name='Body']"));
    EXPECT_EQ(1u, rich->count("//div[@id='plainmsg' and @contenteditable='true']"));
    EXPECT_EQ(1u, rich->count("//form[@name='Compose']//input[@name='PlainMsg']"));
    auto sent = page(yahoo.post("/ym/Send?YY=1", "To=ann%40yahoo.localhost&Cc=&Bcc=&Subj=Rich+one&"
                                                 "PlainMsg=%3Cb%3EBold%3C%2Fb%3E+text&SEND=Send"));
    EXPECT_NE(std::string::npos, sent->text("//body").find("Message Sent"));
    auto inbox = page(yahoo.get("/ym/ShowFolder?box=Inbox"));
    auto msg = page(yahoo.get(inbox->attributes("//a[.='Rich one']", "href").front()));
    EXPECT_EQ("Bold", msg->text("//div[@id='message']/b"));
}

} // namespace
} // namespace standin::testing
