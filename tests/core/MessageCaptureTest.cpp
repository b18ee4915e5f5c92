#include "store/MessageCapture.h"
#include "sites/OldSites.h"
#include "store/HeaderLabels.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(HeaderLabels, OnlyTheSubjectLabelDecidesTheLanguageAndItSticks) {
    EXPECT_EQ(1, HeaderLabels::detectLanguage(U"Von:\tx\r\nBetreff:\ty", false, 0));
    EXPECT_EQ(0, HeaderLabels::detectLanguage(U"Subject:\ty", false, 1));
    EXPECT_EQ(4, HeaderLabels::detectLanguage(U"Asunto:\ty", false, 0));
    EXPECT_EQ(5, HeaderLabels::detectLanguage(U"Assunto:\ty", false, 4));
    EXPECT_EQ(3, HeaderLabels::detectLanguage(U"subject:\ty", false, 3))
        << "lower case matches none";
    EXPECT_EQ(0, HeaderLabels::detectLanguage(U"Subject:\ty", true, 0)) << "kept: none matches";
    EXPECT_EQ(6, HeaderLabels::detectLanguage(U"Onderwerp:\ty", true, 0));
    EXPECT_EQ(7, HeaderLabels::detectLanguage(U"\u00C4mne\u00A0:\ty", true, 0));
    // A page holding two languages' labels keeps the current one while its label is there.
    EXPECT_EQ(1, HeaderLabels::detectLanguage(U"Subject:\tx Betreff:\ty", false, 1));
}

TEST(MessageCapture, YahooEdgeCases) {
    int lang = 0;
    auto r =
        yahooSite().capture({"From: Ann <ann> | Add to Address Book\r\nTo: Bob via the list\r\n"
                             "Subject: Hi\r\nafter",
                             {},
                             {}},
                            lang);
    EXPECT_EQ("Ann <ann>", r.message.from);
    EXPECT_EQ("Bob", r.message.to);
    // Without a "message" element the body is the text after the last header line found.
    EXPECT_EQ("<p>\r\nafter", r.message.body);

    r = yahooSite().capture({"Subject: only a subject\r\nbody", {}, {}}, lang);
    EXPECT_TRUE(r.found) << "a subject without a sender is enough";
    EXPECT_EQ("", r.message.from);
    EXPECT_FALSE(
        yahooSite().capture({"Inbox (31 messages)\r\nSender\tSubject", {}, {}}, lang).found);
    r = yahooSite().capture({"From: x\r\n", {}, {}}, lang);
    EXPECT_FALSE(r.found) << "a sender line without its | end gives no sender";
}

TEST(MessageCapture, YahooPagesInOtherLanguagesSwitchTheLanguage) {
    int lang = 0;
    const auto r = yahooSite().capture({"Von:\tHans <h@x> | Add\r\nAn:\tann@x\r\nBetreff:\t"
                                        "Treffen\r\nDatum:\tTue, 3 Dec 2002\r\n",
                                        "b",
                                        {}},
                                       lang);
    EXPECT_EQ(1, lang);
    EXPECT_EQ("Hans <h@x>", r.message.from);
    EXPECT_EQ("Treffen", r.message.subject);
    EXPECT_EQ("Tue, 3 Dec 2002", r.message.date);
    const auto fr = yahooSite().capture({"De:\tMarie <m@x> | Add\r\n\xC3\x80:\tann@x\r\n"
                                         "Objet:\tD\xC3\xAEner\r\nDate:\t3 Dec\r\n",
                                         "b",
                                         {}},
                                        lang);
    EXPECT_EQ(2, lang);
    EXPECT_EQ("ann@x", fr.message.to);
    EXPECT_EQ("D\xC3\xAEner", fr.message.subject);
}

