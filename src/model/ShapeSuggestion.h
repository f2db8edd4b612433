#pragma once
// When even a thorough fill leaves words out: the first larger shape of the library that holds
// them all. Larger means more usable cells; the shapes are tried smallest first (library order
// among equals), each with a thorough fill of the same run options and budget, and a shape too
// small for any list of these words (a cell holds at most two letters) or with a run of cells
// shorter than the longest word is passed over without a fill. A list with a word that shares
// no letter with the others fits no shape: nothing is tried.
#include <vector>

#include "model/ThoroughFill.h"

namespace qf {

struct ShapeSuggestion {
    int index = -1;  // into `library`; -1 when no larger shape holds every word
    int placed = 0;  // the words the fill placed there
    int tried = 0;   // shapes filled
};

int UsableCells(const ShapeRecord& shape);

ShapeSuggestion SuggestShape(const PuzzleRecord& working, const ShapeRecord& current,
                             const std::vector<ShapeRecord>& library, const RunOptions& runOptions,
                             const ThoroughOptions& options);

}  // namespace qf
