#include "compose/ComposeForm.h"
#include "compose/Mailto.h"
#include "compose/PostedForm.h"
#include "compose/ReplyText.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using namespace std::string_literals;

TEST(ComposeForm, TheAppendRule) {
    EXPECT_EQ("a@x", appendAddress("", "a@x"));
    EXPECT_EQ("a@x,b@x", appendAddress("a@x", "b@x"));
    EXPECT_EQ("ann@x.org", appendAddress("ann@x.org", "n@x.org")) << "held as part of the text";
    EXPECT_EQ("Ann@x,ann@x", appendAddress("Ann@x", "ann@x")) << "letter case differs";
    EXPECT_EQ("a@x", appendAddress("a@x", "")) << "an empty cell adds nothing";
    EXPECT_EQ("", appendAddress("", ""));
    std::string field;
    for (const char* a : {"A", "B", "C"})
        field = appendAddress(field, a);
    EXPECT_EQ("A,B,C", field);
}

TEST(ReplyText, RepliesForwardsAndSendAgain) {
    SavedParts saved{"Reply-to:\xC2\xA0"
                     "Ann <ann@x>",
                     "To: bob@y",
                     "Cc: ",
                     "Bcc: ",
                     "Subject: Lunch",
                     "Hi"};
    auto reply = savedMessageFill(0, saved).value();
    EXPECT_EQ("\xC2\xA0"
              "Ann <ann@x>",
              reply.to)
        << "a non-breaking space after the label stays";
    EXPECT_EQ("RE: Lunch", reply.subject);
    EXPECT_EQ("\n>\n>Hi", reply.body) << "two lines of \">\" and then the quoted text";
    EXPECT_EQ("\n<BR>&gt;\n<BR>&gt;Hi", reply.richBody);

    saved.subject = "Subject: RE: Lunch";
    EXPECT_EQ("RE: RE: Lunch", savedMessageFill(1, saved)->subject);
    EXPECT_EQ("", savedMessageFill(1, saved)->body);
    const auto forward = savedMessageFill(2, saved).value();
    EXPECT_EQ("", forward.to);
    EXPECT_EQ("FWD: RE: Lunch", forward.subject);
    const auto again = savedMessageFill(4, saved).value();
    EXPECT_EQ("bob@y", again.to);
    EXPECT_EQ("RE: Lunch", again.subject);
    EXPECT_EQ("\n\nHi", again.body) << "send again wraps but does not quote";
    EXPECT_FALSE(savedMessageFill(3, saved));

    saved.replyTo = "no colon here";
    EXPECT_EQ("no colon here", savedMessageFill(0, saved)->to);
}

TEST(ReplyText, WrapsTheFirstBlankFromColumn43) {
    std::string line;
    for (int i = 0; i < 10; ++i)
        line += "word" + std::to_string(i) + " "; // 6 characters a word
    const std::string wrapped = wrapAt43(line + line);
    // The first line's blanks stand at columns 6, 12, ..., 48: the one at 48 breaks. After a
    // line break the counter starts again, so the next break is at the next line's column 48.
    EXPECT_EQ("word0 word1 word2 word3 word4 word5 word6 word7\n"
              "word8 word9 word0 word1 word2 word3 word4 word5\n"
              "word6 word7 word8 word9 ",
              wrapped);
    // After a line feed a blank at column 43 already breaks.
    EXPECT_EQ("\n" + std::string(42, 'a') + "\nb", wrapAt43("\n" + std::string(42, 'a') + " b"));
    EXPECT_EQ(std::string(50, 'x'), wrapAt43(std::string(50, 'x'))) << "no blank, no break";
    EXPECT_EQ("a\r\nb", wrapAt43("a\r\nb"));
    const std::string cr = std::string(42, 'a') + "\r " + "b"; // the CR counts as a character
    EXPECT_EQ(std::string(42, 'a') + "\r\nb", wrapAt43(cr));
}

TEST(ReplyText, HotmailRecipientsAndTheRichTextForm) {
    EXPECT_EQ("<x@y>", bracketedRecipient("Ann Lee <x@y>"));
    EXPECT_EQ("x@y", bracketedRecipient("x@y"));
    EXPECT_EQ("<BR>&gt; quoted", templateFill("s", "> quoted").richBody);
    // Text stays text in the editor: no tag of it survives, an address keeps its brackets.
    EXPECT_EQ("&lt;img src=x onerror=&quot;go()&quot;<BR>&gt; &amp; &lt;pat@x.org<BR>&gt;",
              richTextForm("<img src=x onerror=\"go()\"> & <pat@x.org>"));
}

