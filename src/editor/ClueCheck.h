#pragma once
// The check of a word list's clues: a clue that gives its own answer away, a clue that holds
// another answer of the list, an answer that stands twice, an empty clue and a clue longer than
// the layout's clue block holds at its font. Each problem names the grid cell to go to.
#include <functional>
#include <string>
#include <vector>

#include "base/Message.h"
#include "editor/EditorGrid.h"

namespace qf {

class WordNet;

enum class ClueProblemKind { GivesAway, OtherAnswer, SameAnswer, EmptyClue, TooLong };

struct ClueProblem {
    ClueProblemKind kind = ClueProblemKind::EmptyClue;
    int row = 0;     // the grid row, from 1
    int column = 0;  // kWordColumn or kClueColumn: the cell to go to
    std::string text;
};

// Whether a clue fits the chosen layout's clue block at its font; empty: not checked.
using ClueFits = std::function<bool(const std::string& clue)>;

inline constexpr const char* kCaptionCheckClues = "Check Clues";
inline constexpr const char* kMsgCluesClean = "No problems were found in the clues.";

// Every problem in row order; the rows without a word are left out.
std::vector<ClueProblem> CheckClues(const EditorGrid& grid, const WordNet* wordNet, const ClueFits& fits = {});

// Create's question when a clue gives its answer away or an answer stands twice (the other kinds
// are not asked about); an empty message when there is none.
Message CreateClueQuestion(const std::vector<ClueProblem>& problems);

}  // namespace qf
