// Save's record and the word lists of a candidate.
#include <gtest/gtest.h>

#include "model/CandidateChoice.h"
#include "model/ConstructionFixtures.h"

namespace qf::test {
namespace {

TEST(CandidateChoice, SaveMarksTheRecordGeneratedWithItsPlacedWords) {
    const ShapeRecord shape = RectangleShape(12, 12);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, shape);
    working.inGrid.fill(1);  // left over from an earlier grid
    RunResults results;
    BuildPuzzles(working, shape, {6, false, false, 17, 1}, results);
    ASSERT_EQ(results.scores[0], 3);
    EXPECT_EQ(IncludedWords(results, 1, 4).size(), 3u);
    EXPECT_EQ(ExcludedWords(results, 1, 4), (std::vector<std::string>{"FUZZY"}));

    TakeCandidate(results, 1, working);
    EXPECT_EQ(working.generated, 1);
    EXPECT_EQ(working.version.Str(), "3.1a");
    EXPECT_EQ(working.wordCount, 3);
    EXPECT_EQ(working.Word(4).Str(), "FUZZY");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(working.inGrid[i], 1);
    for (int i = 3; i < kMaxWords; ++i) EXPECT_EQ(working.inGrid[i], 0) << i;

    EXPECT_EQ(IncludedLabel(1), "1 Included Word");
    EXPECT_EQ(IncludedLabel(3), "3 Included Words");
    EXPECT_EQ(ExcludedLabel(0), "0 Excluded Words");
    EXPECT_EQ(ExcludedLabel(1), "1 Excluded Word");
    EXPECT_STREQ(kCandidateLabels[3], "Fourth Best Fit");
    EXPECT_TRUE(IncludedWords(results, 5, 4).empty());
}

}  // namespace
}  // namespace qf::test
