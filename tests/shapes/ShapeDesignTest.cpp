#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "shapes/ShapeDesign.h"
#include "shapes/ShapeFiles.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

// A shape drawn as rows of '#' (usable) and '.' (blocked); every cell outside is `outside`.
ShapeRecord Drawn(const std::vector<std::string>& rows, std::uint8_t outside = 0, const std::string& name = "Drawn") {
    ShapeRecord s;
    s.name = name;
    s.cells.fill(outside);
    s.height = static_cast<std::int16_t>(rows.size());
    s.width = static_cast<std::int16_t>(rows.at(0).size());
    for (int r = 1; r <= s.height; ++r)
        for (int c = 1; c <= s.width; ++c) s.Cell(CellIndex(r, c)) = rows[r - 1][c - 1] == '#' ? 1 : 0;
    return s;
}

// The active rectangle drawn back the same way.
std::vector<std::string> Rows(const ShapeRecord& s) {
    std::vector<std::string> rows;
    for (int r = 1; r <= s.height; ++r) {
        std::string row;
        for (int c = 1; c <= s.width; ++c) row += s.Usable(r, c) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

ShapeDesign Modifying(const ShapeRecord& shape) { return StartShapeDesign(ShapeDesignMode::Modify, shape, 0); }

// A click of one button: press and release.
ShapeRepaint Click(ShapeDesign& d, ShapeMouseButton button, PicturePoint press, PicturePoint release) {
    ApplyShapeAction(d, shapes::ImgMouseDown{button, press});
    return ApplyShapeAction(d, shapes::ImgMouseUp{button, release});
}

std::vector<std::uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{}); }

ShapeRecord Stored(const std::string& lib, std::int64_t index) {
    ShapeRecord s;
    EXPECT_TRUE(ReadShape(lib, index, s).IsDone());
    return s;
}

TEST(ShapeDesignSave, ANewShapeSavedAtOnceIsAppendedWhole) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    ASSERT_TRUE(AppendShape(lib, Drawn({"#####"})).IsDone());
    ASSERT_TRUE(AppendShape(lib, Drawn({"#.#.#"})).IsDone());

    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, Drawn({"....."}));
    EXPECT_EQ(d.titleText, "New Layout");
    EXPECT_EQ(d.widthText, "30");
    EXPECT_EQ(d.heightText, "30");
    EXPECT_FALSE(d.history.CanUndo());
    const Outcome saved = SaveShapeDesign(d, lib);
    ASSERT_TRUE(saved.IsDone());
    EXPECT_EQ(saved.index, 2);
    EXPECT_TRUE(d.saved);
    EXPECT_EQ(Bytes(lib).size(), 3 * ShapeRecord::kStoredSize);
    const ShapeRecord s = Stored(lib, 2);
    EXPECT_EQ(s.name.Str(), "New Layout");
    EXPECT_EQ(s.width, 30);
    EXPECT_EQ(s.height, 30);
    EXPECT_TRUE(std::all_of(s.cells.begin(), s.cells.end(), [](std::uint8_t v) { return v == 1; }));
}

TEST(ShapeDesignSave, ModifyWritesOverItsIndexAndCopyAppends) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    for (const char* name : {"Zero", "One", "Two"}) ASSERT_TRUE(AppendShape(lib, Drawn({"#####"}, 0, name)).IsDone());
    const auto before = Bytes(lib);

    ShapeDesign d = StartShapeDesign(ShapeDesignMode::Modify, Stored(lib, 1), 1);
    ApplyShapeAction(d, shapes::ToggleCell{{1, 2}});
    d.titleText = "  Renamed  ";
    d.heightText = "5";
    ASSERT_TRUE(SaveShapeDesign(d, lib).IsDone());
    const auto after = Bytes(lib);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 2555, before.begin()));
    EXPECT_TRUE(std::equal(after.begin() + 5110, after.end(), before.begin() + 5110));
    const ShapeRecord one = Stored(lib, 1);
    EXPECT_EQ(one.name.Str(), "Renamed");
    EXPECT_EQ(one.height, 5);
    EXPECT_EQ(Rows(one)[0], "#.###");

    ShapeDesign copy = StartShapeDesign(ShapeDesignMode::Copy, Drawn({"#####"}, 0, "Star (2)"));
    copy.titleText = std::string(60, 'n');
    copy.heightText = "5";
    const Outcome appended = SaveShapeDesign(copy, lib);
    ASSERT_TRUE(appended.IsDone());
    EXPECT_EQ(appended.index, 3);
    EXPECT_EQ(Stored(lib, 3).name.Str(), std::string(50, 'n'));

    ShapeDesign unnamed = StartShapeDesign(ShapeDesignMode::New, {});
    unnamed.titleText = "   ";
    ASSERT_TRUE(SaveShapeDesign(unnamed, lib).IsDone());
    EXPECT_EQ(Stored(lib, 4).name.Str(), "");
}

