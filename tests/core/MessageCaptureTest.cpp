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

// What a capture found, "from|to|subject|date|body", or "(nothing)"; the fields `expected` gives
// as "*" are not compared.
std::string captured(const Site& site, const char* text, const char* html, int& lang,
                     const std::string& expected) {
    const CaptureResult r =
        site.capture({text, html ? std::optional<std::string>(html) : std::nullopt, {}}, lang);
    if (!r.found)
        return "(nothing)";
    const SavedMessage& m = r.message;
    std::string out, rest = expected + "|";
    for (const std::string& value : {m.from, m.to, m.subject, m.date, m.body}) {
        const std::string field = rest.substr(0, rest.find('|'));
        rest.erase(0, field.size() + 1);
        out += (field == "*" ? field : value) + "|";
    }
    return out.substr(0, out.size() - 1);
}

TEST(MessageCapture, EachSitesPagesInEachLanguage) {
    const Site& y = yahooSite();
    const Site& h = hotmailSite();
    struct Case {
        const Site& site;
        const char *text, *html;
        int langBefore, langAfter;
        const char* found;
    } cases[] = {
        // Without a "message" element the body is the text after the last header line found.
        {y, "From: Ann <ann> | Add to Address Book\r\nTo: Bob via the list\r\nSubject: Hi\r\nafter",
         nullptr, 0, 0, "Ann <ann>|Bob|*|*|<p>\r\nafter"},
        // A subject without a sender is enough; a sender line without its | end gives nothing.
        {y, "Subject: only a subject\r\nbody", nullptr, 0, 0, "|*|only a subject|*|*"},
        {y, "Inbox (31 messages)\r\nSender\tSubject", nullptr, 0, 0, "(nothing)"},
        {y, "From: x\r\n", nullptr, 0, 0, "(nothing)"},
        {y,
         "Von:\tHans <h@x> | Add\r\nAn:\tann@x\r\nBetreff:\tTreffen\r\nDatum:\tTue, 3 Dec 2002\r\n",
         "b", 0, 1, "Hans <h@x>|*|Treffen|Tue, 3 Dec 2002|*"},
        {y,
         "De:\tMarie <m@x> | Add\r\n\xC3\x80:\tann@x\r\nObjet:\tD\xC3\xAEner\r\nDate:\t3 Dec\r\n",
         "b", 1, 2, "*|ann@x|D\xC3\xAEner|*|*"},
        // Hotmail's headers are chained through a cursor.
        {h, "From : Ann\r\nReply-To : Bob\r\nTo : Carl\r\nSubject : Hi\r\nDate : 3 Dec\r\n",
         "<pre>text</pre>", 0, 0, "Ann|Carl|Hi|3 Dec|<pre>text</pre>"},
        // Without a Reply-To line the To search starts again at the top of the page, and the
        // value runs on to the Subject label.
        {h, "To : first\r\nFrom : Ann\r\nTo : Carl\r\nSubject : Hi\r\nDate : d\r\n", nullptr, 0, 0,
         "*|firstFrom : AnnTo : Carl|*|*|"},
        // The stand-in's page: labels and values in table cells, one character skipped after each.
        {h,
         "MSN Hotmail\r\nReply | Back to Inbox\r\nFrom :\tDana <d@y>\r\nReply-To :\td@y\r\n"
         "To :\tbob@h\r\nSubject :\tMinutes\r\nDate :\tWed, 6 Nov 2002 07:33:20 +0000\r\n\r\nbody",
         "<p>x</p>", 0, 0, "Dana <d@y>|bob@h|Minutes|Wed, 6 Nov 2002 07:33:20 +0000|*"},
        {h,
         "Fr\xC3\xA5n :\tSven <s@h>\r\nTill :\tbob@h\r\n\xC3\x84mne\xC2\xA0:\tMiddag\r\nDatum "
         ":\td\r\n",
         nullptr, 0, 7, "Sven <s@h>|bob@h|Middag|*|*"},
        {h, "Van:\tDaan <d@h>\r\nAan:\tbob@h\r\nOnderwerp:\tEtentje\r\nDatum:\td\r\n", nullptr, 0,
         6, "Daan <d@h>|bob@h|Etentje|*|*"},
        // Only the English Reply-To label ends in the To label; elsewhere a Reply-To line between
        // From and To stays in the sender's value.
        {h, "Von :\tHans\r\nAntwort an :\th@x\r\nAn :\tbob\r\nBetreff :\ts\r\nDatum :\td\r\n",
         nullptr, 0, 1, "HansAntwort an :h@x|bob|s|*|*"},
    };
    for (const Case& c : cases) {
        int lang = c.langBefore;
        EXPECT_EQ(c.found, captured(c.site, c.text, c.html, lang, c.found)) << c.text;
        EXPECT_EQ(c.langAfter, lang) << c.text;
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
