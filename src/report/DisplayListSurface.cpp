#include "report/DisplayListSurface.h"

#include "report/Picture.h"
#include "report/QtTextCodec.h"

namespace qf {

Surface& DisplayListSurface::Inner() const {
    const PageSetup& mine = Setup();
    const PageSetup& theirs = inner_.Setup();
    if (mine.paperCode != theirs.paperCode || mine.paper.width != theirs.paper.width ||
        mine.paper.height != theirs.paper.height) {
        if (mine.paperCode == 0 || !inner_.SelectPaper(mine.paperCode))
            inner_.SetCustomPaper(mine.paper.width, mine.paper.height);
    }
    inner_.SetOrientation(mine.orientation);
    return inner_;
}

bool DisplayListSurface::Keeping() {
    if (pageEnded_) return false;
    if (!started_) {
        started_ = true;
        list_.SetDpi({Inner().DotsPerInchX(), Inner().DotsPerInchY()});
    }
    return true;
}

bool DisplayListSurface::NewPage() {
    const bool next = Inner().NewPage();
    if (next) pageEnded_ = true;
    return next;
}

void DisplayListSurface::SetFont(const FontChoice& font) { Inner().SetFont(font); }

void DisplayListSurface::SetTextTransparent(bool transparent) {
    transparent_ = transparent;
    Inner().SetTextTransparent(transparent);
}

void DisplayListSurface::TextOut(double x, double y, std::string_view text) {
    Inner().TextOut(x, y, text);
    if (!text.empty() && Keeping()) list_.AddText(x, y, inner_.Font(), transparent_, AnsiToQString(text));
}

void DisplayListSurface::SetPenColor(std::int32_t color) {
    pen_ = color;
    Inner().SetPenColor(color);
}

void DisplayListSurface::SetBrushColor(std::int32_t color) {
    brush_ = color;
    Inner().SetBrushColor(color);
}

void DisplayListSurface::MoveTo(double x, double y) {
    Inner().MoveTo(x, y);
    x_ = x;
    y_ = y;
}

void DisplayListSurface::LineTo(double x, double y) {
    Inner().LineTo(x, y);
    if (Keeping()) list_.AddLine(x_, y_, x, y, pen_);
    x_ = x;
    y_ = y;
}

void DisplayListSurface::FillRect(double left, double top, double right, double bottom) {
    Inner().FillRect(left, top, right, bottom);
    if (Keeping()) list_.AddFilledRect(left, top, right, bottom, brush_);
}

void DisplayListSurface::FillEllipse(double left, double top, double right, double bottom) {
    Inner().FillEllipse(left, top, right, bottom);
    if (Keeping()) list_.AddEllipse(left, top, right, bottom, pen_, brush_, false);
}

void DisplayListSurface::EllipseOutline(double left, double top, double right, double bottom) {
    Inner().EllipseOutline(left, top, right, bottom);
    if (Keeping()) list_.AddEllipse(left, top, right, bottom, pen_, brush_, true);
}

void DisplayListSurface::DrawPicture(const Picture& picture, double left, double top, double right, double bottom) {
    Inner().DrawPicture(picture, left, top, right, bottom);
    if (Keeping()) list_.AddImage(left, top, right, bottom, picture.Image());
}

}  // namespace qf
