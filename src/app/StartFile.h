#pragma once
// A file named on the desktop program's command line, as the file manager passes it on a double
// click: a collection (.QF3) becomes the open collection; a shape (.LAY) or a page layout
// (.PAG) is offered for import into its library. No windows here: the question goes through the
// prompter, and the main window shows the outcome.
#include <string>

#include "app/ProgramState.h"
#include "base/Outcome.h"
#include "base/Prompter.h"

namespace qf {

enum class StartFileKind { Collection, Shape, PageLayout, Other };

// By the extension, in any case.
StartFileKind KindOfStartFile(const std::string& path);

inline constexpr const char* kCaptionImport = "Import";
inline constexpr const char* kStartFileMissing = "The file %s could not be found.";
inline constexpr const char* kStartFileUnknown =
    "Quernfold does not open %s.  It opens puzzle groups (.QF3), puzzle shapes (.LAY) and page layouts (.PAG).";
inline constexpr const char* kImportShapeQuestion = "Add the puzzle shape in %s to the puzzle shapes library?";
inline constexpr const char* kImportLayoutQuestion = "Add the page layout in %s to the page layouts library?";
inline constexpr const char* kShapeImported = "Puzzle shape added to the library.";
inline constexpr const char* kLayoutImported = "Page layout added to the library.";

struct StartFileResult {
    StartFileKind kind = StartFileKind::Other;
    Outcome outcome;
};

// A collection: it must exist; it is opened as Open Puzzle Group opens one (the settings name
// it and the recent files list it first), and the caller lists it. A shape or a layout: on Yes
// it is imported as the libraries' Import does (a shape becomes the current shape), with a
// confirmation; on No the outcome is cancelled. Refusals carry the library's own messages.
StartFileResult OpenStartFile(ProgramState& state, const std::string& path, Prompter& prompter);

}  // namespace qf
