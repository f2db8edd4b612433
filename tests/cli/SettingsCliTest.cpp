// quernfold-cli settings and the tool's own conventions, driven as a user would.
#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace qf {
namespace {

using test::RunCli;

TEST(SettingsCli, SaveInAnEmptyFolderWritesEveryDefault) {
    test::TempDir dir;
    const auto r = RunCli({"settings", "save"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string ini = test::ReadFileText(dir.File("QFOLD3.INI"));
    EXPECT_EQ(ini.rfind("[Misc]\nLast Import Puzzle File=" + dir.Path() + "\n", 0), 0u);
    for (const char* line : {"Last Group=", "Window Size=0\n", "Show Tips=Yes\n", "[HTML]\nFirst Header=My Puzzle\n",
                             "Web Title=Crossword Puzzle\n", "[Create Options]\nShrink=No\n", "Sep Char=:\n",
                             "Int Key 12=0242\n", "[Page Layout]\nZoom=2\n", "Default Page=0\n",
                             "[Reports]\nDefault Printer=Yes\n", "JPeg Compression Quality=50\n",
                             "Word Sep Char=\" \"\n", "[Edit Font]\nFont Name=Arial\nBold=No\nItalic=No\nColor=0\n",
                             "[Button Font]\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line;

    // The dump shows the same values in the same order.
    const auto dump = RunCli({"settings", "dump"}, dir.Path());
    ASSERT_EQ(dump.exitCode, 0);
    EXPECT_NE(dump.out.find("[Reports] Word Sep Char= \n"), std::string::npos);
    EXPECT_LT(dump.out.find("[Misc] Show Tips=Yes"), dump.out.find("[HTML] First Header=My Puzzle"));
}

TEST(SettingsCli, HandEditsAndUnknownKeysSurviveASave) {
    test::TempDir dir;
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path()).exitCode, 0);
    std::string ini = test::ReadFileText(dir.File("QFOLD3.INI"));
    const std::string from = "Window Size=0";
    ini.replace(ini.find(from), from.size(), "window size=1024\nMy Own Key=keep me");
    ini += "\n[My Section]\nAnswer=42\n";
    test::WriteFile(dir.File("QFOLD3.INI"), ini);

    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path()).exitCode, 0);
    const std::string after = test::ReadFileText(dir.File("QFOLD3.INI"));
    EXPECT_NE(after.find("Window Size=1024\nMy Own Key=keep me\n"), std::string::npos) << after;
    EXPECT_EQ(after.find("Window Size=0"), std::string::npos);
    EXPECT_NE(after.find("[My Section]\nAnswer=42\n"), std::string::npos);
    // Saving again changes nothing.
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path()).exitCode, 0);
    EXPECT_EQ(test::ReadFileText(dir.File("QFOLD3.INI")), after);
}

TEST(SettingsCli, SaveCorrectsLanguagesWhoseFilesAreMissingAsStartUpDoes) {
    test::TempDir dir;
    test::TempDir program;  // only the American spelling and thesaurus files are installed
    test::WriteFile(program.File("ssceam1.clx"), "");
    test::WriteFile(program.File("thesdbam.cth"), "");
    test::WriteFile(dir.File("QFOLD3.INI"), "[Misc]\nDictionary=5\nThesaurus=2\n");
    const std::vector<std::pair<std::string, std::string>> env{{"QUERNFOLD_PROGRAM_DIR", program.Path()}};
    const auto dump = RunCli({"settings", "dump"}, dir.Path(), env);
    EXPECT_NE(dump.out.find("[Misc] Dictionary=1\n"), std::string::npos) << dump.out;
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path(), env).exitCode, 0);
    std::string ini = test::ReadFileText(dir.File("QFOLD3.INI"));
    EXPECT_NE(ini.find("Dictionary=1\n"), std::string::npos);
    EXPECT_NE(ini.find("Thesaurus=1\n"), std::string::npos);

    // Without any language: none. The choice made at spell-check time (9) is never corrected.
    test::TempDir empty;
    test::WriteFile(dir.File("QFOLD3.INI"), "[Misc]\nDictionary=1\nThesaurus=1\n");
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path(), {{"QUERNFOLD_PROGRAM_DIR", empty.Path()}}).exitCode, 0);
    ini = test::ReadFileText(dir.File("QFOLD3.INI"));
    EXPECT_NE(ini.find("Dictionary=0\n"), std::string::npos);
    EXPECT_NE(ini.find("Thesaurus=0\n"), std::string::npos);
    test::WriteFile(dir.File("QFOLD3.INI"), "[Misc]\nDictionary=9\n");
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path(), {{"QUERNFOLD_PROGRAM_DIR", empty.Path()}}).exitCode, 0);
    EXPECT_NE(test::ReadFileText(dir.File("QFOLD3.INI")).find("\nDictionary=9\n"), std::string::npos);
}

TEST(ToolConventions, VersionUsageAndExitCodes) {
    test::TempDir dir;
    const auto version = RunCli({"--version"}, dir.Path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("quernfold-cli ", 0), 0u);

    const auto none = RunCli({}, dir.Path());
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.err.find("usage:"), std::string::npos);

    const auto unknown = RunCli({"frobnicate"}, dir.Path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("unknown command 'frobnicate'"), std::string::npos);

    const auto extra = RunCli({"settings", "dump", "--bogus"}, dir.Path());
    EXPECT_EQ(extra.exitCode, 2);
    EXPECT_NE(extra.err.find("unexpected '--bogus'"), std::string::npos);

    const auto help = RunCli({"help", "settings"}, dir.Path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("settings save"), std::string::npos);
}

TEST(LayoutsCli, DefaultLayoutAsAnExchangeFile) {
    test::TempDir dir;
    const auto r = RunCli({"layouts", "default", "--out", dir.File("NEW.PAG")}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string pag = test::ReadFileText(dir.File("NEW.PAG"));
    ASSERT_EQ(pag.size(), 6u + 28868u);
    EXPECT_EQ(pag.substr(0, 6), "PAG1.0");
    EXPECT_EQ(pag.substr(7, 8), "New Page");
    EXPECT_EQ(pag[6], 8);
    EXPECT_EQ(pag.substr(6 + 22, 6), "Letter");

    const auto bad = RunCli({"layouts", "default", "--out", dir.File("no/such/dir/X.PAG")}, dir.Path());
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "Page layout could not be exported.\n");
}

}  // namespace
}  // namespace qf
