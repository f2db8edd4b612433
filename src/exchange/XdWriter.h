#pragma once
// The plain-text crossword format (.xd), UTF-8: metadata, the grid ('#' a block, '_' a cell
// outside the shape), the clues as "A1. clue ~ ANSWER", and the notes, each section under its
// "## " heading. A cell holding a word separator is a rebus cell standing for itself. The
// puzzle must be numbered like its grid (NumberedLikeItsGrid), as this format numbers the
// grid itself.
#include <string>

#include "exchange/ExchangePuzzle.h"

namespace qf {

std::string XdText(const ExchangePuzzle& puzzle);

}  // namespace qf
