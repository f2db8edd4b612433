#pragma once
// Import and export of one shape as the shape lists run them: the file dialog, the last file
// name kept in the settings, the operation and its confirmation.
#include <cstdint>
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "shapes/ShapeRecord.h"

namespace qf {

FileDialogRequest ExportShapeRequest(const Settings& settings);
FileDialogRequest ImportShapeRequest(const Settings& settings);

// ExportLayout of the shape lists: "Puzzle Shape Exported!" (caption "OK") when written.
Outcome ExportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                           std::int64_t index, ShapeRecord& current);
// ImportLayout of the shape lists: the imported shape becomes `current` and is appended; the
// outcome's index is its record index.
Outcome ImportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                           ShapeRecord& current);

}  // namespace qf
