#pragma once
// One construction attempt: lays the words of the working record into the current shape,
// greedily and without backtracking, then trims, converts and numbers the grid.
//
// Every placement takes the first position, in the fixed scan order, that passes the neighbour
// tests with enough crossings. Instead of testing positions one by one, the builder keeps each
// row and column of the grid as bit masks (occupied cells, cells of each letter, blank cells a
// word may not run through) and tests all the start positions of a row or column at once; the
// position taken is the same as a cell-by-cell scan would take.
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

// The grid as the placement passes left it, before trimming and numbering: cells in the
// shape's own places, blank (32) or a letter. What a left-out word was up against.
struct UnfinishedGrid {
    std::array<std::uint8_t, kGridCells> cells{};  // cell k at [k - 1]
    int passes = 0;
};

// The workspace of attempts; one per thread, reused from attempt to attempt.
class GridBuilder {
public:
    using Mask = std::uint64_t;  // bit b: column b of a row, or row b of a column (1..50)
    using Pair = Mask __attribute__((vector_size(16)));  // the masks of two neighbouring lines

    // Runs one attempt on `record`; returns the number of words placed (the new WordCount).
    int ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                      RandomSource& random);
    const PlacedFlags& Placed() const { return placed_; }
    // The next attempts also copy their grid into `out` before finishing (null: no copy).
    void KeepUnfinished(UnfinishedGrid* out) { unfinished_ = out; }

    // Finishes a grid whose words were placed elsewhere (a thorough fill) exactly as an attempt
    // finishes its own: `record` holds the words longest first, as an attempt orders them, the
    // letters in its grid (blank elsewhere) and StartCell, LetterCount and IsAcross of the
    // placed slots; `firstAcross` says how the first word placed lies. Returns the new WordCount.
    int FinishPlaced(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                     const PlacedFlags& placed, bool firstAcross);

    // Tries the word of `slot` in one direction under the current least crossing count; on
    // success writes its letters and sets its StartCell, LetterCount and IsAcross.
    bool PlaceAcross(int slot);
    bool PlaceDown(int slot);

private:
    static constexpr int kLines = kGridSide + 2;  // lines 1..50 and an empty one either side
    using LineMasks = std::array<Mask, kLines>;
    struct Best {
        bool valid = false;
        int twoCrossings = 0;  // first passing start cell with at least 2 crossings, 0 = none
        int oneCrossing = 0;   // first passing start cell with at least 1
    };
    struct SlotInfo {
        std::int16_t start, count, number;
        std::uint8_t across, placed, origin, position;
    };

    void SortByLength();
    void BuildLetters();
    void ResetMasks();
    void PlaceWord(int slot);
    int TestAcross(int s, int slot) const;  // crossings, or -1 when the position fails
    int TestDown(int s, int slot) const;
    bool ScanRows(int from, int to, int slot);
    bool ScanColumns(int from, int to, int slot);
    void FindAcross(int slot, Best& best) const;
    void FindDown(int slot, Best& best) const;
    // Start positions along lines `line` and `line` + 1 (rows for across, columns for down)
    // that pass, with at least one and at least two crossings.
    using LetterLines = std::array<LineMasks, 256>;  // [letter number][line]
    void LineStarts(int slot, const LineMasks& occupiedLines, const LineMasks& blockedLines,
                    const LetterLines& letterLines, int line, Mask range, Pair& one, Pair& two) const;
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
    std::array<std::array<std::uint8_t, kWordCapacity>, kMaxWords> letterIds_{};  // dense letter numbers
    std::array<std::uint8_t, kMaxWords> lengths_{};
    std::array<std::uint8_t, 256> idOf_{};
    int letterKinds_ = 0;
    std::array<Mask, kLines> occupiedRow_{}, occupiedColumn_{};
    std::array<Mask, kLines> blockedAcross_{};  // unusable, or a letter above or below
    std::array<Mask, kLines> blockedDown_{};    // unusable, or a letter left or right
    LetterLines letterRow_{}, letterColumn_{};
    bool shapeKnown_ = false;
    std::array<std::uint8_t, kGridCells> shapeCells_{};
    std::array<Mask, kLines> shapeAcross_{}, shapeDown_{};
    Best across_, down_;
    UnfinishedGrid* unfinished_ = nullptr;
    std::array<SlotInfo, kMaxWords> slots_{}, scratch_{};
    std::array<ShortString<kWordCapacity>, kMaxWords> wordCopy_{};
    std::array<ShortString<kClueCapacity>, kMaxWords> clueCopy_{};
};

// One attempt with a workspace of its own; `placed` receives the PlacedFlags.
int ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                  RandomSource& random, PlacedFlags& placed);

}  // namespace qf
