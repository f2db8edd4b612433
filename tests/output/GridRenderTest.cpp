// The page's scale and paper, and the puzzle grid: geometry, boxes, outlines, numbers, letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include <array>
#include <cmath>

#include "output/MetafileExport.h"
#include "output/RenderFixtures.h"

namespace qf::test {
namespace {

const std::vector<std::string> kSmall = {
    "CAT",
    "A#O",
    "BOX",
};

// Letters (not numbers) drawn, as "L@x,y".
std::vector<SurfaceCall> Letters(const RecordingSurface& s) {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : s.Texts())
        if (!c.text.empty() && !std::isdigit(static_cast<unsigned char>(c.text[0]))) out.push_back(c);
    return out;
}

std::string LetterString(const std::vector<SurfaceCall>& calls) {
    std::string s;
    for (const SurfaceCall& c : calls) s += c.text;
    return s;
}

TEST(PageRender, ScaleAndPaperInBothOrientations) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    {
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout(true);
        const RenderResult r = Render(s, p, layout);
        EXPECT_DOUBLE_EQ(r.pageWidth, 8.5);
        EXPECT_DOUBLE_EQ(r.pageHeight, 11.0);
        EXPECT_DOUBLE_EQ(r.scale, 1.0 / 48);
        EXPECT_EQ(s.Orientation(), PageOrientation::Portrait);
    }
    {
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout(false);
        const RenderResult r = Render(s, p, layout);
        EXPECT_DOUBLE_EQ(r.pageWidth, 11.0);
        EXPECT_DOUBLE_EQ(r.pageHeight, 8.5);
        EXPECT_DOUBLE_EQ(r.scale, 1.0 / 48);
    }
    {
        // A4 by its paper code; the scale is the smaller of the two ratios.
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout(true);
        layout.paperName = "A4";
        layout.inches = 0;
        layout.pixelWidth = 420;
        layout.pixelHeight = 560;
        const RenderResult r = Render(s, p, layout);
        EXPECT_NEAR(r.pageWidth, 210 / 25.4, 1e-9);
        EXPECT_NEAR(r.pageHeight, 297 / 25.4, 1e-9);
        EXPECT_NEAR(r.scale, (210 / 25.4) / 420, 1e-12);  // the width limits it
    }
    {
        // A custom landscape page in centimetres comes out as laid out.
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout(false);
        layout.paperName = "Custom";
        layout.inches = 0;
        layout.pageWidth = 25.4;
        layout.pageHeight = 12.7;
        layout.pixelWidth = 508;
        layout.pixelHeight = 254;
        const RenderResult r = Render(s, p, layout);
        EXPECT_NEAR(r.pageWidth, 10.0, 1e-9);
        EXPECT_NEAR(r.pageHeight, 5.0, 1e-9);
        EXPECT_NEAR(r.scale, 10.0 / 508, 1e-12);
    }
    {
        // A damaged layout with no page size draws nothing useful but does not divide by zero.
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout(true);
        layout.pixelWidth = 0;
        layout.pixelHeight = -5;
        const RenderResult r = Render(s, p, layout);
        EXPECT_EQ(r.scale, 0.0);
    }
}

TEST(PageRender, EntryCountSkipsTrailingWordsOutOfTheGrid) {
    PuzzleRecord p = MakePuzzle(kSmall);
    ASSERT_EQ(p.wordCount, 4);
    p.inGrid[3] = 0;
    p.inGrid[2] = 0;
    RecordingSurface s;
    PageLayoutRecord layout = LetterLayout();
    EXPECT_EQ(Render(s, p, layout).entryCount, 2);
    p.inGrid.fill(0);
    EXPECT_EQ(Render(s, p, layout).entryCount, 0);
}

TEST(GridRender, CellsAreSquareAndCentredAlongTheLongerSide) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    auto firstSquare = [&](int l, int t, int r, int b) {
        RecordingSurface s;
        PageLayoutRecord layout = LetterLayout();
        AddObject(layout, ObjectKind::Puzzle, l, t, r, b).blockColor = 0x00FF00;
        Render(s, p, layout);
        for (const SurfaceCall& c : s.CallsOf("FillRect"))
            if (c.brush == 0x00FF00) return c.args;
        return std::vector<double>{};
    };
    // 3 x 3 inches: cells of 1 inch from the corner.
    EXPECT_EQ(firstSquare(48, 48, 192, 192), (std::vector<double>{1, 1, 2, 2}));
    // 6 wide x 3 high: 1-inch cells, moved right by half the 3 unused inches.
    EXPECT_EQ(firstSquare(48, 48, 336, 192), (std::vector<double>{2.5, 1, 3.5, 2}));
    // 3 wide x 6 high: moved down instead.
    EXPECT_EQ(firstSquare(48, 48, 192, 336), (std::vector<double>{1, 2.5, 2, 3.5}));
}

