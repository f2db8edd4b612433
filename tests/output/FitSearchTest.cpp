// Shrinking to fit passes over sizes that cannot fit without laying them out; the page must be
// exactly the one the plain step-by-step search draws, on the recording surface and with real
// fonts. Damaged layouts with edges billions of units away stay drawable.
#include <gtest/gtest.h>

#include <QImage>

#include <climits>
#include <random>

#include "base/ByteCodec.h"
#include "layouts/PageObjects.h"
#include "output/RenderContext.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"
#include "RenderFixtures.h"

namespace qf {
namespace {

using test::AddObject;
using test::LetterLayout;

// Turns the shortcuts off for one scope.
struct StepByStep {
    StepByStep() { SetFitShortcuts(false); }
    ~StepByStep() { SetFitShortcuts(true); }
};

// A puzzle of `across` + `down` entries whose clues have `words` words each.
PuzzleRecord Entries(int across, int down, int words, std::mt19937& rng) {
    PuzzleRecord p = NewPuzzleRecord();
    p.width = p.height = 15;
    const int n = across + down;
    for (int i = 0; i < n; ++i) {
        std::string clue;
        for (int w = 0; w < words; ++w) clue += std::string(1 + rng() % 9, static_cast<char>('a' + rng() % 26)) + " ";
        if (rng() % 7 == 0) clue += std::string(30, 'W');  // now and then one that cannot be broken
        p.clues[static_cast<std::size_t>(i)] = clue.substr(0, 150);
        p.words[static_cast<std::size_t>(i)] = std::string(1 + rng() % 12, static_cast<char>('A' + rng() % 26));
        p.number[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i + 1);
        p.startCell[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(1 + i % 200);
        p.letterCount[static_cast<std::size_t>(i)] = 1;
        p.isAcross[static_cast<std::size_t>(i)] = i < across ? 1 : 0;
        p.inGrid[static_cast<std::size_t>(i)] = 1;
    }
    p.wordCount = static_cast<std::int16_t>(n);
    p.acrossCount = static_cast<std::int16_t>(across);
    p.downCount = static_cast<std::int16_t>(down);
    p.generated = 1;
    p.bonusQuestion = "What links them all?";
    p.title = "A title of some length";
    return p;
}

// Every kind that shrinks, at random places and sizes, with sizes up to and past 1000 points.
PageLayoutRecord RandomLayout(std::mt19937& rng) {
    PageLayoutRecord layout = LetterLayout();
    const ObjectKind kinds[] = {ObjectKind::Title,       ObjectKind::AcrossHeader, ObjectKind::AcrossClues,
                                ObjectKind::DownClues,   ObjectKind::WordList,     ObjectKind::Text,
                                ObjectKind::Puzzle,      ObjectKind::BonusQuestion};
    const int sizes[] = {3, 9, 14, 40, 150, 999, 1000, 1001, 32767, 0, -7};
    for (ObjectKind kind : kinds) {
        const int left = static_cast<int>(rng() % 300), top = static_cast<int>(rng() % 450);
        // Now and then a narrow object reaching far below the page, as damaged layouts have them.
        const int bottom = rng() % 6 == 0 ? INT_MAX : top + 5 + static_cast<int>(rng() % 200);
        PageObject& o = AddObject(layout, kind, left, top, left + 5 + static_cast<int>(rng() % (bottom == INT_MAX ? 40 : 200)),
                                  bottom);
        o.textFont.size = static_cast<std::int16_t>(rng() % 3 == 0 ? sizes[rng() % std::size(sizes)] : rng() % 300);
        o.makeFit = rng() % 5 != 0;
        o.columns = static_cast<std::int16_t>(1 + rng() % 4);
        if (kind == ObjectKind::Text)
            SetObjectText(o, "Read the shaded squares.\r\nThen\r\n\r\nwrite   them  down; in order of their numbers.");
    }
    if (rng() % 2) {  // the combined block instead of the two clue blocks
        PageObject& o = layout.objects[2];
        o.kind = static_cast<std::int16_t>(ObjectKind::CombinedClues);
        o.splitColumns = rng() % 2;
        o.columns = static_cast<std::int16_t>(1 + rng() % 8);
        layout.objects[3].kind = static_cast<std::int16_t>(ObjectKind::Rectangle);
    }
    return layout;
}

bool SameCall(const SurfaceCall& a, const SurfaceCall& b) {
    return a.op == b.op && a.args == b.args && a.text == b.text && a.font == b.font && a.pen == b.pen &&
           a.brush == b.brush && a.transparent == b.transparent;
}

void ExpectSameResult(const RenderResult& fast, const RenderResult& slow, int round) {
    EXPECT_EQ(fast.fittedFontSize, slow.fittedFontSize) << "round " << round;
    EXPECT_EQ(fast.cluesDidNotFit, slow.cluesDidNotFit) << "round " << round;
    EXPECT_EQ(fast.wordsDidNotFit, slow.wordsDidNotFit) << "round " << round;
    EXPECT_EQ(fast.textDidNotFit, slow.textDidNotFit) << "round " << round;
    EXPECT_EQ(fast.acrossClues.rowsPerColumn, slow.acrossClues.rowsPerColumn) << "round " << round;
    EXPECT_EQ(fast.combinedClues.fontSize, slow.combinedClues.fontSize) << "round " << round;
    EXPECT_EQ(fast.wordList.printedLengths, slow.wordList.printedLengths) << "round " << round;
}

TEST(FitSearch, PassingOverSizesDrawsThePageOfTheStepByStepSearch) {
    std::mt19937 rng(2024);
    for (int round = 0; round < 40; ++round) {
        const PuzzleRecord puzzle = Entries(static_cast<int>(rng() % 101), static_cast<int>(rng() % 100),
                                            static_cast<int>(1 + rng() % 20), rng);
        const PageLayoutRecord layout = RandomLayout(rng);
        RecordingSurface fast, slow;
        PageLayoutRecord fastLayout = layout, slowLayout = layout;
        const RenderResult a = test::Render(fast, puzzle, fastLayout);
        RenderResult b;
        {
            StepByStep reference;
            b = test::Render(slow, puzzle, slowLayout);
        }
        ExpectSameResult(a, b, round);
        ASSERT_EQ(fast.Calls().size(), slow.Calls().size()) << "round " << round;
        for (std::size_t i = 0; i < fast.Calls().size(); ++i)
            ASSERT_TRUE(SameCall(fast.Calls()[i], slow.Calls()[i])) << "round " << round << ", call " << i;
        EXPECT_EQ(EncodeRecord(fastLayout), EncodeRecord(slowLayout));  // the fitted sizes stored alike
    }
}

TEST(FitSearch, WithRealFontsThePictureIsTheSamePixelForPixel) {
    EnsureGuiApplication();
    std::mt19937 rng(7);
    for (int round = 0; round < 3; ++round) {
        const PuzzleRecord puzzle = Entries(30 + round * 10, 25, 6, rng);
        PageLayoutRecord layout = RandomLayout(rng);
        for (int k = 0; k < layout.objectCount; ++k)  // large starting sizes, but not so large the reference crawls
            layout.objects[static_cast<std::size_t>(k)].textFont.size = static_cast<std::int16_t>(40 + rng() % 100);
        layout.objects[4].textFont.name = round % 2 ? "Times New Roman" : "No Such Font";
        const auto draw = [&](RenderResult& result) {
            ImageTarget target(400);
            PageLayoutRecord copy = layout;
            {
                QPainterSurface surface(target);
                result = RenderPage(surface, puzzle, copy, PrintOptions{}, PrintHeadings{"Across", "Down"});
                surface.Finish();
            }
            return target.Image().copy();
        };
        RenderResult a, b;
        const QImage fast = draw(a);
        QImage slow;
        {
            StepByStep reference;
            slow = draw(b);
        }
        ExpectSameResult(a, b, round);
        EXPECT_TRUE(fast == slow) << "round " << round;
    }
}

TEST(FitSearch, TheShortcutsNeverRuleOutASizeThatFits) {
    // The quick test alone: whatever it passes over must fail the whole test too.
    int calls = 0;
    const int size = ShrinkToFit(1000, true, 3, [&](int pt) { ++calls; return pt <= 17; }, [](int pt) { return pt > 40; });
    EXPECT_EQ(size, 17);
    EXPECT_EQ(calls, 40 - 17 + 1);
    calls = 0;
    EXPECT_EQ(ShrinkToFit(1000, true, 3, [&](int) { ++calls; return false; }, [](int) { return true; }), 3);
    EXPECT_EQ(calls, 1);  // the floor is always laid out, so it is what the page shows
    EXPECT_EQ(ShrinkToFit(500, false, 3, [&](int) { return false; }, [](int) { return true; }), 500);
    EXPECT_TRUE(RowsCanHold(3, 2, 6));
    EXPECT_FALSE(RowsCanHold(3, 2, 5, 2));
    EXPECT_TRUE(RowsCanHold(0, 4, 0));
    EXPECT_FALSE(RowsCanHold(100000, 9, 2000000000, 2));
}

TEST(PageRender, EdgesBillionsOfUnitsAwayAreHeldNearThePage) {
    PageLayoutRecord layout = LetterLayout();
    PageObject& far = AddObject(layout, ObjectKind::Rectangle, 0, 0, INT_MAX, INT_MAX);
    far.fillShape = 1;
    far.fillColor = 0x0000FF;  // red
    AddObject(layout, ObjectKind::Circle, INT_MIN, INT_MIN, INT_MAX, 100).useBorder = 1;
    PageObject& text = AddObject(layout, ObjectKind::Text, -2147483647, 0, INT_MAX, 528);
    SetObjectText(text, "far and wide");
    const PuzzleRecord puzzle = test::MakePuzzle({"AB", "C."});

    RecordingSurface recording;
    PageLayoutRecord copy = layout;
    test::Render(recording, puzzle, copy);
    for (const SurfaceCall& call : recording.Calls())
        for (double v : call.args) {
            EXPECT_GE(v, -2 * 11.0) << call.op;
            EXPECT_LE(v, 3 * 11.0) << call.op;
        }

    // On a real device: no coordinate overflows, and the page shows the rectangle's fill.
    EnsureGuiApplication();
    ImageTarget target(200);
    {
        QPainterSurface surface(target);
        copy = layout;
        RenderPage(surface, puzzle, copy, PrintOptions{}, PrintHeadings{"Across", "Down"});
        EXPECT_TRUE(surface.Finish());
    }
    EXPECT_EQ(target.Image().pixelColor(100, 200), QColor(255, 0, 0));
}

}  // namespace
}  // namespace qf
