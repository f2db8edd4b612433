// The grid of the metafile: squares, boxes and outlines as on the printed page; numbers and
// letters placed by their top-left corners in the fitted letter size.
#include <algorithm>
#include <array>
#include <set>

#include "base/TextHelpers.h"
#include "output/GridLetters.h"
#include "output/MetafileDrawing.h"

namespace qf {
namespace {

void DrawSquares(RenderContext& ctx, const PageObject& object, const GridGeometry& g) {
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
            if (IsLetterCell(cellAt(row, column))) {
                const RectIn c = g.Cell(row, column);
                s.FillRect(c.left, c.top, c.right, c.bottom);
            }
    s.SetPenColor(object.lineColor);
    const int lineWidth = std::clamp<int>(object.lineWidth, 1, kMaxGridLineWidth);
    for (int row = 1; row <= g.height; ++row)
        for (int column = 1; column <= g.width; ++column)
            if (IsLetterCell(cellAt(row, column)))
                for (int k = 0; k < lineWidth; ++k) ctx.FrameRect(ctx.GrowByPixels(g.Cell(row, column), -k));
}

NumberCorners DrawNumbers(RenderContext& ctx, const PageObject& object, const GridGeometry& g) {
    Surface& s = ctx.surface;
    NumberCorners corners{};
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
        NumberCorner& corner = corners[static_cast<std::size_t>(e.startCell - 1)];
        if (object.numbersHorizontal || e.number < 10) {
            s.TextOutTop(cell.left + halfNine, cell.top, number);
            corner = {std::max(corner.right, halfNine + s.TextWidth(number)), std::max(corner.bottom, s.TextHeight(number))};
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
            corner.right = std::max(corner.right, halfNine + s.TextWidth(d));
        }
        corner.bottom = std::max(corner.bottom, top - cell.top);
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
    const GridGeometry g = PlaceGrid(ctx.ObjectRect(object), width, height);
    DrawSquares(ctx, object, g);
    ctx.surface.SetTextTransparent(true);
    const NumberCorners numbers = DrawNumbers(ctx, object, g);
    ctx.SetFont(object.textFont, FittedSize(page, object, slot));

    for (const GridLetterLayer& layer : GridLetterLayers(ctx, width, height)) DrawLetters(ctx, object, g, numbers, layer);
}

}  // namespace qf
