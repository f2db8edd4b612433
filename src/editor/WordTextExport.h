#pragma once
// Words and clues of the editor's grid written to a text file: the entries of each kind as the
// export dialog lists them, and the file of the chosen entries, one a line, ended by CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "base/Outcome.h"
#include "editor/EditorGrid.h"
#include "editor/WordTextImport.h"

namespace qf {

inline constexpr const char* kNoWordsSelectedForOutput =
    "No words/clues selected for output.  Please select the desired words/clues.";
inline constexpr const char* kUnableToCreateExportFile = "Unable to create export file.";
inline constexpr std::size_t kExportWordWidth = 31;

struct ExportItem {
    std::string text;   // Windows-1252
    bool used = false;  // the row's word lies in the built grid
};

// A words-and-clues line: the word trimmed and padded to 31 (never cut), the separator (the
// edit's text trimmed, ":" when that is empty), a blank and the clue trimmed.
std::string WordAndClueLine(std::string_view word, std::string_view clue, std::string_view separatorText);

// The entries of one kind, sorted as the list box shows them (equal texts keep row order).
std::vector<ExportItem> ExportItems(const EditorGrid& grid, WordTextKind kind, std::string_view separatorText);

// The list box order of the import and export lists: as text, letter case and accents aside.
void SortAsListBox(std::vector<std::string>& items);

// Writes `lines` as the whole file, each ended by CR LF; refused with "Unable to create export
// file." when it cannot be written (an existing file is then left as it was).
Outcome WriteExportFile(const std::string& path, const std::vector<std::string>& lines);

// The save dialog of "Save File", starting at the file last exported.
FileDialogRequest ExportWordListRequest(const Settings& settings);

}  // namespace qf
