#include "TempDir.h"

#include "compose/Template.h"
#include "fs/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace postling {
namespace {

TEST(Template, AFileReadsBackWithEveryBodyLineEndedOnce) {
    struct Case {
        std::string subject, body, bodyRead;
    } cases[] = {
        {"Hi", "Hi", "Hi\r\n"},                      // no final break: one is added
        {"Hi", "Hi\r\n", "Hi\r\n"},                  // saving again adds no second one
        {"Two", "a\r\nb", "a\r\nb\r\n"},             // every line
        {"Gap", "a\r\n\r\nb\r\n", "a\r\n\r\nb\r\n"}, // empty lines stay
        {"Only a subject", "", ""},                  // a one-line file has an empty body
    };
    for (const Case& c : cases) {
        const auto read = parseTemplateFile(templateFileText(c.subject, c.body));
        ASSERT_TRUE(read) << c.subject;
        EXPECT_EQ(c.subject, read->subject);
        EXPECT_EQ(c.bodyRead, read->body) << c.subject;
        EXPECT_EQ(c.bodyRead, parseTemplateFile(templateFileText(read->subject, read->body))->body)
            << "stable after a second save: " << c.subject;
    }
    EXPECT_FALSE(parseTemplateFile("")) << "an empty file has no subject line";
    EXPECT_EQ("Caf\xC3\xA9", parseTemplateFile("Caf\xE9\r\n")->subject) << "Windows-1252 file";
    EXPECT_EQ("a\r\nb\r\n", parseTemplateFile("S\na\nb")->body) << "lines ended by LF alone";
}

TEST(Template, NamesAndRefusals) {
    EXPECT_EQ("Hello.txt", templateFileName("Hello"));
    EXPECT_EQ("Notes.TXT", templateFileName("Notes.TXT"));
    EXPECT_EQ("a.txt.old", templateFileName("a.txt.old"));
    EXPECT_EQ(" spaced .txt", templateFileName(" spaced ")) << "blanks kept as typed";

    EXPECT_EQ(TemplateRefusal::NoName, templateRefusal("   ", "s", "b"));
    EXPECT_EQ(TemplateRefusal::NoSubject, templateRefusal("n", "  ", "b"));
    EXPECT_EQ(TemplateRefusal::NoBody, templateRefusal("n", "s", " "));
    EXPECT_EQ(TemplateRefusal::None, templateRefusal("n", "s", "b"));

    for (const char* bad : {"", "a/b.txt", "../x.txt", ".", ".."})
        EXPECT_FALSE(isUsableTemplateName(bad)) << bad;
    EXPECT_TRUE(isUsableTemplateName(" odd name?.txt"));
}

TEST(Template, WritesAtomicallyIntoTheFolderAndListsItsFilesOnly) {
    testing::TempDir dir;
    const std::string main = dir.path() + "/";
    ASSERT_EQ(0, ::mkdir((main + "templates").c_str(), 0755));
    EXPECT_EQ("", writeTemplateFile(main, "b.txt", "Subject", "Body"));
    EXPECT_EQ("", writeTemplateFile(main, "a.txt", "S", "B"));
    dir.write("templates/.postling-AbC123", "a write cut short");
    EXPECT_EQ((std::vector<std::string>{"a.txt", "b.txt"}), templateNames(main));
    EXPECT_EQ("Subject\r\nBody", readTemplateFile(main, "b.txt").value());
    EXPECT_FALSE(readTemplateFile(main, "gone.txt"));
    dir.write("templates/bin.txt", std::string("S\r\n\x00\x07", 5));
    dir.write("templates/huge.txt", "S\r\n" + std::string(2 << 20, 'b'));
    EXPECT_FALSE(readTemplateFile(main, "bin.txt")) << "damaged: read as unreadable";
    EXPECT_FALSE(readTemplateFile(main, "huge.txt"));
    EXPECT_NE("", writeTemplateFile(main, "../escape.txt", "S", "B"));
    EXPECT_FALSE(readFile(main + "escape.txt"));
}

} // namespace
} // namespace postling
