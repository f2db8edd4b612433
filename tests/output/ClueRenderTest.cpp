// Clue blocks and the combined block: metrics, line breaking, flow, fitting, drawing.
#include <gtest/gtest.h>

#include "output/RenderFixtures.h"

namespace qf::test {
namespace {

constexpr double kEm = 1.0 / 6;    // 12 points on the recording surface
constexpr double kNine = kEm / 2;  // width of "9"

// Six across words AB, CD, EF, GH, IJ, KL numbered 1 to 6, and no down words.
const std::vector<std::string> kSixAcross = {"AB#CD", "#####", "EF#GH", "#####", "IJ#KL"};
// Across CAT (1), BOX (3); down CAB (1), TOX (2).
const std::vector<std::string> kSmall = {"CAT", "A#O", "BOX"};

std::string Words(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += i ? " aaaa" : "aaaa";
    return s;
}

const SurfaceCall* FindText(const RecordingSurface& s, const std::string& text) {
    static std::vector<SurfaceCall> texts;
    texts = s.Texts();
    for (const SurfaceCall& c : texts)
        if (c.text == text) return &c;
    return nullptr;
}

TEST(ClueBlock, MetricsLineBreakingAndDrawing) {
    const PuzzleRecord p = MakePuzzle(kSmall, [](const std::string& w) { return w == "CAT" ? Words(6) : "Short"; });
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::AcrossClues, 48, 48, 144, 144);  // 2 x 2 inches from (1, 1)
    RecordingSurface s;
    const RenderResult r = Render(s, p, layout);
    const ClueBlockMetrics& m = r.acrossClues;
    ASSERT_TRUE(m.present);
    EXPECT_EQ(m.rowsPerColumn, 12);
    EXPECT_DOUBLE_EQ(m.rowHeight, kEm);
    EXPECT_DOUBLE_EQ(m.numberWidth, 2 * kNine);
    EXPECT_DOUBLE_EQ(m.columnGap, 2 * kNine);
    EXPECT_DOUBLE_EQ(m.leftMargin, kNine / 4);
    EXPECT_DOUBLE_EQ(m.clueTextWidth, 2 - (2 * kNine + kNine / 4));
    ASSERT_EQ(m.entries.size(), 2u);
    // Six words of 1/3 inch: five and their blanks reach 1.83 inch, past the 1.81 of the column.
    EXPECT_EQ(m.entries[0].lines, (std::vector<std::string>{"aaaa aaaa aaaa aaaa ", "aaaa aaaa"}));
    EXPECT_EQ(m.entries[1].row, 3);

    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"1.", "aaaa aaaa aaaa aaaa", "aaaa aaaa", "3.", "Short"}));
    const std::vector<SurfaceCall> t = s.Texts();
    const double x0 = 1 + kNine / 4;
    EXPECT_DOUBLE_EQ(t[0].args[0], x0);
    EXPECT_DOUBLE_EQ(t[0].args[1], 1 + 0.8 * kEm);
    EXPECT_DOUBLE_EQ(t[1].args[0], x0 + 2 * kNine);
    EXPECT_DOUBLE_EQ(t[2].args[1], 1 + kEm + 0.8 * kEm);
    EXPECT_DOUBLE_EQ(t[3].args[1], 1 + 2 * kEm + 0.8 * kEm);
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_FALSE(r.downClues.present);
}

