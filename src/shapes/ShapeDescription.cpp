#include "shapes/ShapeDescription.h"

#include <algorithm>

namespace qf {

std::string ShapeDescription(const ShapeRecord& shape) {
    // A damaged record may claim more than the grid holds.
    const int width = std::clamp<int>(shape.width, 0, kGridSide);
    const int height = std::clamp<int>(shape.height, 0, kGridSide);
    if (width == 0 || height == 0) return "No shape";
    int open = 0;
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column) open += shape.Usable(row, column) ? 1 : 0;
    std::string text = "Shape";
    if (const std::string name = shape.name.Str(); !name.empty()) text += " " + name;
    return text + ", " + std::to_string(width) + " by " + std::to_string(height) + ", " + std::to_string(open) +
           (open == 1 ? " open cell" : " open cells");
}

}  // namespace qf
