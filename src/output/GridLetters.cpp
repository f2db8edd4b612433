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
