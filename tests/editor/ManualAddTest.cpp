// Words added by hand into a built grid: editable cells, new words, case and renumbering.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ManualAddFixture.h"
#include "editor/ManualAdd.h"

namespace qf {
namespace {

TEST(ManualAdd, CellsBesideWordsAreProtectedAndOnlyBlanksAreEditable) {
    const auto p = test::CatAndToe();
    const ManualAddGrid grid = ManualAddGrid::Of(*p);
    for (int cell : {51, 55, 4, 204}) EXPECT_TRUE(grid.Protected(cell)) << cell;
    for (int cell : {51, 55, 4, 204, 52, 54, 104}) EXPECT_FALSE(grid.Editable(cell)) << cell;
    for (int cell : {1, 3, 53 + 50, 105, 250 - 44}) EXPECT_TRUE(grid.Editable(cell)) << cell;
    EXPECT_FALSE(grid.Editable(7));    // column 7 lies outside a 6-wide puzzle
    EXPECT_FALSE(grid.Editable(251));  // row 6 too
    // A word at the grid's edge protects nothing beyond it.
    auto edge = test::CatAndToe();
    edge->startCell[0] = 1;  // across from row 1, column 1, through column 3
    edge->letterCount[0] = 6;
    const ManualAddGrid full = ManualAddGrid::Of(*edge);
    EXPECT_FALSE(full.Protected(7));
    EXPECT_FALSE(full.Protected(0));
}

TEST(ManualAdd, PointsMapToCellsAndLettersMustBeAToZ) {
    EXPECT_EQ(ManualCellSize(400, 300, 6, 5), 59);
    EXPECT_EQ(CellAtPoint(1, 1, 20, 6, 5), 1);
    EXPECT_EQ(CellAtPoint(20, 20, 20, 6, 5), 1);
    EXPECT_EQ(CellAtPoint(21, 20, 20, 6, 5), 2);
    EXPECT_EQ(CellAtPoint(21, 21, 20, 6, 5), 52);
    EXPECT_EQ(CellAtPoint(121, 5, 20, 6, 5), 0);  // column 7
    EXPECT_EQ(CellAtPoint(0, 5, 20, 6, 5), 0);
    EXPECT_EQ(AcceptedLetter(" q "), 'Q');
    EXPECT_EQ(AcceptedLetter("7"), 0);
    EXPECT_EQ(AcceptedLetter("\xF1"), 0);  // ñ upper-cases to Ñ, which no grid letter is
    EXPECT_EQ(AcceptedLetter(""), 0);
}

TEST(ManualAdd, NewWordsAreFoundInScanOrderAcrossFirst) {
    auto p = test::CatAndToe();
    EXPECT_TRUE(FindNewWords(*p).empty());
    p->Cell(105) = 'X';  // beside the O: one two-letter across word
    auto found = FindNewWords(*p);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].startCell, 104);
    EXPECT_TRUE(found[0].across);
    EXPECT_EQ(found[0].letters, "OX");

    p = test::CatAndToe();
    p->Cell(2) = 'Y';  // starts an across and a down word
    p->Cell(3) = 'X';  // and a down word of its own
    found = FindNewWords(*p);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].letters, "YX");
    EXPECT_TRUE(found[0].across);
    EXPECT_EQ(found[1].letters, "YC");
    EXPECT_FALSE(found[1].across);
    EXPECT_EQ(found[2].letters, "XA");
    EXPECT_EQ(found[2].startCell, 3);
}

