#include "layouts/LayoutTransfer.h"

#include "layouts/LayoutLibrary.h"

namespace qf {

namespace {
constexpr const char* kLayoutFilter = "Page Layouts (*.PAG)|*.PAG";
}

Message DeleteLayoutQuestion(const std::string& entryText) {
    return WarningMessage("Are you sure you want to delete \"" + entryText + "\"?", kCaptionDeleteQ);
}

FileDialogRequest ExportLayoutRequest(const Settings& settings) {
    return {"Export Page Layouts", kLayoutFilter, "PAG", settings.lastExportLayoutFile, true, true};
}

FileDialogRequest ImportLayoutRequest(const Settings& settings) {
    return {"Import Page Layouts", kLayoutFilter, "PAG", settings.lastImportLayoutFile, false, false};
}

Outcome ExportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                            std::int64_t position) {
    const std::string target = chooser.Choose(ExportLayoutRequest(settings));
    if (target.empty()) return Outcome::Cancelled();
    settings.lastExportLayoutFile = target;
    return ExportLayout(libraryPath, position, target);
}

Outcome ImportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath) {
    const std::string source = chooser.Choose(ImportLayoutRequest(settings));
    if (source.empty()) return Outcome::Cancelled();
    settings.lastImportLayoutFile = source;
    return ImportLayout(source, libraryPath);
}

}  // namespace qf
