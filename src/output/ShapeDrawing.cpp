// Rectangles and circles.
#include "output/RenderContext.h"

namespace qf {

void DrawShape(RenderContext& ctx, const PageObject& object) {
    Surface& s = ctx.surface;
    const RectIn rect = ctx.ObjectRect(object);
    const bool circle = object.Kind() == ObjectKind::Circle;
    if (object.fillShape) {
        s.SetPenColor(object.fillColor);
        s.SetBrushColor(object.fillColor);
        if (circle)
            s.FillEllipse(rect.left, rect.top, rect.right, rect.bottom);
        else
            s.FillRect(rect.left, rect.top, rect.right, rect.bottom);
    }
    ctx.DrawBorder(object, rect, circle);
}

}  // namespace qf
