#pragma once
// What a picture of a puzzle says to a screen reader: its grid's size and its number of words,
// as "Crossword grid, 15 by 15, 12 words".
#include <string>

#include "model/PuzzleRecord.h"

namespace qf {

std::string GridDescription(const PuzzleRecord& puzzle);

}  // namespace qf
