#include "output/RenderContext.h"

#include <algorithm>
#include <cmath>

namespace qf {

namespace {
// Stored widths of borders and outlines are 1 to 9 pixels; a damaged value is held to that.
constexpr int kMaxOutlineWidth = 9;
constexpr int kMaxFontSize = 1000;
}  // namespace

RectIn RenderContext::ObjectRect(const PageObject& o) const {
    return {o.Left() * scale, o.Top() * scale, o.Right() * scale, o.Bottom() * scale};
}

void RenderContext::SetFont(const StoredFont& font, int size) {
    SurfaceFont f;
    f.name = font.name.Str();
    f.size = std::clamp(size, 1, kMaxFontSize);
    f.color = font.color;
    f.bold = font.bold != 0;
    f.italic = font.italic != 0;
    f.underline = font.underline != 0;
    f.strikeOut = font.strikeOut != 0;
    surface.SetFont(f);
}

int RenderContext::SetObjectFont(const PageObject& object) {
    const int size = std::clamp<int>(object.textFont.size, 1, kMaxFontSize);
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

int RenderContext::RowsPerColumn(double height) {
    const double sample = surface.TextHeight(kRowSample);
    if (!(sample > 0) || !(height > 0)) return 0;
    const double rows = std::trunc(height / sample);
    return rows > 100000 ? 100000 : static_cast<int>(rows);
}

double RenderContext::AlignedX(const PageObject& object, const RectIn& rect, double textWidth) const {
    switch (object.alignment) {
    case kAlignCentre: return rect.left + (rect.Width() - textWidth) / 2;
    case kAlignRight: return rect.left + rect.Width() - textWidth;
    default: return rect.left;
    }
}

int ShrinkToFit(int size, bool makeFit, int floor, const std::function<bool(int)>& fits) {
    size = std::clamp(size, 1, kMaxFontSize);
    bool ok = fits(size);
    while (makeFit && !ok && size > floor) {
        --size;
        ok = fits(size);
    }
    return size;
}

}  // namespace qf

