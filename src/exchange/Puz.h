#pragma once
// The binary crossword format of the popular solving programs (.puz, version 1.3), written and
// read: a header with its checksums, the solution and an empty solving grid, then the title,
// author, copyright, the clues and the notes as NUL-ended Windows-1252 strings.
#include <cstdint>
#include <span>
#include <vector>

#include "exchange/ExchangePuzzle.h"
#include "exchange/ImportedEntry.h"

namespace qf {

// The format's running checksum: rotate right by one bit, then add the byte (16 bits).
std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t sum = 0);

// The file's bytes. Cells outside the shape become black squares, like blocks; the clues go in
// number order, the across clue of a number before its down clue. The puzzle must be
// numbered like its grid (NumberedLikeItsGrid), as this format numbers the grid itself.
std::vector<std::uint8_t> PuzBytes(const ExchangePuzzle& puzzle);

// The across entries and then the down entries, each in number order. Refused when the file is
// not a sound .puz file: cut short, locked, its checksums wrong or its clues not fitting its grid.
Outcome ParsePuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);

}  // namespace qf
