#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "base/FileUtil.h"
#include "editor/SpellEngine.h"
#include "editor/UserWordList.h"
#include "support/FailedWrites.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::ReadFileText;
using test::TempDir;
using Words = std::vector<std::string>;

TEST(UserWordList, HeadingsWordForWord) {
    EXPECT_EQ(MaintenanceHeading(UserListMode::Include, "British"),
              "These words will be added to the British dictionary and counted as valid.");
    EXPECT_EQ(MaintenanceHeading(UserListMode::Exclude, "American"),
              "These words will be excluded from the  American dictionary and will be invalid.");
}

TEST(UserWordList, SavedFileHoldsExactlyTheWordsShown) {
    TempDir dir;
    const std::string path = dir.File("ExcEngl.tlx");
    EXPECT_TRUE(LoadUserWordList(path).empty());  // missing file: empty list

    ASSERT_TRUE(SaveUserWordList(path, UserListMode::Exclude, 1033, {"bird", "Bird", "bird", "caf\xE9"}));
    EXPECT_EQ(ReadFileText(path), "bird\nBird\nbird\ncaf\xC3\xA9\n");  // duplicates kept, order kept
    EXPECT_EQ(LoadUserWordList(path), (Words{"bird", "Bird", "bird", "caf\xE9"}));

    ASSERT_TRUE(SaveUserWordList(path, UserListMode::Exclude, 1033, {}));
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileText(path), "");
    EXPECT_FALSE(FileExists(path + ".new"));
    EXPECT_EQ(SSCE_OpenSessionCount(), 0);

    // A list that cannot be written leaves the old one alone.
    ASSERT_TRUE(SaveUserWordList(path, UserListMode::Exclude, 1033, {"keep"}));
    EXPECT_FALSE(SaveUserWordList(path, UserListMode::Exclude, 1033, {"a", "line\nbreak"}));
    EXPECT_EQ(ReadFileText(path), "keep\n");
    EXPECT_FALSE(SaveUserWordList(dir.File("no/such/folder.tlx"), UserListMode::Include, 1033, {"a"}));
}

TEST(UserWordList, AddingOneWordOpensOrCreatesTheList) {
    TempDir dir;
    const std::string path = dir.File("IncFrnch.tlx");
    EXPECT_TRUE(AddWordToIncludeList(path, 1036, "etui"));
    EXPECT_TRUE(AddWordToIncludeList(path, 1036, "ogee"));
    EXPECT_EQ(ReadFileText(path), "etui\nogee\n");
    EXPECT_FALSE(AddWordToIncludeList(dir.File("none/IncFrnch.tlx"), 1036, "etui"));
    EXPECT_EQ(SSCE_OpenSessionCount(), 0);
}

TEST(UserWordList, ListsAreWrittenWholeThroughLinksAndAFailedWriteKeepsThem) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("lists"));
    const std::string real = dir.File("lists/IncEngl.tlx");
    ASSERT_TRUE(SaveUserWordList(real, UserListMode::Include, 1033, {"old"}));
    ::chmod(real.c_str(), 0600);
    std::filesystem::create_symlink("lists/IncEngl.tlx", dir.File("link.tlx"));
    ASSERT_TRUE(SaveUserWordList(dir.File("link.tlx"), UserListMode::Include, 1033, {"new", "words"}));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.tlx")));
    EXPECT_EQ(ReadFileText(real), "new\nwords\n");
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    EXPECT_GT(test::EveryWriteFails({real}, [&] {
        return SaveUserWordList(real, UserListMode::Include, 1033, {"replaced", "whole"});
    }), 0);
    EXPECT_EQ(ReadFileText(real), "replaced\nwhole\n");
    // One word more: a whole line or none, never half a word.
    EXPECT_GT(test::EveryWriteFails({real}, [&] { return AddWordToIncludeList(real, 1033, "appended"); }), 0);
    EXPECT_EQ(ReadFileText(real), "replaced\nwhole\nappended\n");
    EXPECT_GT(test::EveryWriteFails({dir.File("lists/IncFrnch.tlx")}, [&] {
        return AddWordToIncludeList(dir.File("lists/IncFrnch.tlx"), 1036, "etui");
    }), 0);
    EXPECT_EQ(SSCE_OpenSessionCount(), 0);
}

TEST(UserWordList, ListBoxAddAndDelete) {
    Words words;
    EXPECT_FALSE(AddToWordList(words, "   "));
    EXPECT_TRUE(AddToWordList(words, "  alpha "));
    EXPECT_TRUE(AddToWordList(words, "alpha"));
    EXPECT_TRUE(AddToWordList(words, "beta"));
    EXPECT_EQ(words, (Words{"alpha", "alpha", "beta"}));
    EXPECT_EQ(DeleteFromWordList(words, 0), 0);  // the word now at the same place
    EXPECT_EQ(DeleteFromWordList(words, 1), 0);  // the last one removed: the new last
    EXPECT_EQ(words, (Words{"alpha"}));
    EXPECT_EQ(DeleteFromWordList(words, 5), -1);
    EXPECT_EQ(DeleteFromWordList(words, 0), -1);
    EXPECT_TRUE(words.empty());
}

}  // namespace
}  // namespace qf