TEST(ManualAdd, AddedWordsTakeTheirCaseAndTheNumbersFollowTheStarts) {
    EXPECT_EQ(CasedWord("OAK", WordCase::Upper), "OAK");
    EXPECT_EQ(CasedWord("OAK", WordCase::Lower), "oak");
    EXPECT_EQ(CasedWord("OAK", WordCase::FirstCapital), "Oak");

    auto p = test::CatAndToe();
    // A new across word in row 1 before every other start takes number 1; the others move up.
    p->Cell(2) = 'O';
    p->Cell(3) = 'X';
    ASSERT_TRUE(AddNewWord(*p, {2, true, "OX"}, "  Pulls a cart  ", WordCase::FirstCapital));
    EXPECT_EQ(p->wordCount, 3);
    EXPECT_EQ(p->Word(3).Str(), "Ox");
    EXPECT_EQ(p->Clue(3).Str(), "Pulls a cart");
    RenumberWords(*p);
    EXPECT_EQ(p->acrossCount, 2);
    EXPECT_EQ(p->downCount, 1);
    EXPECT_EQ(p->Word(1).Str(), "Ox");
    EXPECT_EQ(p->number[0], 1);
    EXPECT_EQ(p->Word(2).Str(), "Cat");
    EXPECT_EQ(p->number[1], 2);
    EXPECT_EQ(p->Clue(2).Str(), "Purrs");
    EXPECT_EQ(p->Word(3).Str(), "Toe");
    EXPECT_EQ(p->number[2], 3);
    EXPECT_EQ(p->startCell[2], 54);
    EXPECT_EQ(p->letterCount[2], 3);

    // An across and a down word from one cell share their number.
    auto q = test::CatAndToe();
    ASSERT_TRUE(AddNewWord(*q, {52, false, "CQ"}, "", WordCase::Upper));
    RenumberWords(*q);
    EXPECT_EQ(q->number[0], 1);                     // CAT
    EXPECT_EQ(q->Word(2).Str(), "CQ");              // the down words after the across ones
    EXPECT_EQ(q->number[1], 1);
    EXPECT_EQ(q->number[2], 2);                     // TOE

    // No slot past the 200th.
    q->wordCount = kMaxWords;
    EXPECT_FALSE(AddNewWord(*q, {3, false, "XA"}, "", WordCase::Upper));
    EXPECT_EQ(q->wordCount, kMaxWords);
}

// OK: the notice when nothing was typed, the case of the setting, and no word past the 200th,
// with a warning and no clue asked for the words left out.
TEST(ManualAdd, OkAddsTheTypedWordsInTheCaseOfTheSettingWhileSlotsLast) {
    std::vector<std::string> asked;
    const AskClue ask = [&](const std::string& letters) {
        asked.push_back(letters);
        return "Clue of " + letters;
    };
    auto p = test::CatAndToe();
    const ManualAddition none = AddTypedWords(*p, 3, ask);
    EXPECT_FALSE(none.changed);
    EXPECT_EQ(none.notice.text, kNoChangesDetected);
    EXPECT_EQ(none.notice.caption, "Notice");
    EXPECT_EQ(none.notice.severity, Severity::Information);
    EXPECT_TRUE(asked.empty());

    const std::pair<int, const char*> rows[] = {{1, "OX"}, {2, "ox"}, {3, "Ox"}, {0, "Ox"}, {7, "Ox"}};
    for (const auto& [setting, stored] : rows) {
        p = test::CatAndToe();
        p->Cell(105) = 'X';  // OX across from the O of TOE
        const ManualAddition added = AddTypedWords(*p, setting, ask);
        EXPECT_TRUE(added.changed);
        EXPECT_TRUE(added.notice.Empty());
        EXPECT_EQ(p->wordCount, 3);
        EXPECT_EQ(p->Word(2).Str(), stored) << "setting " << setting;  // across words first
        EXPECT_EQ(p->Clue(2).Str(), "Clue of OX");
        EXPECT_EQ(added.origins[1], 0);  // slot 2 is the added word
    }

    // Room for one more: the first of three new words is added, the others are left out.
    p = test::CatAndToe();
    for (int slot = 3; slot < kMaxWords; ++slot) p->Word(slot) = "LEFTOUT";
    p->wordCount = kMaxWords - 1;
    p->Cell(2) = 'Y';
    p->Cell(3) = 'X';
    asked.clear();
    const ManualAddition full = AddTypedWords(*p, 1, ask);
    EXPECT_TRUE(full.changed);
    EXPECT_EQ(full.notice.text, kTooManyWordsToAdd);
    EXPECT_EQ(full.notice.severity, Severity::Warning);
    EXPECT_EQ(asked, std::vector<std::string>{"YX"});
    EXPECT_EQ(p->wordCount, kMaxWords);
}

}  // namespace
}  // namespace qf
