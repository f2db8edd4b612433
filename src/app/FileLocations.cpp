#include "app/FileLocations.h"

#include "base/Settings.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf {

std::vector<FileLocation> FileLocations(const Directories& dirs) {
    return {
        {"Program files", dirs.program},
        {"Shapes library", dirs.UserFile(kShapesFileName)},
        {"Page layouts library", dirs.UserFile(kLayoutsFileName)},
        {"Word lists", dirs.UserFolder()},
        {"Settings", SettingsPath(dirs)},
        {"Collections", dirs.working},
    };
}

}  // namespace qf
