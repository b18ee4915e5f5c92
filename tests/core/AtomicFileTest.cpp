#include "fs/AtomicFile.h"
#include "TempDir.h"
#include "fs/Directory.h"

#include <csignal>
#include <iostream>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace postling {
namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    testing::TempDir temp;
    const std::string dir = temp.path();
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
    const std::string path = dir + "/book.csv";
    ASSERT_EQ("", writeFileAtomically(path, "precious"));
    // A file size limit makes the write fail for root too (as a full disk would).
    const pid_t pid = fork();
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit small{4, 4};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(writeFileAtomically(path, "a replacement too big for the limit").empty() ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write reported failure";
    EXPECT_EQ("precious", readFile(path).value());
    EXPECT_EQ(1u, entries()) << "and left no temporary";
}

TEST_F(AtomicFileTest, AWriteKilledMidwayNeverTearsTheFile) {
    const std::string path = dir + "/book.csv";
    const std::string a(4 << 20, 'a'), b(4 << 20, 'b');
    ASSERT_EQ("", writeFileAtomically(path, a));
    std::mt19937 random(150);
    int leftBehind = 0;
    for (int kill = 0; kill < 150; ++kill) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (int i = 0;; ++i)
                writeFileAtomically(path, i % 2 ? a : b);
        }
        usleep(static_cast<useconds_t>(random() % 30000));
        ::kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string text = readFile(path).value_or("");
        ASSERT_TRUE(text == a || text == b) << "torn after kill " << kill << ": " << text.size();
        leftBehind += static_cast<int>(entries()) - 1;
        removeStaleTemporaries(dir, 0); // what start-up does with what a kill left
        ASSERT_EQ(1u, entries());
    }
    std::cout << "[          ] temporaries left behind by 150 kills: " << leftBehind << "\n";
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
