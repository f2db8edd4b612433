#pragma once
// Fill Empty Clues: the first suggestion of each row that has a word and no clue, with what it
// changed kept so that one Undo takes the whole fill back.
#include <string>
#include <vector>

#include "editor/ClueSuggestions.h"
#include "editor/EditorGrid.h"

namespace qf {

struct FilledClue {
    int row = 0;  // from 1
    std::string clue;
};

struct ClueFillResult {
    std::vector<FilledClue> filled;
    std::vector<int> leftEmpty;  // rows with a word and still no clue
};

ClueFillResult FillEmptyClues(EditorGrid& grid, const ClueSources& sources);

// "12 clues were filled." with, when some are left, "  No suggestion was found for rows 4, 9
// and 12: their clues are still empty." (at most 20 rows named, then "and N more").
Message FillSummary(const ClueFillResult& result);

// Takes the fill back: each filled clue that still holds what the fill put there is emptied
// again (a clue typed over since stays). Returns the rows emptied.
int UndoFill(EditorGrid& grid, const ClueFillResult& result);

}  // namespace qf
