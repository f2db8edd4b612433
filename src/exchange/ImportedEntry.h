#pragma once
// What the readers of the open crossword formats share: the entry they take from a file, the
// refusal that says why a file is not taken, and the runs of a grid of letter cells. Every file
// is read as hostile: a damaged or foreign file is refused, and nothing is taken from it.
#include <cstddef>
#include <string>
#include <vector>

#include "base/Outcome.h"

namespace qf {

struct ImportedEntry {
    std::string word;  // Windows-1252; an answer of several words keeps its blanks where the file has them
    std::string clue;
};

// Limits of what a file may hold before it is refused.
inline constexpr int kMaxImportedSide = 255;
inline constexpr std::size_t kMaxImportedEntries = 2000;

// "Unable to read the crossword file: " followed by the reason and a full stop.
std::string CrosswordUnreadable(const std::string& reason);
// That message as a refusal (caption "Error").
Outcome RefuseCrossword(const std::string& reason);

// An entry with control characters (a line break too) made blanks, trimmed and cut to what a
// puzzle holds.
ImportedEntry MakeImportedEntry(const std::string& wordAnsi, const std::string& clueAnsi);

// The runs of a grid of letter cells, numbered as the formats without numbers of their own do.
struct GridRun {
    int number = 0;
    bool across = true;
    std::vector<int> cells;  // row * width + column
};
std::vector<GridRun> GridRuns(int width, int height, const std::vector<bool>& white);

}  // namespace qf