TEST(ShapeDesignSave, RefusalsWriteNothingAndKeepTheFormOpen) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, {});
    d.widthText = "3";
    d.heightText = "4";
    const Outcome refused = SaveShapeDesign(d, lib);
    EXPECT_EQ(refused.message.text, "Height must be between 5 and 49.  Please re-enter height.");  // height first
    EXPECT_FALSE(FileExists(lib));
    EXPECT_FALSE(d.saved);

    // Every cell blocked: no puzzle could be built in it, so it is not saved (it once was, silently).
    ShapeDesign blocked = StartShapeDesign(ShapeDesignMode::New, {});
    blocked.shape.cells.fill(0);
    const Outcome empty = SaveShapeDesign(blocked, lib);
    ASSERT_TRUE(empty.IsRefused());
    EXPECT_EQ(empty.message.text,
              "The shape has no usable cells, so no puzzle can be built in it.  Left click cells to make them usable.");
    EXPECT_EQ(empty.message.focus, "Img");
    EXPECT_FALSE(FileExists(lib));
    EXPECT_FALSE(blocked.saved);

    ShapeDesign noDisk = StartShapeDesign(ShapeDesignMode::New, {});
    noDisk.titleText = "Other";
    const Outcome unable = SaveShapeDesign(noDisk, dir.File("missing/QFFLAY.DAT"));
    ASSERT_TRUE(unable.IsRefused());
    EXPECT_EQ(unable.message.text, "Unable to add shape.");
    EXPECT_EQ(unable.message.caption, "Disk Error");
    EXPECT_EQ(unable.message.severity, Severity::Warning);
    EXPECT_FALSE(noDisk.saved);
    EXPECT_EQ(noDisk.shape.name.Str(), "New Layout");
}

TEST(ShapeDesignSize, WidthAndHeightChecks) {
    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, {});
    for (const char* bad : {"4", "50", "x7", "", "-7", "-7x"}) {
        d.widthText = bad;
        const Outcome o = CheckWidth(d);
        ASSERT_TRUE(o.IsRefused()) << bad;
        EXPECT_EQ(o.message.text, "Width must be between 5 and 49.  Please re-enter width.");
        EXPECT_EQ(o.message.caption, "Error");
        EXPECT_EQ(o.message.severity, Severity::Error);
        EXPECT_EQ(o.message.focus, "WidthEdit");
        EXPECT_EQ(d.shape.width, 30);
    }
    const std::vector<std::pair<std::string, int>> good{{"5", 5}, {"49", 49}, {"7x", 7}, {" 12 ", 12}, {"+8", 8}};
    for (const auto& [text, value] : good) {
        d.widthText = text;
        ASSERT_TRUE(CheckWidth(d).IsDone()) << text;
        EXPECT_EQ(d.shape.width, value);
    }
    d.heightText = "0";
    const Outcome h = CheckHeight(d);
    EXPECT_EQ(h.message.text, "Height must be between 5 and 49.  Please re-enter height.");
    EXPECT_EQ(h.message.focus, "HeightEdit");

    // Leaving an edit redraws only when the size changed; a refusal keeps the old size.
    d.heightText = "30";
    EXPECT_TRUE(ApplyShapeAction(d, shapes::HeightEditExit{}).Nothing());
    d.heightText = "20";
    EXPECT_TRUE(ApplyShapeAction(d, shapes::HeightEditExit{}).drawGrid);
    EXPECT_EQ(d.shape.height, 20);
    d.heightText = "99";
    const ShapeRepaint refused = ApplyShapeAction(d, shapes::HeightEditExit{});
    EXPECT_FALSE(refused.drawGrid);
    EXPECT_EQ(refused.message.focus, "HeightEdit");
    EXPECT_EQ(d.shape.height, 20);
}

