#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "base/RecordFile.h"
#include "collections/CollectionFixtures.h"

namespace qf {
namespace {

using test::TempDir;

TEST(RecordFile, ModesCountsAndShortReads) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    EXPECT_FALSE(RecordFile::Open(path, 4, RecordFile::Mode::Read).has_value());
    EXPECT_FALSE(RecordFile::Open(path, 4, RecordFile::Mode::Modify).has_value());
    EXPECT_FALSE(RecordFile::Open(dir.Path(), 4, RecordFile::Mode::Read).has_value());  // a folder
    {
        auto f = RecordFile::Open(path, 4, RecordFile::Mode::Update);
        ASSERT_TRUE(f.has_value());
        const std::uint8_t a[4] = {1, 2, 3, 4}, b[4] = {5, 6, 7, 8};
        RecordEdit edit(*f);
        EXPECT_EQ(edit.Append(a), 0);
        EXPECT_EQ(edit.Append(b), 1);
        edit.Commit();
        std::uint8_t two[2];
        f->Read(1, two, 2);
        EXPECT_EQ(two[0], 7);
        EXPECT_THROW(f->Read(1, two, 3), IoError);  // past the record's end
        f->Close();
    }
    test::WriteBytes(path, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    auto f = RecordFile::Open(path, 4, RecordFile::Mode::Read);
    EXPECT_EQ(f->Count(), 2);
    std::uint8_t rec[4];
    EXPECT_THROW(f->Read(2, rec), IoError);
}

// The read-ahead hints never read past the whole records, and what was just read is in memory.
TEST(RecordFile, HintsStayInsideTheWholeRecords) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    test::WriteBytes(path, {1, 2, 3, 4, 5, 6, 7, 8, 9});  // two records and a partial one
    auto f = RecordFile::Open(path, 4, RecordFile::Mode::Read);
    ASSERT_TRUE(f.has_value());
    f->WillRead(-5, 100, 0, 4);
    f->WillRead(7, 3, 1, 2);
    std::uint8_t rec[4];
    f->Read(1, rec);
    EXPECT_TRUE(f->InMemory(1, 0, 4));
    EXPECT_FALSE(f->InMemory(2, 0, 1));   // the partial record is no record
    EXPECT_FALSE(f->InMemory(-1, 0, 1));
    EXPECT_FALSE(f->InMemory(0, 3, 2));   // past the record's end
}

TEST(RecordFile, RemovingARecordKeepsThePermissionsAndLeavesNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    test::WriteBytes(path, {1, 1, 2, 2, 3, 3});
    ::chmod(path.c_str(), 0640);
    EXPECT_EQ(RemoveRecord(path, 2, 1), 2);
    EXPECT_EQ(test::FileBytes(path), (std::vector<std::uint8_t>{1, 1, 3, 3}));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_THROW(RemoveRecord(path, 2, 2), IoError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_FALSE(RemoveRecord(dir.File("NONE.DAT"), 2, 0).has_value());
}

TEST(RecordEdit, WhatIsNotCommittedIsUndoneToTheLastByte) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    const std::vector<std::uint8_t> before{1, 1, 1, 1, 2, 2, 2, 2};
    test::WriteBytes(path, before);
    const std::uint8_t a[4] = {5, 5, 5, 5}, b[4] = {6, 6, 6, 6};
    {
        auto f = RecordFile::Open(path, 4, RecordFile::Mode::Modify);
        RecordEdit edit(*f);
        edit.Write(0, a);
        edit.Write(0, b);  // twice: the first content comes back
        EXPECT_EQ(edit.Append(a), 2);
        EXPECT_EQ(edit.Append(b), 3);
        EXPECT_THROW(edit.Write(5, a), IoError);  // never a gap of undefined records
        EXPECT_EQ(test::FileBytes(path).size(), 16u);
    }
    EXPECT_EQ(test::FileBytes(path), before);
    {
        auto f = RecordFile::Open(path, 4, RecordFile::Mode::Modify);
        RecordEdit edit(*f);
        edit.Write(1, a);
        edit.Commit();
    }
    EXPECT_EQ(test::FileBytes(path), (std::vector<std::uint8_t>{1, 1, 1, 1, 5, 5, 5, 5}));

    // A file the open made is removed again when nothing was committed to it.
    const std::string fresh = dir.File("NEW.DAT");
    {
        auto f = RecordFile::Open(fresh, 4, RecordFile::Mode::Update);
        RecordEdit edit(*f);
        edit.Append(a);
    }
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST(RecordFile, ReadOnlyFilesFoldersAndPipesAreNotRecordFilesToWrite) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    test::WriteBytes(path, {1, 2, 3, 4});
    ::chmod(path.c_str(), 0444);
    // Even a user the system lets write anything finds a read-only file closed to writing.
    EXPECT_FALSE(RecordFile::Open(path, 4, RecordFile::Mode::Update).has_value());
    EXPECT_FALSE(RemoveRecord(path, 4, 0).has_value());
    EXPECT_TRUE(RecordFile::Open(path, 4, RecordFile::Mode::Read).has_value());
    EXPECT_EQ(test::FileBytes(path), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    ASSERT_EQ(::mkfifo(dir.File("PIPE.DAT").c_str(), 0644), 0);
    EXPECT_FALSE(RecordFile::Open(dir.File("PIPE.DAT"), 4, RecordFile::Mode::Read).has_value());  // and no hang
    EXPECT_FALSE(RecordFile::Open(dir.Path(), 4, RecordFile::Mode::Update).has_value());
}

TEST(RecordFile, RemovingARecordWritesTheRealFileThroughLinksWithItsOwner) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    const std::string real = dir.File("real/R.DAT");
    test::WriteBytes(real, {1, 1, 2, 2, 3, 3});
    std::filesystem::create_symlink("real/R.DAT", dir.File("link.DAT"));  // relative, as users make them
    EXPECT_EQ(RemoveRecord(dir.File("link.DAT"), 2, 0), 2);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.DAT")));
    EXPECT_EQ(test::FileBytes(real), (std::vector<std::uint8_t>{2, 2, 3, 3}));

    std::filesystem::create_hard_link(real, dir.File("hard.DAT"));
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(RemoveRecord(dir.File("hard.DAT"), 2, 1), 1);
    EXPECT_EQ(test::FileBytes(real), (std::vector<std::uint8_t>{2, 2}));  // one file still, under both names
    struct stat after {};
    ASSERT_EQ(::stat(real.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, st.st_ino);

    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another owner needs root";
    std::filesystem::remove(dir.File("hard.DAT"));
    test::WriteBytes(real, {1, 1, 2, 2});
    ASSERT_EQ(::chown(real.c_str(), 1234, 5678), 0);
    ASSERT_EQ(::chmod(real.c_str(), 0604), 0);
    EXPECT_EQ(RemoveRecord(real, 2, 0), 1);
    ASSERT_EQ(::stat(real.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 1234u);
    EXPECT_EQ(after.st_gid, 5678u);
    EXPECT_EQ(after.st_mode & 07777, 0604u);
}

}  // namespace
}  // namespace qf
