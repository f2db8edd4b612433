#include <gtest/gtest.h>

#include "collections/CollectionFixtures.h"
#include "collections/PuzzleStart.h"
#include "layouts/LayoutLibrary.h"

namespace qf {
namespace {

TEST(PuzzleStart, NewPuzzleClearsTheWordsAndLoadsTheDefaultLayout) {
    test::TempDir dir;
    auto working = test::MakePuzzle("Old", "Old title", 3);
    working->generated = 1;
    working->wordCount = 12;
    const auto gridBefore = working->grid;
    PageLayoutRecord second;
    second.name = "Second";
    ASSERT_TRUE(AppendLayout(dir.File("QFFPAGE.DAT"), PageLayoutRecord{}).IsDone());
    ASSERT_TRUE(AppendLayout(dir.File("QFFPAGE.DAT"), second).IsDone());

    StartNewPuzzle(*working, dir.File("QFFPAGE.DAT"), 1);
    EXPECT_TRUE(working->title.Empty());
    EXPECT_TRUE(working->category.Empty());
    EXPECT_TRUE(working->bonusQuestion.Empty());
    EXPECT_EQ(working->width, 15);
    EXPECT_EQ(working->height, 15);
    EXPECT_EQ(working->wordCount, 0);
    EXPECT_EQ(working->generated, 0);
    for (int i = 1; i <= kMaxWords; ++i) {
        EXPECT_TRUE(working->Word(i).Empty());
        EXPECT_TRUE(working->Clue(i).Empty());
        EXPECT_EQ(working->inGrid[static_cast<std::size_t>(i - 1)], 0);
    }
    EXPECT_EQ(working->layout.name.Str(), "Second");
    EXPECT_EQ(working->grid, gridBefore);  // meaningless now, and left alone
}

TEST(PuzzleStart, CopiesAreOfferedUnderTheirCopyName) {
    auto working = test::MakePuzzle("Sea", "Sea Life", 4);
    working->inGrid.fill(1);
    StartCopyOfPuzzle(*working);
    EXPECT_EQ(working->title.Str(), "Sea Life (2)");
    EXPECT_EQ(working->inGrid[0], 0);
    EXPECT_EQ(working->inGrid[199], 0);
    StartCopyOfPuzzle(*working);
    EXPECT_EQ(working->title.Str(), "Sea Life (3)");
    working->title = std::string(35, 'x');
    StartCopyOfPuzzle(*working);
    EXPECT_EQ(working->title.Str(), std::string(35, 'x'));  // " (2)" does not fit in 35
}

}  // namespace
}  // namespace qf