TEST(GridRender, FilledBoxesSkeletonAndOutlines) {
    const PuzzleRecord p = MakePuzzle({"A#", "BC", "D."});
    PageLayoutRecord layout = LetterLayout();
    PageObject& grid = AddObject(layout, ObjectKind::Puzzle, 48, 48, 144, 192);  // 2 x 3 cells of 1 inch
    grid.lineWidth = 3;
    grid.lineColor = 0x0000FF;
    PrintOptions o;
    o.boxColor = 0x123456;
    RecordingSurface s;
    Render(s, p, layout, o);
    std::vector<std::vector<double>> boxFills, boxLines;
    for (const SurfaceCall& c : s.Calls()) {
        if (c.op == "FillRect" && c.brush == 0x123456) boxFills.push_back(c.args);
        if (c.op == "LineTo" && c.pen == 0x123456) boxLines.push_back(c.args);
    }
    // The blank square in the last column gets its right edge; its lower neighbour is a letter.
    EXPECT_EQ(boxFills, (std::vector<std::vector<double>>{{2, 1, 3, 2}}));
    EXPECT_EQ(boxLines, (std::vector<std::vector<double>>{{3, 2}}));

    // Four letter squares, each outlined three times, one pixel (0.01 inch) further in each time.
    std::vector<std::vector<double>> outline;
    for (const SurfaceCall& c : s.Calls())
        if ((c.op == "MoveTo" || c.op == "LineTo") && c.pen == 0x0000FF) outline.push_back(c.args);
    ASSERT_EQ(outline.size(), 4u * 3u * 5u);
    EXPECT_EQ(outline[0], (std::vector<double>{1, 1}));
    EXPECT_NEAR(outline[5][0], 1.01, 1e-12);
    EXPECT_NEAR(outline[7][0], 1.99, 1e-12);
    EXPECT_NEAR(outline[10][1], 1.02, 1e-12);

    // Skeleton: no box at all.
    o.useBoxes = false;
    RecordingSurface skeleton;
    Render(skeleton, p, layout, o);
    for (const SurfaceCall& c : skeleton.Calls()) EXPECT_FALSE(c.op == "FillRect" && c.brush == 0x123456);
}

TEST(GridRender, NumbersHorizontalOrStacked) {
    // Three entries starting in three different cells, numbered 7, 23 and 105.
    PuzzleRecord p = MakePuzzle({"AB.", "C.D", ".EF"});
    ASSERT_GE(p.wordCount, 3);
    p.wordCount = 3;
    p.number[0] = 7;
    p.number[1] = 23;
    p.number[2] = 105;
    PageLayoutRecord layout = LetterLayout();
    PageObject& grid = AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);
    grid.numberFont.size = 12;
    grid.numbersHorizontal = 0;
    RecordingSurface s;
    Render(s, p, layout);
    // 12 points: line height 0.2, descent 1/30, so a = 1/6; x is half a "9" (1/24) into the cell.
    const double a = 0.2 - 1.0 / 30;
    struct Want {
        std::string text;
        double x, y;
    };
    auto cellOf = [&](int slot) {
        const int k = p.startCell[static_cast<std::size_t>(slot - 1)];
        return std::pair<double, double>{1.0 + (k - 1) % 50, 1.0 + (k - 1) / 50};
    };
    const auto [x1, y1] = cellOf(1);
    const auto [x2, y2] = cellOf(2);
    const auto [x3, y3] = cellOf(3);
    const std::vector<Want> want = {
        {"7", x1 + 1.0 / 24, y1 + a},
        {"2", x2 + 1.0 / 24, y2 + a}, {"3", x2 + 1.0 / 24, y2 + 2 * a},
        {"1", x3 + 1.0 / 24, y3 + a}, {"0", x3 + 1.0 / 24, y3 + 2 * a}, {"5", x3 + 1.0 / 24, y3 + 3 * a},
    };
    const std::vector<SurfaceCall> texts = s.Texts();
    ASSERT_EQ(texts.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(texts[i].text, want[i].text) << i;
        EXPECT_NEAR(texts[i].args[0], want[i].x, 1e-12) << i;
        EXPECT_NEAR(texts[i].args[1], want[i].y, 1e-12) << i;
        EXPECT_TRUE(texts[i].transparent);
    }
    // Horizontal: each number whole on the first line.
    grid.numbersHorizontal = 1;
    RecordingSurface h;
    Render(h, p, layout);
    EXPECT_EQ(TextsDrawn(h), (std::vector<std::string>{"7", "23", "105"}));

    // CAT and CAB both start in the corner as number 1: it is drawn once.
    const PuzzleRecord shared = MakePuzzle(kSmall);
    RecordingSurface once;
    Render(once, shared, layout);
    EXPECT_EQ(TextsDrawn(once), (std::vector<std::string>{"1", "3", "2"}));
}

