#pragma once
// Import and export of one page layout as the layout chooser runs them: the file dialog, the
// last file name kept in the settings, the operation and its confirmation.
#include <cstdint>
#include <string>

#include "app/Message.h"
#include "app/Prompter.h"
#include "app/Settings.h"

namespace qf {

FileDialogRequest ExportLayoutDialog(const Settings& settings);
FileDialogRequest ImportLayoutDialog(const Settings& settings);

struct LayoutCommandResult {
    bool done = false;           // false when cancelled or refused
    Message message;             // the refusal, or the confirmation of an export
    std::int64_t position = -1;  // the imported layout's position
};

// "Page Layout Exported!" (caption "OK") when written.
LayoutCommandResult ExportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                        std::int64_t position);
LayoutCommandResult ImportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath);

}  // namespace qf
