#pragma once
// Words added by hand into a puzzle whose grid is built: which cells may take a letter, the new
// words the typed letters form, and the word slots brought back into numbered order. The window
// (TManualAdd) draws the grid and asks for the clues; everything it decides is here.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Message.h"
#include "editor/EditorGrid.h"
#include "model/PuzzleRecord.h"

namespace qf {

inline constexpr const char* kLetterMustBeAToZ = "Puzzle letter must be between A and Z.";
inline constexpr const char* kNoChangesDetected = "No changes to the puzzle were detected.";
inline constexpr const char* kTooManyWordsToAdd =
    "The puzzle already holds 200 words.  No further words can be added.";

// "Case Sensitivity": how an added word is stored.
enum class WordCase { Upper = 1, Lower = 2, FirstCapital = 3 };
// The setting's value 1 is upper case, 2 lower case, any other a first capital.
WordCase AddedWordCase(std::int32_t caseSetting);

// What the dialog keeps of the grid as it was opened: cell k at [k - 1].
struct ManualAddGrid {
    std::array<std::uint8_t, kGridCells> start{};
    std::array<bool, kGridCells> isProtected{};  // the cells just before and after each word
    int width = 0;
    int height = 0;

    static ManualAddGrid Of(const PuzzleRecord& record);
    // A blank cell of the starting grid that is not protected.
    bool Editable(int cell) const;
    bool Protected(int cell) const;
};

// The side of a cell in pixels for a picture of the given size.
int ManualCellSize(int pictureWidth, int pictureHeight, int width, int height);
// The cell under a point of the picture, 0 for none.
int CellAtPoint(int x, int y, int cellSize, int width, int height);

// A typed character for a cell: the upper-cased letter, or 0 when it is not A..Z.
char AcceptedLetter(std::string_view typed);

struct NewWord {
    int startCell = 0;
    bool across = true;
    std::string letters;
};

// The starts of words in the edited record's grid that no word slot has yet, in scan order
// (rows top to bottom, across before down at the same cell), with their letters.
std::vector<NewWord> FindNewWords(const PuzzleRecord& edited);

// The letters in the chosen case ("OAK": OAK, oak, Oak).
std::string CasedWord(std::string_view letters, WordCase wordCase);

// Where each word slot came from while words are added: origins[i - 1] is the slot that slot i
// held before (0 for a word added), so the editor can keep the texts typed in its rows.
using SlotOrigins = std::vector<int>;
SlotOrigins IdentityOrigins();  // 200 entries, slot i from slot i

// Whether another word fits: the last of the 200 slots must be free.
bool RoomForWord(const PuzzleRecord& record);

// Puts a new word after the placed words; the left-out words after them move up one slot.
// False, with nothing changed, when no slot is free.
bool AddNewWord(PuzzleRecord& record, const NewWord& word, std::string_view clue, WordCase wordCase,
                SlotOrigins* origins = nullptr);

// What OK makes of the letters typed into the grid (`edited`).
struct ManualAddition {
    bool changed = false;  // false: no new word; nothing was asked or changed
    SlotOrigins origins;   // when changed
    // When nothing changed, "No changes to the puzzle were detected." (caption "Notice"); when the
    // 200 slots ran out, the warning that the rest of the new words were left out; else empty.
    Message notice;
};
// The clue of a new word, asked for its letters.
using AskClue = std::function<std::string(const std::string& letters)>;
// Adds the new words in scan order, each with the clue asked for it and in the case of the
// setting, while a slot is free (no clue is asked for a word left out), then renumbers.
ManualAddition AddTypedWords(PuzzleRecord& edited, std::int32_t caseSetting, const AskClue& askClue);

// Sorts the placed slots by start cell, numbers them, puts the across words before the down
// words, recounts both and orders each group by number. Left-out words stay where they are.
void RenumberWords(PuzzleRecord& record, SlotOrigins* origins = nullptr);

// The word list editor's rows once words were added from it: row i takes the row of the slot it
// came from, so words and clues typed and not yet saved stay; an added word's row takes the word
// and clue stored.
EditorGrid RowsAfterAddition(const EditorGrid& typed, const PuzzleRecord& added, const SlotOrigins& origins);

}  // namespace qf
