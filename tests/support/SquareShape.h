#pragma once
// A square shape of `side` x `side` usable cells: the plainest shape a test builds puzzles in.
#include <cstdint>
#include <string>

#include "shapes/ShapeRecord.h"

namespace qf::test {

inline ShapeRecord Square(int side, const std::string& name = "Square") {
    ShapeRecord shape;
    shape.name.Set(name);
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int row = 1; row <= side; ++row)
        for (int column = 1; column <= side; ++column) shape.Cell(CellIndex(row, column)) = 1;
    return shape;
}

}  // namespace qf::test
