#pragma once
// The open JSON crossword format (ipuz, version 2, kind crossword), in UTF-8, written and read.
// Cells outside the puzzle's shape are omitted cells (null), blank cells inside it are blocks
// ("#"); a given word separator is a cell whose value is filled in. An answer of several words keeps its
// letters in the solution and its full text, with its enumeration, in its clue.
#include <QByteArray>
#include <cstdint>
#include <span>
#include <vector>

#include "exchange/ExchangePuzzle.h"
#include "exchange/ImportedEntry.h"

namespace qf {

QByteArray IpuzBytes(const ExchangePuzzle& puzzle);

// The across entries and then the down entries, each in number order; an answer the clue does
// not give is read from the solution. Refused when the file is not a sound ipuz crossword.
Outcome ParseIpuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);

}  // namespace qf
