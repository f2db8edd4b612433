#pragma once
// The open JSON crossword format (ipuz, version 2, kind crossword), in UTF-8. Cells outside the
// puzzle's shape are omitted cells (null), blank cells inside it are blocks ("#"); a given
// word separator is a cell whose value is filled in. An answer of several words keeps its
// letters in the solution and its full text, with its enumeration, in its clue.
#include <QByteArray>

#include "exchange/ExchangePuzzle.h"

namespace qf {

QByteArray IpuzBytes(const ExchangePuzzle& puzzle);

}  // namespace qf
