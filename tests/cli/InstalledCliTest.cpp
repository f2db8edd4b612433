// The tool installed as a package installs it (<prefix>/bin beside <prefix>/share/quernfold,
// nothing pointing at the build): each user's libraries, word lists and settings go to their
// own folders, the shipped ones stay as they are, and a damaged library is told and put back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/FileUtil.h"
#include "support/TempDir.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

struct InstalledTool {
    test::TempDir prefix, home, work;
    std::string data = prefix.File("share/quernfold");
    InstalledTool() {
        fs::create_directories(prefix.File("bin"));
        fs::create_directories(data);
        fs::copy_file(std::getenv("QF_CLI"), prefix.File("bin/quernfold-cli"));
        const std::string shipped = std::getenv("QUERNFOLD_PROGRAM_DIR");
        for (const char* name : {"QFFLAY.DAT", "QFFPAGE.DAT", "SAMPLE.QF3"})
            fs::copy_file(shipped + "/" + name, data + "/" + name);
    }
    test::CliResult Run(const std::vector<std::string>& args) {
        const std::string cli = std::getenv("QF_CLI");
        setenv("QF_CLI", prefix.File("bin/quernfold-cli").c_str(), 1);
        auto r = test::RunCli(args, work.Path(),
                              {{"QUERNFOLD_PROGRAM_DIR", ""}, {"HOME", home.Path()}, {"XDG_DATA_HOME", ""},
                               {"XDG_CONFIG_HOME", ""}});
        setenv("QF_CLI", cli.c_str(), 1);
        return r;
    }
    std::string UserFile(const std::string& name) const { return home.File(".local/share/quernfold/" + name); }
};

TEST(InstalledCli, EveryWriteGoesToTheUsersFoldersAndTheShippedFilesStay) {
    InstalledTool t;
    const std::string shippedShapes = test::ReadFileText(t.data + "/QFFLAY.DAT");
    auto r = t.Run({"paths"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Program files: " + t.data + "\nShapes library: " + t.UserFile("QFFLAY.DAT") +
                         "\nPage layouts library: " + t.UserFile("QFFPAGE.DAT") + "\nWord lists: " +
                         t.home.File(".local/share/quernfold") + "\nSettings: " +
                         t.home.File(".config/quernfold/QFOLD3.INI") + "\nCollections: " +
                         t.home.File("Documents/Quernfold") + "\n");

    ASSERT_EQ(t.Run({"shapes", "export", "0", t.work.File("one.LAY")}).exitCode, 0);
    r = t.Run({"shapes", "import", t.work.File("one.LAY")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadFileText(t.UserFile("QFFLAY.DAT")).size(), shippedShapes.size() + 2555);
    ASSERT_EQ(t.Run({"layouts", "set-default", "1"}).exitCode, 0);
    EXPECT_NE(test::ReadFileText(t.home.File(".config/quernfold/QFOLD3.INI")).find("Default Page=1\n"),
              std::string::npos);
    EXPECT_EQ(t.Run({"layouts", "set-default", "9999"}).err, "No page layout selected.\n");
    test::WriteFile(t.work.File("QFFUPUZZ.DAT"), std::string(30347, '\0'));
    r = t.Run({"convert-old", t.work.File("QFFUPUZZ.DAT")});
    EXPECT_EQ(r.out, "A new puzzle group named \"" + t.home.File("Documents/Quernfold/OLDPUZZ.QF3") +
                         "\" has been created.\n");
    EXPECT_EQ(test::ReadFileText(t.data + "/QFFLAY.DAT"), shippedShapes);
    EXPECT_FALSE(FileExists(t.data + "/OLDPUZZ.QF3"));

    // A library cut short is told before any command, and put back on request.
    test::WriteFile(t.UserFile("QFFLAY.DAT"), shippedShapes + "cut");
    r = t.Run({"shapes", "list"});
    EXPECT_NE(r.err.find("Your library of puzzle shapes \"" + t.UserFile("QFFLAY.DAT") + "\" is damaged.\n"
                         "quernfold-cli: 'quernfold-cli reset-library shapes' replaces it with the shipped copy\n"),
              std::string::npos)
        << r.err;
    r = t.Run({"reset-library", "shapes"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::ReadFileText(t.UserFile("QFFLAY.DAT")), shippedShapes);
    EXPECT_EQ(test::ReadFileText(t.UserFile("QFFLAY.DAT.old")), shippedShapes + "cut");
    EXPECT_TRUE(t.Run({"shapes", "list"}).err.empty());
}

}  // namespace
}  // namespace qf
