// The generation run: ranking, early end, abort between attempts, status texts, and the
// independence of its results from how many threads run the attempts.
#include <gtest/gtest.h>

#include "base/ByteCodec.h"
#include "model/ConstructionFixtures.h"
#include "model/GenerationRun.h"
#include "model/ReferenceConstruction.h"

namespace qf::test {
namespace {

struct Recorder {
    std::vector<RunProgress> seen;
    ProgressCallback Callback() {
        return [this](const RunProgress& p) { seen.push_back(p); };
    }
};

// Lists where one word shares no letter with the rest, so no attempt is complete.
PuzzleRecord NeverCompleteRecord(const ShapeRecord& shape) {
    return WordRecord({"LANTERN", "ORCHARD", "MEADOW", "GARDEN", "CANDLE", "RIVER", "OTTER", "HEDGE", "GLOBE",
                       "FUZZY"},
                      shape);
}

TEST(GenerationRun, RankingKeepsTheEarlierOfEqualScores) {
    RunResults results;
    PuzzleRecord attempt;
    PlacedFlags placed{};
    const int scores[] = {5, 3, 5, 7, 4, 6, 2};
    const int slots[] = {1, 2, 2, 1, 4, 2, 0};
    for (int n = 1; n <= 7; ++n) {
        attempt.title.Set("attempt " + std::to_string(n));
        attempt.grid[0] = static_cast<std::uint8_t>('A' + n);  // seven different grids
        placed[0] = static_cast<std::uint8_t>(n);
        EXPECT_EQ(RankAttempt(results, attempt, placed, scores[n - 1], n), slots[n - 1]) << "attempt " << n;
    }
    EXPECT_EQ(results.scores, (std::array<int, 4>{7, 6, 5, 5}));
    EXPECT_EQ(results.attemptNumbers, (std::array<int, 4>{4, 6, 1, 3}));
    EXPECT_EQ(results.Candidate(1).title.Str(), "attempt 4");
    EXPECT_EQ(results.Candidate(2).title.Str(), "attempt 6");
    EXPECT_EQ(results.Candidate(3).title.Str(), "attempt 1");
    EXPECT_EQ(results.Candidate(4).title.Str(), "attempt 3");
    EXPECT_EQ(results.placed[3][0], 3);

    // A grid equal to a kept one is dropped, whatever its score; one cell of difference is enough.
    attempt.grid[0] = static_cast<std::uint8_t>('A' + 6);
    EXPECT_EQ(RankAttempt(results, attempt, placed, 9, 8), 0);
    attempt.grid[kGridCells - 1] = 'Z';
    EXPECT_EQ(RankAttempt(results, attempt, placed, 9, 9), 1);
}

TEST(GenerationRun, OnlyDifferentGridsAreKept) {
    // One word in a shape with room for it once: every attempt builds the same grid, so one
    // candidate is offered and the run does not end early on four copies of it.
    const ShapeRecord strip = RectangleShape(3, 1);
    PuzzleRecord lone = WordRecord({"CAT"}, strip);
    RunResults one;
    BuildPuzzles(lone, strip, {50, false, false, 5, 1}, one);
    EXPECT_EQ(one.scores, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(one.attemptsMade, 50);

    // A realistic list: every pair of the four candidates differs.
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = WordRecord({"APPLE", "BANANA", "CHERRY", "GRAPE", "LEMON", "MANGO", "MELON", "ORANGE",
                                       "PEACH", "PEAR", "PLUM", "KIWI"},
                                      shape);
    for (int threads : {1, 2}) {
        RunResults results;
        BuildPuzzles(working, shape, {300, false, false, 21, threads}, results);
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b) {
                if (results.scores[b - 1] > 0) {
                    EXPECT_FALSE(SameGrid(results.Candidate(a), results.Candidate(b))) << a << " and " << b;
                }
            }
    }
}

TEST(GenerationRun, FourCompleteAttemptsEndTheRun) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "GARDEN"}, shape);
    // Every attempt places these three words, so the run ends with the fourth attempt.
    for (int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        RunResults results;
        Recorder recorder;
        BuildPuzzles(working, shape, {999, false, false, 42, threads}, results, recorder.Callback());
        EXPECT_EQ(results.scores, (std::array<int, 4>{3, 3, 3, 3}));
        EXPECT_EQ(results.attemptCounter, 999);
        EXPECT_GE(results.attemptsMade, 4);  // attempts repeating a kept grid do not count
        EXPECT_LT(results.attemptsMade, 999);
        EXPECT_EQ(results.attemptNumbers[3], results.attemptsMade);
        ASSERT_EQ(recorder.seen.size(), static_cast<std::size_t>(results.attemptsMade + 1));
        EXPECT_EQ(recorder.seen[0].statusLine, "Creation Attempt #1");
        EXPECT_EQ(recorder.seen[3].statusLine, "Creation Attempt #4");
        EXPECT_TRUE(recorder.seen[0].secondLine.empty());
        EXPECT_FALSE(recorder.seen[0].finished);
        EXPECT_EQ(recorder.seen.back().statusLine, "Creation Attempt #999");
        EXPECT_EQ(recorder.seen.back().secondLine, "Completed");
        EXPECT_TRUE(recorder.seen.back().finished);
        EXPECT_FALSE(recorder.seen.back().aborted);
        EXPECT_FALSE(results.aborted);
    }
}

