#pragma once
// The word list editor's rules without its window: the grid filled from the working record and
// stored back into it (SetValues), change detection, Delete and Delete All, the cell editor's
// cuts and Save's checks.
#include <string>
#include <string_view>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "editor/EditorGrid.h"
#include "model/CreateCheck.h"
#include "model/PuzzleRecord.h"

namespace qf {

inline constexpr int kBonusTypingLimit = 120;  // the bonus question's edit limit (stored up to 150)
inline constexpr int kAttemptsTypingLimit = 3;
inline constexpr const char* kAllWordsCleared = "All words are already cleared.";
inline constexpr const char* kRemoveAllQuestion = "This will remove all words and clues.  Continue?";
inline constexpr const char* kSaveChangesQuestion = "Puzzle has been modified.  Save changes?";
inline constexpr const char* kDiscardTypingQuestion =
    "The words and clues you have typed will be lost.  Close anyway?";
inline constexpr const char* kCaptionCreateNew = "Create New Puzzle";
inline constexpr const char* kCaptionCreateCopy = "Create New Puzzle (copy of existing puzzle)";
inline constexpr const char* kCaptionModify = "Modify Existing Puzzle";

// What the editor holds besides its grid.
struct EditorTexts {
    std::string title, category, bonusQuestion;
};

// The grid rows of a record: words, clues and the U mark ("x" where the word is in the grid).
EditorGrid GridOfRecord(const PuzzleRecord& record);
EditorTexts TextsOfRecord(const PuzzleRecord& record);

// SetValues: the form into the working record (trimmed, cut to the fields, blank rows squeezed
// out); InGrid, the grid fields and the layout are left alone.
void SetValues(const EditorTexts& texts, const EditorGrid& grid, PuzzleRecord& working);

// PuzzleChanged's comparison: bonus question, title, category, every word and clue slot (length
// byte and characters) and the layout's header fields; not its objects, the grid or InGrid.
bool PuzzleDiffers(const PuzzleRecord& working, const PuzzleRecord& snapshot);

// Whether leaving a new puzzle's editor would lose typing: a title, category, bonus question,
// word or clue that differs, trimmed, from what the editor opened with.
bool EntriesDiffer(const EditorTexts& texts, const EditorGrid& grid, const EditorTexts& opened,
                   const EditorGrid& openedGrid);

// The cell editor's text: a Word cell cut to 30 characters, a Clue cell to 150.
std::string CellEditText(int column, std::string_view text);

// Delete: rows r..199 take the U, word and clue of the row below; the last row is cleared.
// Nothing happens for a row below 1.
void DeleteGridRow(EditorGrid& grid, int row);

// Delete All: "All words are already cleared." when there are none; otherwise the question,
// whose Yes clears every word and clue (the U marks stay).
Outcome DeleteAllWords(EditorGrid& grid, Prompter& prompter);

// Save's checks: a title and a category (trimmed) are needed, with their focus.
Outcome CheckTitleAndCategory(const EditorTexts& texts);

// The entries Create checks, from the form.
CreateEntries EntriesOf(const EditorTexts& texts, const EditorGrid& grid, const std::string& attempts);

}  // namespace qf
