// The word list: the placed words sorted, in columns.
#include <algorithm>

#include "base/TextHelpers.h"
#include "output/RenderContext.h"

namespace qf {
namespace {

constexpr int kMaxColumns = 9;

struct WordLayout {
    bool allFit = true;      // every word narrower than its column
    bool allPlaced = true;   // no more words than places
};

WordLayout MeasureWords(RenderContext& ctx, const RectIn& rect, int columns, WordListMetrics& m) {
    Surface& s = ctx.surface;
    m.fontSize = s.Font().size;
    m.columns = columns;
    m.rowsPerColumn = ctx.RowsPerColumn(rect.Height());
    m.rowHeight = m.rowsPerColumn > 0 ? rect.Height() / m.rowsPerColumn : 0;
    m.leftMargin = s.TextWidth("9") * 0.25;
    m.columnWidth = (rect.Width() - m.leftMargin) / columns;
    WordLayout w;
    const std::size_t places = static_cast<std::size_t>(m.rowsPerColumn) * static_cast<std::size_t>(columns);
    m.printedLengths.assign(m.words.size(), 0);
    for (std::size_t i = 0; i < m.words.size(); ++i) {
        const std::string word = TrimBlanks(m.words[i]);
        const bool fits = s.TextWidth(word) <= m.columnWidth;
        if (!fits) w.allFit = false;
        if (i >= places) w.allPlaced = false;
        else if (fits) m.printedLengths[i] = static_cast<int>(word.size());
    }
    return w;
}

}  // namespace

void DrawWordList(RenderContext& ctx, PageObject& object, int slot) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    WordListMetrics& m = ctx.result.wordList;
    m.words.clear();
    for (int i = 1; i <= ctx.entries.n; ++i) m.words.push_back(ctx.puzzle.Word(i).Str());
    // Compared in upper case, byte by byte as unsigned, so accented letters sort after Z.
    std::stable_sort(m.words.begin(), m.words.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UpperLetters(a);
        const std::string ub = UpperLetters(b);
        return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
    });
    const int columns = std::clamp<int>(object.columns, 1, kMaxColumns);
    WordLayout w;
    const auto layOut = [&](int pt) {
        ctx.SetFont(object.textFont, pt);
        w = MeasureWords(ctx, rect, columns, m);
        return w.allFit && w.allPlaced;
    };
    // Every word needs a place, and a word wider than a whole column fits nowhere.
    std::vector<std::string> trimmed;
    for (const std::string& word : m.words) trimmed.push_back(TrimBlanks(word));
    const std::string widest = ctx.WidestByFloor(object.textFont, object.textFont.size, trimmed);
    const double columnWidth = rect.Width() / columns;  // the column, less its margin, is no wider
    const auto cannotFit = [&](int pt) {
        return !RowsCanHold(ctx.RowsAtMost(object.textFont, pt, rect.Height()), columns, m.words.size()) ||
               (!widest.empty() && s.TextWidthFloor(ctx.FontAt(object.textFont, pt), widest) > columnWidth);
    };
    ShrinkToFit(object.textFont.size, object.makeFit != 0, kBlockFloor, layOut, cannotFit);
    // A word left out for want of width is flagged too, so no word disappears without a warning.
    m.fits = w.allFit && w.allPlaced;
    m.present = true;
    m.objectSlot = slot;
    if (!m.fits) ctx.result.wordsDidNotFit = true;
    object.fittedFontSize = static_cast<std::int16_t>(s.Font().size);
    ctx.result.fittedFontSize[static_cast<std::size_t>(slot - 1)] = s.Font().size;

    // Filling each column to its last row before the next left a short list all in the first
    // column: the words are spread evenly, as many rows in each column as the first needs.
    const int n = static_cast<int>(m.words.size());
    m.rowsInUse = m.rowsPerColumn;
    if (m.rowsPerColumn > 0 && n <= m.rowsPerColumn * columns) m.rowsInUse = std::max(1, (n + columns - 1) / columns);
    s.SetTextTransparent(object.transparent == 1);
    const int r = m.rowsInUse;
    for (std::size_t i = 0; i < m.words.size(); ++i) {
        if (m.printedLengths[i] == 0) continue;
        const int index = static_cast<int>(i);
        const int column = index / r + 1;
        const int row = index % r + 1;
        s.TextOut(rect.left + m.leftMargin + (column - 1) * m.columnWidth, RowBaseline(rect.top, row, m.rowHeight),
                  TrimBlanks(m.words[i]));
    }
    ctx.DrawBorder(object, rect);
}

}  // namespace qf
