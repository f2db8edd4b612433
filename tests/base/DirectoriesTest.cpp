#include "base/Directories.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempDir.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

// An installed program: <prefix>/bin/quernfold with its data in <prefix>/share/quernfold.
TEST(DirectoriesTest, ProgramDirectoryOfBuildFolderInstalledProgramAndOverride) {
    test::TempDir prefix;
    const std::string bin = prefix.File("bin");
    fs::create_directories(bin);

    // No installed data beside it: the executable's own folder, as in the build folder.
    EXPECT_EQ(ProgramDirectoryFor(bin, "../share/quernfold", ""), bin);
    // A file of that name is not a data folder.
    fs::create_directories(prefix.File("share"));
    test::WriteFile(prefix.File("share/quernfold"), "");
    EXPECT_EQ(ProgramDirectoryFor(bin, "../share/quernfold", ""), bin);
    fs::remove(prefix.File("share/quernfold"));

    fs::create_directories(prefix.File("share/quernfold"));
    EXPECT_EQ(ProgramDirectoryFor(bin, "../share/quernfold", ""), prefix.File("share/quernfold"));
    // The variable wins over both, and no relative data folder means the executable's folder.
    EXPECT_EQ(ProgramDirectoryFor(bin, "../share/quernfold", "/opt/qf"), "/opt/qf");
    EXPECT_EQ(ProgramDirectoryFor(bin, "", ""), bin);
    // The build's relative path leads from the binary folder to the data folder.
    EXPECT_FALSE(InstalledDataRelative().empty());
    EXPECT_NE(InstalledDataRelative().front(), '/');
}

TEST(DirectoriesTest, FolderWritableIsTriedAndLeavesNothingBehind) {
    test::TempDir dir;
    EXPECT_TRUE(FolderWritable(dir.Path()));
    EXPECT_TRUE(fs::is_empty(dir.Path()));

    EXPECT_FALSE(FolderWritable(dir.File("missing")));
    test::WriteFile(dir.File("plain.txt"), "x");
    EXPECT_FALSE(FolderWritable(dir.File("plain.txt")));
    EXPECT_FALSE(FolderWritable(""));
    // Not even root can make a file here, whatever the mode bits say.
    EXPECT_FALSE(FolderWritable("/proc"));
}

TEST(DirectoriesTest, DesktopWorkingDirectoryFallsBackToDocuments) {
    test::TempDir home;
    const std::string documents = home.File("Documents");

    // A start folder that can be written is kept, and no documents folder is made.
    EXPECT_EQ(DesktopWorkingDirectory(home.Path(), documents), home.Path());
    EXPECT_FALSE(fs::exists(documents));

    // One that cannot be written gives the documents folder, made when missing.
    EXPECT_EQ(DesktopWorkingDirectory("/proc", documents), documents);
    EXPECT_TRUE(fs::is_directory(documents));
    EXPECT_EQ(DesktopWorkingDirectory(home.File("gone"), documents), documents);

    // Neither usable: the start folder stays, and nothing is made in its place.
    EXPECT_EQ(DesktopWorkingDirectory("/proc", "/proc/quernfold-documents"), "/proc");
    EXPECT_EQ(DesktopWorkingDirectory("/proc", ""), "/proc");
    test::WriteFile(home.File("file"), "");
    EXPECT_EQ(DesktopWorkingDirectory("/proc", home.File("file")), "/proc");
}

}  // namespace
}  // namespace qf
