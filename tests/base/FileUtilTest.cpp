// Reading files as untrusted input: nothing throws, and only regular files are read.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "base/FileUtil.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

TEST(FileUtil, OnlyRegularFilesAreReadAndNothingThrows) {
    TempDir dir;
    test::WriteFile(dir.File("a.txt"), "hello");
    EXPECT_EQ(ReadWholeFile(dir.File("a.txt")), (std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(ReadWholeFile(dir.File("a.txt"), 5)->size(), 5u);
    EXPECT_FALSE(ReadWholeFile(dir.File("a.txt"), 4).has_value());  // longer than any real one
    EXPECT_EQ(ReadFileHead(dir.File("a.txt"), 3), (std::vector<std::uint8_t>{'h', 'e', 'l'}));
    EXPECT_EQ(ReadFileHead(dir.File("a.txt"), 99)->size(), 5u);
    EXPECT_TRUE(ReadWholeFile(dir.File("empty"), 0) == std::nullopt);
    test::WriteFile(dir.File("empty"), "");
    EXPECT_TRUE(ReadWholeFile(dir.File("empty"))->empty());

    // A folder opens on Linux, and reading it used to throw from deep inside the stream library.
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_FALSE(ReadWholeFile(dir.File("folder")).has_value());
    EXPECT_FALSE(ReadFileHead(dir.File("folder"), 10).has_value());
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0644), 0);
    EXPECT_FALSE(ReadWholeFile(dir.File("pipe")).has_value());  // and no wait for a writer
    EXPECT_FALSE(ReadWholeFile("/dev/zero", 10).has_value());
    EXPECT_FALSE(ReadWholeFile(dir.File("missing")).has_value());
}

TEST(FileUtil, SameFileByNameCaseOrLink) {
    TempDir dir;
    test::WriteFile(dir.File("LIB.DAT"), "x");
    test::WriteFile(dir.File("OTHER.DAT"), "x");
    std::filesystem::create_symlink(dir.File("LIB.DAT"), dir.File("soft"));
    std::filesystem::create_hard_link(dir.File("LIB.DAT"), dir.File("hard"));
    for (const char* name : {"LIB.DAT", "lib.dat", "soft", "hard", "./LIB.DAT"})
        EXPECT_TRUE(SameFile(dir.File("LIB.DAT"), dir.File(name))) << name;
    EXPECT_FALSE(SameFile(dir.File("LIB.DAT"), dir.File("OTHER.DAT")));
    EXPECT_FALSE(SameFile(dir.File("LIB.DAT"), dir.File("NEW.DAT")));
}

}  // namespace
}  // namespace qf
