// Why a candidate left a word out: each reason on a case built for it, judged on the grid the
// passes left and, through a replay of the run, on real candidates.
#include <gtest/gtest.h>

#include "model/ConstructionFixtures.h"
#include "model/ExclusionReasons.h"

namespace qf::test {
namespace {

// An unfinished grid with `word` written across from (row, column) or down.
void Put(UnfinishedGrid& grid, const std::string& word, int row, int column, bool across) {
    for (std::size_t t = 0; t < word.size(); ++t) {
        const int step = static_cast<int>(t);
        const int k = across ? CellIndex(row, column + step) : CellIndex(row + step, column);
        grid.cells[static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>(word[t]);
    }
}

UnfinishedGrid EmptyGrid() {
    UnfinishedGrid grid;
    grid.cells.fill(kCellBlank);
    return grid;
}

TEST(ExclusionReasons, AWordLongerThanEveryRunOfTheShape) {
    ShapeRecord shape = RectangleShape(9, 9);
    for (int r = 1; r <= 9; ++r) {
        Block(shape, r, 6);  // rows: runs of 5 and 3
        Block(shape, 6, r);  // columns alike
    }
    UnfinishedGrid grid = EmptyGrid();
    Put(grid, "LEMON", 1, 1, true);
    EXPECT_EQ(WhyLeftOut("MELONS", grid, shape, 9, 9, false), ExclusionKind::TooLong);
    // Blanks take no cell: "LIME S" needs 5.
    EXPECT_EQ(WhyLeftOut("LIME S", grid, shape, 9, 9, false), ExclusionKind::NoCrossingPlace);
    EXPECT_EQ(ExclusionText(ExclusionKind::TooLong, 5), "Longer than the longest run of cells in the shape (5)");
}

TEST(ExclusionReasons, AWordSharingNoLetterWithThePlacedWords) {
    const ShapeRecord shape = RectangleShape(12, 12);
    UnfinishedGrid grid = EmptyGrid();
    Put(grid, "LANTERN", 3, 2, true);
    EXPECT_EQ(WhyLeftOut("fuzzy", grid, shape, 12, 12, false), ExclusionKind::NoSharedLetter);
    EXPECT_EQ(WhyLeftOut("fuzzy", grid, shape, 12, 12, true), ExclusionKind::NoSharedLetter);
    // Lower case letters are grid letters after upper-casing: "tuft" shares the T.
    EXPECT_NE(WhyLeftOut("tuft", grid, shape, 12, 12, false), ExclusionKind::NoSharedLetter);

    // The same on a real run: FUZZY is left out of every candidate, for that reason.
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, shape);
    RunResults results;
    BuildPuzzles(working, shape, {6, false, false, 17, 1}, results);
    for (int n = 1; n <= kCandidateCount; ++n) {
        if (results.scores[n - 1] < 1) continue;
        const std::vector<Exclusion> left = ExplainExclusions(results, n, working, shape);
        ASSERT_EQ(left.size(), 1u) << n;
        EXPECT_EQ(left[0].word, "FUZZY");
        EXPECT_EQ(left[0].kind, ExclusionKind::NoSharedLetter);
        EXPECT_EQ(left[0].reason, "Shares no letter with the placed words");
    }
}

TEST(ExclusionReasons, NoFreePlaceThatCrosses) {
    // One row of five: ABCDE fills it, and XA could only cross it across, on top of it.
    const ShapeRecord shape = RectangleShape(5, 1);
    PuzzleRecord working = WordRecord({"ABCDE", "XA"}, shape);
    RunResults results;
    BuildPuzzles(working, shape, {3, false, false, 5, 1}, results);
    ASSERT_EQ(results.scores[0], 1);
    const std::vector<Exclusion> left = ExplainExclusions(results, 1, working, shape);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].word, "XA");
    EXPECT_EQ(left[0].kind, ExclusionKind::NoCrossingPlace);
    EXPECT_EQ(left[0].reason, "No free place where it crosses a placed word");

