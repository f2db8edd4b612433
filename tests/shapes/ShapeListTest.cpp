#include <gtest/gtest.h>

#include "shapes/ShapeList.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

void Add(const std::string& lib, const std::string& name, int w, int h) {
    ShapeRecord s;
    s.name = name;
    s.width = static_cast<std::int16_t>(w);
    s.height = static_cast<std::int16_t>(h);
    ASSERT_TRUE(AppendShape(lib, s).IsDone());
}

TEST(ShapeList, StartingSelectionByOwner) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    Add(lib, "Square", 9, 9);    // index 0, sorted last
    Add(lib, "Star", 15, 12);    // index 1, sorted first
    Add(lib, "Circle", 21, 21);  // index 2

    ShapeList manager = LoadShapeList(lib, ShapeListOwner::Manager, 2);
    ASSERT_EQ(manager.items.size(), 3u);
    EXPECT_EQ(manager.items[0].text, "15x12 Star");
    EXPECT_EQ(manager.selected, 0);
    EXPECT_TRUE(manager.warning.Empty());

    ShapeList editor = LoadShapeList(lib, ShapeListOwner::NewPuzzle, 2);
    EXPECT_EQ(editor.items[static_cast<std::size_t>(editor.selected)].text, "21x21 Circle");
    editor = LoadShapeList(lib, ShapeListOwner::NewPuzzle, 7);  // "Last Shape" beyond the last record
    EXPECT_EQ(editor.selected, 0);

    std::array<std::uint8_t, kGridCells> grid{};
    grid[0] = 'A';
    grid[1] = 32;
    const ShapeRecord own = ShapeOfPuzzleGrid(12, 10, grid);
    EXPECT_EQ(own.cells[0], 1);
    EXPECT_EQ(own.cells[1], 1);
    EXPECT_EQ(own.cells[2], 0);
    EXPECT_EQ(own.name.Str(), "<Current Puzzle>");
    ShapeList modify = LoadShapeList(lib, ShapeListOwner::ModifyPuzzle, 0, &own);
    ASSERT_EQ(modify.items.size(), 4u);
    EXPECT_EQ(modify.items[static_cast<std::size_t>(modify.selected)].text, "12x10 <Current Puzzle>");
    EXPECT_EQ(modify.items[static_cast<std::size_t>(modify.selected)].index, kCurrentPuzzleItem);
}

TEST(ShapeList, EmptyListsWarnUnlessThePuzzlesOwnShapeIsThere) {
    TempDir dir;
    ShapeList none = LoadShapeList(dir.File("NONE.DAT"), ShapeListOwner::Manager, 1);
    EXPECT_EQ(none.selected, -1);
    EXPECT_EQ(none.warning.text, "No saved shape information could be found.");
    EXPECT_EQ(none.warning.caption, "Warning");

    const ShapeRecord own = ShapeOfPuzzleGrid(15, 15, {});
    ShapeList modify = LoadShapeList(dir.File("NONE.DAT"), ShapeListOwner::ModifyPuzzle, 1, &own);
    EXPECT_TRUE(modify.warning.Empty());
    EXPECT_EQ(modify.selected, 0);

    EXPECT_EQ(RowAfterDelete(2, 3), 2);
    EXPECT_EQ(RowAfterDelete(2, 2), 1);
    EXPECT_EQ(RowAfterDelete(0, 0), -1);
}

}  // namespace
}  // namespace qf
