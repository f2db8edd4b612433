#pragma once
// Import and export of one shape as the shape lists run them: the file dialog, the last file
// name kept in the settings, the operation and its confirmation.
#include <cstdint>
#include <string>

#include "app/Message.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "shapes/ShapeRecord.h"

namespace qf {

FileDialogRequest ExportShapeDialog(const Settings& settings);
FileDialogRequest ImportShapeDialog(const Settings& settings);

struct ShapeCommandResult {
    bool done = false;     // false when cancelled or refused
    Message message;       // the refusal, or the confirmation of an export
    std::int64_t index = -1;  // the imported shape's record index
};

// ExportLayout of the shape lists: "Puzzle Shape Exported!" (caption "OK") when written.
ShapeCommandResult ExportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                      std::int64_t index, ShapeRecord& current);
// ImportLayout of the shape lists: the imported shape becomes `current` and is appended.
ShapeCommandResult ImportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                      ShapeRecord& current);

}  // namespace qf
