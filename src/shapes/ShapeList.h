#pragma once
// The shape list of the word list editor and the shape manager: the library's shapes sorted as
// text, the extra "<Current Puzzle>" item of the editor in modify mode, and which item starts
// selected. The forms draw and click; the choices are made here.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Message.h"
#include "shapes/ShapeFiles.h"

namespace qf {

enum class ShapeListOwner {
    Manager,       // the shape manager: the first item starts selected
    NewPuzzle,     // the editor making a new puzzle: the item of the "Last Shape" setting
    ModifyPuzzle,  // the editor changing a puzzle: the "<Current Puzzle>" item
};

struct ShapeList {
    std::vector<ShapeEntry> items;  // sorted; values are record indexes or kCurrentPuzzleItem
    int selected = -1;              // -1 while the list is empty
    Message warning;                // "No saved shape information could be found." when empty
};

// The shape of a stored puzzle: usable wherever its grid cell is not 0.
ShapeRecord ShapeOfPuzzleGrid(int width, int height, const std::array<std::uint8_t, kGridCells>& grid);

// Fills the list (LoadInLayouts). `puzzleShape` is used only by ModifyPuzzle.
ShapeList LoadShapeList(const std::string& libraryPath, ShapeListOwner owner, std::int64_t lastShape,
                        const ShapeRecord* puzzleShape = nullptr);

// The row carrying `value`, or row 0 when none does (SetShapeBoxIndex); -1 for an empty list.
int RowOfValue(const ShapeList& list, std::int64_t value);

// The row to select after a deletion: the same row, or the last one when the list got shorter.
int RowAfterDelete(int deletedRow, std::size_t itemsNow);

// "Last Shape" once record `deleted` is gone: it follows its shape (one less when it came
// after); -1 when the deleted shape was the one itself.
std::int64_t LastShapeAfterDelete(std::int64_t lastShape, std::int64_t deleted);
// Said when the shape new puzzles start with was deleted and the first of the list takes its place.
Message StartShapeFellBack(const std::string& itemText);

}  // namespace qf
