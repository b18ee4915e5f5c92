#include "store/SavedMessage.h"
#include "TempDir.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"
#include "store/MessageStore.h"
#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using testing::TempDir;

SavedMessage incoming(std::string from, std::string subject, std::string date, std::string to) {
    SavedMessage m;
    m.from = std::move(from);
    m.subject = std::move(subject);
    m.date = std::move(date);
    m.to = std::move(to);
    return m;
}

// A copy of a message sent to Bob, as the Sent folder keeps it.
SavedMessage sentToBob() {
    SavedMessage m = incoming("Sent Message", "Hi", "12/4/2002 7:05:09 PM", "Bob");
    m.sent = true;
    return m;
}

TEST(SavedFileName, FollowsTheNameRule) {
    EXPECT_EQ("Ann  ann &&Re  lunch&&Tue, 3 Dec 2002 10^15^00&&Bob.htm",
              savedFileName(incoming("Ann <ann>", "Re: lunch", "Tue, 3 Dec 2002 10:15:00", "Bob")));
    EXPECT_EQ("Bob&&Hi&&12#4#2002 7^05^09 PM&&sent message.htm", savedFileName(sentToBob()));
    EXPECT_EQ("x&&What Now&&d&&y.htm", savedFileName(incoming("x", "What? *Now*", "d", "y")));
    EXPECT_EQ("ann &&s&&d&&t.htm", savedFileName(incoming("<ann>", "s", "d", "t")));
    // Every replaced character: quotes, ? and * vanish; < > / : \ become blanks; | stays.
    EXPECT_EQ("a b c d e f|g&&s&&d&&t.htm",
              savedFileName(incoming("\"a<b>c/d:e\\f|g?*", "s", "d", "t")));
    EXPECT_EQ("a&&&&&&.htm", savedFileName(incoming("a", "", "", "")));
}

