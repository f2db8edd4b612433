#include "layouts/LayoutDescription.h"

namespace qf {

std::string LayoutDescription(const PageLayoutRecord& layout) {
    std::string text = "Page layout";
    if (const std::string name = layout.name.Str(); !name.empty()) text += " " + name;
    const int objects = layout.UsedObjects();
    return text + (layout.portrait ? ", portrait, " : ", landscape, ") + std::to_string(objects) +
           (objects == 1 ? " object" : " objects");
}

}  // namespace qf