TEST(Mailto, TheExamplesOfRfc6068) {
    struct Case {
        const char* link;
        MailtoLink read;
    } cases[] = {
        {"mailto:chris@example.com", {"chris@example.com", "", "", "", ""}},
        {"mailto:infobot@example.com?subject=current-issue",
         {"infobot@example.com", "", "", "current-issue", ""}},
        {"mailto:infobot@example.com?body=send%20current-issue",
         {"infobot@example.com", "", "", "", "send current-issue"}},
        {"mailto:infobot@example.com?body=send%20current-issue%0D%0Asend%20index",
         {"infobot@example.com", "", "", "", "send current-issue\r\nsend index"}},
        {"mailto:list@example.org?In-Reply-To=%3C3469A91.D10AF4C@example.com%3E",
         {"list@example.org", "", "", "", ""}},
        {"mailto:majordomo@example.com?body=subscribe%20bamboo-l",
         {"majordomo@example.com", "", "", "", "subscribe bamboo-l"}},
        {"mailto:joe@example.com?cc=bob@example.com&body=hello",
         {"joe@example.com", "bob@example.com", "", "", "hello"}},
        {"mailto:gorby%25kremvax@example.com", {"gorby%kremvax@example.com", "", "", "", ""}},
        {"mailto:unlikely%3Faddress@example.com?blat=foop",
         {"unlikely?address@example.com", "", "", "", ""}},
        {"mailto:Mike%26family@example.org", {"Mike&family@example.org", "", "", "", ""}},
        {"mailto:%22not%40me%22@example.org", {"\"not@me\"@example.org", "", "", "", ""}},
        {"mailto:%22oh%5C%5Cno%22@example.org", {"\"oh\\\\no\"@example.org", "", "", "", ""}},
        {"mailto:%22%5C%5C%5C%22it's%5C%20ugly%5C%5C%5C%22%22@example.org",
         {"\"\\\\\\\"it's\\ ugly\\\\\\\"\"@example.org", "", "", "", ""}},
        {"mailto:user@example.org?subject=caf%C3%A9",
         {"user@example.org", "", "", "caf\xC3\xA9", ""}},
        {"mailto:user@example.org?subject=%3D%3Futf-8%3FQ%3Fcaf%3DC3%3DA9%3F%3D",
         {"user@example.org", "", "", "=?utf-8?Q?caf=C3=A9?=", ""}},
        {"mailto:user@example.org?subject=caf%C3%A9&body=caf%C3%A9",
         {"user@example.org", "", "", "caf\xC3\xA9", "caf\xC3\xA9"}},
        {"mailto:user@%E7%B4%8D%E8%B1%86.example.org?subject=Test&body=NATTO",
         {"user@\xE7\xB4\x8D\xE8\xB1\x86.example.org", "", "", "Test", "NATTO"}},
        {"mailto:addr1@an.example,addr2@an.example",
         {"addr1@an.example,addr2@an.example", "", "", "", ""}},
        {"mailto:?to=addr1@an.example,addr2@an.example",
         {"addr1@an.example,addr2@an.example", "", "", "", ""}},
        {"mailto:addr1@an.example?to=addr2@an.example",
         {"addr1@an.example,addr2@an.example", "", "", "", ""}},
        // Beyond the RFC's list: names in any case, an encoded "&" stays text, a line break never
        // reaches a one-line field, the old hand-over's decoded text, and a Latin-1 escape.
        {"MAILTO:a@x?SUBJECT=Hi&Bcc=b@x&bcc=c@x", {"a@x", "", "b@x,c@x", "Hi", ""}},
        {"a@x?subject=fish%26chips%3Dyum", {"a@x", "", "", "fish&chips=yum", ""}},
        {"a@x?subject=x%0D%0Aycalendar=http://evil",
         {"a@x", "", "", "x  ycalendar=http://evil", ""}},
        {"ann@x?subject=Hi there", {"ann@x", "", "", "Hi there", ""}},
        {"caf%E9@x", {"caf\xC3\xA9@x", "", "", "", ""}},
    };
    const auto fields = [](const MailtoLink& m) {
        return m.to + "|" + m.cc + "|" + m.bcc + "|" + m.subject + "|" + m.body;
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fields(c.read), fields(parseMailto(c.link))) << c.link;
        // Handed over and read back, the link means the same.
        EXPECT_EQ(fields(c.read), fields(parseMailto(mailtoHandOver(c.link)))) << c.link;
    }
    EXPECT_EQ("mailto:a@x?subject=x%0D%0Ay", mailtoHandOver("MAILTO:a@x?subject=x%0D%0Ay"))
        << "kept encoded";
    EXPECT_EQ("mailto:a@x?subject=x%0D%0Ay%00", mailtoHandOver("a@x?subject=x\r\ny\0"s))
        << "raw control characters are encoded";
    const ComposeFill fill = mailtoFill("a@x?cc=c@x&subject=S&body=line%0D%0Atwo");
    EXPECT_EQ("c@x", fill.cc);
    EXPECT_EQ("line\r\ntwo", fill.body);
}

