#pragma once
// The clue and word lists the preview saves as text: the across entries under "ACROSS", an
// empty line, the down entries under "DOWN", each as its number (right-aligned with blanks to
// the widest number), ". " and its clue or word.
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "model/PuzzleRecord.h"

namespace qf {

enum class TextExportKind { Clues, Words };

inline constexpr const char* kUnableToCreateExportText = "Unable to create export file.";

std::vector<std::string> TextExportLines(const PuzzleRecord& puzzle, TextExportKind kind);

// The save dialog for both lists, starting at the file last used for them.
FileDialogRequest TextExportRequest(const Settings& settings);

// Writes the lines with CR LF line ends as one whole file; refused with "Unable to create export
// file." when it cannot be written (an existing file then stays as it was).
Outcome WriteTextExport(const std::string& path, const PuzzleRecord& puzzle, TextExportKind kind);

// Asks for the file, remembers it for the next time and writes it; cancelled when no file was chosen.
Outcome ExportText(const PuzzleRecord& puzzle, TextExportKind kind, Settings& settings, FileChooser& chooser);

}  // namespace qf
