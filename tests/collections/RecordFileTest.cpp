#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

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
        EXPECT_EQ(f->Append(a), 0);
        EXPECT_EQ(f->Append(b), 1);
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
    // Create empties an existing file.
    EXPECT_EQ(RecordFile::Open(path, 4, RecordFile::Mode::Create)->Count(), 0);
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

}  // namespace
}  // namespace qf
