#include <gtest/gtest.h>

#include "collections/CollectionFixtures.h"
#include "collections/CollectionListing.h"
#include "collections/PuzzleLists.h"

namespace qf {
namespace {

using test::TempDir;
using test::WriteCollection;

std::vector<std::string> Texts(const std::vector<ListRow>& rows) {
    std::vector<std::string> texts;
    for (const auto& r : rows) texts.push_back(r.text);
    return texts;
}

TEST(CollectionListing, CategoriesInFirstAppearanceAndListsSortedWithoutCase) {
    TempDir dir;
    const std::string path = dir.File("S.QF3");
    WriteCollection(path, {{"Sports", "tennis"}, {"Animals", "Cats"}, {"Sports", "Football"}, {"animals", "dogs"}});
    const CollectionListing listing = ListCollection(path);
    // Categories are compared exactly: Animals and animals are two.
    EXPECT_EQ(listing.categoryNames, (std::vector<std::string>{"Sports", "Animals", "animals"}));
    ASSERT_EQ(listing.puzzleEntries.size(), 4u);
    EXPECT_EQ(listing.puzzleEntries[2].title, "Football");
    EXPECT_EQ(listing.puzzleEntries[2].slot, 2);
    EXPECT_EQ(listing.puzzleEntries[2].category, 0);
    EXPECT_EQ(listing.puzzleEntries[3].category, 2);

    const auto categories = CategoryRows(listing);
    EXPECT_EQ(Texts(categories), (std::vector<std::string>{"Animals", "animals", "Sports"}));
    EXPECT_EQ(categories[2].value, 0);  // Sports keeps its position in CategoryNames
    const auto sports = TitleRows(listing, 0);
    EXPECT_EQ(Texts(sports), (std::vector<std::string>{"Football", "tennis"}));
    EXPECT_EQ(sports[0].value, 2);
    EXPECT_EQ(sports[1].value, 0);
    EXPECT_EQ(Texts(AllTitleRows(listing)), (std::vector<std::string>{"Cats", "dogs", "Football", "tennis"}));
}

TEST(CollectionListing, SortIgnoresCaseKeepsEqualRowsInOrderAndPutsDigitsFirst) {
    std::vector<ListRow> rows{{"b", 0}, {"B", 1}, {"a", 2}, {"15x15", 3}, {"9x9", 4}, {"A", 5}};
    SortRows(rows);
    EXPECT_EQ(Texts(rows), (std::vector<std::string>{"15x15", "9x9", "a", "A", "b", "B"}));
    EXPECT_EQ(rows[2].value, 2);
    EXPECT_EQ(rows[3].value, 5);

    // Accented titles stand with their letter, not after "z".
    std::vector<ListRow> titles{{"Zebras", 0}, {"\xC9t\xE9", 1}, {"Eagles", 2}, {"\xE2nes", 3}, {"Fish", 4}};
    SortRows(titles);
    EXPECT_EQ(Texts(titles), (std::vector<std::string>{"\xE2nes", "Eagles", "\xC9t\xE9", "Fish", "Zebras"}));
}

TEST(CollectionListing, DamagedLengthBytesAreCutToTheFieldCapacity) {
    TempDir dir;
    const std::string path = dir.File("D.QF3");
    auto bytes = WriteCollection(path, {{"x", "y"}});
    bytes[6] = 255;   // category length
    bytes[27] = 200;  // title length
    test::WriteBytes(path, bytes);
    const CollectionListing listing = ListCollection(path);
    ASSERT_EQ(listing.categoryNames.size(), 1u);
    EXPECT_EQ(listing.categoryNames[0].size(), 20u);
    EXPECT_EQ(listing.puzzleEntries[0].title.size(), 35u);
}

TEST(PuzzleLists, LoadSelectsTheFirstCategoryAndReselectsWithoutCase) {
    TempDir dir;
    const std::string path = dir.File("L.QF3");
    WriteCollection(path, {{"Sports", "Tennis"}, {"Animals", "Cats"}, {"Sports", "Football"}});
    PuzzleLists lists;
    lists.LoadInPuzzles(path);
    ASSERT_NE(lists.SelectedCategory(), nullptr);
    EXPECT_EQ(lists.SelectedCategory()->text, "Animals");
    EXPECT_EQ(Texts(lists.puzzleBox), (std::vector<std::string>{"Cats"}));
    EXPECT_EQ(lists.SelectedPuzzle(), nullptr);  // no puzzle row without a reselection

    lists.SetReselect("SPORTS", "tennis");
    lists.LoadInPuzzles(path);
    EXPECT_EQ(lists.SelectedCategory()->text, "Sports");
    ASSERT_NE(lists.SelectedPuzzle(), nullptr);
    EXPECT_EQ(lists.SelectedPuzzle()->text, "Tennis");
    EXPECT_EQ(lists.SelectedPuzzle()->value, 0);
    EXPECT_FALSE(lists.reselectPending);

    PuzzleLists none;
    none.SetReselect("Sports", "Tennis");
    none.LoadInPuzzles(dir.File("MISSING.QF3"));
    EXPECT_TRUE(none.categoryBox.empty());
    EXPECT_TRUE(none.puzzleBox.empty());
}

}  // namespace
}  // namespace qf