TEST(ClueBlock, SevenLinesAtMostAndUnbreakableClues) {
    // 32 words make eight lines of four.
    PuzzleRecord p = MakePuzzle(kSmall, [](const std::string&) { return Words(32); });
    p.Clue(1) = Words(30);  // the field holds 150 characters
    PageLayoutRecord layout = LetterLayout();
    PageObject& block = AddObject(layout, ObjectKind::AcrossClues, 48, 48, 144, 528);
    block.makeFit = 0;
    p.Clue(1) = Words(30);
    {
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        ASSERT_EQ(r.acrossClues.entries.size(), 2u);
        EXPECT_EQ(r.acrossClues.entries[0].lines.size(), 7u);  // 30 words need eight lines
        EXPECT_FALSE(r.acrossClues.fits);
        EXPECT_TRUE(r.cluesDidNotFit);
        ASSERT_EQ(r.warnings.size(), 1u);
        EXPECT_EQ(r.warnings[0].text,
                  "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on "
                  "the page layout, change the font size for the clues or select the \"Make It Fit\" attribute for "
                  "the clue fonts.");
        EXPECT_EQ(r.warnings[0].caption, "Warning");
    }
    block.makeFit = 1;
    {
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        EXPECT_TRUE(r.acrossClues.fits);
        EXPECT_LT(r.acrossClues.fontSize, 12);
        for (const PlacedClue& c : r.acrossClues.entries) EXPECT_LE(c.lines.size(), 7u);
        EXPECT_TRUE(r.warnings.empty());
    }
    // One word wider than the column (22 letters, 1.83 inch against 1.81) cannot be broken.
    p.Clue(1) = std::string(22, 'a');
    p.Clue(2) = "Short";
    block.makeFit = 0;
    {
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        EXPECT_FALSE(r.acrossClues.entries[0].breakable);
        EXPECT_TRUE(r.cluesDidNotFit);
    }
    block.makeFit = 1;
    {
        // At 11 points the word is 1.68 inch and the column 1.83: it fits.
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        EXPECT_EQ(r.acrossClues.fontSize, 11);
        EXPECT_EQ(layout.objects[0].fittedFontSize, 11);
        EXPECT_FALSE(r.cluesDidNotFit);
    }
    // Nothing fits a block too small for one row: the floor is 3 points.
    layout.objects[0].rect = {48, 48, 144, 49};
    {
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        EXPECT_EQ(r.acrossClues.fontSize, 3);
        EXPECT_TRUE(r.cluesDidNotFit);
        EXPECT_TRUE(s.Texts().empty());
    }
}

TEST(ClueBlock, EntriesFlowDownColumnsAndStopAtTheLast) {
    // Clue lines 1, 2, 1, 2, 1, 1 in two columns of three rows.
    const std::vector<int> lines = {1, 2, 1, 2, 1, 1};
    int next = 0;
    const PuzzleRecord p = MakePuzzle(kSixAcross, [&](const std::string&) {
        return lines[static_cast<std::size_t>(next++)] == 1 ? std::string("x") : Words(5);
    });
    PageLayoutRecord layout = LetterLayout();
    PageObject& block = AddObject(layout, ObjectKind::AcrossClues, 48, 48, 240, 72);  // 4 x 0.5 inches
    block.columns = 2;
    block.makeFit = 0;
    RecordingSurface s;
    const RenderResult r = Render(s, p, layout);
    const ClueBlockMetrics& m = r.acrossClues;
    EXPECT_EQ(m.rowsPerColumn, 3);
    const double clueWidth = (4 - (2 * 2 * kNine + 2 * kNine + kNine / 4)) / 2;
    EXPECT_DOUBLE_EQ(m.clueTextWidth, clueWidth);
    std::vector<std::pair<int, int>> placed;
    for (const PlacedClue& c : m.entries) placed.emplace_back(c.column, c.row);
    EXPECT_EQ(placed, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}, {0, 0}, {0, 0}}));
    EXPECT_TRUE(r.cluesDidNotFit);
    const SurfaceCall* three = FindText(s, "3.");
    ASSERT_NE(three, nullptr);
    EXPECT_DOUBLE_EQ(three->args[0], 1 + kNine / 4 + (2 * kNine + 2 * kNine + clueWidth));
    EXPECT_DOUBLE_EQ(three->args[1], 1 + 0.8 * kEm);
    EXPECT_EQ(FindText(s, "5."), nullptr);
}

TEST(ClueBlock, NumberWidthFollowsTheLastNumber) {
    auto widthWithLast = [](int last) {
        PuzzleRecord p = MakePuzzle(kSixAcross);
        p.number[5] = static_cast<std::int16_t>(last);
        PageLayoutRecord layout = LetterLayout();
        AddObject(layout, ObjectKind::AcrossClues, 48, 48, 240, 240);
        RecordingSurface s;
        const RenderResult r = Render(s, p, layout);
        // The clue text stands one number width right of the number.
        EXPECT_DOUBLE_EQ(s.Texts()[1].args[0] - s.Texts()[0].args[0], r.acrossClues.numberWidth);
        return r.acrossClues.numberWidth;
    };
    EXPECT_DOUBLE_EQ(widthWithLast(9), 2 * kNine);
    EXPECT_DOUBLE_EQ(widthWithLast(10), 3 * kNine);
    EXPECT_DOUBLE_EQ(widthWithLast(99), 3 * kNine);
    EXPECT_DOUBLE_EQ(widthWithLast(100), 4 * kNine);
}

