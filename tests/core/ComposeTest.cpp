#include "compose/ComposeForm.h"
#include "compose/PostedForm.h"
#include "compose/ReplyText.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(ComposeForm, FieldNamesAndTheAppendRule) {
    EXPECT_STREQ("Subj", composeFields(true).subject);
    EXPECT_STREQ("composeform", composeFields(false).form);
    EXPECT_STREQ("To", insertionField(true, 10));
    EXPECT_STREQ("bcc", insertionField(false, 2));
    EXPECT_EQ(nullptr, insertionField(true, 3));

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

TEST(ReplyText, MailtoAndHotmailRecipients) {
    auto m = splitMailto("someone@x?subject=Hello&body=x");
    EXPECT_EQ("someone@x", m.to);
    EXPECT_EQ("Hello&body=x", m.subject);
    m = splitMailto("someone@x");
    EXPECT_EQ("someone@x", m.to);
    EXPECT_EQ("", m.subject);
    EXPECT_EQ("", splitMailto("a@x?cc=b@x").subject);
    EXPECT_EQ("<x@y>", hotmailRecipient("Ann Lee <x@y>"));
    EXPECT_EQ("x@y", hotmailRecipient("x@y"));
    EXPECT_EQ("Hi", mailtoFill("a@x?Subject=Hi").subject);
    EXPECT_EQ("<BR>&gt; quoted", templateFill("s", "> quoted").richBody);
}

TEST(ReplyText, TheHandOverWritesTheLinkWithoutItsSchemeAndEscapes) {
    EXPECT_EQ("bob@hotmail.localhost?subject=Hi there",
              mailtoHandOver("mailto:bob@hotmail.localhost?subject=Hi%20there"));
    EXPECT_EQ("a+b@x", mailtoHandOver("MAILTO:a+b@x")) << "a plus sign stays";
    EXPECT_EQ("x@y?subject=\xC3\xA9t\xC3\xA9 & more%zz%4",
              mailtoHandOver("mailto:x@y?subject=%C3%A9t%C3%A9%20%26%20more%zz%4"));
    EXPECT_EQ("caf\xC3\xA9@x", mailtoHandOver("caf%E9@x")) << "Latin-1 escapes of old links";
    EXPECT_EQ("", mailtoHandOver("mailto:"));
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
    EXPECT_EQ("<p>hi</p>\r\n", m.body) << "HTML is stored as it is";

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