TEST(PostedForm, DecodesAsTheSitePostedIt) {
    EXPECT_EQ("Hello world!", decodeFormValue("Hello+world%21"));
    EXPECT_EQ("1+1", decodeFormValue("1%2B1"));
    EXPECT_EQ("a@b", decodeFormValue("a%40b"));
    EXPECT_EQ("Caf\xC3\xA9", decodeFormValue("Caf%C3%A9"));
    EXPECT_EQ("Caf\xC3\xA9", decodeFormValue("Caf%E9")) << "Latin-1 bytes from an older page";
    EXPECT_EQ("%41", decodeFormValue("%2541")) << "a decoded % starts no escape";
    EXPECT_EQ(std::string("50\x05", 3), decodeFormValue("50%5"));
    EXPECT_EQ(std::string("50\0", 3), decodeFormValue("50%"));
    EXPECT_EQ(std::string("x\0y", 3), decodeFormValue("x%zzy"));
}

TEST(PostedForm, ReadsTheKeysOfEitherSite) {
    auto m =
        readPostedForm("box=Inbox&To=bob%40h&Cc=c%40h&Bcc=&Subj=Hi+there&Body=line+1%0D%0Aline+2"
                       "&SEND=Send");
    EXPECT_TRUE(m.hasRecipient);
    EXPECT_EQ("bob@h", m.to);
    EXPECT_EQ("c@h", m.cc);
    EXPECT_EQ("Hi there", m.subject);
    EXPECT_EQ("line 1<br>\r\nline 2", m.body);

    m = readPostedForm("curmbox=F1&to=ann%40y&subject=S&body=%3Cp%3Ehi%3C%2Fp%3E%0D%0A&Send.x=1");
    EXPECT_EQ("ann@y", m.to);
    EXPECT_EQ("S", m.subject);
    EXPECT_EQ("&lt;p&gt;hi&lt;/p&gt;<br>\r\n", m.body) << "the box holds text, not HTML";
    EXPECT_EQ("Mail &lt;pat@x.org&gt;<br>\r\nbye",
              readPostedForm("a=&to=x&body=Mail+%3Cpat%40x.org%3E%0D%0Abye").body)
        << "an address in brackets keeps the line breaks";
    EXPECT_EQ("<b>rich</b>", readPostedForm("a=&To=x&Subj=s&PlainMsg=%3Cb%3Erich%3C%2Fb%3E").body)
        << "the rich-text editor posts HTML";

    EXPECT_FALSE(readPostedForm("To=first%40x&Subj=s").hasRecipient) << "no & before To";
    EXPECT_FALSE(readPostedForm("a=1&To=&Subj=s&Body=b").hasRecipient);
    EXPECT_FALSE(readPostedForm("").hasRecipient);
    EXPECT_EQ("x", readPostedForm("a=1&to=x").to);
    EXPECT_EQ("", readPostedForm("a=1&to=x").subject);
    const std::string big(1 << 20, 'b');
    EXPECT_EQ(big, readPostedForm("a=&To=x&Body=" + big).body);
}

} // namespace
} // namespace postling
