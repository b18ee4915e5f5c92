#include "fs/Directory.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

using testing::TempDir;

TEST(Directory, ListsFoldersAndFilesByNameAndResolvesLetterCase) {
    TempDir dir;
    ASSERT_TRUE(makeDirectory(dir.file("Saved")));
    ASSERT_TRUE(makeDirectory(dir.file("Sent")));
    ASSERT_TRUE(makeDirectory(dir.file("Sent"))) << "an existing folder is no error";
    ASSERT_TRUE(makeDirectory(dir.file("archive")));
    ASSERT_TRUE(makeDirectory(dir.file("SENT items")));
    dir.write("b.htm", "x");
    dir.write("a.htm", "x");
    EXPECT_EQ((std::vector<std::string>{"archive", "Saved", "Sent", "SENT items"}),
              subdirectoryNames(dir.path()))
        << "listed as the old file system listed them, letter case aside";
    EXPECT_EQ((std::vector<std::string>{"a.htm", "b.htm"}), fileNames(dir.path()));
    EXPECT_EQ("Sent", resolveName(dir.path(), "sent"));
    EXPECT_EQ("Sent", resolveName(dir.path(), "SENT"));
    EXPECT_EQ("nothing", resolveName(dir.path(), "nothing"));
    EXPECT_TRUE(subdirectoryNames(dir.file("missing")).empty());
    EXPECT_FALSE(makeDirectory(dir.file("missing/deeper")));
    EXPECT_FALSE(makeDirectory(dir.file("a.htm")));
}

TEST(Directory, MainDirPrefixAlwaysEndsWithASlash) {
    EXPECT_EQ("", mainDirPrefix(""));
    EXPECT_EQ("/data/postling/", mainDirPrefix("/data/postling"));
    EXPECT_EQ("/data/postling/", mainDirPrefix("/data/postling/"));
    EXPECT_EQ("C:/Postling/", mainDirPrefix("C:\\Postling\\"));
}

} // namespace
} // namespace postling
