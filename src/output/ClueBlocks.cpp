// The across and down clue blocks and the combined block: metrics, breaking, flow, fitting, drawing.
#include <algorithm>

#include "base/TextHelpers.h"
#include "output/ClueLayout.h"
#include "output/RenderContext.h"

namespace qf {
namespace {

constexpr int kMaxColumns = 9;

int Columns(const PageObject& object) { return std::clamp<int>(object.columns, 1, kMaxColumns); }

double NumberWidthFactor(int lastNumber) {
    if (lastNumber < 10) return 2;
    if (lastNumber < 100) return 3;
    return 4;
}

int LastNumber(const std::vector<PuzzleEntry>& entries) { return entries.empty() ? 0 : entries.back().number; }

// Column metrics in the current font.
void MeasureBlock(RenderContext& ctx, const RectIn& rect, int columns, int lastNumber, ClueBlockMetrics& m) {
    Surface& s = ctx.surface;
    const double nine = s.TextWidth("9");
    m.columns = columns;
    m.fontSize = s.Font().size;
    m.rowsPerColumn = ctx.RowsPerColumn(rect.Height());
    m.rowHeight = m.rowsPerColumn > 0 ? rect.Height() / m.rowsPerColumn : 0;
    m.numberWidth = nine * NumberWidthFactor(lastNumber);
    m.columnGap = nine * 2;
    m.leftMargin = nine * 0.25;
    m.clueTextWidth = (rect.Width() - (columns * m.numberWidth + (columns - 1) * m.columnGap + m.leftMargin)) / columns;
}

PlacedClue BreakEntry(RenderContext& ctx, const PuzzleEntry& e, double width, bool& fits) {
    PlacedClue c;
    c.slot = e.slot;
    c.number = e.number;
    BrokenClue b = BreakClue(ctx.surface, ctx.puzzle.Clue(e.slot).Str(), width);
    c.lines = std::move(b.lines);
    c.breakable = b.breakable;
    if (!b.breakable || b.tooLong) fits = false;
    return c;
}

// Breaks and places a run of entries; stops at the first that runs past the cursor's last column.
bool FlowEntries(RenderContext& ctx, const std::vector<PuzzleEntry>& entries, FlowCursor& cursor,
                 ClueBlockMetrics& m, bool& placing) {
    bool fits = true;
    for (const PuzzleEntry& e : entries) {
        PlacedClue c = BreakEntry(ctx, e, m.clueTextWidth, fits);
        if (placing && !cursor.Place(static_cast<int>(c.lines.size()), c.column, c.row)) placing = false;
        if (!placing) c.column = c.row = 0;
        m.entries.push_back(std::move(c));
    }
    return fits && placing;
}

// The words of the entries' clues, as line breaking parts them (at blanks).
std::vector<std::string> ClueWords(const RenderContext& ctx, const std::vector<PuzzleEntry>& entries) {
    std::vector<std::string> words;
    for (const PuzzleEntry& e : entries) {
        const std::string clue = ctx.puzzle.Clue(e.slot).Str();
        for (std::size_t i = 0; i < clue.size();) {
            const std::size_t end = std::min(clue.find(' ', i), clue.size());
            if (end > i) words.push_back(clue.substr(i, end - i));
            i = end + 1;
        }
    }
    return words;
}

double ColumnLeft(const RectIn& rect, const ClueBlockMetrics& m, int column) {
    return rect.left + m.leftMargin + (column - 1) * (m.columnGap + m.numberWidth + m.clueTextWidth);
}

void DrawEntries(RenderContext& ctx, const RectIn& rect, const ClueBlockMetrics& m) {
    Surface& s = ctx.surface;
    for (const PlacedClue& c : m.entries) {
        if (c.column == 0) continue;
        const double x0 = ColumnLeft(rect, m, c.column);
        s.TextOut(x0, RowBaseline(rect.top, c.row, m.rowHeight), std::to_string(c.number) + ".");
        for (std::size_t j = 0; j < c.lines.size(); ++j)
            s.TextOut(x0 + m.numberWidth, RowBaseline(rect.top, c.row + static_cast<int>(j), m.rowHeight),
                      TrimBlanks(c.lines[j]));
    }
}

void RecordSize(RenderContext& ctx, PageObject& object, int slot) {
    object.fittedFontSize = static_cast<std::int16_t>(ctx.surface.Font().size);
    ctx.result.fittedFontSize[static_cast<std::size_t>(slot - 1)] = ctx.surface.Font().size;
}

// Lays out the combined block at the current font size.
bool LayOutCombined(RenderContext& ctx, const PageObject& object, const RectIn& rect, ClueBlockMetrics& m) {
    const auto& across = ctx.entries.across;
    const auto& down = ctx.entries.down;
    const int columns = Columns(object);
    MeasureBlock(ctx, rect, columns, std::max(LastNumber(across), LastNumber(down)), m);
    m.entries.clear();
    m.acrossHeading = {ctx.headings.across};
    m.downHeading = {ctx.headings.down};
    const int r = m.rowsPerColumn;
    bool placing = true;
    bool fits = true;
    // A split needs a column for each half; one column is laid out unsplit.
    if (object.splitColumns && columns >= 2) {
        const int half = columns / 2;
        FlowCursor first{1, 1, r, half, 2};
        placing = first.Place(1, m.acrossHeading.column, m.acrossHeading.row);
        fits = FlowEntries(ctx, across, first, m, placing) && fits;
        bool placingDown = true;
        FlowCursor second{half + 1, 1, r, columns, 2};
        placingDown = second.Place(1, m.downHeading.column, m.downHeading.row);
        fits = FlowEntries(ctx, down, second, m, placingDown) && fits;
        return fits && placing && placingDown;
    }
    FlowCursor cursor{1, 1, r, columns, 1};
    placing = cursor.Place(1, m.acrossHeading.column, m.acrossHeading.row);
    fits = FlowEntries(ctx, across, cursor, m, placing) && fits;
    if (placing) {
        int firstDownLines = 0;
        if (!down.empty()) {
            bool ignored = true;
            firstDownLines = static_cast<int>(BreakEntry(ctx, down.front(), m.clueTextWidth, ignored).lines.size());
        }
        cursor.KeepTogether(1 + firstDownLines);
        placing = cursor.Place(1, m.downHeading.column, m.downHeading.row);
    }
    fits = FlowEntries(ctx, down, cursor, m, placing) && fits;
    return fits && placing;
}

void DrawHeading(RenderContext& ctx, const PageObject& object, const RectIn& rect, ClueBlockMetrics& m,
                 PlacedHeading& h) {
    if (h.column == 0) return;
    Surface& s = ctx.surface;
    const int columns = m.columns;
    int span = 1;
    if (object.splitColumns && (columns == 4 || columns == 6 || columns == 8)) span = columns / 2;
    const double x0 = ColumnLeft(rect, m, h.column);
    h.boxLeft = h.column == 1 ? rect.left : x0;
    h.boxRight = ColumnLeft(rect, m, h.column + span - 1) + m.numberWidth + m.clueTextWidth;
    const RectIn box{h.boxLeft, rect.top + (h.row - 1) * m.rowHeight, h.boxRight, rect.top + h.row * m.rowHeight};
    s.SetPenColor(object.borderColor);
    ctx.FrameRect(box);
    const double x = h.boxLeft + (h.boxRight - h.boxLeft - s.TextWidth(h.text)) / 2;
    s.TextOut(x, RowBaseline(rect.top, h.row, m.rowHeight), h.text);
}

}  // namespace

ClueBlockMetrics MeasureClueBlock(RenderContext& ctx, const PageObject& object) {
    constexpr int kTwoDigits = 99;
    ClueBlockMetrics m;
    ctx.SetFont(object.textFont, object.textFont.size);
    MeasureBlock(ctx, ctx.ObjectRect(object), Columns(object), kTwoDigits, m);
    return m;
}

void DrawClueBlock(RenderContext& ctx, PageObject& object, int slot, bool across) {
    const RectIn rect = ctx.ObjectRect(object);
    const std::vector<PuzzleEntry>& entries = across ? ctx.entries.across : ctx.entries.down;
    ClueBlockMetrics& m = across ? ctx.result.acrossClues : ctx.result.downClues;
    const int columns = Columns(object);
    bool fits = true;
    const auto layOut = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        MeasureBlock(ctx, rect, columns, LastNumber(entries), m);
        m.entries.clear();
        FlowCursor cursor{1, 1, m.rowsPerColumn, columns, 1};
        bool placing = true;
        fits = FlowEntries(ctx, entries, cursor, m, placing);
        return fits;
    };
    // Every entry takes a row at least, and a word at least as wide as a column's clue text
    // cannot be broken onto a line of its own.
    const std::string word = ctx.WidestByFloor(object.textFont, object.textFont.size, ClueWords(ctx, entries));
    const double columnWidth = rect.Width() / columns;  // the clue text's width is no more
    const auto cannotFit = [&](int pt) {
        return !RowsCanHold(ctx.RowsAtMost(object.textFont, pt, rect.Height()), columns, entries.size()) ||
               ctx.SurelyAsWide(object.textFont, pt, word, columnWidth);
    };
    ShrinkToFit(object.textFont.size, object.makeFit != 0, kBlockFloor, layOut, cannotFit);
    m.present = true;
    m.objectSlot = slot;
    m.fits = fits;
    if (!fits) ctx.result.cluesDidNotFit = true;
    RecordSize(ctx, object, slot);
    ctx.surface.SetTextTransparent(object.transparent == 1);
    DrawEntries(ctx, rect, m);
    ctx.DrawBorder(object, rect);
}

