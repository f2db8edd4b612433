#pragma once
// The plain-text crossword format (.xd), UTF-8, written and read, in its original layout of
// sections two blank lines apart: metadata, the grid ('#' a block, '_' a cell outside the shape), the clues as
// "A1. clue ~ ANSWER" with one blank line between across and down, and the notes. A cell that
// does not hold a letter A to Z (a word separator, an accented letter, a digit) is a rebus cell
// written as a digit, which the "Rebus" line translates. The puzzle must be numbered like its
// grid (NumberedLikeItsGrid), as this format numbers the grid itself.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "exchange/ExchangePuzzle.h"
#include "exchange/ImportedEntry.h"

namespace qf {

std::string XdText(const ExchangePuzzle& puzzle);

// The across entries and then the down entries, in the file's order: the clue lines
// "A1. clue ~ ANSWER" and "D1. ...", wherever they stand. Refused when the file is not UTF-8 or
// a clue has no answer.
Outcome ParseXd(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);

}  // namespace qf
