#pragma once
// What the printed grid and the metafile grid share: where the square cells lie, and which
// letters a print shows (the answer key, partial answers, chosen letters, word separators).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/RenderContext.h"

namespace qf {

inline constexpr int kMaxGridLineWidth = 9;

struct GridGeometry {
    int width = 0;
    int height = 0;
    double left = 0;
    double top = 0;
    double cell = 0;

    RectIn Cell(int row, int column) const {
        const double l = left + (column - 1) * cell;
        const double t = top + (row - 1) * cell;
        return {l, t, l + cell, t + cell};
    }
};

// Square cells in `rect`, the grid centred along the axis with room to spare.
GridGeometry PlaceGrid(const RectIn& rect, int width, int height);

inline bool IsLetterCell(std::uint8_t c) { return c != kCellOutside && c != kCellBlank; }

// One layer of letters: a cell's letter, or 0 where the layer shows nothing.
using GridLetterLayer = std::array<char, kGridCells>;

// The corner a cell's number takes: how far its digits reach right of and below the cell's
// top-left corner. Zero where the cell has no number.
struct NumberCorner {
    double right = 0;
    double bottom = 0;
};
using NumberCorners = std::array<NumberCorner, kGridCells>;

// A letter stands centred in its cell of side `side`. When it would run into the cell's
// number, it moves right of the number or below it, drawn smaller if neither room holds it at
// its size: the answer key's letters never cover a number. Returns no spot when the
// centred place is clear; otherwise the letter's left edge and baseline, with the surface's font
// set for it (`font` at `size` or smaller; the caller sets `size` back before the next letter).
struct LetterSpot {
    double left = 0;
    double baseline = 0;
};
std::optional<LetterSpot> ClearOfNumber(RenderContext& ctx, const StoredFont& font, int size, const RectIn& cell,
                                        double side, const NumberCorner& number, const std::string& text);

// The layers of letters the print options show, in drawing order.
std::vector<GridLetterLayer> GridLetterLayers(const RenderContext& ctx, int width, int height);

}  // namespace qf
