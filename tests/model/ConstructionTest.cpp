// The construction attempt on worked examples with forced random choices. Every case runs on
// the fast builder and on the step-by-step reference.
#include <gtest/gtest.h>

#include "model/ConstructionFixtures.h"
#include "model/ReferenceConstruction.h"

namespace qf::test {
namespace {

using AttemptFn = int (*)(PuzzleRecord&, const ShapeRecord&, const ConstructionOptions&, RandomSource&, PlacedFlags&);
struct Implementation {
    const char* name;
    AttemptFn run;
};
const Implementation kImplementations[] = {{"fast", &ConstructGrid}, {"reference", &ReferenceConstructGrid}};

constexpr ConstructionOptions kShrink{true, false};
constexpr ConstructionOptions kPlain{false, false};

TEST(Construction, WorkedExampleCatAndAce) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(5, 5);
        PuzzleRecord r = WordRecord({"CAT", "ACE"}, shape);
        // CAT: across first, then the band r = 1 at each of the five tries of the first word
        // (levels 2, 1 and 0); ACE: across first.
        ScriptedRandom random({0, 1, 1, 1, 1, 1, 0});
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kShrink, random, placed), 2);
        EXPECT_EQ(random.asked, (std::vector<int>{2, 5, 5, 5, 5, 5, 2}));
        EXPECT_EQ(r.width, 3);
        EXPECT_EQ(r.height, 3);
        EXPECT_EQ(GridRow(r, 1, 3), "A  ");
        EXPECT_EQ(GridRow(r, 2, 3), "CAT");
        EXPECT_EQ(GridRow(r, 3, 3), "E  ");
        EXPECT_EQ(r.wordCount, 2);
        EXPECT_EQ(r.acrossCount, 1);
        EXPECT_EQ(r.downCount, 1);
        EXPECT_EQ(r.Word(1).Str(), "CAT");
        EXPECT_EQ(r.Clue(1).Str(), "clue 1");
        EXPECT_EQ(r.startCell[0], 51);
        EXPECT_EQ(r.letterCount[0], 3);
        EXPECT_EQ(r.number[0], 2);
        EXPECT_EQ(r.isAcross[0], 1);
        EXPECT_EQ(r.Word(2).Str(), "ACE");
        EXPECT_EQ(r.startCell[1], 1);
        EXPECT_EQ(r.number[1], 1);
        EXPECT_EQ(r.isAcross[1], 0);
        EXPECT_EQ(placed[0], 1);
        EXPECT_EQ(placed[1], 1);
        EXPECT_EQ(placed[2], 0);
    }
}

TEST(Construction, FirstWordStartsAtTheEdgeOfItsBand) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(10, 8);
        PuzzleRecord across = WordRecord({"LANTERN"}, shape);
        ScriptedRandom a({0, 4, 4, 4, 4, 4});
        PlacedFlags placed{};
        impl.run(across, shape, kPlain, a, placed);
        EXPECT_EQ(across.startCell[0], CellIndex(5, 1));
        EXPECT_EQ(across.isAcross[0], 1);

        PuzzleRecord down = WordRecord({"LANTERN"}, shape);
        ScriptedRandom d({1, 6, 6, 6, 6, 6});
        impl.run(down, shape, kPlain, d, placed);
        EXPECT_EQ(down.startCell[0], CellIndex(1, 7));
        EXPECT_EQ(down.isAcross[0], 0);
        EXPECT_EQ(d.asked, (std::vector<int>{2, 10, 8, 10, 8, 10}));  // columns for down, rows for across
        EXPECT_EQ(GridRow(down, 7, 10), "      N   ");
    }
}

TEST(Construction, FirstAcrossWordWrapsToTheTopRows) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        ShapeRecord shape = RectangleShape(6, 6);
        for (int row = 3; row <= 6; ++row) Block(shape, row, 4);  // rows 3..6: runs of 3 and 2
        PuzzleRecord r = WordRecord({"BREAD"}, shape);
        ScriptedRandom random({0, 2, 2, 2, 2, 2});
        PlacedFlags placed{};
        impl.run(r, shape, kPlain, random, placed);
        EXPECT_EQ(r.startCell[0], CellIndex(1, 1));
        EXPECT_EQ(GridRow(r, 1, 6), "BREAD ");
        EXPECT_EQ(GridRow(r, 3, 6), "   .  ");
    }
}

