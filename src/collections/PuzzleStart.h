#pragma once
// How the working record starts for New puzzle and for Copy puzzle, before the word list
// editor opens on it.
#include <cstdint>
#include <string>

#include "model/PuzzleRecord.h"

namespace qf {

// New puzzle: words, clues and the in-grid marks emptied, category, title and bonus question
// empty, 15 by 15, no words, never generated, and the default page layout (record
// `defaultPage` of the layouts library, or the built-in default). Other fields keep what the
// record held; they mean nothing while it is not generated.
void StartNewPuzzle(PuzzleRecord& working, const std::string& layoutsLibrary, std::int64_t defaultPage);

// Copy puzzle, after the slot was read into `working`: the title becomes its copy name
// ("Sea Life" -> "Sea Life (2)", cut to 35) and no word is marked in the grid. The grid,
// the layout and the generated flag stay; the copy is saved as a new slot.
void StartCopyOfPuzzle(PuzzleRecord& working);

}  // namespace qf
