// The puzzle grid: cells, filled boxes, letter squares, outlines, numbers and letters.
#include <algorithm>
#include <array>
#include <set>

#include "base/TextHelpers.h"
#include "output/RenderContext.h"

namespace qf {
namespace {

constexpr int kMaxLineWidth = 9;

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

GridGeometry PlaceGrid(const RectIn& rect, int width, int height) {
    GridGeometry g{width, height, rect.left, rect.top, 0};
    const double cw = rect.Width() / width;
    const double ch = rect.Height() / height;
    g.cell = std::min(cw, ch);
    // Centred along the axis with room to spare.
    if (cw > ch) g.left += (rect.Width() - g.cell * width) / 2;
    if (ch > cw) g.top += (rect.Height() - g.cell * height) / 2;
    return g;
}

bool IsLetter(std::uint8_t c) { return c != kCellOutside && c != kCellBlank; }

std::string Digit(int d) { return std::string(1, static_cast<char>('0' + d)); }

void DrawNumbers(RenderContext& ctx, const PageObject& object, const GridGeometry& g) {
    Surface& s = ctx.surface;
    s.SetTextTransparent(true);
    ctx.SetFont(object.numberFont, object.numberFont.size);
    const double a = s.LineHeight() - s.Descent();
    const double halfNine = s.TextWidth("9") / 2;
    std::set<std::pair<int, int>> drawn;
    for (const PuzzleEntry& e : ctx.entries.All()) {
        // An across and a down word starting in one cell share their number: drawn once, not
        // twice over itself, which would darken smoothed digits.
        if (!drawn.insert({e.startCell, e.number}).second) continue;
        const int row = (e.startCell - 1) / kGridSide + 1;
        const int column = (e.startCell - 1) % kGridSide + 1;
        if (row > g.height || column > g.width) continue;  // a damaged start cell off the shown grid
        const RectIn cell = g.Cell(row, column);
        const double x = cell.left + halfNine;
        const int n = e.number;
        if (object.numbersHorizontal || n < 10) {
            s.TextOut(x, cell.top + a, std::to_string(n));
        } else if (n < 100) {
            s.TextOut(x, cell.top + a, Digit(n / 10));
            s.TextOut(x, cell.top + 2 * a, Digit(n % 10));
        } else {
            // Stored numbers are int16; beyond 999 the leading digits share the top line.
            s.TextOut(x, cell.top + a, std::to_string(n / 100));
            s.TextOut(x, cell.top + 2 * a, Digit(n / 10 % 10));
            s.TextOut(x, cell.top + 3 * a, Digit(n % 10));
        }
    }
}

using Scratch = std::array<char, kGridCells>;

void DrawLetters(RenderContext& ctx, const GridGeometry& g, const Scratch& letters) {
    Surface& s = ctx.surface;
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column) {
            const char c = letters[static_cast<std::size_t>(CellIndex(row, column) - 1)];
            if (c == 0) continue;
            const std::string text(1, c);
            const RectIn cell = g.Cell(row, column);
            const double x = cell.left + (g.cell - s.TextWidth(text)) / 2;
            const double y = cell.bottom - s.Descent() - (g.cell - s.TextHeight(text)) / 2;
            s.TextOut(x, y, text);
        }
}

// The letters of every entry's cells that `take` accepts.
template <typename Take>
Scratch CollectLetters(const RenderContext& ctx, Take take) {
    Scratch scratch{};
    for (const PuzzleEntry& e : ctx.entries.All())
        for (int k : EntryCells(e)) {
            const char c = static_cast<char>(ctx.puzzle.Cell(k));
            if (IsLetter(static_cast<std::uint8_t>(c)) && take(e, c)) scratch[static_cast<std::size_t>(k - 1)] = c;
        }
    return scratch;
}

}  // namespace

void DrawGrid(RenderContext& ctx, PageObject& object, int slot) {
    Surface& s = ctx.surface;
    const PuzzleRecord& p = ctx.puzzle;
    const int width = p.UsedWidth();
    const int height = p.UsedHeight();
    if (width < 1 || height < 1) return;
    const GridGeometry g = PlaceGrid(ctx.ObjectRect(object), width, height);
    auto cellAt = [&](int row, int column) { return p.Cell(CellIndex(row, column)); };

    if (ctx.options.useBoxes) {
        s.SetPenColor(ctx.options.boxColor);
        s.SetBrushColor(ctx.options.boxColor);
        for (int row = 1; row <= height; ++row)
            for (int column = 1; column <= width; ++column) {
                if (cellAt(row, column) != kCellBlank) continue;
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
                if (column == width || cellAt(row, column + 1) == kCellOutside) {
                    s.MoveTo(c.right, c.top);
                    s.LineTo(c.right, c.bottom);
                }
                if (row == height || cellAt(row + 1, column) == kCellOutside) {
                    s.MoveTo(c.left, c.bottom);
                    s.LineTo(c.right, c.bottom);
                }
            }
    }

    s.SetPenColor(object.blockColor);
    s.SetBrushColor(object.blockColor);
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column)
            if (IsLetter(cellAt(row, column))) {
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
            }

    s.SetPenColor(object.lineColor);
    const int lineWidth = std::clamp<int>(object.lineWidth, 1, kMaxLineWidth);
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column)
            if (IsLetter(cellAt(row, column)))
                for (int k = 0; k < lineWidth; ++k) ctx.FrameRect(ctx.GrowByPixels(g.Cell(row, column), -k));

    DrawNumbers(ctx, object, g);

    // The letter font shrinks until a "W" is narrower than a cell, but not below 4 points.
    const auto fits = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        return s.TextWidth("W") < g.cell;
    };
    const auto tooWide = [&](int pt) { return s.TextWidthFloor(ctx.FontAt(object.textFont, pt), "W") >= g.cell; };
    ShrinkToFit(object.textFont.size, true, kLetterFloor, fits, tooWide);
    object.fittedFontSize = static_cast<std::int16_t>(s.Font().size);
    ctx.result.fittedFontSize[static_cast<std::size_t>(slot - 1)] = s.Font().size;
    s.SetTextTransparent(true);

    const PrintOptions& o = ctx.options;
    if (o.answerKey) {
        Scratch all{};
        for (int row = 1; row <= height; ++row)
            for (int column = 1; column <= width; ++column)
                if (IsLetter(cellAt(row, column)))
                    all[static_cast<std::size_t>(CellIndex(row, column) - 1)] = static_cast<char>(cellAt(row, column));
        DrawLetters(ctx, g, all);
    } else if (o.partialAnswer) {
        DrawLetters(ctx, g, CollectLetters(ctx, [&](const PuzzleEntry& e, char) { return o.Selected(e.slot); }));
    }
    if (!o.answerKey && o.partialLetters && !o.letters.empty()) {
        std::set<char> wanted;
        for (char c : o.letters) wanted.insert(UpperLetter(c));
        DrawLetters(ctx, g, CollectLetters(ctx, [&](const PuzzleEntry&, char c) { return wanted.count(c) > 0; }));
    }
    std::set<char> separators;
    if (o.wordSepDash) separators.insert('-');
    if (o.wordSepSlash) separators.insert('/');
    if (o.wordSepPlus) separators.insert('+');
    if (o.wordSepStar) separators.insert('*');
    if (o.wordSepOther) separators.insert(o.wordSepChar);
    if (!separators.empty())
        DrawLetters(ctx, g, CollectLetters(ctx, [&](const PuzzleEntry&, char c) { return separators.count(c) > 0; }));
}

}  // namespace qf
