// The puzzle grid: cells, filled boxes, letter squares, outlines, numbers and letters.
#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "base/TextHelpers.h"
#include "output/GridLetters.h"
#include "output/RenderContext.h"

namespace qf {
namespace {

std::string Digit(int d) { return std::string(1, static_cast<char>('0' + d)); }

NumberCorners DrawNumbers(RenderContext& ctx, const PageObject& object, const GridGeometry& g) {
    Surface& s = ctx.surface;
    NumberCorners corners{};
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
        std::vector<std::string> lines;
        if (object.numbersHorizontal || n < 10) lines = {std::to_string(n)};
        else if (n < 100) lines = {Digit(n / 10), Digit(n % 10)};
        else lines = {std::to_string(n / 100), Digit(n / 10 % 10), Digit(n % 10)};  // int16: beyond 999 the
                                                                                    // leading digits share a line
        NumberCorner& corner = corners[static_cast<std::size_t>(e.startCell - 1)];
        for (std::size_t k = 0; k < lines.size(); ++k) {
            s.TextOut(x, cell.top + static_cast<double>(k + 1) * a, lines[k]);
            corner.right = std::max(corner.right, halfNine + s.TextWidth(lines[k]));
        }
        corner.bottom = std::max(corner.bottom, static_cast<double>(lines.size()) * a);
    }
    return corners;
}

void DrawLetters(RenderContext& ctx, const PageObject& object, const GridGeometry& g, const NumberCorners& numbers,
                 const GridLetterLayer& letters) {
    Surface& s = ctx.surface;
    const int size = s.Font().size;
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column) {
            const char c = letters[static_cast<std::size_t>(CellIndex(row, column) - 1)];
            if (c == 0) continue;
            const std::string text(1, c);
            const RectIn cell = g.Cell(row, column);
            const NumberCorner& number = numbers[static_cast<std::size_t>(CellIndex(row, column) - 1)];
            if (const auto spot = ClearOfNumber(ctx, object.textFont, size, cell, g.cell, number, text)) {
                s.TextOut(spot->left, spot->baseline, text);
                if (s.Font().size != size) ctx.SetFont(object.textFont, size);
                continue;
            }
            const double x = cell.left + (g.cell - s.TextWidth(text)) / 2;
            const double y = cell.bottom - s.Descent() - (g.cell - s.TextHeight(text)) / 2;
            s.TextOut(x, y, text);
        }
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
            if (IsLetterCell(cellAt(row, column))) {
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
            }

    s.SetPenColor(object.lineColor);
    const int lineWidth = std::clamp<int>(object.lineWidth, 1, kMaxGridLineWidth);
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column)
            if (IsLetterCell(cellAt(row, column)))
                for (int k = 0; k < lineWidth; ++k) ctx.FrameRect(ctx.GrowByPixels(g.Cell(row, column), -k));

    const NumberCorners numbers = DrawNumbers(ctx, object, g);

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

    for (const GridLetterLayer& layer : GridLetterLayers(ctx, width, height)) DrawLetters(ctx, object, g, numbers, layer);
}

}  // namespace qf
