// Save's record and the word lists of a candidate.
#include <gtest/gtest.h>

#include "base/ByteCodec.h"
#include "model/CandidateChoice.h"
#include "model/ConstructionFixtures.h"
#include "support/Scripted.h"

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
    EXPECT_TRUE(IncludedWords(results, 5, 4).empty());
}

TEST(CandidateChoice, SaveRefusesAnEmptySlotAndAsksWhenWordsWereLeftOut) {
    const ShapeRecord shape = RectangleShape(12, 12);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, shape);
    RunResults results;
    BuildPuzzles(working, shape, {1, false, false, 17, 1}, results);  // one attempt: one candidate
    ASSERT_EQ(results.scores[1], 0);
    const PuzzleRecord before = working;
    ScriptedPrompter prompter({Answer::No, Answer::Yes});

    const Outcome empty = ChooseCandidate(results, 2, 4, prompter, working);
    EXPECT_TRUE(empty.IsRefused());
    EXPECT_EQ(empty.message.text, "There is no Second Best Fit to save.");
    EXPECT_EQ(empty.message.severity, Severity::Error);
    EXPECT_TRUE(prompter.asked.empty());

    // FUZZY does not fit: the question comes first, and No leaves the working record alone.
    EXPECT_TRUE(ChooseCandidate(results, 1, 4, prompter, working).IsCancelled());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "One or more words did not fit into the puzzle.  Save Puzzle anyway?");
    EXPECT_EQ(prompter.asked[0].caption, "Warning");
    EXPECT_EQ(EncodeRecord(working), EncodeRecord(before));
    EXPECT_TRUE(ChooseCandidate(results, 1, 4, prompter, working).IsDone());
    EXPECT_EQ(working.generated, 1);

    // Every word placed: no question.
    const Outcome all = ChooseCandidate(results, 1, 3, prompter, working);
    EXPECT_TRUE(all.IsDone());
    EXPECT_EQ(prompter.asked.size(), 2u);
}

}  // namespace
}  // namespace qf::test
