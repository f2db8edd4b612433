#pragma once
// The binary crossword format of the popular solving programs (.puz, version 1.3): a header
// with its checksums, the solution and an empty solving grid, then the title, author,
// copyright, the clues and the notes as NUL-ended Windows-1252 strings.
#include <cstdint>
#include <span>
#include <vector>

#include "exchange/ExchangePuzzle.h"

namespace qf {

// The format's running checksum: rotate right by one bit, then add the byte (16 bits).
std::uint16_t PuzChecksum(std::span<const std::uint8_t> bytes, std::uint16_t sum = 0);

// The file's bytes. Cells outside the shape become black squares, like blocks; the clues go in
// number order, the across clue of a number before its down clue. The puzzle must be
// numbered like its grid (NumberedLikeItsGrid), as this format numbers the grid itself.
std::vector<std::uint8_t> PuzBytes(const ExchangePuzzle& puzzle);

}  // namespace qf
