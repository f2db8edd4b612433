#pragma once
// The placed words a page shows: N, the across and the down entries, bounded for untrusted records.
#include <vector>

#include "model/PuzzleRecord.h"

namespace qf {

struct PuzzleEntry {
    int slot = 0;
    int number = 0;
    int startCell = 1;    // 1..2500
    int letterCount = 0;  // bounded so that every covered cell lies in the grid array
    bool across = true;
};

struct PuzzleEntries {
    int n = 0;
    std::vector<PuzzleEntry> across;  // slots 1 to AcrossCount (at most N)
    std::vector<PuzzleEntry> down;    // slots AcrossCount + 1 to N
    std::vector<PuzzleEntry> All() const;
};

// N is WordCount, reduced while slot N is not in the grid.
int EntryCount(const PuzzleRecord& puzzle);
PuzzleEntries ListEntries(const PuzzleRecord& puzzle);

// The grid cells an entry covers, in order.
std::vector<int> EntryCells(const PuzzleEntry& entry);

}  // namespace qf
