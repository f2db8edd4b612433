#pragma once
// The cells of the word list editor's grid, rows 1..200 at [0..199], as typed (Windows-1252,
// not yet cut to the record's capacities). The import, the export and the spelling check work
// on these cells; the editor stores them into the puzzle record later.
#include <array>
#include <string>

#include "model/CreateCheck.h"

namespace qf {

struct EditorGrid {
    std::array<std::string, kEditorRows> words;
    std::array<std::string, kEditorRows> clues;
    std::array<bool, kEditorRows> used{};  // the "U" column: the word lies in the built grid

    // GetWordCount: the rows whose word, trimmed, is not empty.
    int WordCount() const;
};

}  // namespace qf
