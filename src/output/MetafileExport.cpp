#include "output/MetafileExport.h"

#include <cmath>
#include <span>

#include "base/SaveFile.h"
#include "layouts/PageObjects.h"

namespace qf {

bool HasBitmapObjects(const PageLayoutRecord& layout) {
    for (int i = 0; i < layout.UsedObjects(); ++i)
        if (layout.objects[static_cast<std::size_t>(i)].Kind() == ObjectKind::Bitmap) return true;
    return false;
}

std::vector<std::uint8_t> MetafileBytes(const ExportPage& page, MetafileKind kind) {
    MetafileSurface surface(kind);
    DrawMetafilePage(surface, page);
    return surface.Bytes();
}

Outcome SaveMetafileFile(const ExportPage& page, MetafileKind kind, const std::string& path) {
    const std::vector<std::uint8_t> bytes = MetafileBytes(page, kind);
    if (bytes.empty() || !WriteWholeFile(path, std::span(bytes))) return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    return Outcome::Done();
}

}  // namespace qf