    // Letters beside a place block it as they block the construction: the only A of the grid
    // has neighbours above and below, and its row is full.
    const ShapeRecord square = RectangleShape(7, 7);
    UnfinishedGrid grid = EmptyGrid();
    Put(grid, "BAB", 3, 4, false);  // down; A at (4, 4)
    Put(grid, "CBC", 3, 3, true);   // across through the first B
    Put(grid, "DBD", 5, 3, true);   // across through the last B
    EXPECT_FALSE(HasCrossingPlace("AX", grid, square, 7, 7));
    EXPECT_EQ(WhyLeftOut("AX", grid, square, 7, 7, true), ExclusionKind::NoCrossingPlace);
    EXPECT_FALSE(HasCrossingPlace("XD", grid, square, 7, 7));  // C above, B after: both Ds shut
    EXPECT_TRUE(HasCrossingPlace("DX", grid, square, 7, 7));   // down from the first D
}

TEST(ExclusionReasons, QuickCreateEndedThePassesBeforeAFreePlaceWasTried) {
    const ShapeRecord shape = RectangleShape(9, 9);
    UnfinishedGrid grid = EmptyGrid();
    Put(grid, "HOUSE", 2, 2, true);
    Put(grid, "SPARK", 2, 5, false);  // down from the S
    // KITE can go across from the K of SPARK; only Quick Create keeps it out.
    ASSERT_TRUE(HasCrossingPlace("KITE", grid, shape, 9, 9));
    EXPECT_EQ(WhyLeftOut("KITE", grid, shape, 9, 9, true), ExclusionKind::QuickCreateStopped);
    EXPECT_EQ(ExclusionText(ExclusionKind::QuickCreateStopped, 0),
              "Quick Create stopped before a free place was tried");
    // The shape decides too: with the rest of K's row unusable, and R above it, no place is left.
    ShapeRecord narrow = shape;
    for (int c = 6; c <= 9; ++c) Block(narrow, 6, c);
    for (int c = 1; c <= 4; ++c) Block(narrow, 6, c);
    EXPECT_FALSE(HasCrossingPlace("KITE", grid, narrow, 9, 9));

    // A chain only three passes can lay: each word crosses only the one after it, by its first
    // letter, and the last crosses the first. Quick Create stops after two passes, so the second
    // word is left out although a place for it is free by then (on the seeds where the chain has
    // room to unroll inside the shape).
    const ShapeRecord big = RectangleShape(20, 20);
    PuzzleRecord working = WordRecord({"MMMMMM", "ZQQQQQ", "KRRRRZ", "MSSSSK"}, big);
    int chains = 0;
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        RunResults slow, quick;
        BuildPuzzles(working, big, {1, false, false, seed, 1}, slow);
        BuildPuzzles(working, big, {1, false, true, seed, 1}, quick);
        if (slow.scores[0] != 4 || quick.scores[0] != 3) continue;
        ++chains;
        const std::vector<Exclusion> left = ExplainExclusions(quick, 1, working, big);
        ASSERT_EQ(left.size(), 1u);
        EXPECT_EQ(left[0].word, "ZQQQQQ");
        EXPECT_EQ(left[0].kind, ExclusionKind::QuickCreateStopped) << seed;
    }
    EXPECT_GT(chains, 0);
}

TEST(ExclusionReasons, NoReasonsForEmptySlotsOrARecordTheRunDidNotStartFrom) {
    const ShapeRecord shape = RectangleShape(12, 12);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, shape);
    RunResults results;
    BuildPuzzles(working, shape, {1, false, false, 17, 1}, results);
    EXPECT_TRUE(ExplainExclusions(results, 2, working, shape).empty());
    EXPECT_TRUE(ExplainExclusions(results, 0, working, shape).empty());
    // Another word list: the replay gives another grid, so the words are listed without reasons.
    PuzzleRecord other = WordRecord({"LANTERN", "CANDLE", "FUZZY", "GRADE"}, shape);
    const std::vector<Exclusion> left = ExplainExclusions(results, 1, other, shape);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].kind, ExclusionKind::Unknown);
    EXPECT_TRUE(left[0].reason.empty());
}

}  // namespace
}  // namespace qf::test