TEST(ShapeDesignMouse, CellSizeAndTheCellUnderAPoint) {
    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, {});
    EXPECT_EQ(ShapeCellSize(d), 12);  // 401 div 30 - 1
    EXPECT_EQ(CellAtPoint(d, {0, 0}), (GridCell{1, 1}));
    EXPECT_EQ(CellAtPoint(d, {12, 0}), (GridCell{1, 2}));
    EXPECT_EQ(CellAtPoint(d, {11, 25}), (GridCell{3, 1}));
    EXPECT_EQ(CellAtPoint(d, {359, 359}), (GridCell{30, 30}));
    EXPECT_FALSE(CellAtPoint(d, {360, 10}));  // beyond the drawn grid
    EXPECT_FALSE(CellAtPoint(d, {-3, 10}));
    const PixelSquare sq = CellSquare(12, {2, 3});
    EXPECT_EQ(sq.left, 25);
    EXPECT_EQ(sq.top, 13);
    EXPECT_EQ(sq.right, 36);
    EXPECT_EQ(sq.bottom, 24);
    d.shape.width = 49;
    EXPECT_EQ(ShapeCellSize(d), 7);
    d.shape.width = 5;
    d.shape.height = 5;
    EXPECT_EQ(ShapeCellSize(d), 79);

    // A damaged size never reaches outside the cell array.
    ShapeRecord damaged = Drawn({"#####"}, 1);
    damaged.width = 0;
    ShapeDesign z = Modifying(damaged);
    EXPECT_EQ(ShapeCellSize(z), 0);
    EXPECT_TRUE(Click(z, ShapeMouseButton::Right, {0, 0}, {0, 0}).Nothing());
    damaged.width = 300;
    damaged.height = -4;
    ShapeDesign huge = Modifying(damaged);
    EXPECT_EQ(ActiveColumns(huge.shape), 50);
    EXPECT_EQ(ActiveRows(huge.shape), 0);
    ApplyShapeAction(huge, shapes::Shift{ShiftDirection::Down});
    ApplyShapeAction(huge, shapes::FillFrom{{1, 1}});
    EXPECT_TRUE(ApplyShapeAction(huge, shapes::ToggleCell{{1, 1}}).cells.empty());
}

TEST(ShapeDesignMouse, PressAndReleaseMustMeetInOneCellOfTheShape) {
    ShapeDesign d = Modifying(Drawn(std::vector<std::string>(10, "..........")));
    ASSERT_EQ(ShapeCellSize(d), 39);
    const ShapeRepaint toggled = Click(d, ShapeMouseButton::Left, {5, 5}, {30, 38});
    ASSERT_EQ(toggled.cells, (std::vector<GridCell>{{1, 1}}));
    EXPECT_FALSE(toggled.drawGrid);
    EXPECT_TRUE(d.shape.Usable(1, 1));

    const auto before = d.shape.cells;
    EXPECT_TRUE(Click(d, ShapeMouseButton::Left, {5, 5}, {40, 5}).Nothing());  // another cell
    EXPECT_TRUE(Click(d, ShapeMouseButton::Left, {395, 10}, {395, 10}).Nothing());  // picture beyond the grid
    EXPECT_TRUE(ApplyShapeAction(d, shapes::ImgMouseUp{ShapeMouseButton::Left, {5, 5}}).Nothing());  // no press
    ApplyShapeAction(d, shapes::ImgMouseDown{ShapeMouseButton::Right, {5, 5}});
    EXPECT_TRUE(ApplyShapeAction(d, shapes::ImgMouseUp{ShapeMouseButton::Left, {5, 5}}).Nothing());
    EXPECT_EQ(d.shape.cells, before);
    EXPECT_FALSE(d.shape.Usable(1, 11));
}

