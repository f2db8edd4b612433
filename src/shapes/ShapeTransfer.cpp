#include "shapes/ShapeTransfer.h"

#include "shapes/ShapeFiles.h"

namespace qf {

FileDialogRequest ExportShapeRequest(const Settings& settings) {
    return {"Export Puzzle Shape", "Puzzle Shape (*.LAY)|*.LAY", "LAY", settings.lastExportShapeFile, true, true};
}

FileDialogRequest ImportShapeRequest(const Settings& settings) {
    return {"Import Puzzle Shape", "Puzzle Shapes (*.LAY)|*.LAY", "LAY", settings.lastImportShapeFile, false, false};
}

Outcome ExportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                           std::int64_t index, ShapeRecord& current) {
    const std::string target = chooser.Choose(ExportShapeRequest(settings));
    if (target.empty()) return Outcome::Cancelled();
    settings.lastExportShapeFile = target;
    return ExportShape(libraryPath, index, target, current);
}

Outcome ImportShapeCommand(Settings& settings, FileChooser& chooser, const std::string& libraryPath,
                           ShapeRecord& current) {
    const std::string source = chooser.Choose(ImportShapeRequest(settings));
    if (source.empty()) return Outcome::Cancelled();
    settings.lastImportShapeFile = source;
    return ImportShape(source, libraryPath, current);
}

}  // namespace qf
