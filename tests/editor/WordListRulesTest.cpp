// The word list editor's rules, without its window.
#include <gtest/gtest.h>

#include "editor/WordListRules.h"
#include "support/Scripted.h"

namespace qf {
namespace {

TEST(WordListRules, SetValuesSqueezesBlankRowsAndCutsToTheFields) {
    EditorGrid grid;
    grid.words[2] = "  OTTER ";
    grid.clues[2] = "  river swimmer ";
    grid.words[6] = std::string(40, 'W');
    grid.clues[6] = std::string(160, 'c');
    grid.clues[4] = "a clue without a word";
    PuzzleRecord working;
    working.Word(3) = "OLD";
    working.inGrid[0] = 1;
    SetValues({"  " + std::string(40, 'T'), std::string(25, 'C'), " Why? "}, grid, working);
    EXPECT_EQ(working.wordCount, 2);
    EXPECT_EQ(working.Word(1).Str(), "OTTER");
    EXPECT_EQ(working.Clue(1).Str(), "river swimmer");
    EXPECT_EQ(working.Word(2).Str(), std::string(30, 'W'));
    EXPECT_EQ(working.Clue(2).Str(), std::string(150, 'c'));
    EXPECT_TRUE(working.Word(3).Empty());  // slots after the last word are emptied
    EXPECT_EQ(working.title.Str(), std::string(35, 'T'));
    EXPECT_EQ(working.category.Str(), std::string(20, 'C'));
    EXPECT_EQ(working.bonusQuestion.Str(), "Why?");
    EXPECT_EQ(working.inGrid[0], 1);  // left alone

    const EditorGrid back = GridOfRecord(working);
    EXPECT_EQ(back.words[0], "OTTER");
    EXPECT_TRUE(back.used[0]);
    EXPECT_FALSE(back.used[1]);
    EXPECT_EQ(CellEditText(kWordColumn, std::string(40, 'x')).size(), 30u);
    EXPECT_EQ(CellEditText(kClueColumn, std::string(200, 'x')).size(), 150u);
}

TEST(WordListRules, ChangesThatCountAndThoseThatDoNot) {
    PuzzleRecord snapshot;
    snapshot.Word(1) = "CAT";
    snapshot.Clue(1) = "pet";
    snapshot.layout.objectCount = 3;
    PuzzleRecord working = snapshot;
    EXPECT_FALSE(PuzzleDiffers(working, snapshot));
    working.Clue(1) = "feline";
    EXPECT_TRUE(PuzzleDiffers(working, snapshot));
    working.Clue(1) = "pet";  // changed and changed back
    EXPECT_FALSE(PuzzleDiffers(working, snapshot));
    working.layout.objects[0].rect = {1, 2, 3, 4};  // objects are not compared
    working.grid[5] = 'Z';
    working.inGrid[9] = 1;
    EXPECT_FALSE(PuzzleDiffers(working, snapshot));
    working.layout.zoom = 3;  // header fields are
    EXPECT_TRUE(PuzzleDiffers(working, snapshot));
    working = snapshot;
    working.words[199].length = 1;  // a length byte alone
    working.words[199].chars[0] = snapshot.words[199].chars[0];
    EXPECT_TRUE(PuzzleDiffers(working, snapshot));
}

TEST(WordListRules, DeleteAndDeleteAll) {
    EditorGrid grid;
    for (int i = 0; i < 3; ++i) {
        grid.words[static_cast<std::size_t>(i)] = "W" + std::to_string(i + 1);
        grid.used[static_cast<std::size_t>(i)] = true;
    }
    grid.words[199] = "LAST";
    DeleteGridRow(grid, 2);
    EXPECT_EQ(grid.words[1], "W3");
    EXPECT_EQ(grid.words[198], "LAST");
    EXPECT_TRUE(grid.words[199].empty());
    DeleteGridRow(grid, 200);  // the last row clears that row only
    DeleteGridRow(grid, 0);    // no row: nothing
    EXPECT_EQ(grid.words[0], "W1");
    EXPECT_EQ(grid.words[198], "LAST");

    test::ScriptedPrompter prompter({Answer::No, Answer::Yes});
    EXPECT_TRUE(DeleteAllWords(grid, prompter).IsCancelled());
    EXPECT_EQ(prompter.asked.at(0).text, "This will remove all words and clues.  Continue?");
    EXPECT_EQ(prompter.asked.at(0).caption, "Warning");
    EXPECT_TRUE(DeleteAllWords(grid, prompter).IsDone());
    EXPECT_EQ(grid.WordCount(), 0);
    EXPECT_TRUE(grid.used[0]);  // the U marks stay
    const Outcome again = DeleteAllWords(grid, prompter);
    EXPECT_EQ(again.message.text, "All words are already cleared.");
    EXPECT_EQ(prompter.asked.size(), 2u);  // asks nothing
}

TEST(WordListRules, SaveNeedsATitleAndACategory) {
    EXPECT_EQ(CheckTitleAndCategory({"  ", "Birds", ""}).message.focus, "Title");
    const Outcome noCategory = CheckTitleAndCategory({"Owls", " ", ""});
    EXPECT_EQ(noCategory.message.text, "No category specified.  Please correct.");
    EXPECT_EQ(noCategory.message.focus, "Category");
    EXPECT_TRUE(CheckTitleAndCategory({"Owls", "Birds", ""}).IsDone());
}

}  // namespace
}  // namespace qf
