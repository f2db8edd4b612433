// The thorough fill: every grid it keeps is the one the step-by-step reference builds from its
// placements; the same seed and budget give the same grids on any number of threads; it never
// offers fewer words than the run it starts from; what stops a complete grid is named, with
// its reason; and the shape it suggests holds the words.
#include <gtest/gtest.h>

#include <random>

#include "base/ByteCodec.h"
#include "model/ConstructionFixtures.h"
#include "model/ExclusionReasons.h"
#include "model/ReferenceConstruction.h"
#include "model/ShapeSuggestion.h"
#include "model/ThoroughFill.h"

namespace qf::test {
namespace {

constexpr std::int64_t kSmallBudget = 400'000;

// `count` different words of the vocabulary, drawn with `seed`; a few carry a blank, a hyphen
// or an accented letter, which occupy cells as the attempt lays them.
std::vector<std::string> DrawWords(int count, std::uint64_t seed) {
    std::vector<std::string> pool = Vocabulary();
    std::mt19937_64 rng(seed);
    std::shuffle(pool.begin(), pool.end(), rng);
    pool.resize(static_cast<std::size_t>(count));
    if (count > 8) {
        pool[3].insert(2, " ");
        pool[5].insert(1, "-");
        pool[7][0] = '\xe9';
    }
    return pool;
}

ShapeRecord Holed(int side) {
    ShapeRecord shape = RectangleShape(side, side);
    for (int k = 1; k <= side; k += 4) Block(shape, k, (k * 7) % side + 1);
    Block(shape, side / 2, side / 2);
    return shape;
}

struct Fill {
    std::unique_ptr<PuzzleRecord> working;
    RunResults results;
    ThoroughReport report;
};

Fill RunFill(const std::vector<std::string>& words, const ShapeRecord& shape, RunOptions run,
             std::int64_t budget = kSmallBudget, int threads = 2) {
    Fill f;
    f.working = std::make_unique<PuzzleRecord>(WordRecord(words, shape));
    ThoroughOptions options;
    options.steps = budget;
    options.threads = threads;
    ThoroughFill(*f.working, shape, run, options, f.results, f.report);
    return f;
}

// Checks every search grid of `f` against the reference; returns how many it checked.
int CheckedByReference(const Fill& f, const ShapeRecord& shape, const RunOptions& run) {
    int checked = 0;
    for (int n = 1; n <= kCandidateCount; ++n) {
        const auto& order = f.report.orders[static_cast<std::size_t>(n - 1)];
        if (order.empty()) continue;
        std::vector<ReferencePlacement> places;
        for (const WordPlacement& p : order) places.push_back({p.slot + 1, p.start, p.across});
        auto replay = std::make_unique<PuzzleRecord>(*f.working);
        PlacedFlags placed{};
        SCOPED_TRACE("candidate " + std::to_string(n));
        EXPECT_EQ(ReferenceReplayPlacements(*replay, shape, {run.shrink, run.quickCreate}, places, placed),
                  f.results.scores[static_cast<std::size_t>(n - 1)]);
        EXPECT_TRUE(EncodeRecord(*replay) == EncodeRecord(f.results.Candidate(n)));
        EXPECT_EQ(placed, f.results.placed[static_cast<std::size_t>(n - 1)]);
        EXPECT_EQ(f.results.attemptNumbers[static_cast<std::size_t>(n - 1)], 0);
        ++checked;
    }
    return checked;
}

TEST(ThoroughFill, TheReferenceBuildsEveryGridItKeepsAndTheRunIsNeverBeaten) {
    struct Case {
        int words, side;
        bool holed, shrink, quick;
        int attempts = 20;
    };
    // The sparse lists with one run's attempt leave the search equal grids to keep, which Shrink
    // trims at the top or at the left by the direction of the first word laid.
    const Case cases[] = {
        {15, 11, false, true, false}, {15, 15, true, false, false}, {30, 15, false, true, true},
        {30, 17, true, true, false},  {45, 19, false, false, true}, {60, 21, true, true, false},
        {9, 25, false, true, false, 1}, {12, 21, true, true, true, 1},
    };
    int checked = 0;
    for (const Case& c : cases) {
        for (std::uint64_t seed : {3u, 17u}) {
            const ShapeRecord shape = c.holed ? Holed(c.side) : RectangleShape(c.side, c.side);
            auto words = DrawWords(c.words, seed * 31 + static_cast<std::uint64_t>(c.words));
            if (c.attempts == 1) words.back() = "\xbf\xbf\xbf";  // shares no letter: never complete
            RunOptions run;
            run.attempts = c.attempts;
            run.seed = seed;
            run.shrink = c.shrink;
            run.quickCreate = c.quick;
            SCOPED_TRACE(std::to_string(c.words) + " words, side " + std::to_string(c.side) + ", seed " +
                         std::to_string(seed));
            const Fill f = RunFill(words, shape, run);
            checked += CheckedByReference(f, shape, run);

            RunResults alone;
            PuzzleRecord working = WordRecord(words, shape);
            BuildPuzzles(working, shape, run, alone);
            EXPECT_EQ(f.report.describedBest, alone.scores[0]);
            for (int n = 0; n < kCandidateCount; ++n) EXPECT_GE(f.results.scores[n], alone.scores[n]) << n + 1;
            EXPECT_TRUE(EncodeRecord(*f.working) == EncodeRecord(WordRecord(words, shape))) << "working record changed";
        }
    }
    EXPECT_GE(checked, 12) << "too few grids came from the search to prove anything";
}

TEST(ThoroughFill, SameSeedAndBudgetGiveTheSameGridsOnAnyNumberOfThreads) {
    const ShapeRecord shape = RectangleShape(15, 15);
    const auto words = DrawWords(30, 99);
    RunOptions run;
    run.attempts = 10;
    run.seed = 5;
    run.shrink = true;
    const Fill one = RunFill(words, shape, run, kSmallBudget, 1);
    const Fill two = RunFill(words, shape, run, kSmallBudget, 2);
    const Fill three = RunFill(words, shape, run, kSmallBudget, 3);
    for (const Fill* other : {&two, &three}) {
        EXPECT_EQ(other->results.scores, one.results.scores);
        EXPECT_EQ(other->report.steps, one.report.steps);
        for (int n = 1; n <= kCandidateCount; ++n)
            EXPECT_TRUE(EncodeRecord(other->results.Candidate(n)) == EncodeRecord(one.results.Candidate(n))) << n;
    }
    EXPECT_FALSE(one.report.cutShort);
    EXPECT_GT(one.report.steps, kSmallBudget / 2);
}

TEST(ThoroughFill, WhatStopsACompleteGridIsNamedWithItsReason) {
    // ZUZU shares no letter with the other words; the rest crowd a small square.
    std::vector<std::string> words = DrawWords(24, 8);
    words.push_back("ZUZU");
    for (auto& w : words) {
        if (w.find_first_of("zu") != std::string::npos && w != "ZUZU") w = "lantern";
    }
    const ShapeRecord shape = RectangleShape(11, 11);
    RunOptions run;
    run.attempts = 5;
    run.seed = 4;
    const Fill f = RunFill(words, shape, run);
    const int total = static_cast<int>(words.size());
    ASSERT_LT(f.results.scores[0], total);
    EXPECT_EQ(static_cast<int>(f.report.blocking.size()), total - f.results.scores[0]);
    EXPECT_NE(std::find(f.report.blocking.begin(), f.report.blocking.end(), "ZUZU"), f.report.blocking.end());
    ASSERT_TRUE(f.report.orders[0].size() > 0) << "the best grid should be the search's";

    const auto reasons = ExplainExclusions(f.results, 1, *f.working, shape);
    ASSERT_EQ(reasons.size(), f.report.blocking.size());
    for (const Exclusion& e : reasons) {
        const auto letters = e.word.size() - static_cast<std::size_t>(std::count(e.word.begin(), e.word.end(), ' '));
        const ExclusionKind expected = e.word == "ZUZU" ? ExclusionKind::NoSharedLetter
                                       : letters > 11   ? ExclusionKind::TooLong
                                                        : ExclusionKind::NoCrossingPlace;
        EXPECT_EQ(e.kind, expected) << e.word;
        EXPECT_FALSE(e.reason.empty());
    }
}

TEST(ThoroughFill, AClockCapOnlyCutsTheSearchShortAndSaysSo) {
    const ShapeRecord shape = RectangleShape(13, 13);
    const auto words = DrawWords(40, 12);
    RunOptions run;
    run.attempts = 10;
    run.seed = 9;
    Fill f;
    f.working = std::make_unique<PuzzleRecord>(WordRecord(words, shape));
    ThoroughOptions options;
    options.steps = 1'000'000'000;
    options.clockCap = std::chrono::milliseconds(0);
    ThoroughFill(*f.working, shape, run, options, f.results, f.report);
    EXPECT_TRUE(f.report.cutShort);
    EXPECT_LT(f.report.steps, options.steps);
    EXPECT_GE(f.results.scores[0], f.report.describedBest);
    EXPECT_GT(f.results.scores[0], 0);
}

TEST(ShapeSuggestion, TheSuggestedShapeHoldsEveryWord) {
    const auto words = DrawWords(30, 21);
    const ShapeRecord small = RectangleShape(9, 9);
    std::vector<ShapeRecord> library = {RectangleShape(7, 7), RectangleShape(21, 21), RectangleShape(9, 9),
                                        RectangleShape(17, 17), Holed(15)};
    RunOptions run;
    run.attempts = 10;
    run.seed = 2;
    ThoroughOptions options;
    options.steps = kSmallBudget;
    PuzzleRecord working = WordRecord(words, small);
    const ShapeSuggestion s = SuggestShape(working, small, library, run, options);
    ASSERT_GE(s.index, 0);
    const ShapeRecord& suggested = library[static_cast<std::size_t>(s.index)];
    EXPECT_GT(UsableCells(suggested), UsableCells(small));
    EXPECT_EQ(s.placed, 30);
    // Tried smallest first: the holed 15 before the 17 and the 21.
    EXPECT_EQ(s.index == 4 ? 1 : s.index == 3 ? 2 : 3, s.tried);

    const Fill there = RunFill(words, suggested, run);
    EXPECT_EQ(there.results.scores[0], 30);

    // Nothing larger in the library: no suggestion.
    const ShapeSuggestion none = SuggestShape(working, small, {RectangleShape(7, 7), RectangleShape(9, 9)}, run, options);
    EXPECT_EQ(none.index, -1);
    EXPECT_EQ(none.tried, 0);
    // A word that shares no letter with the others fits no shape: nothing is tried.
    auto lonely = words;
    lonely.back() = "\xbf\xbf\xbf";
    PuzzleRecord hopeless = WordRecord(lonely, small);
    const ShapeSuggestion never = SuggestShape(hopeless, small, library, run, options);
    EXPECT_EQ(never.index, -1);
    EXPECT_EQ(never.tried, 0);
}

}  // namespace
}  // namespace qf::test
