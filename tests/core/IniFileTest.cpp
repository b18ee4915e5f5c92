#include "app/IniFile.h"
#include "TempDir.h"
#include "fs/AtomicFile.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using testing::TempDir;

TEST(IniFile, SectionsAndKeysMatchInAnyLetterCase) {
    TempDir dir;
    dir.write("p.ini", "[Locations]\r\nmain dir=/data/\r\n[SETTINGS]\r\n  GotoInbox = 0 \r\n");
    IniFile ini(dir.file("p.ini"));
    EXPECT_EQ("/data/", ini.get("locations", "MAIN DIR", "x"));
    EXPECT_EQ("0", ini.get("Settings", "gotoinbox", "1"));
    EXPECT_EQ("1", ini.get("Settings", "missing", "1"));
    EXPECT_EQ("dflt", ini.get("Nowhere", "gotoinbox", "dflt"));
}

TEST(IniFile, ValuesAreCutTo298CharactersAndQuotesDropped) {
    TempDir dir;
    const std::string longValue(299, 'v');
    const std::string accented = std::string(297, 'a') + "\xC3\xA9\xC3\xA9";
    dir.write("p.ini", "[S]\nlong=" + longValue + "\nexact=" + std::string(298, 'w') +
                           "\nacc=" + accented + "\nquoted=\"a b\"\nhalf=\"a\n");
    IniFile ini(dir.file("p.ini"));
    EXPECT_EQ(std::string(298, 'v'), ini.get("S", "long"));
    EXPECT_EQ(std::string(298, 'w'), ini.get("S", "exact"));
    EXPECT_EQ(std::string(297, 'a') + "\xC3\xA9", ini.get("S", "acc")) << "characters, not bytes";
    EXPECT_EQ("a b", ini.get("S", "quoted"));
    EXPECT_EQ("\"a", ini.get("S", "half"));
    EXPECT_EQ(std::string(298, 'd'), ini.get("S", "none", std::string(400, 'd')));
}

TEST(IniFile, WritingOneKeyKeepsEveryOtherLineWhereItWas) {
    TempDir dir;
    dir.write("p.ini", "; Postling settings\n[Locations]\nmain dir=/m/\n\n[Settings]\n"
                       "welcome=0\n; a comment\nsmail=1\n\n[Other]\nx=1\n");
    IniFile ini(dir.file("p.ini"));
    ASSERT_TRUE(ini.set("settings", "WELCOME", "1"));
    ASSERT_TRUE(ini.set("Settings", "ystart", "http://y/"));
    ASSERT_TRUE(ini.set("Fresh", "k", "v"));
    EXPECT_EQ("; Postling settings\r\n[Locations]\r\nmain dir=/m/\r\n\r\n[Settings]\r\n"
              "WELCOME=1\r\n; a comment\r\nsmail=1\r\nystart=http://y/\r\n\r\n[Other]\r\nx=1\r\n"
              "[Fresh]\r\nk=v\r\n",
              readFile(dir.file("p.ini")).value());
    EXPECT_EQ("1", ini.get("Settings", "welcome"));
}

TEST(IniFile, MissingOrUnreadableFilesGiveDefaultsAndWritesFailQuietly) {
    TempDir dir;
    IniFile missing(dir.file("none.ini"));
    EXPECT_EQ("d", missing.get("S", "k", "d"));
    IniFile folder(dir.path());
    EXPECT_EQ("d", folder.get("S", "k", "d"));
    EXPECT_FALSE(folder.set("S", "k", "v"));
    IniFile nowhere(dir.file("no/such/dir/p.ini"));
    EXPECT_FALSE(nowhere.set("S", "k", "v"));
    // A file that is not UTF-8 is read as Windows-1252.
    dir.write("old.ini", "[S]\r\nname=Caf\xE9\r\n");
    EXPECT_EQ("Caf\xC3\xA9", IniFile(dir.file("old.ini")).get("S", "name"));
}

TEST(IniFile, NoValueOrNameCanPlantALineOfItsOwn) {
    TempDir dir;
    dir.write("p.ini", "[Settings]\r\nmailto=\r\nystart=http://y/\r\n");
    IniFile ini(dir.file("p.ini"));
    const std::string before = readFile(dir.file("p.ini")).value();
    struct Case {
        const char *section, *key;
        std::string value;
    } refused[] = {{"Settings", "mailto", "x\r\nycalendar=http://evil/"},
                   {"Settings", "mailto", "x\nycalendar=http://evil/"},
                   {"Settings", "mailto", std::string("x\0y", 3)},
                   {"Settings", "a=b", "v"},
                   {"Settings", " padded", "v"},
                   {"Settings", "[x]", "v"},
                   {"Settings", ";c", "v"},
                   {"Settings", "", "v"},
                   {"Set]tings", "k", "v"},
                   {"Settings", "k\nq", "v"}};
    for (const Case& c : refused) {
        const IniWrite written = ini.set(c.section, c.key, c.value);
        EXPECT_FALSE(written) << c.key;
        EXPECT_FALSE(written.error.empty());
    }
    EXPECT_EQ(before, readFile(dir.file("p.ini")).value());
    EXPECT_EQ(std::nullopt, iniWithValue(before, "Settings", "mailto", "a\rb"));
}

TEST(IniFile, TakeReadsAndEmptiesAKeyInOneStep) {
    TempDir dir;
    IniFile ini(dir.file("p.ini"));
    ASSERT_TRUE(ini.set("Settings", "mailto", "a@b?subject=x%0D%0Ay"));
    EXPECT_EQ("a@b?subject=x%0D%0Ay", ini.take("Settings", "mailto"));
    EXPECT_EQ("", ini.get("Settings", "mailto", "gone"));
    EXPECT_EQ("", ini.take("Settings", "mailto"));
}

} // namespace
} // namespace postling
