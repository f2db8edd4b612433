#include "output/PagePictures.h"

#include <memory>
#include <span>

#include "base/SaveFile.h"
#include "output/MetafileExport.h"
#include "output/PageRenderer.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {

std::vector<std::uint8_t> PagePictureBytes(const ExportPage& page, int pixelWidth, const PictureOptions& options) {
    if (pixelWidth < 1 || pixelWidth > kMaxPixelWidth) return {};
    // The renderer writes its fitted sizes into the layout it draws: a copy, so the page handed
    // in stays as the last rendering left it.
    auto layout = std::make_unique<PageLayoutRecord>(page.layout);
    ImageTarget target(pixelWidth);
    {
        QPainterSurface surface(target);
        RenderPage(surface, page.puzzle, *layout, page.options, page.headings);
        if (!surface.Finish()) return {};
    }
    return EncodePicture(target.Image(), options);
}

Outcome SavePagePicture(const ExportPage& page, int pixelWidth, const PictureOptions& options,
                        const std::string& path) {
    const std::vector<std::uint8_t> bytes = PagePictureBytes(page, pixelWidth, options);
    if (bytes.empty() || !WriteWholeFile(path, std::span(bytes)))
        return Outcome::Refused(ErrorMessage(kUnableToCreateExportText));
    return Outcome::Done();
}

}  // namespace qf
