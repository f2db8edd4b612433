// Words and clues from a text file into the editor's grid.
#include <gtest/gtest.h>

#include "editor/WordTextImport.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::ScriptedPrompter;
using Lines = std::vector<std::string>;

TEST(WordTextImport, LinesAreCutTrimmedAndEmptyOnesSkipped) {
    EXPECT_EQ(ImportLines("   APPLE   \r\n\r\n  \nBANANA"), (Lines{"APPLE", "BANANA"}));
    // Only the first 255 characters of a line are read; blanks at the cut are trimmed too.
    const std::string longLine = std::string(250, 'x') + "     TAIL";
    EXPECT_EQ(ImportLines(longLine + "\nNEXT"), (Lines{std::string(250, 'x'), "NEXT"}));

    test::TempDir dir;
    Lines lines{"stale"};
    const Outcome missing = ReadImportFile(dir.File("none.txt"), lines);
    EXPECT_EQ(missing.message.text, "Unable to open import file.");
    EXPECT_EQ(missing.message.caption, "Error");
    test::WriteFile(dir.File("w.txt"), "caf\xC3\xA9\n");  // UTF-8 becomes the program's text
    ASSERT_TRUE(ReadImportFile(dir.File("w.txt"), lines).IsDone());
    EXPECT_EQ(lines, (Lines{"caf\xE9"}));
}

TEST(WordTextImport, EachKindFillsTheFirstFreeRows) {
    EditorGrid grid;
    grid.words[0] = "ONE";
    grid.words[2] = "THREE";
    grid.clues[1] = "a clue kept";
    ScriptedPrompter prompter;
    const Outcome words = ImportIntoGrid(grid, {"ALPHA", " BETA ", "GAMMA"}, WordTextKind::Words, "", prompter);
    EXPECT_EQ(words.index, 3);
    EXPECT_EQ(grid.words[1], "ALPHA");
    EXPECT_EQ(grid.clues[1], "a clue kept");  // a word row keeps its clue
    EXPECT_EQ(grid.words[3], "BETA");
    EXPECT_EQ(grid.words[4], "GAMMA");

    // Clues and words-with-clues need a row whose word and clue are both empty.
    ASSERT_TRUE(ImportIntoGrid(grid, {"first clue"}, WordTextKind::Clues, "", prompter).IsDone());
    EXPECT_EQ(grid.clues[5], "first clue");
    ASSERT_TRUE(ImportIntoGrid(grid, {"CAT : a pet", "LONE", ":only a clue", "DOG:x:y"}, WordTextKind::WordsAndClues,
                               " : ", prompter)
                    .IsDone());
    EXPECT_EQ(grid.words[6], "CAT");
    EXPECT_EQ(grid.clues[6], "a pet");
    EXPECT_EQ(grid.words[7], "LONE");
    EXPECT_EQ(grid.clues[7], "");
    EXPECT_EQ(grid.words[8], "");  // an empty word, dropped with its clue when the editor stores the list
    EXPECT_EQ(grid.clues[8], "only a clue");
    EXPECT_EQ(grid.words[9], "DOG");
    EXPECT_EQ(grid.clues[9], "x:y");
    EXPECT_TRUE(prompter.asked.empty());
}

TEST(WordTextImport, SeparatorIsRequiredForWordsAndClues) {
    EditorGrid grid;
    ScriptedPrompter prompter;
    for (const char* separator : {"", " "}) {  // a blank is trimmed away
        const Outcome o = ImportIntoGrid(grid, {"CAT:pet"}, WordTextKind::WordsAndClues, separator, prompter);
        EXPECT_TRUE(o.IsRefused());
        EXPECT_EQ(o.message.text, "No word/clue seperator character specified.");
        EXPECT_EQ(o.message.focus, "SepChar");
    }
    EXPECT_EQ(grid.WordCount(), 0);
}

TEST(WordTextImport, MoreThanTwoHundredWordsAsksAndDropsTheRest) {
    EditorGrid grid;
    for (int r = 0; r < 198; ++r) grid.words[static_cast<std::size_t>(r)] = "W" + std::to_string(r);
    ScriptedPrompter prompter({Answer::No, Answer::Yes});
    const Lines five{"A", "B", "C", "D", "E"};
    EXPECT_TRUE(ImportIntoGrid(grid, five, WordTextKind::Words, "", prompter).IsCancelled());
    EXPECT_EQ(prompter.asked.at(0).text, "Too many words selected.  Last 3 words will not be used.  Continue?");
    EXPECT_EQ(prompter.asked.at(0).caption, "Warning");
    EXPECT_EQ(grid.WordCount(), 198);

    const Outcome yes = ImportIntoGrid(grid, five, WordTextKind::Words, "", prompter);
    EXPECT_EQ(yes.index, 2);
    EXPECT_EQ(grid.WordCount(), 200);
    EXPECT_EQ(grid.words[199], "B");

    grid.words[199].clear();
    EXPECT_EQ(TooManyWordsQuestion(1), "Too many words selected.  Last word will not be used.  Continue?");
}

}  // namespace
}  // namespace qf