TEST(SavedFileName, ShortensSubjectAndRecipientAtTheirLimits) {
    const std::string s60(60, 's'), s61(61, 's'), t20(20, 't'), t21(21, 't');
    EXPECT_EQ("f&&" + s60 + "&&d&&" + t20 + ".htm", savedFileName(incoming("f", s60, "d", t20)));
    EXPECT_EQ("f&&" + s60 + "...&&d&&" + t20 + "....htm",
              savedFileName(incoming("f", s61, "d", t21)));
    // Characters, not bytes: sixty accented letters are kept whole.
    std::string accented;
    for (int i = 0; i < 60; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ("f&&" + accented + "&&d&&t.htm", savedFileName(incoming("f", accented, "d", "t")));
    EXPECT_EQ("f&&" + accented + "...&&d&&t.htm",
              savedFileName(incoming("f", accented + "\xC3\xA9", "d", "t")));
    // The sender is not shortened, until the name would pass the file system's 255 bytes: then
    // the longest part is cut at a character boundary and all four parts stay.
    EXPECT_EQ(std::string(100, 'f') + "&&s&&d&&t.htm",
              savedFileName(incoming(std::string(100, 'f'), "s", "d", "t")));
    std::string greek; // sixty two-byte letters, then a four-byte one each
    for (int i = 0; i < 60; ++i)
        greek += "\xCE\xB1\xF0\x9F\x98\x80";
    for (const SavedMessage& m : {incoming(std::string(300, 'x'), greek, "3 Dec 2002", greek),
                                  incoming("ann", greek, "3 Dec 2002", "bob")}) {
        const std::string name = savedFileName(m);
        EXPECT_LE(name.size(), 255u);
        EXPECT_TRUE(isValidUtf8(name)) << name;
        EXPECT_TRUE(parseSavedFileName(name)) << "four parts: " << name;
        EXPECT_EQ(".htm", name.substr(name.size() - 4));
    }
}

TEST(SavedFileText, IsExactlyElevenLines) {
    SavedMessage m = incoming("<ann>", "a <b> & c", "3 Dec", "Bob <b@x>");
    m.body = "<p>Hi & bye</p>";
    EXPECT_EQ(
        "<html>\r\n<body>\r\n"
        "<div id=from><font face=arial size=2><b>From:&nbsp;</b>&lt;ann&gt;</font></div>\r\n"
        "<div id=replyto><font face=arial size=2><b>Reply-to:&nbsp;</b>&lt;ann&gt;</font></div>\r\n"
        "<div id=to><font face=arial size=2><b>To:&nbsp;</b>Bob &lt;b@x&gt;</font></div>\r\n"
        "<div id=cc><font face=arial size=2><b>Cc:&nbsp;</b></font></div>\r\n"
        "<div id=bcc><font face=arial size=2><b>Bcc:&nbsp;</b></font></div>\r\n"
        "<div id=subject><font face=arial size=2><b>Subject:&nbsp;</b>a &lt;b&gt; &amp; "
        "c</font></div>\r\n"
        "<div id=date><font face=arial size=2><b>Date:&nbsp;</b>3 Dec</font></div>\r\n"
        "<div id=body><font face=arial>\r\n"
        "<p>Hi & bye</p></font></div>\r\n",
        savedFileText(m));
}

TEST(SavedFileName, ReadsBackTheFourParts) {
    const auto parts = parseSavedFileName("Bob&&Hi&&12#4#2002 7^05^09 PM&&sent message.htm");
    ASSERT_TRUE(parts);
    EXPECT_EQ("Bob|Hi|12/4/2002 7:05:09 PM|sent message",
              parts->first + "|" + parts->subject + "|" + parts->date + "|" + parts->fourth);
    EXPECT_FALSE(parseSavedFileName("a&&b.htm"));
    EXPECT_FALSE(parseSavedFileName("notes.txt"));
    EXPECT_TRUE(parseSavedFileName("a&&b&&c&&d&&e.htm")) << "an && inside a field adds parts";
    EXPECT_TRUE(isSentFolder("SeNt"));
    EXPECT_FALSE(isSentFolder("Sent Items"));
    EXPECT_EQ("12/4/2002 7:05:09 PM", sentDateText(2002, 12, 4, 19, 5, 9));
    EXPECT_EQ("1/1/2003 12:00:00 AM", sentDateText(2003, 1, 1, 0, 0, 0));
    EXPECT_EQ("1/1/2003 12:30:00 PM", sentDateText(2003, 1, 1, 12, 30, 0));
}

class MessageStoreTest : public ::testing::Test {
protected:
    TempDir dir;
    MessageStore store{dir.path() + "/"};
    void SetUp() override { store.ensureDefaultFolders(); }
};

TEST_F(MessageStoreTest, SavesIntoFoldersFoundInAnyLetterCase) {
    ASSERT_EQ("", store.save("ignored", sentToBob()));
    EXPECT_EQ((std::vector<std::string>{"Bob&&Hi&&12#4#2002 7^05^09 PM&&sent message.htm"}),
              store.fileNames("sent"));
    SavedMessage m = incoming("Ann", "Hi", "3 Dec 2002", "Bob");
    ASSERT_EQ("", store.save("saved", m));
    m.body = "second version";
    ASSERT_EQ("", store.save("Saved", m));
    ASSERT_EQ(1u, store.fileNames("Saved").size()) << "the same message twice leaves one file";
    EXPECT_NE(std::string::npos,
              readFile(store.folderPath("Saved") + "/" + savedFileName(m))->find("second version"));
}

TEST_F(MessageStoreTest, AFailedSaveLeavesNothingBehindAndKeepsTheEarlierFile) {
    SavedMessage m = incoming("Ann", "Hi", "3 Dec 2002", "Bob");
    EXPECT_NE("", store.save("Vanished", m));
    EXPECT_TRUE(store.fileNames("Saved").empty());
    EXPECT_EQ("", store.save("Saved", incoming(std::string(300, 'x'), "Hi", "d", "t")))
        << "a name too long is cut, not refused";
    EXPECT_EQ("", store.remove("Saved", store.fileNames("Saved").at(0)));
    ASSERT_EQ("", store.save("Saved", m));
    const std::string path = store.folderPath("Saved") + "/" + savedFileName(m);
    makeDirectory(path + "x"); // unrelated noise
    EXPECT_TRUE(fileExists(path));
}

TEST_F(MessageStoreTest, FoldersAreCreatedOnceAndMessagesMoveWithoutReplacing) {
    EXPECT_TRUE(store.createFolder("Work"));
    EXPECT_FALSE(store.createFolder("work")) << "exists in another letter case";
    EXPECT_FALSE(store.createFolder("sent"));
    EXPECT_FALSE(store.createFolder(""));
    EXPECT_FALSE(store.createFolder("a/b"));
    EXPECT_EQ((std::vector<std::string>{"Saved", "Sent", "Work"}), store.folderNames());

    SavedMessage m = incoming("Ann", "Hi", "3 Dec 2002", "Bob");
    ASSERT_EQ("", store.save("Saved", m));
    ASSERT_EQ("", store.save("Work", m));
    const std::string name = savedFileName(m);
    EXPECT_EQ(store.folderPath("Work") + "/" + name + ": a file of that name is already there",
              store.move("Saved", "Work", name))
        << "a same-named file in the target stays";
    EXPECT_EQ(1u, store.fileNames("Saved").size());
    EXPECT_EQ("", store.remove("Work", name));
    EXPECT_EQ("", store.move("Saved", "work", name));
    EXPECT_TRUE(store.fileNames("Saved").empty());
    EXPECT_EQ(1u, store.fileNames("Work").size());
    EXPECT_EQ(store.folderPath("Gone") + ": it is not there any more (moved or deleted)",
              store.move("Work", "Gone", name));
    EXPECT_EQ(store.folderPath("Saved") + "/" + name +
                  ": it is not there any more (moved or deleted)",
              store.remove("Saved", name))
        << "a message already gone";
}

} // namespace
} // namespace postling
