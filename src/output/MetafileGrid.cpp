// The grid of the metafile: squares, boxes and outlines as on the printed page; numbers and
// letters placed by their top-left corners in the fitted letter size.
#include <algorithm>
#include <array>
#include <set>

#include "base/TextHelpers.h"
#include "output/MetafileDrawing.h"

namespace qf {
namespace {

constexpr int kMaxLineWidth = 9;

struct Cells {
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

// Square cells, the grid centred along the axis with room to spare.
Cells PlaceCells(const RectIn& rect, int width, int height) {
    Cells g{width, height, rect.left, rect.top, 0};
    const double cw = rect.Width() / width;
    const double ch = rect.Height() / height;
    g.cell = std::min(cw, ch);
    if (cw > ch) g.left += (rect.Width() - g.cell * width) / 2;
    if (ch > cw) g.top += (rect.Height() - g.cell * height) / 2;
    return g;
}

bool IsLetter(std::uint8_t c) { return c != kCellOutside && c != kCellBlank; }

void DrawSquares(RenderContext& ctx, const PageObject& object, const Cells& g) {
    Surface& s = ctx.surface;
    const PuzzleRecord& p = ctx.puzzle;
    auto cellAt = [&](int row, int column) { return p.Cell(CellIndex(row, column)); };
    if (ctx.options.useBoxes) {
        s.SetPenColor(ctx.options.boxColor);
        s.SetBrushColor(ctx.options.boxColor);
        for (int row = 1; row <= g.height; ++row)
            for (int column = 1; column <= g.width; ++column) {
                if (cellAt(row, column) != kCellBlank) continue;
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
                if (column == g.width || cellAt(row, column + 1) == kCellOutside) {
                    s.MoveTo(c.right, c.top);
                    s.LineTo(c.right, c.bottom);
                }
                if (row == g.height || cellAt(row + 1, column) == kCellOutside) {
                    s.MoveTo(c.left, c.bottom);
                    s.LineTo(c.right, c.bottom);
                }
            }
    }
    s.SetPenColor(object.blockColor);
    s.SetBrushColor(object.blockColor);
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column)
            if (IsLetter(cellAt(row, column))) {
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
            }
    s.SetPenColor(object.lineColor);
    const int lineWidth = std::clamp<int>(object.lineWidth, 1, kMaxLineWidth);
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column)
            if (IsLetter(cellAt(row, column)))
                for (int k = 0; k < lineWidth; ++k) ctx.FrameRect(ctx.GrowByPixels(g.Cell(row, column), -k));
}

void DrawNumbers(RenderContext& ctx, const PageObject& object, const Cells& g) {
    Surface& s = ctx.surface;
    ctx.SetFont(object.numberFont, object.numberFont.size);
    const double halfNine = s.TextWidth("9") / 2;
    std::set<std::pair<int, int>> drawn;
    for (const PuzzleEntry& e : ctx.entries.All()) {
        if (!drawn.insert({e.startCell, e.number}).second) continue;  // an across and a down word share it
        const int row = (e.startCell - 1) / kGridSide + 1;
        const int column = (e.startCell - 1) % kGridSide + 1;
        if (row > g.height || column > g.width) continue;
        const RectIn cell = g.Cell(row, column);
        const std::string number = std::to_string(e.number);
        if (object.numbersHorizontal || e.number < 10) {
            s.TextOutTop(cell.left + halfNine, cell.top, number);
            continue;
        }
        // Stacked digits one text height apart; beyond 999 the leading digits share the top line.
        std::vector<std::string> digits;
        if (e.number < 100) digits = {number.substr(0, 1), number.substr(1)};
        else digits = {std::to_string(e.number / 100), std::string(1, number[number.size() - 2]), number.substr(number.size() - 1)};
        double top = cell.top;
        for (const std::string& d : digits) {
            s.TextOutTop(cell.left + halfNine, top, d);
            top += s.TextHeight(d);
        }
    }
}

using Scratch = std::array<char, kGridCells>;

template <typename Take>
Scratch Collect(const RenderContext& ctx, Take take) {
    Scratch scratch{};
    for (const PuzzleEntry& e : ctx.entries.All())
        for (int k : EntryCells(e)) {
            const char c = static_cast<char>(ctx.puzzle.Cell(k));
            if (IsLetter(static_cast<std::uint8_t>(c)) && take(e, c)) scratch[static_cast<std::size_t>(k - 1)] = c;
        }
    return scratch;
}

void DrawLetters(RenderContext& ctx, const Cells& g, const Scratch& letters) {
    Surface& s = ctx.surface;
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column) {
            const char c = letters[static_cast<std::size_t>(CellIndex(row, column) - 1)];
            if (c == 0) continue;
            const std::string text(1, c);
            const RectIn cell = g.Cell(row, column);
            s.TextOutTop(cell.left + (g.cell - s.TextWidth(text)) / 2, cell.top + (g.cell - s.TextHeight(text)) / 2,
                         text);
        }
}

}  // namespace

void DrawMetafileGrid(RenderContext& ctx, const PageObject& object, int slot, const ExportPage& page) {
    const PuzzleRecord& p = ctx.puzzle;
    const int width = p.UsedWidth();
    const int height = p.UsedHeight();
    if (width < 1 || height < 1) return;
    const Cells g = PlaceCells(ctx.ObjectRect(object), width, height);
    DrawSquares(ctx, object, g);
    ctx.surface.SetTextTransparent(true);
    DrawNumbers(ctx, object, g);
    ctx.SetFont(object.textFont, FittedSize(page, object, slot));

    const PrintOptions& o = ctx.options;
    if (o.answerKey) {
        Scratch all{};
        for (int row = 1; row <= height; ++row)
            for (int column = 1; column <= width; ++column) {
                const std::uint8_t c = p.Cell(CellIndex(row, column));
                if (IsLetter(c)) all[static_cast<std::size_t>(CellIndex(row, column) - 1)] = static_cast<char>(c);
            }
        DrawLetters(ctx, g, all);
    } else if (o.partialAnswer) {
        DrawLetters(ctx, g, Collect(ctx, [&](const PuzzleEntry& e, char) { return o.Selected(e.slot); }));
    }
    if (!o.answerKey && o.partialLetters && !o.letters.empty()) {
        std::set<char> wanted;
        for (char c : o.letters) wanted.insert(UpperLetter(c));
        DrawLetters(ctx, g, Collect(ctx, [&](const PuzzleEntry&, char c) { return wanted.count(c) > 0; }));
    }
    std::set<char> separators;
    if (o.wordSepDash) separators.insert('-');
    if (o.wordSepSlash) separators.insert('/');
    if (o.wordSepPlus) separators.insert('+');
    if (o.wordSepStar) separators.insert('*');
    if (o.wordSepOther) separators.insert(o.wordSepChar);
    if (!separators.empty())
        DrawLetters(ctx, g, Collect(ctx, [&](const PuzzleEntry&, char c) { return separators.count(c) > 0; }));
}

}  // namespace qf