TEST(GenerationRun, CandidatesAreTheAttemptsOfTheirOwnStreams) {
    const ShapeRecord shape = RectangleShape(13, 11);
    PuzzleRecord working = NeverCompleteRecord(shape);
    working.startCell[4] = 1234;  // leftovers the attempts start from
    const auto before = EncodeRecord(working);
    RunResults results;
    BuildPuzzles(working, shape, {60, true, false, 7, 2}, results);
    EXPECT_EQ(EncodeRecord(working), before) << "the run leaves the working record as it found it";
    EXPECT_EQ(results.seed, 7u);
    EXPECT_EQ(results.attemptsMade, 60);
    EXPECT_EQ(results.attemptCounter, 60);
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        ASSERT_GT(results.attemptNumbers[n - 1], 0);
        PuzzleRecord replay = working;
        AttemptRandom random(7, results.attemptNumbers[n - 1]);
        PlacedFlags placed{};
        EXPECT_EQ(ReferenceConstructGrid(replay, shape, {true, false}, random, placed), results.scores[n - 1]);
        EXPECT_EQ(EncodeRecord(replay), EncodeRecord(results.Candidate(n)));
        EXPECT_EQ(placed, results.placed[n - 1]);
        EXPECT_LT(results.scores[n - 1], 10);
        if (n > 1) {
            EXPECT_GE(results.scores[n - 2], results.scores[n - 1]);
        }
    }
}

TEST(GenerationRun, ThreadCountDoesNotChangeTheResults) {
    const ShapeRecord shape = RectangleShape(20, 20);
    PuzzleRecord working = NeverCompleteRecord(shape);
    RunResults one;
    BuildPuzzles(working, shape, {120, false, true, 99, 1}, one);
    for (int threads : {2, 3}) {
        SCOPED_TRACE(threads);
        RunResults many;
        BuildPuzzles(working, shape, {120, false, true, 99, threads}, many);
        EXPECT_EQ(many.scores, one.scores);
        EXPECT_EQ(many.attemptNumbers, one.attemptNumbers);
        EXPECT_EQ(many.placed, one.placed);
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(EncodeRecord(many.Candidate(n)), EncodeRecord(one.Candidate(n)));
    }
}

TEST(GenerationRun, AbortIsHonouredAfterTheAttemptUnderWay) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = NeverCompleteRecord(shape);
    RunResults upToSeven;
    BuildPuzzles(working, shape, {7, false, false, 5, 1}, upToSeven);
    for (int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        std::atomic<bool> abort{false};
        std::vector<std::string> lines;
        RunResults results;
        BuildPuzzles(working, shape, {999, false, false, 5, threads}, results,
                     [&](const RunProgress& p) {
                         lines.push_back(p.statusLine + "|" + p.secondLine);
                         if (p.statusLine == "Creation Attempt #7") abort = true;  // the user clicks Abort
                     },
                     &abort);
        EXPECT_TRUE(results.aborted);
        EXPECT_EQ(results.attemptsMade, 7);
        EXPECT_EQ(results.attemptCounter, 7);
        ASSERT_EQ(lines.size(), 8u);
        EXPECT_EQ(lines[6], "Creation Attempt #7|");
        EXPECT_EQ(lines[7], "Aborted on creation Attempt #7|");
        EXPECT_EQ(results.scores, upToSeven.scores);
        EXPECT_EQ(results.attemptNumbers, upToSeven.attemptNumbers);
        for (int n = 1; n <= 4; ++n) EXPECT_EQ(EncodeRecord(results.Candidate(n)), EncodeRecord(upToSeven.Candidate(n)));
    }
}

TEST(GenerationRun, SmallLimitsReportNothingAndLeaveSlotsEmpty) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = NeverCompleteRecord(shape);
    Recorder recorder;
    std::atomic<bool> abort{true};  // no abort button without the progress form
    RunResults single;
    BuildPuzzles(working, shape, {1, false, false, 3, 0}, single, recorder.Callback(), &abort);
    EXPECT_TRUE(recorder.seen.empty());
    EXPECT_FALSE(single.aborted);
    EXPECT_EQ(single.attemptsMade, 1);
    EXPECT_GT(single.scores[0], 0);
    EXPECT_EQ(single.scores[1], 0);

    RunResults two;
    BuildPuzzles(working, shape, {2, false, false, 3, 0}, two, recorder.Callback());
    EXPECT_GT(two.scores[1], 0);
    EXPECT_EQ(two.scores[2], 0);
    EXPECT_EQ(two.scores[3], 0);
    ASSERT_EQ(recorder.seen.size(), 3u);
    EXPECT_EQ(recorder.seen[2].statusLine, "Creation Attempt #2");
    EXPECT_EQ(recorder.seen[2].secondLine, "Completed");
}

}  // namespace
}  // namespace qf::test
