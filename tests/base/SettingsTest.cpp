// The settings file: defaults, reading rules, cuts, and what a load-and-save leaves behind.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "base/Settings.h"
#include "support/TempDir.h"

namespace qf {
namespace {

Directories In(const test::TempDir& dir) { return Directories{"/opt/quernfold", dir.Path()}; }

Settings LoadWith(const test::TempDir& dir, const std::string& ini) {
    test::WriteFile(dir.File("QFOLD3.INI"), ini);
    return LoadSettings(In(dir));
}

TEST(Settings, MissingFileGivesTheDefaults) {
    test::TempDir dir;
    const Settings s = LoadSettings(In(dir));
    EXPECT_EQ(s.lastImportPuzzleFile, dir.Path());
    EXPECT_EQ(s.lastExportTextFile, dir.Path());
    EXPECT_EQ(s.lastGroup, dir.File("DEFAULT.QF3"));
    EXPECT_EQ(s.windowSize, 0);  // Automatic
    EXPECT_TRUE(s.backgroundBitmap);
    EXPECT_EQ(s.firstHeader.text, "My Puzzle");
    EXPECT_TRUE(s.firstHeader.bold);
    EXPECT_TRUE(s.firstHeader.center);
    EXPECT_EQ(s.firstHeader.fontSize, 4);
    EXPECT_EQ(s.secondFooter.fontSize, 3);
    EXPECT_EQ(s.webTitle, "Crossword Puzzle");
    EXPECT_EQ(s.sepChar, ':');
    EXPECT_EQ(s.exportOption, 3);
    EXPECT_EQ(s.intKeys[0], "0225");
    EXPECT_EQ(s.intKeys[11], "0242");
    EXPECT_EQ(s.zoom, 2);
    EXPECT_EQ(s.pageDesignerHeight, 480);
    EXPECT_EQ(s.jpegQuality, 50);
    EXPECT_EQ(s.acrossLabel, "Across");
    EXPECT_EQ(s.downLabel, "Down");
    EXPECT_EQ(s.wordSepChar, ' ');
    EXPECT_EQ(s.editFont.name, "Arial");
}

TEST(Settings, AFileThatCannotBeReadOrWrittenGivesTheDefaultsAndIsLeftAlone) {
    test::TempDir dir;
    // A folder of that name: reading it used to end the program with an uncaught exception.
    std::filesystem::create_directory(dir.File("QFOLD3.INI"));
    Settings s = LoadSettings(In(dir));
    EXPECT_EQ(s.windowSize, 0);
    EXPECT_EQ(s.lastGroup, dir.File("DEFAULT.QF3"));
    s.windowSize = 1024;
    EXPECT_FALSE(SaveSettings(s, In(dir)));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("QFOLD3.INI")));

    // A read-only file is read, and not written, whoever runs the program.
    std::filesystem::remove(dir.File("QFOLD3.INI"));
    const std::string ini = "[Misc]\nWindow Size=800\n[Mine]\nKeep=1\n";
    test::WriteFile(dir.File("QFOLD3.INI"), ini);
    ::chmod(dir.File("QFOLD3.INI").c_str(), 0444);
    s = LoadSettings(In(dir));
    EXPECT_EQ(s.windowSize, 800);
    s.windowSize = 1280;
    EXPECT_FALSE(SaveSettings(s, In(dir)));
    EXPECT_EQ(test::ReadFileText(dir.File("QFOLD3.INI")), ini);
}

TEST(Settings, LastGroupPrefersTheSampleOnlyWhenThereIsNoDefault) {
    test::TempDir dir;
    test::WriteFile(dir.File("SAMPLE.QF3"), "");
    EXPECT_EQ(LoadSettings(In(dir)).lastGroup, dir.File("SAMPLE.QF3"));
    test::WriteFile(dir.File("DEFAULT.QF3"), "");
    EXPECT_EQ(LoadSettings(In(dir)).lastGroup, dir.File("DEFAULT.QF3"));
    // A stored value wins over either.
    EXPECT_EQ(LoadWith(dir, "[Misc]\nLast Group=/data/MINE.QF3\n").lastGroup, "/data/MINE.QF3");
}

