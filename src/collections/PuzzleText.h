#pragma once
// One stored puzzle as plain text lines (Windows-1252): title, category, size, the grid ('#'
// an empty square, '.' a cell outside the shape), the numbered across and down clues and the
// words left out. Every count of the record is bounded first, so any slot can be shown.
#include <string>
#include <vector>

#include "model/PuzzleRecord.h"

namespace qf {

std::vector<std::string> PuzzleAsText(const PuzzleRecord& puzzle);

}  // namespace qf