TEST(ShapeDesignEdit, EveryChangeIsAStepOfUndoAndRedo) {
    const std::vector<std::string> start{"#....", "#....", "#....", "#....", "#...."};
    ShapeDesign d = Modifying(Drawn(start, 1));
    const ShapeDesign opened = d;
    const ShapeRepaint shifted = ApplyShapeAction(d, shapes::Shift{ShiftDirection::Left});
    EXPECT_TRUE(shifted.drawGrid);
    EXPECT_TRUE(shifted.undoEnabled);
    EXPECT_FALSE(shifted.redoEnabled);
    EXPECT_EQ(Rows(d.shape), std::vector<std::string>(5, "....."));
    EXPECT_TRUE(d.shape.Usable(1, 6));  // outside the shape: not part of the shift

    // Toggles and Reverse are steps too; so are a fill and a size change.
    ApplyShapeAction(d, shapes::ToggleCell{{2, 2}});
    ApplyShapeAction(d, shapes::Reverse{});
    ApplyShapeAction(d, shapes::FillFrom{{1, 1}});
    d.widthText = "7";
    ApplyShapeAction(d, shapes::WidthEditExit{});
    const ShapeRecord last = d.shape;
    const std::vector<std::vector<std::string>> back{
        {".....", ".....", ".....", ".....", "....."},  // before the size change (5 wide again)
        {"#####", "#.###", "#####", "#####", "#####"},  // before the fill
        {".....", ".#...", ".....", ".....", "....."},  // before Reverse
        {".....", ".....", ".....", ".....", "....."},  // before the toggle
        start};
    for (const auto& rows : back) {
        const ShapeRepaint undone = ApplyShapeAction(d, shapes::Undo{});
        EXPECT_TRUE(undone.drawGrid);
        EXPECT_TRUE(undone.redoEnabled);
        EXPECT_EQ(Rows(d.shape), rows);
    }
    EXPECT_EQ(d.widthText, "5");  // the edits follow the size that came back
    EXPECT_FALSE(d.history.CanUndo());
    EXPECT_TRUE(ApplyShapeAction(d, shapes::Undo{}).Nothing());  // nothing left to undo
    EXPECT_FALSE(ShapeDesignChanged(d, opened));                 // back where it opened

    for (int i = 0; i < 5; ++i) ApplyShapeAction(d, shapes::Redo{});
    EXPECT_EQ(EncodeShapeExchange(d.shape), EncodeShapeExchange(last));
    EXPECT_EQ(d.widthText, "7");
    EXPECT_TRUE(ApplyShapeAction(d, shapes::Redo{}).Nothing());

    // A change after Undo drops what could have been redone; an action that changes nothing does not.
    ApplyShapeAction(d, shapes::Undo{});
    ApplyShapeAction(d, shapes::ToggleCell{{9, 9}});  // outside the shape
    EXPECT_TRUE(d.history.CanRedo());
    const ShapeRepaint toggled = ApplyShapeAction(d, shapes::ToggleCell{{1, 1}});
    EXPECT_FALSE(toggled.redoEnabled);
    EXPECT_FALSE(d.history.CanRedo());
}

TEST(ShapeDesignEdit, TheCursorStaysOnACellOfTheShape) {
    ShapeDesign d = Modifying(Drawn({"#####", "#####", "#####", "#####", "#####"}));
    EXPECT_FALSE(ApplyShapeAction(d, shapes::MoveCursor{-1, 0}).cursorMoved);
    ApplyShapeAction(d, shapes::MoveCursor{9, 9});
    EXPECT_EQ(d.cursor, (GridCell{5, 5}));
    d.widthText = d.heightText = "12";
    ApplyShapeAction(d, shapes::WidthEditExit{});
    ApplyShapeAction(d, shapes::HeightEditExit{});
    ApplyShapeAction(d, shapes::MoveCursor{6, 6});
    EXPECT_EQ(d.cursor, (GridCell{11, 11}));
    // Undoing the growth takes the cursor back inside the smaller shape.
    ApplyShapeAction(d, shapes::Undo{});
    ApplyShapeAction(d, shapes::Undo{});
    EXPECT_EQ(d.cursor, (GridCell{5, 5}));
    // A press on a cell takes the cursor there.
    const int s = ShapeCellSize(d);
    ApplyShapeAction(d, shapes::ImgMouseDown{ShapeMouseButton::Right, {s + 2, 2 * s + 2}});
    EXPECT_EQ(d.cursor, (GridCell{3, 2}));
}

TEST(ShapeDesignEdit, ShiftsMoveThePatternWithinTheShape) {
    const ShapeRecord start = Drawn({"##..", ".#..", "...#"}, 1);
    ShapeDesign d = Modifying(start);
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Right});
    EXPECT_EQ(Rows(d.shape), (std::vector<std::string>{".##.", "..#.", "...."}));
    d = Modifying(start);
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Up});
    EXPECT_EQ(Rows(d.shape), (std::vector<std::string>{".#..", "...#", "...."}));
    d = Modifying(start);
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Down});
    EXPECT_EQ(Rows(d.shape), (std::vector<std::string>{"....", "##..", ".#.."}));
    EXPECT_TRUE(d.shape.Usable(4, 1));  // the row below the shape keeps its value
    EXPECT_TRUE(d.shape.Usable(1, 5));
}