TEST(GridRender, AnswerKeyPartialAnswersAndPartialLetters) {
    const PuzzleRecord p = MakePuzzle(kSmall);  // across CAT, BOX; down CAB, TOX
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);
    PrintOptions o;
    {
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_TRUE(Letters(s).empty());  // a blank puzzle
    }
    o.answerKey = true;
    o.partialAnswer = true;
    o.partialSelection[0] = true;
    o.partialLetters = true;
    o.letters = "o";
    {
        // The answer key shows every letter once; the partial choices add nothing.
        RecordingSurface s;
        Render(s, p, layout, o);
        const auto letters = Letters(s);
        EXPECT_EQ(LetterString(letters), "CATAOBOX");
        // Centred in its cell: 12 points, "C" 0.7 em wide, 1 em high, descent 0.2 em; cell of 1 inch.
        const double em = 1.0 / 6;
        EXPECT_NEAR(letters[0].args[0], 1 + (1 - 0.7 * em) / 2, 1e-12);
        EXPECT_NEAR(letters[0].args[1], 2 - 0.2 * em - (1 - em) / 2, 1e-12);
        EXPECT_EQ(letters[0].font.size, 12);
    }
    o.answerKey = false;
    {
        // Slot 1 (CAT) from the partial answers, then every O of every entry, each cell once.
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_EQ(LetterString(Letters(s)), "CAT" "OO");
    }
    o.partialAnswer = false;
    o.letters = "";
    {
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_TRUE(Letters(s).empty());  // partial letters with no letters show nothing
    }
}

TEST(GridRender, WordSeparatorsAreDrawnWithOrWithoutTheAnswerKey) {
    const PuzzleRecord p = MakePuzzle({"AB-CD", "#####", "EF/GH"});
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::Puzzle, 48, 48, 288, 192);
    PrintOptions o;
    o.wordSepDash = true;
    {
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_EQ(LetterString(Letters(s)), "-");
    }
    o.wordSepSlash = true;
    o.answerKey = true;
    {
        // The key draws every letter; the separators are drawn again over it.
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_EQ(LetterString(Letters(s)), "AB-CDEF/GH" "-/");
    }
    o.wordSepDash = o.wordSepSlash = false;
    o.wordSepOther = true;
    o.wordSepChar = '/';
    {
        RecordingSurface s;
        Render(s, p, layout, o);
        EXPECT_EQ(LetterString(Letters(s)), "AB-CDEF/GH" "/");
    }
}

TEST(GridRender, LetterFontShrinksToTheCellDownToFourPoints) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    auto fitted = [&](int right) {
        PageLayoutRecord layout = LetterLayout();
        AddObject(layout, ObjectKind::Puzzle, 0, 0, right, right);
        RecordingSurface s;
        return Render(s, p, layout).fittedFontSize[0];
    };
    EXPECT_EQ(fitted(144), 12);  // cells of 1 inch: a 12-point W is 1/6 inch
    // Cells of 0.1 inch: a W is size/72 inch wide, narrower than the cell from 7 points.
    PageLayoutRecord layout = LetterLayout();
    layout.pixelWidth = 408 * 10;  // 480 units to the inch: cells of exactly 0.1 inch
    layout.pixelHeight = 528 * 10;
    AddObject(layout, ObjectKind::Puzzle, 0, 0, 144, 144);
    RecordingSurface s;
    EXPECT_EQ(Render(s, p, layout).fittedFontSize[0], 7);
    layout.objects[0].rect = {0, 0, 12, 12};  // cells of 1/120 inch: the floor
    EXPECT_EQ(Render(s, p, layout).fittedFontSize[0], 4);
    EXPECT_EQ(layout.objects[0].fittedFontSize, 4);
}

