#include "exchange/ExchangePuzzle.h"

#include <gtest/gtest.h>

#include "exchange/ExchangeFixtures.h"
#include "output/PrintOptions.h"

namespace qf {
namespace {

TEST(ExchangePuzzleTest, CellsEntriesAndNumbersOfAGeneratedPuzzle) {
    const auto record = test::SmallPuzzle();
    ExchangePuzzle p;
    ASSERT_TRUE(MakeExchangePuzzle(*record, "-", p).IsDone());
    EXPECT_EQ(p.width, 5);
    EXPECT_EQ(p.height, 3);
    EXPECT_EQ(p.At(0, 3).kind, CellKind::Block);
    EXPECT_EQ(p.At(0, 4).kind, CellKind::Omitted);
    EXPECT_EQ(p.At(1, 1).kind, CellKind::Block);
    EXPECT_EQ(p.At(1, 3).kind, CellKind::Omitted);
    EXPECT_EQ(p.At(2, 4).letter, 'Y');
    EXPECT_EQ(p.At(0, 0).number, 1);
    EXPECT_EQ(p.At(0, 2).number, 2);
    EXPECT_EQ(p.At(2, 0).number, 3);
    EXPECT_EQ(p.At(2, 2).number, 0);
    EXPECT_TRUE(p.At(2, 1).given);   // the dash is shown
    EXPECT_FALSE(p.At(2, 2).given);

    ASSERT_EQ(p.across.size(), 2u);
    ASSERT_EQ(p.down.size(), 2u);  // the word left out is not an entry
    EXPECT_EQ(p.across[1].letters, "X-RAY");
    EXPECT_EQ(p.across[1].enumeration, "1-3");
    EXPECT_EQ(p.down[0].answer, "SO X");
    EXPECT_EQ(p.down[0].letters, "SOX");
    EXPECT_EQ(p.down[0].enumeration, "2,1");
    EXPECT_EQ(p.down[1].clue, "Neither's partner");
    EXPECT_EQ(p.Notes(), "Category: Tests\nBonus question: Which word has a dash?");
    EXPECT_TRUE(NumberedLikeItsGrid(p));

    // Without the dash among the shown separators the solver types it.
    ASSERT_TRUE(MakeExchangePuzzle(*record, "/", p).IsDone());
    EXPECT_FALSE(p.At(2, 1).given);
}

TEST(ExchangePuzzleTest, GridNumberingDisagreesWithWordsLaidOverOthersOrStrayLetters) {
    auto record = test::SmallPuzzle();
    ExchangePuzzle p;
    // A second SUN on the very cells of the first.
    test::PlaceWord(*record, 5, "SUN", "Star", 0, 0, 3, 1, true);
    record->wordCount = 5;
    record->acrossCount = 3;
    ASSERT_TRUE(MakeExchangePuzzle(*record, "", p).IsDone());
    EXPECT_FALSE(NumberedLikeItsGrid(p));

    // Letters side by side that no word covers.
    record = test::SmallPuzzle();
    record->Cell(1 * kGridSide + 4) = 'Z';  // row 2, column 4, beside the O of NOR
    ASSERT_TRUE(MakeExchangePuzzle(*record, "", p).IsDone());
    EXPECT_FALSE(NumberedLikeItsGrid(p));
    EXPECT_EQ(GridDerivedEntries(p).size(), 6u);  // OZ across and ZA down besides the four
}

TEST(ExchangePuzzleTest, RefusesPuzzlesNeverGeneratedAndDamagedOnes) {
    auto record = test::SmallPuzzle();
    ExchangePuzzle p;
    record->generated = 0;
    Outcome o = MakeExchangePuzzle(*record, "", p);
    ASSERT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, kNeverGeneratedText);

    record = test::SmallPuzzle();
    record->letterCount[1] = 7;  // X-RAY running out of the 5 columns
    o = MakeExchangePuzzle(*record, "", p);
    ASSERT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, kExportDamagedText);

    record = test::SmallPuzzle();
    record->Cell(2 * kGridSide + 5) = kCellBlank;  // the Y of X-RAY blanked out
    EXPECT_TRUE(MakeExchangePuzzle(*record, "", p).IsRefused());

    record = test::SmallPuzzle();
    record->width = -3;
    EXPECT_TRUE(MakeExchangePuzzle(*record, "", p).IsRefused());
}

TEST(ExchangePuzzleTest, EnumerationOfAnswersOfSeveralWords) {
    EXPECT_EQ(Enumeration("COME INTO"), "4,4");
    EXPECT_EQ(Enumeration("FACE-TO-FACE"), "4-2-4");
    EXPECT_EQ(Enumeration("A - B"), "1-1");
    EXPECT_EQ(Enumeration("  ICE  CREAM "), "3,5");
    EXPECT_EQ(Enumeration("TRAVELLER"), "");
    EXPECT_EQ(Enumeration("CAF\xC9 AU LAIT"), "4,2,4");  // an accented capital is a letter
    EXPECT_EQ(Enumeration(""), "");
}

}  // namespace
}  // namespace qf
