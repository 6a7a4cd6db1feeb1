// The platform layer of the file code: files replaced completely or not at
// all, and file names that ignore case.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "files/fixture.h"
#include "platform/atomicfile.h"
#include "platform/filecase.h"

using namespace QVProj;
namespace fs = std::filesystem;

using PlatformTest = ScratchTest;

TEST_F(PlatformTest, WritesAndReplacesLeavingNoTemporaryFile) {
    ASSERT_TRUE(WriteFileAtomically(P("a.txt").c_str(), "one\n"));
    EXPECT_EQ(Read(P("a.txt")), "one\n");
    ASSERT_TRUE(WriteFileAtomically(P("a.txt").c_str(), std::string("two\0three", 9)));
    EXPECT_EQ(Read(P("a.txt")), std::string("two\0three", 9));
    EXPECT_EQ(Listing(), "a.txt");
}

TEST_F(PlatformTest, FailedFillLeavesOldFileUntouched) {
    ASSERT_TRUE(WriteFileAtomically(P("a.txt").c_str(), "good"));
    bool sawTemp = false;
    EXPECT_FALSE(ReplaceFileAtomically(P("a.txt").c_str(), [&](int fd, const char* temp) {
        sawTemp = fs::exists(temp) && fs::path(temp).parent_path() == dir;
        return ::write(fd, "bad", 3) == 3 && false;
    }));
    EXPECT_TRUE(sawTemp);
    EXPECT_EQ(Read(P("a.txt")), "good");
    EXPECT_EQ(Listing(), "a.txt");
}

TEST_F(PlatformTest, KeepsModeAndFollowsSymbolicLinks) {
    ASSERT_TRUE(WriteFileAtomically(P("a.txt").c_str(), "x"));
    fs::permissions(P("a.txt"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("a.txt", P("link"));
    ASSERT_TRUE(WriteFileAtomically(P("link").c_str(), "y"));
    EXPECT_TRUE(fs::is_symlink(P("link")));
    EXPECT_EQ(Read(P("a.txt")), "y");
    EXPECT_EQ(fs::status(P("a.txt")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PlatformTest, RefusesDirectoriesMissingDirectoriesAndReadOnlyDirectories) {
    fs::create_directory(P("sub"));
    EXPECT_FALSE(WriteFileAtomically(P("sub").c_str(), "x"));
    EXPECT_TRUE(fs::is_directory(P("sub")));
    EXPECT_FALSE(WriteFileAtomically(P("none/a.txt").c_str(), "x"));
    EXPECT_FALSE(WriteFileAtomically("", "x"));
    EXPECT_FALSE(WriteFileAtomically(nullptr, "x"));
    if (::geteuid() != 0) { // root writes anywhere
        ASSERT_TRUE(WriteFileAtomically(P("sub/a.txt").c_str(), "old"));
        fs::permissions(P("sub"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(WriteFileAtomically(P("sub/a.txt").c_str(), "new"));
        fs::permissions(P("sub"), fs::perms::owner_all);
        EXPECT_EQ(Read(P("sub/a.txt")), "old");
    }
}

TEST_F(PlatformTest, FindsNamesIgnoringCaseExactFirstThenFirstInByteOrder) {
    EXPECT_EQ(FindPathIgnoringCase(P("map.tfw")), "");
    std::ofstream(P("MAP.TFW")) << "1";
    EXPECT_EQ(FindPathIgnoringCase(P("map.tfw")), P("MAP.TFW"));
    std::ofstream(P("map.Tfw")) << "2";
    EXPECT_EQ(FindPathIgnoringCase(P("map.tfw")), P("MAP.TFW")); // "MAP" sorts first
    EXPECT_EQ(FindPathIgnoringCase(P("map.Tfw")), P("map.Tfw"));
    // Directories are never taken for files, and only the last component ignores case.
    fs::create_directory(P("map.rsf"));
    EXPECT_EQ(FindPathIgnoringCase(P("MAP.RSF")), "");
    EXPECT_EQ(FindPathIgnoringCase((dir / "MAP.RSF" / ".." / "map.tfw").string()), "");
    // A name without a directory is looked for in the current one.
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    EXPECT_EQ(FindPathIgnoringCase("map.TFW"), "MAP.TFW");
    fs::current_path(cwd);
}

TEST_F(PlatformTest, RemovesOneFileIgnoringCase) {
    std::ofstream(P("MAP.RSF")) << "1";
    std::ofstream(P("map.RSF")) << "2";
    EXPECT_TRUE(RemoveFileIgnoringCase(P("map.rsf")));
    EXPECT_FALSE(fs::exists(P("MAP.RSF")));
    EXPECT_TRUE(fs::exists(P("map.RSF")));
    EXPECT_TRUE(RemoveFileIgnoringCase(P("missing")));
    fs::create_directory(P("d.rsf"));
    EXPECT_TRUE(RemoveFileIgnoringCase(P("d.rsf"))); // not a file: nothing to remove
    EXPECT_TRUE(fs::is_directory(P("d.rsf")));
    if (::geteuid() != 0) {
        std::ofstream(P("d.rsf/x")) << "1";
        fs::permissions(P("d.rsf"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(RemoveFileIgnoringCase(P("d.rsf/X")));
        fs::permissions(P("d.rsf"), fs::perms::owner_all);
    }
}
