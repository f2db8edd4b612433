// The check of the clues: each planted kind of problem found at its row, nothing in a clean list.
#include <gtest/gtest.h>

#include "editor/ClueCheck.h"
#include "editor/WordNet.h"

namespace qf {
namespace {

const WordNet* Dictionary() {
    static const std::unique_ptr<WordNet> wordNet = WordNet::Open(WordNetFolder());
    return wordNet.get();
}

EditorGrid GridOf(const std::vector<std::pair<int, std::pair<const char*, const char*>>>& rows) {
    EditorGrid grid;
    for (const auto& [row, entry] : rows) {
        grid.words[static_cast<std::size_t>(row - 1)] = entry.first;
        grid.clues[static_cast<std::size_t>(row - 1)] = entry.second;
    }
    return grid;
}

TEST(ClueCheck, FindsEachPlantedKindAtItsCell) {
    // Rows 2 and 9 are left empty on purpose: rows keep their grid numbers.
    const EditorGrid grid = GridOf({
        {1, {"ANIMAL", "An animal that barks"}},
        {3, {"TEACHER", "She teaches a class"}},
        {4, {"CAT", "Chases a mouse, not a dog"}},
        {5, {"DOG", "Loyal pet"}},
        {6, {"MOUSE", "   "}},
        {7, {"dog", "Hound"}},
        {8, {"OWL", "Night bird that hoots at the moon and keeps on hooting well past midnight"}},
        {10, {"MICE", "Small rodents"}},
    });
    // Clues over 40 characters stand for the ones the layout's block cannot hold.
    const auto problems = CheckClues(grid, Dictionary(), [](const std::string& clue) { return clue.size() <= 40; });
    const struct {
        ClueProblemKind kind;
        int row, column;
        const char* text;
    } expected[] = {
        {ClueProblemKind::GivesAway, 1, kClueColumn, "Row 1, ANIMAL: the clue gives the answer away (\"animal\")."},
        {ClueProblemKind::GivesAway, 3, kClueColumn, "Row 3, TEACHER: the clue gives the answer away (\"teaches\")."},
        {ClueProblemKind::OtherAnswer, 4, kClueColumn, "Row 4, CAT: the clue holds another answer, MOUSE (row 6)."},
        {ClueProblemKind::OtherAnswer, 4, kClueColumn, "Row 4, CAT: the clue holds another answer, MICE (row 10)."},
        {ClueProblemKind::OtherAnswer, 4, kClueColumn, "Row 4, CAT: the clue holds another answer, DOG (row 5)."},
        {ClueProblemKind::EmptyClue, 6, kClueColumn, "Row 6, MOUSE: the clue is empty."},
        {ClueProblemKind::SameAnswer, 7, kWordColumn, "Row 7, dog: the same answer as row 5."},
        {ClueProblemKind::TooLong, 8, kClueColumn,
         "Row 8, OWL: the clue is longer than the layout's clue block holds at its font."},
    };
    ASSERT_EQ(problems.size(), std::size(expected));
    for (std::size_t i = 0; i < problems.size(); ++i) {
        EXPECT_EQ(problems[i].kind, expected[i].kind) << i;
        EXPECT_EQ(problems[i].row, expected[i].row) << i;
        EXPECT_EQ(problems[i].column, expected[i].column) << i;
        EXPECT_EQ(problems[i].text, expected[i].text) << i;
    }
    // Create asks about the answer given away and the answer twice only.
    const Message question = CreateClueQuestion(problems);
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.text,
              "Some clues give their answers away or an answer stands twice:\n\n"
              "Row 1, ANIMAL: the clue gives the answer away (\"animal\").\n"
              "Row 3, TEACHER: the clue gives the answer away (\"teaches\").\n"
              "Row 7, dog: the same answer as row 5.\n"
              "\nCreate the puzzle anyway?");
}

TEST(ClueCheck, CleanListHasNoProblemAndCreateAsksNothing) {
    const EditorGrid grid = GridOf({
        {1, {"ANIMAL", "Living creature that moves and feeds"}},
        {2, {"TEACHER", "She runs the class"}},
        {3, {"CAT", "Purring pet"}},
        {4, {"ICE CREAM", "Frozen dessert"}},
        {5, {"CATEGORY", "A class or division"}},
    });
    EXPECT_TRUE(CheckClues(grid, Dictionary(), [](const std::string&) { return true; }).empty());
    EXPECT_TRUE(CheckClues(grid, nullptr).empty());
    // Empty clues and clues that do not fit are listed by the check but not asked about by Create.
    EditorGrid empty = grid;
    empty.clues[0].clear();
    const auto problems = CheckClues(empty, Dictionary(), [](const std::string&) { return false; });
    EXPECT_EQ(problems.size(), 5u);
    EXPECT_TRUE(CreateClueQuestion(problems).Empty());
}

TEST(ClueCheck, QuestionListsTenAndCountsTheRest) {
    EditorGrid grid;
    for (std::size_t r = 0; r < 14; ++r) {
        grid.words[r] = "DOG";
        grid.clues[r] = "Pet";
    }
    const Message question = CreateClueQuestion(CheckClues(grid, nullptr));
    EXPECT_NE(question.text.find("Row 11, DOG: the same answer as row 1.\n... and 3 more.\n"), std::string::npos)
        << question.text;
}

}  // namespace
}  // namespace qf