TEST(Construction, WordWithoutSharedLettersStaysOut) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(15, 15);
        PuzzleRecord r = WordRecord({"CAT", "DOG", "TEA"}, shape);
        ScriptedRandom random;
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kPlain, random, placed), 2);
        EXPECT_EQ(r.Word(3).Str(), "DOG");
        EXPECT_EQ(r.Clue(3).Str(), "clue 2");
        EXPECT_EQ(placed[2], 0);
        // DOG is asked for in every pass: pass 1 and pass 2 (TEA placed in pass 1, so the count
        // after pass 2 equals that after pass 1 and the passes end).
        int directionDraws = 0;
        for (int n : random.asked) directionDraws += n == 2 ? 1 : 0;
        EXPECT_EQ(directionDraws, 4);
    }
}

TEST(Construction, DuplicateWordLiesOnTheSameCells) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(5, 5);
        PuzzleRecord r = WordRecord({"CAT", "cat"}, shape);
        ScriptedRandom random({0, 1, 1, 1, 1, 1, 0});
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kPlain, random, placed), 2);
        EXPECT_EQ(r.acrossCount, 2);
        EXPECT_EQ(r.startCell[0], 51);
        EXPECT_EQ(r.startCell[1], 51);
        EXPECT_EQ(r.number[0], 1);
        EXPECT_EQ(r.number[1], 1);
        EXPECT_EQ(r.Word(2).Str(), "cat");  // words keep the case they were typed in
        EXPECT_EQ(GridRow(r, 2, 5), "CAT  ");
    }
}

TEST(Construction, AcrossAndDownFromOneCellShareANumber) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(5, 5);
        PuzzleRecord r = WordRecord({"COW", "CAT"}, shape);
        // COW across in row 2; CAT: across first but only down passes, from COW's first cell.
        ScriptedRandom random({0, 1, 1, 1, 1, 1, 0});
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kPlain, random, placed), 2);
        EXPECT_EQ(r.Word(1).Str(), "COW");
        EXPECT_EQ(r.isAcross[0], 1);
        EXPECT_EQ(r.Word(2).Str(), "CAT");
        EXPECT_EQ(r.isAcross[1], 0);
        EXPECT_EQ(r.startCell[0], 51);
        EXPECT_EQ(r.startCell[1], 51);
        EXPECT_EQ(r.number[0], 1);
        EXPECT_EQ(r.number[1], 1);
        EXPECT_EQ(r.acrossCount, 1);
        EXPECT_EQ(r.downCount, 1);
    }
}

TEST(Construction, PassesGoOnWhileWordsArePlacedAndQuickCreateStopsAfterTwo) {
    // BRIDGEX is placed first; DMN crosses it in pass 1, NQRS crosses DMN in pass 2 and SUVWX
    // can only cross NQRS, in pass 3.
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(15, 15);
        const std::vector<std::string> words{"ABCDEFG", "SUVWX", "NQRS", "DMN"};
        PuzzleRecord full = WordRecord(words, shape);
        ScriptedRandom r1;
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(full, shape, kPlain, r1, placed), 4);
        EXPECT_EQ(GridRow(full, 8, 8), "ABCDEFG ");
        EXPECT_EQ(GridRow(full, 10, 8), "   NQRS ");
        EXPECT_EQ(GridRow(full, 14, 8), "      X ");

        PuzzleRecord quick = WordRecord(words, shape);
        ScriptedRandom r2;
        EXPECT_EQ(impl.run(quick, shape, {false, true}, r2, placed), 3);
        EXPECT_EQ(quick.Word(4).Str(), "SUVWX");
        EXPECT_EQ(placed[3], 0);
        EXPECT_EQ(GridRow(quick, 11, 8), "        ");
    }
}

