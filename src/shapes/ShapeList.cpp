#include "shapes/ShapeList.h"

#include <algorithm>

namespace qf {

ShapeRecord ShapeOfPuzzleGrid(int width, int height, const std::array<std::uint8_t, kGridCells>& grid) {
    ShapeRecord shape;
    shape.name = "<Current Puzzle>";
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (std::size_t k = 0; k < grid.size(); ++k) shape.cells[k] = grid[k] != 0 ? 1 : 0;
    return shape;
}

ShapeList LoadShapeList(const std::string& libraryPath, ShapeListOwner owner, std::int64_t lastShape,
                        const ShapeRecord* puzzleShape) {
    ShapeList list;
    if (owner == ShapeListOwner::ModifyPuzzle && puzzleShape) {
        list.items.push_back({std::to_string(puzzleShape->width) + "x" + std::to_string(puzzleShape->height) +
                                  " <Current Puzzle>",
                              kCurrentPuzzleItem});
    }
    if (auto stored = ListShapes(libraryPath)) list.items.insert(list.items.end(), stored->begin(), stored->end());
    SortShapeEntries(list.items);
    if (list.items.empty()) {
        list.warning = WarningMessage(kNoShapesFound);
        return list;
    }
    switch (owner) {
        case ShapeListOwner::Manager: list.selected = 0; break;
        case ShapeListOwner::NewPuzzle: list.selected = RowOfValue(list, lastShape); break;
        case ShapeListOwner::ModifyPuzzle: list.selected = RowOfValue(list, kCurrentPuzzleItem); break;
    }
    return list;
}

int RowOfValue(const ShapeList& list, std::int64_t value) {
    if (list.items.empty()) return -1;
    const auto it = std::find_if(list.items.begin(), list.items.end(), [&](const ShapeEntry& e) { return e.index == value; });
    return it == list.items.end() ? 0 : static_cast<int>(it - list.items.begin());
}

int RowAfterDelete(int deletedRow, std::size_t itemsNow) {
    if (itemsNow == 0) return -1;
    return std::min(deletedRow, static_cast<int>(itemsNow) - 1);
}

std::int64_t LastShapeAfterDelete(std::int64_t lastShape, std::int64_t deleted) {
    if (lastShape == deleted) return -1;
    return lastShape > deleted ? lastShape - 1 : lastShape;
}

Message StartShapeFellBack(const std::string& itemText) {
    return InfoMessage("The deleted shape was the one new puzzles start with.  They now start with \"" + itemText +
                           "\".",
                       kCaptionNotice);
}

}  // namespace qf
