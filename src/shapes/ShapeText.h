#pragma once
// Shapes drawn as text, the readable source of the shipped shapes library:
//   [Name]
//   ..###..
//   .#####.
// '#' is a usable cell and '.' a blocked one; the width is the longest row and the height the
// number of rows. Lines starting with ';' and blank lines are ignored.
#include <string>
#include <string_view>
#include <vector>

#include "shapes/ShapeRecord.h"

namespace qf {

// Parses every shape of `text`. On a fault returns false with `error` naming the line.
bool ParseShapeText(std::string_view text, std::vector<ShapeRecord>& shapes, std::string& error);

// One shape as text in the same form (name line and its rows).
std::string ShapeToText(const ShapeRecord& shape);

}  // namespace qf