TEST(Construction, LettersAreBlanksRemovedAndUpperCased) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(12, 12);
        // ICE CREAM across in row 7; \xe9clair down in column 5 ending on its R; a\xf7\xff across
        // from the A of \xe9clair.
        PuzzleRecord r = WordRecord({"ICE CREAM", "\xe9" "clair", "a\xf7\xff"}, shape);
        ScriptedRandom random({0, 6, 6, 6, 6, 6, 1, 0});
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kPlain, random, placed), 3);
        EXPECT_EQ(GridRow(r, 7, 12), "ICECREAM    ");
        EXPECT_EQ(GridRow(r, 2, 12), "    \xc9       ");  // \xe9 becomes \xc9
        EXPECT_EQ(GridRow(r, 5, 12), "    A\xf7\xff     ");  // \xf7 and \xff have no upper case
        // Numbers: \xe9clair 1 (cell 55), a\xf7\xff 2 (cell 205), ICE CREAM 3 (cell 301).
        EXPECT_EQ(r.Word(1).Str(), "a\xf7\xff");
        EXPECT_EQ(r.startCell[0], CellIndex(5, 5));
        EXPECT_EQ(r.Word(2).Str(), "ICE CREAM");  // the words themselves are kept as typed
        EXPECT_EQ(r.letterCount[1], 8);
        EXPECT_EQ(r.number[1], 3);
        EXPECT_EQ(r.Word(3).Str(), "\xe9" "clair");
        EXPECT_EQ(r.startCell[2], CellIndex(2, 5));
        EXPECT_EQ(r.number[2], 1);
    }
}

TEST(Construction, ShrinkTrimsTheTopOnlyAfterAnAcrossStart) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        ShapeRecord shape = RectangleShape(8, 8);
        for (int row = 1; row <= 8; ++row) Block(shape, row, 1);  // column 1 never usable
        PuzzleRecord r = WordRecord({"OTTER"}, shape);
        ScriptedRandom random({0, 3, 3, 3, 3, 3});
        PlacedFlags placed{};
        impl.run(r, shape, kShrink, random, placed);
        // Across in row 4 from column 2: rows 1..3 go, column 1 (outside the shape) stays.
        EXPECT_EQ(r.height, 1);
        EXPECT_EQ(r.width, 6);
        EXPECT_EQ(r.startCell[0], 2);
        EXPECT_EQ(GridRow(r, 1, 6), ".OTTER");

        ShapeRecord top = RectangleShape(8, 8);
        for (int c = 1; c <= 8; ++c) Block(top, 1, c);  // row 1 never usable
        PuzzleRecord d = WordRecord({"OTTER"}, top);
        ScriptedRandom downFirst({1, 3, 3, 3, 3, 3});
        impl.run(d, top, kShrink, downFirst, placed);
        // Down in column 4 from row 2: columns 1..3 go, row 1 stays.
        EXPECT_EQ(d.width, 1);
        EXPECT_EQ(d.height, 6);
        EXPECT_EQ(d.startCell[0], CellIndex(2, 1));
        EXPECT_EQ(d.Cell(CellIndex(1, 1)), 0);
        EXPECT_EQ(d.Cell(CellIndex(6, 1)), 'R');
    }
}

TEST(Construction, ShrinkNeverGoesBelowOneCell) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        const ShapeRecord shape = RectangleShape(9, 9);
        PuzzleRecord r = WordRecord({"Q"}, shape);
        ScriptedRandom random({0, 5, 5, 5, 5, 5});
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kShrink, random, placed), 1);
        EXPECT_EQ(r.width, 1);
        EXPECT_EQ(r.height, 1);
        EXPECT_EQ(r.startCell[0], 1);
        EXPECT_EQ(r.Cell(1), 'Q');

        // Nothing fits: the grid keeps one row and one column, and nothing is numbered.
        PuzzleRecord none = WordRecord({"ABCDEFGHIJ"}, shape);
        ScriptedRandom again;
        EXPECT_EQ(impl.run(none, shape, kShrink, again, placed), 0);
        EXPECT_EQ(none.width, 1);
        EXPECT_EQ(none.height, 1);
        EXPECT_EQ(none.Word(1).Str(), "ABCDEFGHIJ");
    }
}

TEST(Construction, HostileCountsAreBounded) {
    for (const auto& impl : kImplementations) {
        SCOPED_TRACE(impl.name);
        ShapeRecord shape = RectangleShape(50, 50);
        PuzzleRecord r = WordRecord({"ABC", "CDE", "   "}, shape);
        r.wordCount = 900;
        r.width = 300;
        r.height = -4;
        ScriptedRandom random;
        PlacedFlags placed{};
        EXPECT_EQ(impl.run(r, shape, kShrink, random, placed), 0);  // no rows to place in
        r = WordRecord({"ABC", "   "}, shape);
        r.width = 50;
        r.height = 50;
        EXPECT_EQ(impl.run(r, shape, kPlain, random, placed), 1);  // a word with no letters has no place
        EXPECT_EQ(r.Word(2).Str(), "   ");
    }
}

}  // namespace
}  // namespace qf::test
