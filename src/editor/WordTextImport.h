#pragma once
// Words and clues taken from a text file into the editor's grid: the lines of the file, the
// three kinds of entry and the rules for filling empty rows. The import dialog shows the lines
// and asks which to take; the command-line tool takes them all, in file order.
#include <string>
#include <string_view>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "editor/EditorGrid.h"

namespace qf {

enum class WordTextKind { Words = 1, Clues = 2, WordsAndClues = 3 };

inline constexpr std::size_t kImportLineLimit = 255;  // characters read of each line
inline constexpr const char* kUnableToOpenImportFile = "Unable to open import file.";
inline constexpr const char* kNoSeparatorSpecified = "No word/clue seperator character specified.";
// The text import dialog's controls that its messages focus.
struct TextImportControls {
    static constexpr ControlName kSeparator{"SepChar"};
    static constexpr ControlName kAll[] = {kSeparator};
};
inline constexpr const char* kImportCharactersReplaced =
    "Some characters of the import file cannot be held in a puzzle's text.  They are shown as \"?\".";

// The entries of a file's text (Windows-1252): each line's first 255 characters, trimmed;
// empty lines are passed over. Lines end at LF, a CR before it is dropped.
std::vector<std::string> ImportLines(std::string_view text);

// The open dialog of "Open File", starting at the file last imported; `withCrosswords` offers
// the crossword files (ipuz, .puz, .xd) beside the text files.
FileDialogRequest ImportWordListRequest(const Settings& settings, bool withCrosswords);

// Reads the file (UTF-8, or Windows-1252 as it is) into `lines`; refused with "Unable to open
// import file." when it cannot be read. Done with a warning when UTF-8 characters outside
// Windows-1252 had to be replaced, so nothing is lost without a word.
Outcome ReadImportFile(const std::string& path, std::vector<std::string>& lines);

// "Too many words selected.  Last 3 words will not be used.  Continue?" ("word" for one).
std::string TooManyWordsQuestion(int extra);

// Puts `items` (the chosen entries, in the order they are to be taken) into the first free rows
// of the grid (OkClick): refused when kind 3 has no separator (the trimmed `separator` text
// empty); when the grid's words and the items come to more than 200, the question above, whose
// No cancels. Done: the outcome's index is the number of rows filled.
Outcome ImportIntoGrid(EditorGrid& grid, const std::vector<std::string>& items, WordTextKind kind,
                       std::string_view separator, Prompter& prompter);

}  // namespace qf
