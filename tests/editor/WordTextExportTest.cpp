// The editor's words and clues written to a text file, and read back.
#include <gtest/gtest.h>

#include "editor/IntKeys.h"
#include "editor/WordTextExport.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

std::vector<std::string> Texts(const std::vector<ExportItem>& items) {
    std::vector<std::string> texts;
    for (const auto& item : items) texts.push_back(item.text);
    return texts;
}

TEST(WordTextExport, EachKindListsItsRowsSortedWithTheirUsedMark) {
    EditorGrid grid;
    grid.words[0] = " pear ";
    grid.clues[0] = " a fruit ";
    grid.used[0] = true;
    grid.words[1] = "Apple";
    grid.words[3] = "";
    grid.clues[3] = "clue without a word";
    grid.words[4] = "\xC9" "clair";  // an accented E sorts with the E's
    grid.clues[4] = "cake";
    EXPECT_EQ(Texts(ExportItems(grid, WordTextKind::Words, ":")), (std::vector<std::string>{"Apple", "\xC9" "clair", "pear"}));
    // Clues: rows with a word but no clue are passed over.
    const auto clues = ExportItems(grid, WordTextKind::Clues, ":");
    EXPECT_EQ(Texts(clues), (std::vector<std::string>{"a fruit", "cake", "clue without a word"}));
    EXPECT_TRUE(clues[0].used);
    EXPECT_FALSE(clues[1].used);
    // Words and clues: padded to 31, the separator trimmed (":" when empty), a blank, the clue.
    const auto both = ExportItems(grid, WordTextKind::WordsAndClues, "  ");
    ASSERT_EQ(both.size(), 4u);
    EXPECT_EQ(both[0].text, std::string(31, ' ') + ": clue without a word");
    EXPECT_EQ(both[1].text, "Apple" + std::string(26, ' ') + ": ");
    EXPECT_EQ(WordAndClueLine("pear", "a fruit", "#"), "pear" + std::string(27, ' ') + "# a fruit");
    const std::string longWord(40, 'W');
    EXPECT_EQ(WordAndClueLine(longWord, "x", ";"), longWord + "; x");  // never cut
}

TEST(WordTextExport, FilesEndEveryLineWithCrLfAndReadBackTheSame) {
    test::TempDir dir;
    const std::string path = dir.File("out.txt");
    ASSERT_TRUE(WriteExportFile(path, {"caf\xE9" + std::string(27, ' ') + ": a drink", "TEA"}).IsDone());
    EXPECT_EQ(test::ReadFileText(path), "caf\xE9" + std::string(27, ' ') + ": a drink\r\nTEA\r\n");

    // Round trip through the import: the same entries, the same grid.
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadImportFile(path, lines).IsDone());
    EditorGrid grid;
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(ImportIntoGrid(grid, lines, WordTextKind::WordsAndClues, ":", prompter).IsDone());
    EXPECT_EQ(grid.words[0], "caf\xE9");
    EXPECT_EQ(grid.clues[0], "a drink");
    EXPECT_EQ(grid.words[1], "TEA");
    EXPECT_EQ(grid.clues[1], "");

    // A file that cannot be created is refused and an existing file keeps its bytes.
    const Outcome refused = WriteExportFile(dir.File("no/such/folder/out.txt"), {"X"});
    EXPECT_EQ(refused.message.text, "Unable to create export file.");
    EXPECT_EQ(refused.message.caption, "Error");
    EXPECT_FALSE(WriteExportFile(dir.Path(), {"X"}).IsDone());
}

TEST(WordTextExport, Utf8CharactersOutsideTheProgramsTextAreReportedNotDropped) {
    test::TempDir dir;
    test::WriteFile(dir.File("u.txt"), "\xEF\xBB\xBF" "ni\xC3\xB1o\r\n\xE2\x98\x83 snowman\nlast");
    std::vector<std::string> lines;
    const Outcome read = ReadImportFile(dir.File("u.txt"), lines);
    EXPECT_TRUE(read.IsDone());
    EXPECT_EQ(read.message.text, kImportCharactersReplaced);
    EXPECT_EQ(read.message.caption, "Warning");
    EXPECT_EQ(lines, (std::vector<std::string>{"ni\xF1o", "? snowman", "last"}));
    // Windows-1252 text is taken as it is, without a word.
    test::WriteFile(dir.File("w.txt"), "ni\xF1o\n");
    EXPECT_TRUE(ReadImportFile(dir.File("w.txt"), lines).message.Empty());
    EXPECT_EQ(lines, (std::vector<std::string>{"ni\xF1o"}));
}

TEST(IntKeys, SettingsStandForCodes192To255) {
    EXPECT_EQ(IntKeyCode("0237"), 237);
    EXPECT_EQ(IntKeyCode("0100"), 192);
    EXPECT_EQ(IntKeyCode("0256"), 192);
    EXPECT_EQ(IntKeyCode("abc"), 192);
    EXPECT_EQ(IntKeyCode(""), 192);
    EXPECT_EQ(IntKeySetting(192), "0192");
    EXPECT_EQ(IntKeySetting(255), "0255");
}

}  // namespace
}  // namespace qf
