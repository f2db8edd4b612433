// Variants of one word list: pairwise different grids of the same words and clues, lettered
// titles within a title's 35 characters, the same variants for the same seed.
#include <gtest/gtest.h>

#include <atomic>

#include "base/ByteCodec.h"
#include "model/ConstructionFixtures.h"
#include "model/Variants.h"

namespace qf::test {
namespace {

TEST(Variants, TitlesAreLetteredWithinThirtyFiveCharacters) {
    struct Row {
        std::string title;
        int k;
        std::string want;
    };
    const std::vector<Row> rows = {
        {"Weather", 0, "Weather (A)"},
        {"Weather", 25, "Weather (Z)"},
        {"Weather Words for the Third Class", 1, "Weather Words for the Third Cla (B)"},  // 31 + 4 = 35
        {"Weather Words for the Thirty    Ones", 2, "Weather Words for the Thirty (C)"},  // no blank before "("
        {"", 3, " (D)"},
    };
    for (const Row& r : rows) {
        const std::string got = VariantTitle(r.title, r.k);
        EXPECT_EQ(got, r.want) << r.title;
        EXPECT_LE(got.size(), 35u);
    }
}

TEST(Variants, DifferentGridsOfTheSameWordsAndTheSameForTheSameSeed) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "GARDEN", "MEADOW", "ORCHARD", "RIVER", "HEDGE", "OTTER"}, shape);
    working.title = "Country Walk";
    const std::vector<std::uint8_t> before = EncodeRecord(working);
    RunOptions options;
    options.attempts = 30;
    options.seed = 5;
    const std::vector<Variant> variants = MakeVariants(working, shape, options, 4);
    EXPECT_EQ(EncodeRecord(working), before);
    ASSERT_EQ(variants.size(), 4u);
    for (std::size_t k = 0; k < variants.size(); ++k) {
        const PuzzleRecord& v = *variants[k].puzzle;
        EXPECT_EQ(v.title.Str(), VariantTitle("Country Walk", static_cast<int>(k)));
        EXPECT_EQ(v.generated, 1);
        for (int i = 1; i <= working.wordCount; ++i) {
            // The same words and clues, whether or not in this grid; a left-out word is named.
            const std::string word = working.Word(i).Str();
            bool named = false;
            for (const std::string& left : variants[k].leftOut) named = named || left == word;
            int slot = 0;
            for (int j = 1; j <= v.UsedWords(); ++j)
                if (v.Word(j).Str() == word) slot = j;
            ASSERT_GT(slot, 0) << word;
            EXPECT_EQ(v.Clue(slot).Str(), working.Clue(i).Str());
            EXPECT_EQ(v.inGrid[static_cast<std::size_t>(slot - 1)] == 0, named) << word;
        }
        for (std::size_t j = 0; j < k; ++j) EXPECT_FALSE(SameGrid(v, *variants[j].puzzle)) << k << " " << j;
    }
    const std::vector<Variant> again = MakeVariants(working, shape, options, 4);
    ASSERT_EQ(again.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(EncodeRecord(*again[k].puzzle), EncodeRecord(*variants[k].puzzle));
}

TEST(Variants, FromACandidateStartWithItAndGoOnWithDifferentGrids) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord working = WordRecord({"LANTERN", "CANDLE", "GARDEN", "MEADOW", "ORCHARD", "RIVER", "HEDGE", "OTTER"}, shape);
    working.title = "Country Walk";
    RunOptions options;
    options.attempts = 30;
    options.seed = 9;
    RunResults results;
    BuildPuzzles(working, shape, options, results);
    ASSERT_GT(results.scores[1], 0);
    const std::vector<std::uint8_t> before = EncodeRecord(working);

    int lastTold = 0;
    const std::vector<Variant> variants =
        MakeVariantsFrom(results, 2, working, shape, 3, [&](int made) { lastTold = made; });
    EXPECT_EQ(EncodeRecord(working), before);
    ASSERT_EQ(variants.size(), 3u);
    EXPECT_EQ(lastTold, 3);
    EXPECT_TRUE(variants[0].puzzle->grid == results.Candidate(2).grid);
    EXPECT_EQ(variants[0].puzzle->title.Str(), "Country Walk (A)");
    EXPECT_EQ(variants[2].puzzle->title.Str(), "Country Walk (C)");
    for (std::size_t k = 1; k < 3; ++k)
        for (std::size_t j = 0; j < k; ++j) EXPECT_FALSE(SameGrid(*variants[k].puzzle, *variants[j].puzzle)) << k << j;
    const RunOptions next = VariantRunOptions(results);
    EXPECT_EQ(next.attempts, 30);
    EXPECT_EQ(*next.seed, results.seed + 1);

    // Stopped: the variants made so far, at least the chosen grid.
    const std::atomic<bool> stop{true};
    EXPECT_EQ(MakeVariantsFrom(results, 1, working, shape, 3, {}, &stop).size(), 1u);
}

TEST(Variants, TheReportNamesEachVariantItsWordsAndAShortfall) {
    auto variant = [](const char* title, std::vector<std::string> left) {
        Variant v{std::make_unique<PuzzleRecord>(NewPuzzleRecord()), std::move(left)};
        v.puzzle->title = title;
        return v;
    };
    std::vector<Variant> two;
    two.push_back(variant("Birds (A)", {}));
    two.push_back(variant("Birds (B)", {"OWL", "WREN"}));
    const struct {
        int asked;
        const char* text;
    } rows[] = {
        {2, "Birds (A): 9 of 9 words\nBirds (B): 7 of 9 words (left out: OWL, WREN)\n\nSave these 2 puzzles?"},
        {4, "Only 2 different grids of these words fit this shape.\n\nBirds (A): 9 of 9 words\n"
            "Birds (B): 7 of 9 words (left out: OWL, WREN)\n\nSave these 2 puzzles?"},
    };
    for (const auto& r : rows) {
        const VariantsReport report = ReportVariants(two, r.asked, 9);
        EXPECT_TRUE(report.asks);
        EXPECT_EQ(report.message.text, r.text);
        EXPECT_EQ(report.message.caption, "Variants");
    }
    two.pop_back();
    EXPECT_FALSE(ReportVariants(two, 3, 9).asks);
}

TEST(Variants, AListThatFitsOneWayGivesOneVariant) {
    const ShapeRecord shape = RectangleShape(3, 1);
    PuzzleRecord working = WordRecord({"CAT"}, shape);
    RunOptions options;
    options.attempts = 5;
    options.seed = 1;
    const std::vector<Variant> variants = MakeVariants(working, shape, options, 3);
    ASSERT_EQ(variants.size(), 1u);
    EXPECT_TRUE(variants[0].leftOut.empty());
}

}  // namespace
}  // namespace qf::test
