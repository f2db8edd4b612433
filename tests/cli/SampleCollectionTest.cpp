// The shipped sample collection: the puzzles a new user first sees and prints.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "collections/CollectionFile.h"

namespace qf {
namespace {

// A sparse grid prints as a page of black blocks: every sample's letters fill at least 40% of
// the usable cells of the grid as stored (its shape, trimmed when the sample was shrunk).
TEST(SampleCollection, LettersFillAtLeastTwoFifthsOfEveryShape) {
    const char* programDir = std::getenv("QUERNFOLD_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::string sample = std::string(programDir) + "/SAMPLE.QF3";
    const auto puzzles = CountSlots(sample);
    ASSERT_TRUE(puzzles && *puzzles > 0) << sample << " is missing or empty: build the data targets";
    for (std::int64_t p = 0; p < *puzzles; ++p) {
        auto puzzle = std::make_unique<PuzzleRecord>();
        ASSERT_TRUE(ReadPuzzle(sample, p, *puzzle).IsDone()) << "puzzle " << p;
        int letters = 0, usable = 0;
        for (int r = 1; r <= puzzle->UsedHeight(); ++r) {
            for (int c = 1; c <= puzzle->UsedWidth(); ++c) {
                const std::uint8_t cell = puzzle->Cell(CellIndex(r, c));
                if (cell == kCellOutside) continue;
                ++usable;
                if (cell != kCellBlank) ++letters;
            }
        }
        ASSERT_GT(usable, 0) << puzzle->title.Str();
        EXPECT_GE(letters * 10, usable * 4)
            << puzzle->title.Str() << ": " << letters << " letters in " << usable << " usable cells";
    }
}

}  // namespace
}  // namespace qf
