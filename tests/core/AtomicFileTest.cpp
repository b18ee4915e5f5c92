#include "fs/AtomicFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace postling {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/postling-atomic-XXXXXX";
        dir = mkdtemp(tmpl);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all);
        fs::remove_all(dir);
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    std::string dir;
};

TEST_F(AtomicFileTest, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    const std::string path = dir + "/book.csv";
    ASSERT_EQ("", writeFileAtomically(path, "old contents that are longer\r\n"));
    chmod(path.c_str(), 0600);
    ASSERT_EQ("", writeFileAtomically(path, "new\r\n"));
    EXPECT_EQ("new\r\n", readFile(path).value());
    EXPECT_EQ(1u, entries());
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_EQ(0600u, st.st_mode & 0777) << "permissions of the replaced file are kept";
}

TEST_F(AtomicFileTest, AFailedWriteKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    const std::string path = dir + "/book.csv";
    ASSERT_EQ("", writeFileAtomically(path, "precious"));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_NE("", writeFileAtomically(path, "replacement"));
    EXPECT_EQ("precious", readFile(path).value());
}

TEST_F(AtomicFileTest, MissingFoldersAndDirectoriesAreReportedNotThrown) {
    EXPECT_NE("", writeFileAtomically(dir + "/missing/book.csv", "x"));
    EXPECT_FALSE(readFile(dir + "/nothing-here").has_value());
    EXPECT_FALSE(readFile(dir).has_value());
    const std::string longName = dir + "/" + std::string(300, 'n') + ".htm";
    EXPECT_NE("", writeFileAtomically(longName, "x"));
    EXPECT_EQ(0u, entries()) << "no temporary file is left after a refused name";
    fs::create_directories(dir + "/taken/inner");
    EXPECT_NE("", writeFileAtomically(dir + "/taken", "x")) << "a folder is never replaced";
    EXPECT_TRUE(fs::is_directory(dir + "/taken/inner"));
    EXPECT_EQ(1u, entries());
}

} // namespace
} // namespace postling
