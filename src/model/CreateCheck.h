#pragma once
// Create's checks on the word list editor's entries, and the filling of the working record
// that the generation run starts from.
#include <array>
#include <string>
#include <string_view>

#include "base/Message.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

inline constexpr int kEditorRows = 200;
inline constexpr int kMaxAttemptsOption = 999;
inline constexpr int kLargeShapeSide = 30;
inline constexpr const char* kNoCategory = "No category specified.  Please correct.";
inline constexpr const char* kBadAttempts = "Attempts must be between 1 and 999.  Please correct.";

// The word list editor's controls that its messages focus.
struct WordListControls {
    static constexpr ControlName kTitle{"Title"};
    static constexpr ControlName kCategory{"Category"};
    static constexpr ControlName kAttempts{"Attempts"};
    static constexpr ControlName kGrid{"WordsCluesGrid"};
    static constexpr ControlName kAll[] = {kTitle, kCategory, kAttempts, kGrid};
};
inline constexpr int kWordColumn = 2;  // grid columns, counted from 0 (Cnt, U, Word, Clue)
inline constexpr int kClueColumn = 3;

// What the editor holds when Create is pressed (Windows-1252 texts as typed).
struct CreateEntries {
    std::string title, category, bonusQuestion, attempts;
    std::array<std::string, kEditorRows> words, clues;  // grid row r at [r - 1]
};

struct CreateCheckResult {
    Message error;     // empty when Create may run; its focus names the control (and grid cell)
    Message warning;   // the large-shape warning; Create goes on after showing it
    int attempts = 0;  // the valid attempts value, to become the Attempts option
    int longestRun = 0;

    bool Ok() const { return error.Empty(); }
};

// The attempts typed (their leading digits), or 0 when outside 1 to 999.
int ValidAttempts(std::string_view typed);

// The longest unbroken run of usable cells in rows 1..height and columns 1..width, across or down.
int LongestRun(const ShapeRecord& shape, int width, int height);

// Runs the checks in the program's order. Once the attempts are valid the record's Width and
// Height take the shape's, and its text fields are filled, even when a later check fails.
CreateCheckResult CheckCreate(const CreateEntries& entries, const ShapeRecord& shape, PuzzleRecord& working);

// Title, category, bonus question and the dense word list, each trimmed and cut to its field.
void FillCreateRecord(const CreateEntries& entries, PuzzleRecord& working);

}  // namespace qf
