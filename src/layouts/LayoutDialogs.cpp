#include "layouts/LayoutDialogs.h"

#include "layouts/LayoutLibrary.h"

namespace qf {

namespace {
constexpr const char* kLayoutFilter = "Page Layouts (*.PAG)|*.PAG";
}

FileDialogRequest ExportLayoutDialog(const Settings& settings) {
    return {"Export Page Layouts", kLayoutFilter, "PAG", settings.lastExportLayoutFile, true, true};
}

FileDialogRequest ImportLayoutDialog(const Settings& settings) {
    return {"Import Page Layouts", kLayoutFilter, "PAG", settings.lastImportLayoutFile, false, false};
}

LayoutCommandResult ExportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                        std::int64_t position) {
    LayoutCommandResult result;
    const std::string target = chooser.Choose(ExportLayoutDialog(settings));
    if (target.empty()) return result;
    settings.lastExportLayoutFile = target;
    result.message = ExportLayout(libraryPath, position, target);
    if (!result.message.Empty()) return result;
    result.done = true;
    result.message = {kLayoutExported, "OK"};
    return result;
}

LayoutCommandResult ImportLayoutCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath) {
    LayoutCommandResult result;
    const std::string source = chooser.Choose(ImportLayoutDialog(settings));
    if (source.empty()) return result;
    settings.lastImportLayoutFile = source;
    result.message = ImportLayout(source, libraryPath, &result.position);
    result.done = result.message.Empty();
    return result;
}

}  // namespace qf
