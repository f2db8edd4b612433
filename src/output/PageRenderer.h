#pragma once
// Lays one generated puzzle onto one page by its page layout and draws it on a surface.
#include <functional>
#include <memory>
#include <vector>

#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "output/PrintOptions.h"
#include "output/RenderResult.h"
#include "report/Surface.h"

namespace qf {

class Picture;

// The picture of each Bitmap object, loaded before the page is drawn (nullptr where none).
struct LoadedPictures {
    std::array<std::shared_ptr<const Picture>, kMaxPageObjects> bySlot{};
    bool anyMissing = false;
};
LoadedPictures LoadLayoutPictures(const PageLayoutRecord& layout);

// Paper and orientation of the layout on the surface: a standard paper by its code, or the
// layout's own size for a custom one.
void SetUpPaper(Surface& surface, const PageLayoutRecord& layout);

// Renders the page: paper, scale, pictures, then the objects in slot order. `layout` is the
// print's working copy: the renderer writes each object's fitted font size into it and the
// bonus question into the Bonus Question object's text. Warnings are returned, never shown.
// `aborted`, when given, is asked before each object; an aborted page gives no fit warnings.
RenderResult RenderPage(Surface& surface, const PuzzleRecord& puzzle, PageLayoutRecord& layout,
                        const PrintOptions& options, const PrintHeadings& headings,
                        const std::function<bool()>& aborted = {});

}  // namespace qf
