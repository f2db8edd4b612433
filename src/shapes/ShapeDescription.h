#pragma once
// What a picture of a shape says to a screen reader: "Shape Diamond, 15 by 15, 113 open cells".
#include <string>

#include "shapes/ShapeRecord.h"

namespace qf {

std::string ShapeDescription(const ShapeRecord& shape);

}  // namespace qf
