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
// Inches per layout unit: the page's width and height to the layout's, the smaller of the two.
double PageScale(double pageWidth, double pageHeight, const PageLayoutRecord& layout);

// The renderer's part of a report run: the before-report event (paper, N, scale, pictures),
// the page event (the objects in slot order) and the after-report event (pictures released, the
// fit warnings). `layout` is the print's working copy: the renderer writes each object's fitted
// font size into it and the bonus question into the Bonus Question object's text. Warnings are
// returned in the result, never shown.
class PageRenderer {
public:
    PageRenderer(const PuzzleRecord& puzzle, PageLayoutRecord& layout, const PrintOptions& options,
                 const PrintHeadings& headings)
        : puzzle_(puzzle), layout_(layout), options_(options), headings_(headings) {}

    void BeforeReport(Surface& surface);
    // `aborted`, when given, is asked before each object.
    void DrawPage(Surface& surface, const std::function<bool()>& aborted = {});
    // An aborted report gives no fit warnings.
    void AfterReport(bool aborted);

    const RenderResult& Result() const { return result_; }
    RenderResult TakeResult() { return std::move(result_); }

private:
    const PuzzleRecord& puzzle_;
    PageLayoutRecord& layout_;
    const PrintOptions& options_;
    const PrintHeadings& headings_;
    LoadedPictures pictures_;
    RenderResult result_;
};

// Renders the page in one go: before-report, page and after-report.
RenderResult RenderPage(Surface& surface, const PuzzleRecord& puzzle, PageLayoutRecord& layout,
                        const PrintOptions& options, const PrintHeadings& headings,
                        const std::function<bool()>& aborted = {});

}  // namespace qf
