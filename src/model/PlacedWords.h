#pragma once
// The placed words of a record: slots 1..N, where N is WordCount reduced while slot N is not in
// the grid. A puzzle saved from the editor without a new generation also counts its left-out
// words in WordCount; their grid fields mean nothing.
#include "model/PuzzleRecord.h"

namespace qf {

inline int PlacedWordCount(const PuzzleRecord& record) {
    int n = record.UsedWords();
    while (n >= 1 && record.inGrid[static_cast<std::size_t>(n - 1)] == 0) --n;
    return n;
}

}  // namespace qf
