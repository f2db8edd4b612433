#include "output/GridLetters.h"

#include <algorithm>
#include <set>

#include "base/TextHelpers.h"

namespace qf {
namespace {

// The letters of every entry's cells that `take` accepts.
template <typename Take>
GridLetterLayer CollectLetters(const RenderContext& ctx, Take take) {
    GridLetterLayer layer{};
    for (const PuzzleEntry& e : ctx.entries.All())
        for (int k : EntryCells(e)) {
            const char c = static_cast<char>(ctx.puzzle.Cell(k));
            if (IsLetterCell(static_cast<std::uint8_t>(c)) && take(e, c)) layer[static_cast<std::size_t>(k - 1)] = c;
        }
    return layer;
}

}  // namespace

GridGeometry PlaceGrid(const RectIn& rect, int width, int height) {
    GridGeometry g{width, height, rect.left, rect.top, 0};
    const double cw = rect.Width() / width;
    const double ch = rect.Height() / height;
    g.cell = std::min(cw, ch);
    if (cw > ch) g.left += (rect.Width() - g.cell * width) / 2;
    if (ch > cw) g.top += (rect.Height() - g.cell * height) / 2;
    return g;
}

std::optional<LetterSpot> ClearOfNumber(RenderContext& ctx, const StoredFont& font, int size, const RectIn& cell,
                                        double side, const NumberCorner& number, const std::string& text) {
    if (number.right <= 0) return std::nullopt;
    Surface& s = ctx.surface;
    // A capital's ink stands about 0.72 em above its baseline; the text box is taller.
    const auto capHeight = [&] { return s.Font().size / 100.0; };
    const auto centredBaseline = [&] { return cell.top + (side + s.Ascent() - s.Descent()) / 2; };
    const auto centredLeft = [&](double width) { return cell.left + (side - width) / 2; };
    double width = s.TextWidth(text);
    if (centredLeft(width) >= cell.left + number.right || centredBaseline() - capHeight() >= cell.top + number.bottom)
        return std::nullopt;
    // Right of the digits, or below them, whichever keeps the letter larger; a small gap keeps
    // it off the digits and as far off the cell's sides.
    const double gap = side / 16;
    for (int pt = size;; --pt) {
        if (pt != s.Font().size) ctx.SetFont(font, pt);
        width = s.TextWidth(text);
        const double roomRight = side - number.right - 2 * gap;
        if (width <= roomRight)
            return LetterSpot{cell.left + number.right + gap + (roomRight - width) / 2, centredBaseline()};
        const double roomBelow = side - number.bottom - gap;  // digits and capitals have no descent
        if ((capHeight() <= roomBelow && width <= side - 2 * gap) || pt <= kLetterFloor)
            return LetterSpot{centredLeft(width), cell.top + number.bottom + gap / 2 + (roomBelow + capHeight()) / 2};
    }
}

std::vector<GridLetterLayer> GridLetterLayers(const RenderContext& ctx, int width, int height) {
    std::vector<GridLetterLayer> layers;
    const PrintOptions& o = ctx.options;
    const PuzzleRecord& p = ctx.puzzle;
    if (o.answerKey) {
        GridLetterLayer all{};
        for (int row = 1; row <= height; ++row)
            for (int column = 1; column <= width; ++column) {
                const std::uint8_t c = p.Cell(CellIndex(row, column));
                if (IsLetterCell(c)) all[static_cast<std::size_t>(CellIndex(row, column) - 1)] = static_cast<char>(c);
            }
        layers.push_back(all);
    } else if (o.partialAnswer) {
        layers.push_back(CollectLetters(ctx, [&](const PuzzleEntry& e, char) { return o.Selected(e.slot); }));
    }
    if (!o.answerKey && o.partialLetters && !o.letters.empty()) {
        std::set<char> wanted;
        for (char c : o.letters) wanted.insert(UpperLetter(c));
        layers.push_back(CollectLetters(ctx, [&](const PuzzleEntry&, char c) { return wanted.count(c) > 0; }));
    }
    std::set<char> separators;
    if (o.wordSepDash) separators.insert('-');
    if (o.wordSepSlash) separators.insert('/');
    if (o.wordSepPlus) separators.insert('+');
    if (o.wordSepStar) separators.insert('*');
    if (o.wordSepOther) separators.insert(o.wordSepChar);
    if (!separators.empty())
        layers.push_back(CollectLetters(ctx, [&](const PuzzleEntry&, char c) { return separators.count(c) > 0; }));
    return layers;
}

}  // namespace qf
