#pragma once
// The plain-text crossword format (.xd), UTF-8, in its original layout of sections two blank
// lines apart: metadata, the grid ('#' a block, '_' a cell outside the shape), the clues as
// "A1. clue ~ ANSWER" with one blank line between across and down, and the notes. A cell that
// does not hold a letter A to Z (a word separator, an accented letter, a digit) is a rebus cell
// written as a digit, which the "Rebus" line translates. The puzzle must be numbered like its
// grid (NumberedLikeItsGrid), as this format numbers the grid itself.
#include <string>

#include "exchange/ExchangePuzzle.h"

namespace qf {

std::string XdText(const ExchangePuzzle& puzzle);

}  // namespace qf