TEST(CombinedClues, WithoutSplitTheDownListFollowsTheAcrossList) {
    const PuzzleRecord p = MakePuzzle(kSmall, [](const std::string&) { return "x"; });
    PageLayoutRecord layout = LetterLayout();
    PageObject& block = AddObject(layout, ObjectKind::CombinedClues, 48, 48, 240, 144);  // 4 x 2 inches
    block.makeFit = 0;
    RecordingSurface s;
    RenderResult r = Render(s, p, layout);
    const ClueBlockMetrics& m = r.combinedClues;
    EXPECT_EQ(m.rowsPerColumn, 12);
    EXPECT_EQ(m.acrossHeading.column, 1);
    EXPECT_EQ(m.acrossHeading.row, 1);
    EXPECT_EQ(m.downHeading.column, 1);
    EXPECT_EQ(m.downHeading.row, 4);
    std::vector<std::pair<int, int>> placed;
    for (const PlacedClue& c : m.entries) placed.emplace_back(c.column, c.row);
    EXPECT_EQ(placed, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {1, 5}, {1, 6}}));
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"Across", "Down", "1.", "x", "3.", "x", "1.", "x", "2.", "x"}));
    // The heading box of column 1 runs from the object's edge to the end of the clue text.
    const double clueWidth = (4 - (2 * 2 * kNine + 2 * kNine + kNine / 4)) / 2;
    EXPECT_DOUBLE_EQ(m.acrossHeading.boxLeft, 1);
    EXPECT_DOUBLE_EQ(m.acrossHeading.boxRight, 1 + kNine / 4 + 2 * kNine + clueWidth);
    const SurfaceCall* across = FindText(s, "Across");
    // "Across": A 0.7 + five letters 0.5 = 3.2 em, centred in the box, on the row's baseline.
    EXPECT_DOUBLE_EQ(across->args[0], 1 + (m.acrossHeading.boxRight - 1 - 3.2 * kEm) / 2);
    EXPECT_DOUBLE_EQ(across->args[1], 1 + 0.8 * kEm);

    // Four rows: the down heading and its first clue do not fit below the across list together.
    layout.objects[0].rect = {48, 48, 240, 48 + 33};
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.combinedClues.rowsPerColumn, 4);
    EXPECT_EQ(r.combinedClues.downHeading.column, 2);
    EXPECT_EQ(r.combinedClues.downHeading.row, 1);
    EXPECT_EQ(r.combinedClues.entries[2].column, 2);
    EXPECT_EQ(r.combinedClues.entries[2].row, 2);
    EXPECT_FALSE(r.cluesDidNotFit);
}

TEST(CombinedClues, SplitGivesEachListHalfTheColumns) {
    const PuzzleRecord p = MakePuzzle(kSmall, [](const std::string&) { return "x"; });
    PageLayoutRecord layout = LetterLayout();
    PageObject& block = AddObject(layout, ObjectKind::CombinedClues, 48, 48, 240, 144);
    block.splitColumns = 1;
    block.makeFit = 0;
    RecordingSurface s;
    RenderResult r = Render(s, p, layout);
    EXPECT_EQ(r.combinedClues.downHeading.column, 2);
    EXPECT_EQ(r.combinedClues.downHeading.row, 1);
    std::vector<std::pair<int, int>> placed;
    for (const PlacedClue& c : r.combinedClues.entries) placed.emplace_back(c.column, c.row);
    EXPECT_EQ(placed, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {2, 2}, {2, 3}}));

    // Four columns of three rows: a continuation column leaves row 1 empty; the headings span
    // two columns; the fifth across entry has no room left in the across half.
    const PuzzleRecord six = MakePuzzle(kSixAcross, [](const std::string&) { return "x"; });
    layout.objects[0].rect = {48, 48, 48 + 384, 72};
    layout.objects[0].columns = 4;
    s.Clear();
    r = Render(s, six, layout);
    const ClueBlockMetrics& m = r.combinedClues;
    EXPECT_EQ(m.rowsPerColumn, 3);
    placed.clear();
    for (const PlacedClue& c : m.entries) placed.emplace_back(c.column, c.row);
    EXPECT_EQ(placed, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {2, 2}, {2, 3}, {0, 0}, {0, 0}}));
    EXPECT_EQ(m.downHeading.column, 3);
    const double pitch = m.numberWidth + m.clueTextWidth + m.columnGap;
    EXPECT_DOUBLE_EQ(m.acrossHeading.boxRight, 1 + m.leftMargin + pitch + m.numberWidth + m.clueTextWidth);
    EXPECT_DOUBLE_EQ(m.downHeading.boxLeft, 1 + m.leftMargin + 2 * pitch);
    EXPECT_TRUE(r.cluesDidNotFit);
}

}  // namespace
}  // namespace qf::test
