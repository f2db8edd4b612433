#include "output/RenderContext.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "layouts/LayoutFonts.h"

namespace qf {

namespace {
// Stored widths of borders and outlines are 1 to 9 pixels; a damaged value is held to that.
constexpr int kMaxOutlineWidth = 9;
std::atomic<bool> fitShortcuts{true};
}  // namespace

RectIn RenderContext::ObjectRect(const PageObject& o) const {
    // A damaged layout may place an edge billions of units away. Edges are held within a few
    // pages of the page itself, which changes nothing that can be seen and keeps every device
    // coordinate well inside an int.
    double extent = std::max(result.pageWidth, result.pageHeight);
    if (!(extent > 0)) extent = 1000;
    const auto bound = [&](std::int32_t units) { return std::clamp(units * scale, -2 * extent, 3 * extent); };
    return {bound(o.Left()), bound(o.Top()), bound(o.Right()), bound(o.Bottom())};
}

void RenderContext::SetFont(const StoredFont& font, int size) { surface.SetFont(FontAt(font, size)); }

FontChoice RenderContext::FontAt(const StoredFont& font, int size) const {
    FontChoice f = ChoiceOfFont(font);
    f.size = ClampFontSize(size);
    return f;
}

int RenderContext::SetObjectFont(const PageObject& object) {
    const int size = ClampFontSize(object.textFont.size);
    SetFont(object.textFont, size);
    return size;
}

RectIn RenderContext::GrowByPixels(const RectIn& r, long k) const {
    return {surface.PixelsToX(surface.XToPixels(r.left) - k), surface.PixelsToY(surface.YToPixels(r.top) - k),
            surface.PixelsToX(surface.XToPixels(r.right) + k), surface.PixelsToY(surface.YToPixels(r.bottom) + k)};
}

void RenderContext::FrameRect(const RectIn& r) {
    surface.MoveTo(r.left, r.top);
    surface.LineTo(r.right, r.top);
    surface.LineTo(r.right, r.bottom);
    surface.LineTo(r.left, r.bottom);
    surface.LineTo(r.left, r.top);
}

void RenderContext::DrawBorder(const PageObject& object, const RectIn& rect, bool ellipse) {
    if (!object.useBorder) return;
    surface.SetPenColor(object.borderColor);
    const int width = std::min<int>(object.borderWidth, kMaxOutlineWidth);
    for (int k = 0; k < width; ++k) {
        const RectIn grown = GrowByPixels(rect, k);
        if (ellipse)
            surface.EllipseOutline(grown.left, grown.top, grown.right, grown.bottom);
        else
            FrameRect(grown);
    }
}

namespace {
constexpr double kMaxRows = 100000;

int RowsOf(double height, double sample) {
    const double rows = std::trunc(height / sample);
    return rows > kMaxRows ? static_cast<int>(kMaxRows) : static_cast<int>(rows);
}
}  // namespace

int RenderContext::RowsPerColumn(double height) {
    const double sample = surface.TextHeight(kRowSample);
    if (!(sample > 0) || !(height > 0)) return 0;
    return RowsOf(height, sample);
}

int RenderContext::RowsAtMost(const StoredFont& font, int size, double height) {
    if (!(height > 0)) return 0;
    // The sample is at least as high as its floor, so it leaves no more rows than the floor does.
    const double floor = surface.TextHeightFloor(FontAt(font, size), kRowSample);
    return floor > 0 ? RowsOf(height, floor) : static_cast<int>(kMaxRows);
}

std::string RenderContext::WidestByFloor(const StoredFont& font, int size, const std::vector<std::string>& texts) {
    const FontChoice f = FontAt(font, size);
    std::string widest;
    double most = 0;
    for (const std::string& text : texts) {
        const double floor = surface.TextWidthFloor(f, text);
        if (floor > most) {
            most = floor;
            widest = text;
        }
    }
    return widest;
}

bool RenderContext::SurelyAsWide(const StoredFont& font, int size, const std::string& witness, double limit) {
    return !witness.empty() && surface.TextWidthFloor(FontAt(font, size), witness) >= limit;
}

double RenderContext::AlignedX(const PageObject& object, const RectIn& rect, double textWidth) const {
    switch (object.alignment) {
    case kAlignCentre: return rect.left + (rect.Width() - textWidth) / 2;
    case kAlignRight: return rect.left + rect.Width() - textWidth;
    default: return rect.left;
    }
}

int ShrinkToFit(int size, bool makeFit, int floor, const std::function<bool(int)>& fits,
                const std::function<bool(int)>& cannotFit) {
    size = ClampFontSize(size);
    const bool quick = makeFit && cannotFit && fitShortcuts;
    for (;;) {
        const bool passOver = quick && size > floor && cannotFit(size);
        if (!passOver && (fits(size) || !makeFit || size <= floor)) return size;
        --size;
    }
}

void SetFitShortcuts(bool on) { fitShortcuts = on; }

bool RowsCanHold(int rows, int columns, std::size_t items, int extra) {
    if (items == 0 && extra == 0) return true;
    return static_cast<long long>(rows) * columns >= static_cast<long long>(items) + extra;
}

}  // namespace qf

