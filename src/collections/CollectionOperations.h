#pragma once
// Operations on whole collection files: delete, import, export, extracting a puzzle's layout.
// Records are copied between files byte for byte. Open failures come back as refused Outcomes;
// an input/output error after a successful open throws IoError.
#include <cstdint>
#include <string>
#include <vector>

#include "base/FileUtil.h"
#include "base/Outcome.h"
#include "base/Prompter.h"
#include "collections/PuzzleLists.h"

namespace qf {

inline constexpr const char* kNoPuzzleSelected = "No puzzle selected.  Please select a puzzle first.";
inline constexpr const char* kNotCrosswordFile = "The file selected is not a valid Crossword file.";
inline constexpr const char* kNotQuernfoldFile = "The file selected is not a valid Quernfold file.";
inline constexpr const char* kImportSameFile = "Import File cannot be the same as the currently open file.";
inline constexpr const char* kExportSameFile = "Export File cannot be the same as the currently open file.";
inline constexpr const char* kNoPuzzlesForImport = "No puzzles have been selected for import.";
inline constexpr const char* kNoPuzzlesForExport = "No puzzles have been selected for export.";
// The controls of the windows that pick puzzles by title (import, export, extract) that their
// messages focus.
struct TitlePickControls {
    static constexpr ControlName kList{"PuzzleList"};
    static constexpr ControlName kAll[] = {kList};
};
inline constexpr const char* kUnableToImport = "Unable to import puzzles.";
inline constexpr const char* kUnableToExport = "Unable to export puzzles.";
inline constexpr const char* kUnableToOpenPuzzle = "Unable to open puzzle.";

// New puzzle group: creates the file empty, emptying an existing one (as a whole-file write,
// base/SaveFile.h). A file that cannot be created ends the command with the general
// input/output error (IoError).
void CreateEmptyCollection(const std::string& path);

// Removes slot `slot`; later slots move down by one. The file is rewritten through a temporary
// file and a rename. Refused, without a message, when the collection cannot be opened for
// writing (the delete command passes over it silently).
Outcome DeletePuzzleSlot(const std::string& path, std::int64_t slot);

// The delete command on the selected puzzle row: asks "Are you sure you want to delete
// <title>?" (caption "Delete"), deletes, sets the reselection and reloads the lists.
// Without a selected row it is refused with the no-puzzle-selected message; No cancels it.
Outcome DeletePuzzle(PuzzleLists& lists, const std::string& path, Prompter& prompter);

enum class ImportKind { Collection, OldPuzzle };
// The checks of the Import Puzzles command on the chosen path: ".QFD" is an old single puzzle,
// anything but ".QF3" is refused, and so is the open collection itself.
Outcome CheckImportChoice(const std::string& chosen, const std::string& openPath, ImportKind& kind);

// Appends the given slots of `source` (in the given order) to the collection `target`, created
// when missing. "Unable to import puzzles." when either file cannot be opened; nothing is
// written then. All or nothing: a failure halfway leaves `target` as it was.
Outcome ImportPuzzles(const std::string& source, const std::string& target, const std::vector<std::int64_t>& slots);

// The selected slots in the order of the sorted title list (the import and export dialogs).
std::vector<std::int64_t> SlotsInListOrder(const CollectionListing& listing, const std::vector<std::int64_t>& selected);

// Writes the given slots of the open collection as the new collection `target`, which replaces
// an existing file only once it is whole (base/SaveFile.h). The open collection itself is
// refused as a target (it would be emptied before being read).
Outcome ExportPuzzles(const std::string& openPath, const std::vector<std::int64_t>& slots, const std::string& target);

// Appends the layout of puzzle `slot` to the layouts library (created when missing), under a
// name no layout of the library has yet; the outcome's index is its position. "Unable to open puzzle." (Error) / "Unable to add page
// layout." (Disk Error).
Outcome ExtractLayout(const std::string& openPath, std::int64_t slot, const std::string& layoutsPath);

}  // namespace qf
