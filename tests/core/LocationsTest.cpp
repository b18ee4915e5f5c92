#include "app/Locations.h"
#include "TempDir.h"
#include "fs/AtomicFile.h"
#include "fs/Directory.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using testing::TempDir;

TEST(Locations, TheSettingsFileAndTheMainDirectoryNeverFallBackToTheWorkingDirectory) {
    const std::vector<std::string> bare = {"postling"};
    EXPECT_EQ("/a.ini", iniLocation({"postling", "--ini", "/a.ini"}, "/env.ini", "/c", "/h"));
    EXPECT_EQ("/b.ini", iniLocation({"postling", "--ini=/b.ini"}, nullptr, nullptr, "/h"));
    EXPECT_EQ("/env.ini", iniLocation(bare, "/env.ini", "/c", "/h"));
    EXPECT_EQ("/c/postling/postling.ini", iniLocation(bare, "", "/c", "/h"));
    EXPECT_EQ("/h/.config/postling/postling.ini", iniLocation(bare, nullptr, "rel", "/h"))
        << "a relative XDG folder is ignored";

    struct Case {
        const char* iniValue;
        const char* xdgData;
        const char* mainDir;
    } cases[] = {
        {"", "/d", "/d/postling/"},
        {"", nullptr, "/h/.local/share/postling/"},
        {"", "relative", "/h/.local/share/postling/"},
        {"/m\\data", "/d", "/m/data/"},
        {"data", "/d", "/cfg/data/"},
        {"../shared/./mail/", "/d", "/shared/mail/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.mainDir, mainDirectory(c.iniValue, "/cfg/postling.ini", c.xdgData, "/h"))
            << c.iniValue;
}

TEST(Locations, AMainDirectoryIsFilledOnceAndTheUsersOwnFilesStay) {
    TempDir dir;
    const std::string data = dir.file("share/");
    ASSERT_TRUE(makeDirectories(data + "templates") && makeDirectories(data + "addrbooks"));
    writeFileAtomically(data + "webmail.hlp", "help");
    writeFileAtomically(data + "templates/example.txt", "S\r\nB");
    writeFileAtomically(data + "addrbooks/myaddrbk.csv", "demo");
    const std::string main = dir.file("home/data/postling/");

    EXPECT_TRUE(fillMainDirectory(main, dir.file("nowhere")).empty());
    EXPECT_FALSE(directoryExists(main)) << "nothing installed, nothing made";
    EXPECT_TRUE(fillMainDirectory(main, data).empty());
    EXPECT_EQ("S\r\nB", readFile(main + "templates/example.txt").value_or(""));
    EXPECT_EQ("demo", readFile(main + "addrbooks/myaddrbk.csv").value_or(""));

    // The user edits the book, deletes the example template and the help.
    writeFileAtomically(main + "addrbooks/myaddrbk.csv", "mine");
    std::remove((main + "templates/example.txt").c_str());
    std::remove((main + "webmail.hlp").c_str());
    EXPECT_TRUE(fillMainDirectory(main, data).empty());
    EXPECT_EQ("mine", readFile(main + "addrbooks/myaddrbk.csv").value_or(""));
    EXPECT_FALSE(fileExists(main + "templates/example.txt")) << "a user's folder is theirs";
    EXPECT_EQ("help", readFile(main + "webmail.hlp").value_or("")) << "a shipped page returns";

    writeFileAtomically(dir.file("file"), "x");
    EXPECT_EQ(std::vector<std::string>{dir.file("file/sub/")},
              fillMainDirectory(dir.file("file/sub/"), data))
        << "a main directory that cannot be made is reported";
}

} // namespace
} // namespace postling
