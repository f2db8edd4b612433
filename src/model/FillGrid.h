#pragma once
// The partial grid of a thorough fill: words laid one after another under the placement tests of
// a construction attempt (crossing only on equal letters, nothing side by side, the shape's cells
// within width x height), remembered in the order they were laid, so the grid can always be
// rebuilt by laying them again in that order. Every word after the first crosses a word laid
// before it, as in an attempt.
#include <array>
#include <cstdint>
#include <vector>

#include "model/PuzzleRecord.h"

namespace qf {

struct WordPlacement {
    std::uint8_t slot = 0;  // 0-based, in the attempt's longest-first order
    bool across = true;
    std::int16_t start = 0;  // cell index k, 1..2500
};

// The letters of the words, longest first as an attempt orders them.
struct FillWords {
    int count = 0;
    std::array<std::array<std::uint8_t, kWordCapacity>, kMaxWords> letters{};
    std::array<std::uint8_t, kMaxWords> lengths{};
};
FillWords FillWordsOf(const PuzzleRecord& sorted);

// Cells changed since a grid to which no word left out could be added, each with its four
// neighbours: a place covering none of them tests as it did on that grid (a test reads only the
// word's cells and their neighbours), so it need not be tested again.
class ChangeMask {
public:
    void Clear();
    void Mark(int k);
    void Mark(const WordPlacement& p, int length);
    bool Touches(const WordPlacement& p, int length) const {
        const std::uint64_t span = (1ULL << length) - 1;
        const int row = CellRow(p.start), column = CellColumn(p.start);
        if (p.across) return (rows_[static_cast<std::size_t>(row)] & (span << (column - 1))) != 0;
        return (columns_[static_cast<std::size_t>(column)] & (span << (row - 1))) != 0;
    }

private:
    // Bit c - 1 of rows_[r] and bit r - 1 of columns_[c] for a marked cell (r, c), 1-based.
    std::array<std::uint64_t, kGridSide + 2> rows_{}, columns_{};
};

class FillGrid {
public:
    FillGrid(const FillWords& words, const ShapeRecord& shape, int width, int height);

    void Clear();
    // Crossings of `p` against the grid as it is, or -1 when a test fails.
    int Test(const WordPlacement& p) const;
    void Place(const WordPlacement& p);
    // Lays `order` again from a blank grid: the first at any place, each later one only while it
    // still crosses a word laid before it; the others are left out. Sweeps the order until
    // nothing more can be laid. Returns the tests made.
    long Rebuild(const std::vector<WordPlacement>& order);

    // The places of `slot` that cross the grid's words, with their crossings; returns the tests
    // made (the search's steps).
    struct Candidate {
        WordPlacement place;
        int crossings = 0;
    };
    // With `near`, only the places touching its cells are tested.
    long CrossingPlaces(int slot, std::vector<Candidate>& out, const ChangeMask* near = nullptr);
    // Every place of `slot` in the empty grid, for the first word.
    long EmptyPlaces(int slot, std::vector<Candidate>& out);

    // Blank usable cells beside the new letters of `p` (not along it): the room it takes from
    // words to come.
    int Waste(const WordPlacement& p) const;

    const std::vector<WordPlacement>& Order() const { return order_; }
    bool IsPlaced(int slot) const { return placed_[static_cast<std::size_t>(slot)] != 0; }
    int PlacedCount() const { return static_cast<int>(order_.size()); }
    int LetterCount() const { return static_cast<int>(occupied_.size()); }  // cells holding a letter
    const std::array<std::uint8_t, kGridCells>& Cells() const { return cells_; }  // cell k at [k - 1]
    const FillWords& Words() const { return words_; }
    // Words laid across at cell k (bit 1) and down (bit 2).
    std::uint8_t Directions(int k) const { return directions_[static_cast<std::size_t>(k - 1)]; }

    bool InBounds(const WordPlacement& p) const;
    int Height() const { return height_; }
    bool Usable(int k) const { return shape_.cells[static_cast<std::size_t>(k - 1)] != 0; }

private:

    const FillWords& words_;
    const ShapeRecord& shape_;
    int width_, height_;
    std::array<std::uint8_t, kGridCells> cells_{};
    std::array<std::uint8_t, kGridCells> directions_{};
    std::vector<int> occupied_;  // cells holding a letter, in the order they were filled
    std::array<std::vector<std::int16_t>, 256> byLetter_;  // the same, by their letter
    std::vector<WordPlacement> order_;
    std::array<std::uint8_t, kMaxWords> placed_{};
    std::array<std::uint32_t, 2 * kGridCells> seen_{};  // dedup stamps of start positions
    std::uint32_t stamp_ = 0;
};

}  // namespace qf