// Where a large number and a large letter share a cell, the letter moves right of the digits
// or below them (smaller if it must): no letter's ink touches a digit's, on the page and in the
// metafile, with horizontal and stacked numbers of one to three digits.
TEST(GridRender, AnswerLettersKeepClearOfTheirCellsNumbers) {
    PuzzleRecord p = MakePuzzle({"WM.", "M.W", ".WM"});  // the widest letters in every cell
    p.wordCount = 3;
    p.number[0] = 7;
    p.number[1] = 23;
    p.number[2] = 105;
    struct Row {
        bool horizontal;
        int numberSize;
    };
    for (const Row row : {Row{false, 24}, Row{true, 24}, Row{false, 18}, Row{true, 30}, Row{true, 12}}) {
        SCOPED_TRACE(testing::Message() << "horizontal " << row.horizontal << ", numbers of " << row.numberSize << " pt");
        PageLayoutRecord layout = LetterLayout();
        PageObject& grid = AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);  // cells of 1 inch
        grid.numberFont.size = static_cast<std::int16_t>(row.numberSize);
        grid.textFont.size = 72;  // fitted down to the cell: W just under an inch
        grid.numbersHorizontal = row.horizontal ? 1 : 0;
        PrintOptions o;
        o.answerKey = true;
        RecordingSurface page;
        const RenderResult result = Render(page, p, layout, o);
        const RecordingSurface metafile = [&] {
            RecordingSurface s;
            DrawMetafilePage(s, ExportPage{p, layout, o, PrintHeadings{"Across", "Down"}, result});
            return s;
        }();
        for (const RecordingSurface* s : std::array<const RecordingSurface*, 2>{&page, &metafile}) {
            struct Ink {
                double left, top, right, bottom;
            };
            std::vector<Ink> digits, letters;
            for (const SurfaceCall& c : s->Texts()) {
                const double em = c.font.size / 72.0;
                const double width = RecordingSurface::EmsOf(c.text[0]) * em;
                // A capital's ink rises about 0.72 em; digits are measured by their whole ascent.
                const double rise = std::isdigit(static_cast<unsigned char>(c.text[0])) ? 0.8 * em : 0.72 * em;
                Ink ink{c.args[0], c.args[1] - rise, c.args[0] + width * static_cast<double>(c.text.size()), c.args[1]};
                if (std::isdigit(static_cast<unsigned char>(c.text[0]))) {
                    digits.push_back(ink);
                } else {
                    letters.push_back(ink);
                    EXPECT_GE(c.font.size, 4);  // the letters' floor
                }
            }
            ASSERT_EQ(letters.size(), 6u);
            ASSERT_FALSE(digits.empty());
            for (const Ink& l : letters) {
                // Inside its own cell of 1 inch.
                EXPECT_GE(l.left, std::floor(l.left));
                EXPECT_LE(l.right, std::floor(l.left) + 1 + 1e-9);
                for (const Ink& d : digits) {
                    const bool apart = l.right <= d.left || d.right <= l.left || l.bottom <= d.top || d.bottom <= l.top;
                    EXPECT_TRUE(apart) << "letter at " << l.left << "," << l.top << " digit at " << d.left << "," << d.top;
                }
            }
        }
    }
}

TEST(GridRender, DamagedRecordStaysInsideTheGrid) {
    PuzzleRecord p = MakePuzzle(kSmall);
    p.width = 300;
    p.height = -4;
    p.startCell[0] = 2600;
    p.letterCount[0] = 900;
    p.wordCount = 1000;
    p.acrossCount = 5000;
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);
    PrintOptions o;
    o.partialAnswer = true;
    o.partialSelection.fill(true);
    RecordingSurface s;
    EXPECT_EQ(Render(s, p, layout, o).entryCount, 4);  // the word count is held to the 200 slots
    EXPECT_TRUE(s.Texts().empty());                     // no grid rows to show
    p.height = 3;
    s.Clear();
    Render(s, p, layout, o);
    // Whatever a damaged entry claims, only cells of the shown grid get letters.
    for (const SurfaceCall& c : s.Texts()) {
        EXPECT_GE(c.args[0], 1.0);
        EXPECT_LE(c.args[1], 4.0);
    }
}

}  // namespace
}  // namespace qf::test
