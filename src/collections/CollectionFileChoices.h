#pragma once
// The file dialogs of the collection commands, and the Import Puzzles command up to the list of
// titles: the choice is stored in "Last Import Puzzle File" and then checked.
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "collections/CollectionOperations.h"

namespace qf {

inline constexpr const char* kCollectionFilter = "QFOLD Files (*.QF3)|*.QF3";
inline constexpr const char* kFirstPuzzleQuestion =
    "Would you like to create your first puzzle now for this new puzzle collection?";  // "New Puzzle"

FileDialogRequest NewGroupRequest(const std::string& openPath);
FileDialogRequest OpenGroupRequest(const std::string& openPath);
FileDialogRequest ImportPuzzlesRequest(const Settings& settings);
FileDialogRequest ExportPuzzlesRequest(const Settings& settings);

// Open Puzzle Group: a chosen file whose extension is not "QF3" (any case) is refused.
Outcome CheckOpenGroupChoice(const std::string& chosen);

struct ImportChoice {
    ImportKind kind = ImportKind::Collection;
    std::string path;
};
// Asks for the file; a choice is stored in "Last Import Puzzle File" even when it is refused.
// Done: `choice` names the file and what it holds.
Outcome ChooseImportFile(Settings& settings, FileChooser& chooser, const std::string& openPath, ImportChoice& choice);

}  // namespace qf
