#pragma once
// Import and export of one page layout as the layout chooser runs them: the file dialog, the
// last file name kept in the settings, the operation and its confirmation.
#include <cstdint>
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"

namespace qf {

// The question before a layout is deleted: Are you sure you want to delete "ENTRY"? ("Delete?").
Message DeleteLayoutQuestion(const std::string& entryText);

FileDialogRequest ExportLayoutRequest(const Settings& settings);
FileDialogRequest ImportLayoutRequest(const Settings& settings);

// "Page Layout Exported!" (caption "OK") when written.
Outcome ExportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                            std::int64_t position);
// The outcome's index is the imported layout's position.
Outcome ImportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath);

}  // namespace qf
