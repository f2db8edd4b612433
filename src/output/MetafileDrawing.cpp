// The page of the metafile: every object in slot order by the print's part choices, from the
// measurements of the last rendering, each text placed by its top-left corner.
#include "output/MetafileDrawing.h"

#include <algorithm>
#include <cmath>

#include "base/TextHelpers.h"
#include "layouts/PageObjects.h"
#include "output/MetafileExport.h"

namespace qf {
namespace {

// A recorded line of a Text object as it is shown: its leading line break gone, blanks trimmed.
std::string Shown(const std::string& line) {
    std::size_t skip = 0;
    if (!line.empty() && line[0] == '\n') skip = 1;
    else if (line.size() >= 2 && line[0] == '\r' && line[1] == '\n') skip = 2;
    return TrimBlanks(std::string_view(line).substr(skip));
}

// A height in whole device units, as the metafile's device measures it.
double WholeUnits(const Surface& s, double inches) {
    return std::round(inches * s.DotsPerInchY()) / s.DotsPerInchY();
}

void OneLine(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot, const std::string& text) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    ctx.SetFont(object.textFont, FittedSize(page, object, slot));
    s.SetTextTransparent(object.transparent == 1);
    const double top = rect.top + rect.Height() / 2 - s.TextHeight(text) / 2;
    s.TextOutTop(ctx.AlignedX(object, rect, s.TextWidth(text)), top, text);
    ctx.DrawBorder(object, rect);
}

double ColumnLeft(const RectIn& rect, const ClueBlockMetrics& m, int column) {
    return rect.left + m.leftMargin + (column - 1) * (m.columnGap + m.numberWidth + m.clueTextWidth);
}

double RowTop(const RectIn& rect, const ClueBlockMetrics& m, int row) { return rect.top + (row - 1) * m.rowHeight; }

void Entries(RenderContext& ctx, const RectIn& rect, const ClueBlockMetrics& m) {
    Surface& s = ctx.surface;
    for (const PlacedClue& c : m.entries) {
        if (c.column == 0) continue;  // not drawn on the page either
        const double x0 = ColumnLeft(rect, m, c.column);
        s.TextOutTop(x0, RowTop(rect, m, c.row), std::to_string(c.number) + ".");
        for (std::size_t j = 0; j < c.lines.size(); ++j)
            s.TextOutTop(x0 + m.numberWidth, RowTop(rect, m, c.row + static_cast<int>(j)), TrimBlanks(c.lines[j]));
    }
}

void ClueBlock(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot, const ClueBlockMetrics& m) {
    const RectIn rect = ctx.ObjectRect(object);
    if (m.present) {
        ctx.SetFont(object.textFont, FittedSize(page, object, slot));
        ctx.surface.SetTextTransparent(object.transparent == 1);
        Entries(ctx, rect, m);
    }
    ctx.DrawBorder(object, rect);
}

void Heading(RenderContext& ctx, const PageObject& object, const RectIn& rect, const ClueBlockMetrics& m,
             const PlacedHeading& h, const std::string& text) {
    if (h.column == 0) return;
    Surface& s = ctx.surface;
    const RectIn box{h.boxLeft, RowTop(rect, m, h.row), h.boxRight, RowTop(rect, m, h.row + 1)};
    s.SetPenColor(object.borderColor);
    ctx.FrameRect(box);
    s.TextOutTop(h.boxLeft + (h.boxRight - h.boxLeft - s.TextWidth(text)) / 2, box.top, text);
}

void Combined(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot) {
    const ClueBlockMetrics& m = page.rendering.combinedClues;
    const RectIn rect = ctx.ObjectRect(object);
    if (m.present) {
        // The headings are the object's own: the text before its first ":" and after it.
        const std::string text = ObjectText(object);
        const std::size_t colon = text.find(':');
        const std::string across = colon == std::string::npos ? std::string() : text.substr(0, colon);
        const std::string down = colon == std::string::npos ? text : text.substr(colon + 1);
        ctx.SetFont(object.textFont, FittedSize(page, object, slot));
        ctx.surface.SetTextTransparent(object.transparent == 1);
        Heading(ctx, object, rect, m, m.acrossHeading, across);
        Heading(ctx, object, rect, m, m.downHeading, down);
        Entries(ctx, rect, m);
    }
    ctx.DrawBorder(object, rect);
}

void WordList(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot) {
    const WordListMetrics& m = page.rendering.wordList;
    const RectIn rect = ctx.ObjectRect(object);
    Surface& s = ctx.surface;
    if (m.present && m.rowsPerColumn > 0) {
        ctx.SetFont(object.textFont, FittedSize(page, object, slot));
        s.SetTextTransparent(object.transparent == 1);
        const int r = m.rowsInUse > 0 ? m.rowsInUse : m.rowsPerColumn;
        for (std::size_t i = 0; i < m.words.size() && i < m.printedLengths.size(); ++i) {
            const int length = m.printedLengths[i];
            if (length <= 0) continue;
            const int index = static_cast<int>(i);
            const std::string word = TrimBlanks(m.words[i]).substr(0, static_cast<std::size_t>(length));
            s.TextOutTop(rect.left + m.leftMargin + (index / r) * m.columnWidth, rect.top + (index % r) * m.rowHeight,
                         word);
        }
    }
    ctx.DrawBorder(object, rect);
}

void TextBlock(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot) {
    const TextBlockMetrics& m = page.rendering.texts[static_cast<std::size_t>(slot - 1)];
    const RectIn rect = ctx.ObjectRect(object);
    Surface& s = ctx.surface;
    if (m.present) {
        ctx.SetFont(object.textFont, FittedSize(page, object, slot));
        s.SetTextTransparent(object.transparent == 1);
        const double step = WholeUnits(s, s.TextHeight(kRowSample));
        for (std::size_t i = 0; i < m.lines.size(); ++i) {
            const std::string line = Shown(m.lines[i]);
            s.TextOutTop(ctx.AlignedX(object, rect, s.TextWidth(line)), rect.top + static_cast<double>(i) * step, line);
        }
    }
    ctx.DrawBorder(object, rect);
}

void DrawObject(RenderContext& ctx, const ExportPage& page, const PageObject& object, int slot) {
    const PrintOptions& o = page.options;
    switch (object.Kind()) {
    case ObjectKind::Title:
        if (o.printTitle) OneLine(ctx, page, object, slot, page.puzzle.title.Str());
        break;
    case ObjectKind::Puzzle:
        if (o.printBody) DrawMetafileGrid(ctx, object, slot, page);
        break;
    case ObjectKind::DownHeader:
    case ObjectKind::AcrossHeader:
        if (o.printClues) OneLine(ctx, page, object, slot, ObjectText(object));
        break;
    case ObjectKind::DownClues:
        if (o.printClues) ClueBlock(ctx, page, object, slot, page.rendering.downClues);
        break;
    case ObjectKind::AcrossClues:
        if (o.printClues) ClueBlock(ctx, page, object, slot, page.rendering.acrossClues);
        break;
    case ObjectKind::WordList:
        if (o.printWords) WordList(ctx, page, object, slot);
        break;
    case ObjectKind::BonusQuestion:
        if (o.printBonus && !page.puzzle.bonusQuestion.Empty())
            OneLine(ctx, page, object, slot, page.puzzle.bonusQuestion.Str());
        break;
    case ObjectKind::CombinedClues:
        if (o.printClues) Combined(ctx, page, object, slot);
        break;
    case ObjectKind::Text: TextBlock(ctx, page, object, slot); break;
    case ObjectKind::Bitmap: break;  // a metafile of the page holds no pictures
    case ObjectKind::Rectangle:
    case ObjectKind::Circle: DrawShape(ctx, object); break;
    }
}

}  // namespace