TEST(ShapeDesignEdit, ReverseInvertsEveryCellAndWideningShowsIt) {
    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, {});
    d.widthText = d.heightText = "10";
    ApplyShapeAction(d, shapes::WidthEditExit{});
    ApplyShapeAction(d, shapes::HeightEditExit{});
    ApplyShapeAction(d, shapes::ToggleCell{{1, 1}});
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Down});
    const ShapeRepaint reversed = ApplyShapeAction(d, shapes::Reverse{});
    EXPECT_TRUE(reversed.drawGrid);
    EXPECT_EQ(Rows(d.shape)[1], "#.........");

    // The cells keep their values when the shape is resized: the new columns come back inverted.
    d.widthText = "12";
    EXPECT_TRUE(ApplyShapeAction(d, shapes::WidthEditExit{}).drawGrid);
    EXPECT_EQ(Rows(d.shape)[5], "............");
}

TEST(ShapeDesignEdit, UndoBringsTheSizeBackAndSaveTakesIt) {
    TempDir dir;
    ShapeDesign d = StartShapeDesign(ShapeDesignMode::New, {});
    d.widthText = "20";
    ApplyShapeAction(d, shapes::WidthEditExit{});
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Up});
    ApplyShapeAction(d, shapes::Undo{});
    EXPECT_EQ(d.shape.width, 20);
    ApplyShapeAction(d, shapes::Undo{});
    EXPECT_EQ(d.shape.width, 30);
    EXPECT_EQ(d.widthText, "30");
    ASSERT_TRUE(SaveShapeDesign(d, dir.File("QFFLAY.DAT")).IsDone());
    EXPECT_EQ(Stored(dir.File("QFFLAY.DAT"), 0).width, 30);
}

TEST(ShapeDesignFill, RightClickInsideARingFillsItRowByRow) {
    const std::vector<std::string> ring{".........", ".#######.", ".#.....#.", ".#.....#.", ".#.....#.",
                                        ".#.....#.", ".#.....#.", ".#######.", "........."};
    ShapeDesign d = Modifying(Drawn(ring));
    const int s = ShapeCellSize(d);
    const ShapeRepaint filled = Click(d, ShapeMouseButton::Right, {4 * s + 3, 4 * s + 3}, {5 * s - 1, 5 * s - 1});
    EXPECT_TRUE(filled.undoEnabled);
    EXPECT_FALSE(filled.drawGrid);
    const std::vector<std::string> inside{".........", ".#######.", ".#######.", ".#######.", ".#######.",
                                          ".#######.", ".#######.", ".#######.", "........."};
    EXPECT_EQ(Rows(d.shape), inside);
    ASSERT_EQ(filled.cells.size(), 25u);
    EXPECT_EQ(filled.cells.front(), (GridCell{3, 3}));
    EXPECT_EQ(filled.cells.back(), (GridCell{7, 7}));
    ApplyShapeAction(d, shapes::Undo{});
    EXPECT_EQ(Rows(d.shape), ring);

    // A release in another cell changes nothing, the undo state included.
    EXPECT_TRUE(Click(d, ShapeMouseButton::Right, {4 * s + 3, 4 * s + 3}, {5 * s + 1, 4 * s + 3}).Nothing());
    EXPECT_FALSE(d.history.CanUndo());
    EXPECT_TRUE(d.history.CanRedo());
    ApplyShapeAction(d, shapes::Shift{ShiftDirection::Left});
    EXPECT_TRUE(Click(d, ShapeMouseButton::Right, {1, 1}, {s * 3, 1}).undoEnabled);
}

TEST(ShapeDesignFill, FillSpreadsByRowPassesOnly) {
    // Within a row a pass spreads rightwards through the run but only one cell leftwards.
    ShapeDesign d = Modifying(Drawn({"#########", "#.......#", "####.####"}));
    ApplyShapeAction(d, shapes::FillFrom{{3, 5}});
    EXPECT_EQ(Rows(d.shape), (std::vector<std::string>{"#########", "#..######", "#########"}));

    // A region that goes down and back up is not followed round the bend.
    d = Modifying(Drawn({"#######", "#.###.#", "#.###.#", "#.....#", "#######"}));
    ApplyShapeAction(d, shapes::FillFrom{{2, 2}});
    EXPECT_EQ(Rows(d.shape), (std::vector<std::string>{"#######", "#####.#", "#####.#", "#######", "#######"}));

    // A usable start blocks what it reaches, inside the shape only.
    d = StartShapeDesign(ShapeDesignMode::New, {});
    const ShapeRepaint all = ApplyShapeAction(d, shapes::FillFrom{{30, 30}});
    EXPECT_EQ(all.cells.size(), 900u);
    EXPECT_EQ(Rows(d.shape), std::vector<std::string>(30, std::string(30, '.')));
    EXPECT_TRUE(d.shape.Usable(1, 31));
    EXPECT_TRUE(d.shape.Usable(31, 1));
}

}  // namespace
}  // namespace qf
