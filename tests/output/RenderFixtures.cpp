#include "output/RenderFixtures.h"

#include <algorithm>

#include "layouts/PageObjects.h"

namespace qf::test {

PuzzleRecord MakePuzzle(const std::vector<std::string>& rows,
                        const std::function<std::string(const std::string&)>& clue) {
    PuzzleRecord p = NewPuzzleRecord();
    p.height = static_cast<std::int16_t>(rows.size());
    p.width = static_cast<std::int16_t>(rows.empty() ? 0 : rows[0].size());
    auto letter = [&](int r, int c) {
        if (r < 1 || c < 1 || r > p.height || c > p.width) return false;
        const char ch = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
        return ch != '.' && ch != '#';
    };
    for (int r = 1; r <= p.height; ++r)
        for (int c = 1; c <= p.width; ++c) {
            const char ch = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
            p.Cell(CellIndex(r, c)) = ch == '.' ? kCellOutside : ch == '#' ? kCellBlank : static_cast<std::uint8_t>(ch);
        }
    struct Word {
        int start, length, number;
        bool across;
        std::string text;
    };
    std::vector<Word> across, down;
    int number = 0;
    for (int r = 1; r <= p.height; ++r)
        for (int c = 1; c <= p.width; ++c) {
            if (!letter(r, c)) continue;
            const bool a = !letter(r, c - 1) && letter(r, c + 1);
            const bool d = !letter(r - 1, c) && letter(r + 1, c);
            if (!a && !d) continue;
            ++number;
            if (a) {
                Word w{CellIndex(r, c), 0, number, true, {}};
                for (int k = c; letter(r, k); ++k, ++w.length) w.text += static_cast<char>(p.Cell(CellIndex(r, k)));
                across.push_back(w);
            }
            if (d) {
                Word w{CellIndex(r, c), 0, number, false, {}};
                for (int k = r; letter(k, c); ++k, ++w.length) w.text += static_cast<char>(p.Cell(CellIndex(k, c)));
                down.push_back(w);
            }
        }
    std::vector<Word> all = across;
    all.insert(all.end(), down.begin(), down.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Word& w = all[i];
        p.words[i] = w.text;
        p.clues[i] = clue ? clue(w.text) : "Clue for " + w.text;
        p.startCell[i] = static_cast<std::int16_t>(w.start);
        p.letterCount[i] = static_cast<std::int16_t>(w.length);
        p.number[i] = static_cast<std::int16_t>(w.number);
        p.isAcross[i] = w.across ? 1 : 0;
        p.inGrid[i] = 1;
    }
    p.wordCount = static_cast<std::int16_t>(all.size());
    p.acrossCount = static_cast<std::int16_t>(across.size());
    p.downCount = static_cast<std::int16_t>(down.size());
    p.generated = 1;
    p.title = "Test Puzzle";
    return p;
}

PageLayoutRecord LetterLayout(bool portrait) {
    PageLayoutRecord layout;
    layout.name = "Test";
    layout.paperName = "Letter";
    layout.inches = 1;
    layout.portrait = portrait ? 1 : 0;
    layout.zoom = 1;
    layout.pageWidth = portrait ? 8.5 : 11.0;
    layout.pageHeight = portrait ? 11.0 : 8.5;
    layout.pixelWidth = portrait ? 408 : 528;
    layout.pixelHeight = portrait ? 528 : 408;
    layout.objectCount = 0;
    return layout;
}

PageObject& AddObject(PageLayoutRecord& layout, ObjectKind kind, int left, int top, int right, int bottom) {
    PageObject o = NewPageObject(kind, layout, HeadingLabels{});
    o.rect = {left, top, right, bottom};
    o.textFont.size = 12;
    o.useBorder = 0;
    PageObject& slot = layout.objects[static_cast<std::size_t>(layout.objectCount)];
    slot = o;
    ++layout.objectCount;
    return slot;
}

RenderResult Render(RecordingSurface& surface, const PuzzleRecord& puzzle, PageLayoutRecord& layout,
                    const PrintOptions& options) {
    return RenderPage(surface, puzzle, layout, options, PrintHeadings{"Across", "Down"});
}

std::vector<std::string> TextsDrawn(const RecordingSurface& surface) {
    std::vector<std::string> texts;
    for (const SurfaceCall& c : surface.Texts()) texts.push_back(c.text);
    return texts;
}

}  // namespace qf::test