TEST(Settings, ReadingRulesForBooleansIntegersAndCharacters) {
    test::TempDir dir;
    const Settings s = LoadWith(dir,
                                "[Misc]\nShow Tips=yEs\nBackground Bitmap=Y\nWindow Size=1024x\n"
                                "Dictionary=  -3\nThesaurus=-2b\n"
                                "[HTML]\nBold First Header=1\nItalic First Header=True\nCenter First Header=\n"
                                "[Create Options]\nAttempts=\nSep Char=\nShrink=YES\nQuick Build=yes please\nThorough Fill=Yes\n"
                                "Import Option=2\n"
                                "[Reports]\nWord Sep Char=\nBox Color=255\n"
                                "[Edit Font]\nBold=Yes\nColor=16711680\nFont Name=Courier New\n");
    EXPECT_TRUE(s.showTips);
    EXPECT_FALSE(s.backgroundBitmap);
    EXPECT_EQ(s.windowSize, 1024);
    EXPECT_EQ(s.dictionary, -3);
    EXPECT_EQ(s.thesaurus, 2);
    EXPECT_FALSE(s.firstHeader.bold);
    EXPECT_FALSE(s.firstHeader.italic);
    EXPECT_FALSE(s.firstHeader.center);
    EXPECT_EQ(s.attempts, 0);
    EXPECT_EQ(s.sepChar, ':');
    EXPECT_TRUE(s.shrink);
    EXPECT_FALSE(s.quickBuild);
    EXPECT_TRUE(s.thoroughFill);
    const test::TempDir fresh;
    EXPECT_FALSE(LoadSettings(In(fresh)).thoroughFill) << "off unless set";
    EXPECT_EQ(s.importOption, 2);
    EXPECT_EQ(s.wordSepChar, ' ');
    EXPECT_EQ(s.boxColor, 255);
    EXPECT_TRUE(s.editFont.bold);
    EXPECT_EQ(s.editFont.color, 16711680);
    EXPECT_EQ(s.editFont.name, "Courier New");
}

TEST(Settings, TextsAreCutByTheirReadBufferAndCapacity) {
    test::TempDir dir;
    const std::string path200(200, 'p');
    const std::string longText(1200, 'h');
    const Settings s = LoadWith(dir, "[Misc]\nLast Import Word File=" + path200 + "\nLast File 1=" + path200 +
                                         path200 + "\nLast Group=" + path200 +
                                         "\n[HTML]\nFirst Header=" + longText + "\nWeb Title=" + longText +
                                         "\n[Create Options]\nInt Key 3=012345\n[Reports]\nLetters=" + longText +
                                         "\nAcross Label=" + longText + "\n");
    EXPECT_EQ(s.lastImportWordFile, path200.substr(0, 149));
    EXPECT_EQ(s.lastFiles[0].size(), 254u);
    EXPECT_EQ(s.lastGroup.size(), 149u);
    EXPECT_EQ(s.firstHeader.text.size(), 999u);
    EXPECT_EQ(s.webTitle.size(), 100u);
    EXPECT_EQ(s.intKeys[2], "0123");
    EXPECT_EQ(s.letters.size(), 25u);
    EXPECT_EQ(s.acrossLabel.size(), 25u);
}

TEST(Settings, SaveWritesEveryKeyInSectionOrderAndReadsBackTheSame) {
    test::TempDir dir;
    Settings s = LoadSettings(In(dir));
    s.wordSepChar = ' ';
    s.letters = " AE ";
    s.secondHeader.text = "  indented";
    s.dictionary = -1;
    s.lastFiles[4] = "/x/y.QF3";
    ASSERT_TRUE(SaveSettings(s, In(dir)));

    const std::string text = test::ReadFileText(dir.File("QFOLD3.INI"));
    const std::vector<std::string> sections = {"[Misc]", "[HTML]", "[Create Options]", "[Page Layout]",
                                               "[Reports]", "[Edit Font]", "[Label Font]", "[Button Font]"};
    std::size_t at = 0;
    for (const auto& section : sections) {
        const std::size_t found = text.find(section, at);
        ASSERT_NE(found, std::string::npos) << section;
        at = found;
    }
    // One line per key: 28 Misc (with "Puzzle Picture", off by default), 23 HTML, 21 Create Options (with "Thorough Fill", off by
    // default), 6 Page Layout, 29 Reports (with "Mark Answer Key", off by default), 3 x 4 fonts.
    std::size_t keys = 0;
    for (std::size_t p = text.find('='); p != std::string::npos; p = text.find('=', p + 1)) ++keys;
    EXPECT_EQ(keys, 28u + 23u + 21u + 6u + 29u + 12u);

    const Settings back = LoadSettings(In(dir));
    EXPECT_EQ(DumpSettings(back), DumpSettings(s));
    EXPECT_EQ(back.wordSepChar, ' ');
    EXPECT_EQ(back.letters, " AE ");
    EXPECT_EQ(back.secondHeader.text, "  indented");
}

TEST(Settings, DumpListsEveryKeyInWritingOrder) {
    test::TempDir dir;
    const std::string dump = DumpSettings(LoadSettings(In(dir)));
    EXPECT_EQ(dump.substr(0, dump.find('\n')), "[Misc] Last Import Puzzle File=" + dir.Path());
    EXPECT_NE(dump.find("[Reports] Word Sep Char= \n"), std::string::npos);
    EXPECT_NE(dump.find("[Create Options] Int Key 10=0224\n"), std::string::npos);
    EXPECT_EQ(dump.substr(dump.rfind('[')), "[Button Font] Color=0\n");
}

TEST(Settings, PathJoinsWithoutADoubledSeparatorAtTheRoot) {
    EXPECT_EQ(SettingsPath(Directories{"/p", "/"}), "/QFOLD3.INI");
    EXPECT_EQ(SettingsPath(Directories{"/p", "/home/u"}), "/home/u/QFOLD3.INI");
}

}  // namespace
}  // namespace qf
