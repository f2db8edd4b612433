#include "output/PuzzleEntries.h"

#include <algorithm>

#include "model/PlacedWords.h"

namespace qf {
namespace {

PuzzleEntry MakeEntry(const PuzzleRecord& p, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    PuzzleEntry e;
    e.slot = slot;
    e.number = p.number[i];
    e.across = p.isAcross[i] != 0;
    e.startCell = std::clamp<int>(p.startCell[i], 1, kGridCells);
    // A damaged record must not walk the word off the grid array.
    const int step = e.across ? 1 : kGridSide;
    const int room = (kGridCells - e.startCell) / step + 1;
    e.letterCount = std::clamp<int>(p.letterCount[i], 0, room);
    return e;
}

}  // namespace

int EntryCount(const PuzzleRecord& puzzle) { return PlacedWordCount(puzzle); }

PuzzleEntries ListEntries(const PuzzleRecord& puzzle) {
    PuzzleEntries entries;
    entries.n = EntryCount(puzzle);
    const int acrossEnd = std::min(puzzle.UsedAcross(), entries.n);
    for (int slot = 1; slot <= acrossEnd; ++slot) entries.across.push_back(MakeEntry(puzzle, slot));
    for (int slot = acrossEnd + 1; slot <= entries.n; ++slot) entries.down.push_back(MakeEntry(puzzle, slot));
    return entries;
}

std::vector<PuzzleEntry> PuzzleEntries::All() const {
    std::vector<PuzzleEntry> all = across;
    all.insert(all.end(), down.begin(), down.end());
    return all;
}

std::vector<int> EntryCells(const PuzzleEntry& entry) {
    std::vector<int> cells;
    const int step = entry.across ? 1 : kGridSide;
    for (int k = 0; k < entry.letterCount; ++k) cells.push_back(entry.startCell + k * step);
    return cells;
}

}  // namespace qf
