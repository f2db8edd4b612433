#pragma once
// One construction attempt: lays the words of the working record into the current shape,
// greedily and without backtracking, then trims, converts and numbers the grid.
//
// Every placement takes the first position, in the fixed scan order, that passes the neighbour
// tests with enough crossings. Once the grid holds letters a passing position must run through
// at least one of them, so only the positions lined up with an occupied cell of one of the
// word's letters are tested, in scan order; the answer is the same as scanning every position.
#include <array>
#include <cstdint>

#include "model/PuzzleRecord.h"
#include "model/RandomSource.h"
#include "shapes/ShapeRecord.h"

namespace qf {

using PlacedFlags = std::array<std::uint8_t, kMaxWords>;  // slot i at [i - 1]; 1 = placed

struct ConstructionOptions {
    bool shrink = false;       // trim the grid to the rows and columns in use
    bool quickCreate = false;  // at most two placement passes
};

// The workspace of attempts; one per thread, reused from attempt to attempt.
class GridBuilder {
public:
    // Runs one attempt on `record`; returns the number of words placed (the new WordCount).
    int ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                      RandomSource& random);
    const PlacedFlags& Placed() const { return placed_; }

    // Tries the word of `slot` in one direction under the current least crossing count; on
    // success writes its letters and sets its StartCell, LetterCount and IsAcross.
    bool PlaceAcross(int slot);
    bool PlaceDown(int slot);

private:
    struct Best {
        bool valid = false;
        int twoCrossings = 0;  // first passing start cell with at least 2 crossings, 0 = none
        int oneCrossing = 0;   // first passing start cell with at least 1
    };
    struct SlotInfo {
        std::int16_t start, count, number;
        std::uint8_t across, placed, origin;
    };

    void SortByLength();
    void BuildLetters();
    void PlaceWord(int slot);
    int TestAcross(int s, int slot) const;  // crossings, or -1 when the position fails
    int TestDown(int s, int slot) const;
    bool ScanRows(int from, int to, int slot);
    bool ScanColumns(int from, int to, int slot);
    void FindAcross(int slot, Best& best);
    void FindDown(int slot, Best& best);
    bool TakeBest(const Best& best, int slot, bool across);
    void Write(int s, int slot, bool across);
    void Finish();
    void ShrinkBottomRight();
    void ConvertCells();
    int OrderSlots();
    void ShrinkTopLeft(int placedCount);

    PuzzleRecord* rec_ = nullptr;
    const ShapeRecord* shape_ = nullptr;
    RandomSource* random_ = nullptr;
    ConstructionOptions options_;
    int wordCount_ = 0, width_ = 0, height_ = 0;
    int minCrossings_ = 0;
    bool firstWord_ = false, firstAcross_ = false;
    int occupied_ = 0;
    PlacedFlags placed_{};
    std::array<std::array<std::uint8_t, kWordCapacity>, kMaxWords> letters_{};
    std::array<std::uint8_t, kMaxWords> lengths_{};
    // Occupied cells of each letter value, as linked lists through the cells.
    std::array<std::int16_t, 256> firstCell_{};
    std::array<std::int16_t, kGridCells + 1> nextCell_{};
    std::array<std::uint64_t, (kGridCells + 64) / 64 + 1> candidates_{};
    Best across_, down_;
    std::array<SlotInfo, kMaxWords> slots_{};
    std::array<SlotInfo, kMaxWords> scratch_{};
    std::array<ShortString<kWordCapacity>, kMaxWords> wordCopy_{};
    std::array<ShortString<kClueCapacity>, kMaxWords> clueCopy_{};
};

// One attempt with a workspace of its own; `placed` receives the PlacedFlags.
int ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                  RandomSource& random, PlacedFlags& placed);

}  // namespace qf