TEST(MessageCapture, HotmailHeadersAreChainedThroughTheCursor) {
    int lang = 0;
    auto r = hotmailSite().capture({"From : Ann\r\nReply-To : Bob\r\nTo : Carl\r\nSubject : Hi\r\n"
                                    "Date : 3 Dec\r\n",
                                    "<pre>text</pre>",
                                    {}},
                                   lang);
    EXPECT_EQ("Ann", r.message.from);
    EXPECT_EQ("Carl", r.message.to);
    EXPECT_EQ("Hi", r.message.subject);
    EXPECT_EQ("3 Dec", r.message.date);
    EXPECT_EQ("<pre>text</pre>", r.message.body);

    // Without a Reply-To line the To search starts again at the top of the page, and the
    // value runs on to the Subject label.
    r = hotmailSite().capture(
        {"To : first\r\nFrom : Ann\r\nTo : Carl\r\nSubject : Hi\r\nDate : d\r\n", {}, {}}, lang);
    EXPECT_EQ("firstFrom : AnnTo : Carl", r.message.to);
    EXPECT_EQ("", r.message.body);

    // The stand-in's page: labels and values in table cells, one character skipped after each.
    r = hotmailSite().capture({"MSN Hotmail\r\nReply | Back to Inbox\r\nFrom :\tDana <d@y>\r\n"
                               "Reply-To :\td@y\r\nTo :\tbob@h\r\nSubject :\tMinutes\r\n"
                               "Date :\tWed, 6 Nov 2002 07:33:20 +0000\r\n\r\nbody",
                               "<p>x</p>",
                               {}},
                              lang);
    EXPECT_EQ("Dana <d@y>", r.message.from);
    EXPECT_EQ("bob@h", r.message.to);
    EXPECT_EQ("Minutes", r.message.subject);
    EXPECT_EQ("Wed, 6 Nov 2002 07:33:20 +0000", r.message.date);
}

TEST(MessageCapture, HotmailSwedishAndDutchLabels) {
    struct Case {
        const char* page;
        int lang;
        const char* from;
        const char* to;
        const char* subject;
    } cases[] = {
        {"Fr\xC3\xA5n :\tSven <s@h>\r\nTill :\tbob@h\r\n\xC3\x84mne\xC2\xA0:\tMiddag\r\nDatum "
         ":\td\r\n",
         7, "Sven <s@h>", "bob@h", "Middag"},
        {"Van:\tDaan <d@h>\r\nAan:\tbob@h\r\nOnderwerp:\tEtentje\r\nDatum:\td\r\n", 6, "Daan <d@h>",
         "bob@h", "Etentje"},
        // Only the English Reply-To label ends in the To label; elsewhere a Reply-To line between
        // From and To stays in the sender's value.
        {"Von :\tHans\r\nAntwort an :\th@x\r\nAn :\tbob\r\nBetreff :\ts\r\nDatum :\td\r\n", 1,
         "HansAntwort an :h@x", "bob", "s"},
    };
    for (const Case& c : cases) {
        int lang = 0;
        const auto r = hotmailSite().capture({c.page, {}, {}}, lang);
        EXPECT_EQ(c.lang, lang) << c.page;
        EXPECT_EQ(c.from, r.message.from) << c.page;
        EXPECT_EQ(c.to, r.message.to) << c.page;
        EXPECT_EQ(c.subject, r.message.subject) << c.page;
    }
}

TEST(MessageCapture, BodyCleanUp) {
    EXPECT_EQ("a<br>\r\n<br>\r\nb", cleanCapturedBody("a\r\n\r\n\r\n\r\nb", 0));
    EXPECT_EQ("a<br>\r\n<br>\r\nb", cleanCapturedBody("a\r\n\r\n\r\nb", 0));
    EXPECT_EQ("<P>a\r\nb", cleanCapturedBody("<P>a\r\nb", 0)) << "HTML stays as it is";
    EXPECT_EQ("<div>a\r\nb", cleanCapturedBody("<div>a\r\nb", 0));
    EXPECT_EQ("x</b>\r\n", cleanCapturedBody("x</b>\r\n", 0));
    EXPECT_EQ(" the text", cleanCapturedBody("To: x> the text", 0));
    EXPECT_EQ("To: x" + std::string(120, ' ') + ">rest",
              cleanCapturedBody("To: x" + std::string(120, ' ') + ">rest", 0))
        << "a > beyond position 100 keeps the body";
    EXPECT_EQ("<br>\r\nTo: y", cleanCapturedBody("\r\nTo: y", 0)) << "no > at all";
}

TEST(MessageCapture, SenderLineForTheAddressCapture) {
    int lang = 0;
    EXPECT_EQ(" Ann <ann@x> ",
              yahooSite().senderLine("From: Ann <ann@x> | Add", lang).value_or("?"));
    EXPECT_EQ(" Ann\r\nReply-",
              hotmailSite().senderLine("From : Ann\r\nReply-To : b\r\nTo : c", lang).value_or("?"));
    EXPECT_FALSE(yahooSite().senderLine("From: no bar here", lang));
    EXPECT_FALSE(yahooSite().senderLine("nothing", lang));
}

} // namespace
} // namespace postling
