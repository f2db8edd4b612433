#include "shapes/ShapeDialogs.h"

#include "shapes/ShapeFiles.h"

namespace qf {

FileDialogRequest ExportShapeDialog(const Settings& settings) {
    return {"Export Puzzle Shape", "Puzzle Shape (*.LAY)|*.LAY", "LAY", settings.lastExportShapeFile, true, true};
}

FileDialogRequest ImportShapeDialog(const Settings& settings) {
    return {"Import Puzzle Shape", "Puzzle Shapes (*.LAY)|*.LAY", "LAY", settings.lastImportShapeFile, false, false};
}

ShapeCommandResult ExportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                      std::int64_t index, ShapeRecord& current) {
    ShapeCommandResult result;
    const std::string target = chooser.Choose(ExportShapeDialog(settings));
    if (target.empty()) return result;
    settings.lastExportShapeFile = target;
    result.message = ExportShape(libraryPath, index, target, current);
    if (!result.message.Empty()) return result;
    result.done = true;
    result.message = {kShapeExported, "OK"};
    return result;
}

ShapeCommandResult ImportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                                      ShapeRecord& current) {
    ShapeCommandResult result;
    const std::string source = chooser.Choose(ImportShapeDialog(settings));
    if (source.empty()) return result;
    settings.lastImportShapeFile = source;
    result.message = ImportShape(source, libraryPath, current, &result.index);
    result.done = result.message.Empty();
    return result;
}

}  // namespace qf
