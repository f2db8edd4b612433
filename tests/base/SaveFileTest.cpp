// Whole files written beside the real one and put in its place: the old file survives every
// failure, and links, owner and mode survive the success.
#include <gtest/gtest.h>

#include <filesystem>
#include <span>

#include <sys/stat.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "support/FailedWrites.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

std::span<const std::uint8_t> Text(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

std::string Read(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
}

struct stat Stat(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

std::size_t Entries(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SaveFile, NewAndReplacedFilesKeepTheirModeAndLeaveNothingBeside) {
    TempDir dir;
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteWholeFile(dir.File("new.txt"), Text("first")));
    EXPECT_EQ(Read(dir.File("new.txt")), "first");
    EXPECT_EQ(Stat(dir.File("new.txt")).st_mode & 0777, 0644u);  // as a plain create under the umask
    ::umask(mask);

    ::chmod(dir.File("new.txt").c_str(), 0640);
    SaveFile file(dir.File("new.txt"));
    ASSERT_TRUE(file.Open());
    EXPECT_FALSE(file.InPlace());
    ASSERT_TRUE(file.Write(Text("sec")));
    ASSERT_TRUE(file.Write(Text("ond")));
    EXPECT_EQ(Read(dir.File("new.txt")), "first");  // nothing changes before the commit
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(dir.File("new.txt")), "second");
    EXPECT_EQ(Stat(dir.File("new.txt")).st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir.Path()), 1u);

    {
        SaveFile dropped(dir.File("new.txt"));
        ASSERT_TRUE(dropped.Open());
        ASSERT_TRUE(dropped.Write(Text("never")));
    }  // not committed
    EXPECT_EQ(Read(dir.File("new.txt")), "second");
    EXPECT_EQ(Entries(dir.Path()), 1u);
}

TEST(SaveFile, LinksLeadToTheRealFileAndHardLinksAreRewrittenInPlace) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("data"));
    test::WriteFile(dir.File("data/real.txt"), "old");
    std::filesystem::create_symlink("data/real.txt", dir.File("soft"));
    ASSERT_TRUE(WriteWholeFile(dir.File("soft"), Text("through the link")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("soft")));
    EXPECT_EQ(Read(dir.File("data/real.txt")), "through the link");
    EXPECT_EQ(Entries(dir.File("data")), 1u);

    // A link that points nowhere yet: the file is made where it points.
    std::filesystem::create_symlink("data/later.txt", dir.File("dangling"));
    ASSERT_TRUE(WriteWholeFile(dir.File("dangling"), Text("made")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("dangling")));
    EXPECT_EQ(Read(dir.File("data/later.txt")), "made");

    std::filesystem::create_hard_link(dir.File("data/real.txt"), dir.File("hard"));
    const ino_t inode = Stat(dir.File("hard")).st_ino;
    SaveFile file(dir.File("hard"));
    ASSERT_TRUE(file.Open());
    EXPECT_TRUE(file.InPlace());
    ASSERT_TRUE(file.Write(Text("both names")));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(Read(dir.File("data/real.txt")), "both names");
    EXPECT_EQ(Stat(dir.File("hard")).st_ino, inode);
    ASSERT_TRUE(WriteWholeFile(dir.File("hard"), Text("short")));  // shorter: cut to its length
    EXPECT_EQ(Read(dir.File("data/real.txt")), "short");

    std::filesystem::create_symlink("loop2", dir.File("loop1"));
    std::filesystem::create_symlink("loop1", dir.File("loop2"));
    EXPECT_FALSE(WriteWholeFile(dir.File("loop1"), Text("x")));
}

TEST(SaveFile, ReadOnlyFilesFoldersAndMissingFoldersAreNotWritten) {
    TempDir dir;
    test::WriteFile(dir.File("ro.txt"), "keep");
    ::chmod(dir.File("ro.txt").c_str(), 0444);
    EXPECT_FALSE(WriteWholeFile(dir.File("ro.txt"), Text("lost")));  // also for root
    EXPECT_EQ(Read(dir.File("ro.txt")), "keep");
    std::filesystem::create_directory(dir.File("folder"));
    EXPECT_FALSE(WriteWholeFile(dir.File("folder"), Text("x")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder")));
    EXPECT_FALSE(WriteWholeFile(dir.File("no/such/folder.txt"), Text("x")));
}

TEST(SaveFile, EveryFailingStepLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("f.txt");
    test::WriteFile(path, "the old content");
    const std::string longer(100000, 'L');
    EXPECT_GT(test::EveryWriteFails({path}, [&] { return WriteWholeFile(path, Text(longer)); }), 1);
    EXPECT_EQ(Read(path), longer);

    // In place, the old content is put back.
    std::filesystem::create_hard_link(path, dir.File("second"));
    EXPECT_GT(test::EveryWriteFails({path, dir.File("second")}, [&] { return WriteWholeFile(path, Text("new")); }), 1);
    EXPECT_EQ(Read(dir.File("second")), "new");
    EXPECT_GT(test::EveryWriteFails({path, dir.File("second")}, [&] { return WriteWholeFile(path, Text(longer)); }), 1);
    EXPECT_EQ(Read(dir.File("second")), longer);

    // A file that did not exist is not left behind.
    EXPECT_GT(test::EveryWriteFails({dir.File("fresh.txt")}, [&] { return WriteWholeFile(dir.File("fresh.txt"), Text("x")); }), 1);
}

TEST(SaveFile, TheOwnerAndGroupAreKept) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another owner needs root";
    TempDir dir;
    const std::string path = dir.File("owned.txt");
    test::WriteFile(path, "theirs");
    ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
    ASSERT_TRUE(WriteWholeFile(path, Text("still theirs")));
    const struct stat st = Stat(path);
    EXPECT_EQ(st.st_uid, 4321u);
    EXPECT_EQ(st.st_gid, 8765u);
    EXPECT_EQ(st.st_mode & 07777, 0660u);
    EXPECT_EQ(Read(path), "still theirs");
}

}  // namespace
}  // namespace qf