void DrawCombinedClues(RenderContext& ctx, PageObject& object, int slot) {
    const RectIn rect = ctx.ObjectRect(object);
    ClueBlockMetrics& m = ctx.result.combinedClues;
    bool fits = true;
    const auto layOut = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        fits = LayOutCombined(ctx, object, rect, m);
        return fits;
    };
    // Every entry takes a row at least, and each heading one; a word as wide as a column's clue
    // text cannot be broken.
    const std::size_t entries = ctx.entries.across.size() + ctx.entries.down.size();
    std::vector<std::string> words = ClueWords(ctx, ctx.entries.across);
    const std::vector<std::string> down = ClueWords(ctx, ctx.entries.down);
    words.insert(words.end(), down.begin(), down.end());
    const std::string word = ctx.WidestByFloor(object.textFont, object.textFont.size, words);
    const double columnWidth = rect.Width() / Columns(object);
    const auto cannotFit = [&](int pt) {
        return !RowsCanHold(ctx.RowsAtMost(object.textFont, pt, rect.Height()), Columns(object), entries, 2) ||
               ctx.SurelyAsWide(object.textFont, pt, word, columnWidth);
    };
    ShrinkToFit(object.textFont.size, object.makeFit != 0, kBlockFloor, layOut, cannotFit);
    m.present = true;
    m.objectSlot = slot;
    m.fits = fits;
    if (!fits) ctx.result.cluesDidNotFit = true;
    RecordSize(ctx, object, slot);
    ctx.surface.SetTextTransparent(object.transparent == 1);
    DrawHeading(ctx, object, rect, m, m.acrossHeading);
    DrawHeading(ctx, object, rect, m, m.downHeading);
    DrawEntries(ctx, rect, m);
    ctx.DrawBorder(object, rect);
}

}  // namespace qf