int FittedSize(const ExportPage& page, const PageObject& object, int slot) {
    if (object.fittedFontSize > 0) return object.fittedFontSize;
    const int recorded = page.rendering.fittedFontSize[static_cast<std::size_t>(slot - 1)];
    return recorded > 0 ? recorded : std::max<int>(object.textFont.size, 1);
}

void DrawMetafilePage(Surface& surface, const ExportPage& page) {
    const RenderResult& r = page.rendering;
    surface.SetOrientation(PageOrientation::Portrait);
    surface.SetCustomPaper(r.pageWidth, r.pageHeight);
    surface.SetPenColor(kColorWhite);
    surface.SetBrushColor(kColorWhite);
    surface.FillRect(0, 0, r.pageWidth, r.pageHeight);

    // Only what the placing of the objects reads: the page and the scale of the last rendering.
    RenderResult scratch;
    scratch.pageWidth = r.pageWidth;
    scratch.pageHeight = r.pageHeight;
    scratch.scale = r.scale;
    RenderContext ctx{surface, page.puzzle, page.options, page.headings, ListEntries(page.puzzle), r.scale, scratch};
    for (int i = 0; i < page.layout.UsedObjects(); ++i)
        DrawObject(ctx, page, page.layout.objects[static_cast<std::size_t>(i)], i + 1);
}

}  // namespace qf
