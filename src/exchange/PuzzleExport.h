#pragma once
// Writes one puzzle to a file in an open crossword format or as a solving page, the format
// chosen by the file's extension. The file is written whole beside the old one and renamed,
// so a refused or failed export leaves every file as it was.
#include <optional>
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "model/PuzzleRecord.h"

namespace qf {

enum class ExchangeFormat { Ipuz, Puz, Xd, Html };

inline constexpr const char* kExportNumberingText =
    "This puzzle has a word laid over another word, or letters side by side that are not a word, and this "
    "file format numbers the grid by itself. Export the puzzle as ipuz or as a solving page instead.";
inline constexpr const char* kExportWriteFailedText = "Unable to write the exported puzzle.";
inline constexpr const char* kExportUnknownFormatText =
    "Please give the file one of the endings .ipuz, .puz, .xd or .html: the ending chooses the format.";
inline constexpr const char* kExportedText = "Puzzle Exported!";
// The save dialog's filter; its entries are in the order of ExchangeFormat.
inline constexpr const char* kExchangeFilter =
    "ipuz Crossword (*.ipuz)|*.ipuz|Across Lite Puzzle (*.puz)|*.puz|xd Crossword (*.xd)|*.xd|"
    "Solving Page (*.html)|*.html";

// The puzzle's title as a file name: characters that file systems refuse, control characters
// and everything beyond ASCII (the title is Windows-1252) become blanks; blanks and dots at the
// end are dropped; "Puzzle" when nothing is left. With the ending ".ipuz".
std::string SuggestedExportName(const std::string& title);
// The save dialog of "Export Puzzle As", offering the title's name.
FileDialogRequest ExportPuzzleAsRequest(const std::string& title);

// By the extension, in any case: .ipuz, .puz, .xd, .html or .htm.
std::optional<ExchangeFormat> FormatOfFile(const std::string& path);

// The word separator characters the settings show in puzzles ("-", "/", "+", "*", the user's).
std::string ShownSeparators(const Settings& settings);

// `shownSeparators`: the word separator characters the user shows in puzzles.
Outcome ExportPuzzleFile(const PuzzleRecord& record, const std::string& shownSeparators, ExchangeFormat format,
                         const std::string& path);

}  // namespace qf
