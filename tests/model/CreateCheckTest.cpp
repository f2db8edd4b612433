// Create's checks: their order, their messages word for word, the focus, and the record filled.
#include <gtest/gtest.h>

#include "model/ConstructionFixtures.h"
#include "model/CreateCheck.h"

namespace qf::test {
namespace {

CreateEntries Entries(std::vector<std::string> words) {
    CreateEntries e;
    e.title = "  Trees  ";
    e.category = " Nature";
    e.attempts = "25";
    for (std::size_t i = 0; i < words.size(); ++i) {
        e.words[i] = words[i];
        e.clues[i] = " a clue ";
    }
    return e;
}

TEST(CreateCheck, EmptyFieldsAndBadAttemptsStopInOrder) {
    const ShapeRecord shape = RectangleShape(15, 15);
    PuzzleRecord r = NewPuzzleRecord();
    CreateEntries e = Entries({"OAK"});
    e.title = "   ";
    e.category = "";
    auto result = CheckCreate(e, shape, r);
    EXPECT_EQ(result.error.text, "No title specified.  Please correct.");
    EXPECT_EQ(result.error.caption, "Error");
    EXPECT_EQ(result.error.focus, "Title");

    e.title = "T";
    result = CheckCreate(e, shape, r);
    EXPECT_EQ(result.error.text, "No category specified.  Please correct.");
    EXPECT_EQ(result.error.focus, "Category");

    e.category = "C";
    e.words[0] = "  ";
    result = CheckCreate(e, shape, r);
    EXPECT_EQ(result.error.text, "No words have been entered.  Please correct.");
    EXPECT_EQ(result.error.focus, "");

    e.words[7] = "OAK";
    for (const char* bad : {"0", "", "x12", "1000", "-5"}) {
        e.attempts = bad;
        result = CheckCreate(e, shape, r);
        EXPECT_EQ(result.error.text, "Attempts must be between 1 and 999.  Please correct.") << bad;
        EXPECT_EQ(result.error.focus, "Attempts");
    }
    EXPECT_EQ(r.wordCount, 0) << "nothing is filled before the attempts are valid";
    for (auto [text, value] : {std::pair{"1", 1}, {"  999", 999}, {"12abc", 12}}) {
        e.attempts = text;
        result = CheckCreate(e, shape, r);
        EXPECT_TRUE(result.Ok()) << text;
        EXPECT_EQ(result.attempts, value);
    }
}

TEST(CreateCheck, LargeShapeWarnsAndGoesOn) {
    PuzzleRecord r = NewPuzzleRecord();
    auto result = CheckCreate(Entries({"OAK"}), RectangleShape(31, 20), r);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(result.warning.text,
              "You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a "
              "\"Page Layout\" that has a very large area for the puzzle in order for the puzzle to appear in a "
              "normal size.");
    EXPECT_EQ(result.warning.caption, "Warning");
    EXPECT_EQ(r.width, 31);
    EXPECT_EQ(r.height, 20);
    result = CheckCreate(Entries({"OAK"}), RectangleShape(30, 30), r);
    EXPECT_TRUE(result.warning.Empty());
}

TEST(CreateCheck, WordLongerThanTheShapeOrItsLongestRun) {
    PuzzleRecord r = NewPuzzleRecord();
    auto result = CheckCreate(Entries({"", "OAK", "", "ABCDEFGHIJKLMNOP"}), RectangleShape(15, 15), r);
    EXPECT_EQ(result.error.text, "Word is greater than puzzle dimension size of 15 characters in \"ABCDEFGHIJKLMNOP\".");
    EXPECT_EQ(result.error.caption, "Error");
    EXPECT_EQ(result.error.focus, "WordsCluesGrid");
    EXPECT_EQ(result.error.focusRow, 4);
    EXPECT_EQ(result.error.focusColumn, 2);
    EXPECT_EQ(r.wordCount, 2) << "the record is filled before the word lengths are checked";

    ShapeRecord shape = RectangleShape(15, 15);
    for (int i = 1; i <= 15; ++i) {
        Block(shape, i, 12);  // every row: runs of 11 and 3
        Block(shape, 12, i);  // every column as well
    }
    EXPECT_EQ(LongestRun(shape, 15, 15), 11);
    // Lengths count the blanks: "ABCDEFGH IJ" (11) fits, "ABCDEFGH IJK" (12) does not.
    result = CheckCreate(Entries({"OAK", "ICE CREAM", "ABCDEFGH IJ", "ABCDEFGH IJK"}), shape, r);
    EXPECT_EQ(result.error.text,
              "The maximum word length as provided by the selected layout is 11.  The following word is greater "
              "than the maximum word length: \"ABCDEFGH IJK\".  You will need to correct the word or change the "
              "layout.");
    EXPECT_EQ(result.error.beep, Beep::Exclamation);
    EXPECT_EQ(result.error.focusRow, 4);
    EXPECT_EQ(result.longestRun, 11);

    // A shape without a usable cell is named as the fault (it was once blamed on the layout),
    // and so is the empty shape left when every shape was deleted.
    ShapeRecord blocked = RectangleShape(15, 15);
    blocked.cells.fill(0);
    for (const ShapeRecord& none : {blocked, ShapeRecord{}}) {
        result = CheckCreate(Entries({"OAK"}), none, r);
        EXPECT_EQ(result.error.text,
                  "The selected puzzle shape has no usable cells.  Please choose or draw another shape.");
        EXPECT_EQ(result.error.caption, "Error");
    }
}

TEST(CreateCheck, ClueLongerThanTheFieldGivesTheExcess) {
    PuzzleRecord r = NewPuzzleRecord();
    CreateEntries e = Entries({"OAK", "", "ELM"});
    e.clues[2] = "  " + std::string(160, 'c') + "  ";
    auto result = CheckCreate(e, RectangleShape(15, 15), r);
    EXPECT_EQ(result.error.text,
              "The length of the clue for the word \"ELM\" is 10 characters longer than the maximum clue size of 150.");
    EXPECT_EQ(result.error.focusRow, 3);
    EXPECT_EQ(result.error.focusColumn, 3);
    EXPECT_EQ(r.Clue(2).Str(), std::string(150, 'c'));

    e.clues[2] = std::string(300, 'c');  // the cell hands over 255 characters
    result = CheckCreate(e, RectangleShape(15, 15), r);
    EXPECT_NE(result.error.text.find(" is 105 characters longer"), std::string::npos);
}

TEST(CreateCheck, FillingTrimsCutsAndPacksTheWords) {
    PuzzleRecord r = NewPuzzleRecord();
    r.Word(5).Set("stale");
    CreateEntries e = Entries({"  ice cream ", "", "   ", std::string(40, 'w'), "elm"});
    e.title = " " + std::string(40, 't');
    e.category = std::string(25, 'c');
    e.bonusQuestion = "  Which tree?  ";
    e.clues[1] = "dropped with its empty word";
    e.clues[4] = std::string(150, 'x') + "   ";
    FillCreateRecord(e, r);
    EXPECT_EQ(r.title.Str(), std::string(35, 't'));
    EXPECT_EQ(r.category.Str(), std::string(20, 'c'));
    EXPECT_EQ(r.bonusQuestion.Str(), "Which tree?");
    EXPECT_EQ(r.wordCount, 3);
    EXPECT_EQ(r.Word(1).Str(), "ice cream");
    EXPECT_EQ(r.Clue(1).Str(), "a clue");
    EXPECT_EQ(r.Word(2).Str(), std::string(30, 'w'));
    EXPECT_EQ(r.Word(3).Str(), "elm");
    EXPECT_EQ(r.Clue(3).Str(), std::string(150, 'x'));
    EXPECT_TRUE(r.Word(5).Empty());
}

TEST(CreateCheck, LongestRunLooksOnlyInsideTheRectangle) {
    ShapeRecord shape = RectangleShape(6, 4);
    for (int c = 1; c <= 50; ++c) shape.Cell(CellIndex(10, c)) = 1;  // stray cells below
    EXPECT_EQ(LongestRun(shape, 6, 4), 6);
    Block(shape, 2, 3);
    Block(shape, 1, 4);
    Block(shape, 3, 4);
    Block(shape, 4, 2);
    EXPECT_EQ(LongestRun(shape, 6, 4), 4);  // column 1 and column 5 and 6
    EXPECT_EQ(LongestRun(shape, 0, 4), 0);
}

}  // namespace
}  // namespace qf::test
