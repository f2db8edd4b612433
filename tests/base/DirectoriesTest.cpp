#include "base/Directories.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

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

// Where the user's files go: beside the program unless it is the installed program, whose
// users each get their own XDG folders, whoever they are (root too).
TEST(DirectoriesTest, OneRuleForPortableAndInstalledPrograms) {
    test::TempDir prefix;
    const std::string bin = prefix.File("bin");
    fs::create_directories(bin);
    const UserEnvironment ann{"/home/ann", "", "", ""};

    struct Row {
        const char* what;
        std::string exeDir, override;
        UserEnvironment env;
        bool installed;
        std::string program, user, config, working;
    };
    const std::string data = prefix.File("share/quernfold");
    std::vector<Row> rows = {
        {"build folder", bin, "", ann, false, bin, bin, "/start", "/start"},
        {"variable set", bin, "/opt/qf", ann, false, "/opt/qf", "/opt/qf", "/start", "/start"},
    };
    const auto expect = [](const Row& r) {
        SCOPED_TRACE(r.what);
        const Directories d = DirectoriesFor(r.exeDir, "../share/quernfold", r.override, "/start", r.env);
        EXPECT_EQ(d.installed, r.installed);
        EXPECT_EQ(d.program, r.program);
        EXPECT_EQ(d.UserFolder(), r.user);
        EXPECT_EQ(d.SettingsFolder(), r.config);
        EXPECT_EQ(d.working, r.working);
        return d;
    };
    for (const Row& r : rows)
        EXPECT_EQ(expect(r).MadeCollection("OLDPUZZ.QF3"), JoinPath(r.program, "OLDPUZZ.QF3")) << r.what;

    fs::create_directories(data);
    rows = {
        {"installed", bin, "", ann, true, data, "/home/ann/.local/share/quernfold", "/home/ann/.config/quernfold",
         "/home/ann/Documents/Quernfold"},
        {"installed, XDG folders and documents", bin, "", {"/home/ann", "/x/data", "/x/config", "/home/ann/Papers"},
         true, data, "/x/data/quernfold", "/x/config/quernfold", "/home/ann/Papers/Quernfold"},
        {"installed, relative XDG folders ignored", bin, "", {"/home/ann", "data", "config", ""}, true, data,
         "/home/ann/.local/share/quernfold", "/home/ann/.config/quernfold", "/home/ann/Documents/Quernfold"},
        {"root, who could write the program folder", bin, "", {"/root", "", "", ""}, true, data,
         "/root/.local/share/quernfold", "/root/.config/quernfold", "/root/Documents/Quernfold"},
        {"installed tree with the variable set", bin, "/opt/qf", ann, false, "/opt/qf", "/opt/qf", "/start", "/start"},
    };
    for (const Row& r : rows) expect(r);
    // The installed program's converted puzzles go to the collections' folder, made for them.
    test::TempDir home;
    const Directories d = DirectoriesFor(bin, "../share/quernfold", "", "/start", {home.Path(), "", "", ""});
    EXPECT_EQ(d.MadeCollection("OLDPUZZ.QF3"), home.File("Documents/Quernfold/OLDPUZZ.QF3"));
    EXPECT_TRUE(fs::is_directory(home.File("Documents/Quernfold")));
    // Directories made by hand (as the tests do) keep everything beside the program.
    const Directories plain{"/p", "/w"};
    EXPECT_EQ(plain.UserFile("IncEngl.tlx"), "/p/IncEngl.tlx");
    EXPECT_EQ(plain.SettingsFolder(), "/w");
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
