#include "report/QPainterSurface.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "report/PageTargets.h"
#include "report/PainterDrawing.h"
#include "report/Picture.h"
#include "report/QtTextCodec.h"

namespace qf {
QPainterSurface::QPainterSurface(PageTarget& target) : target_(target) {}

QPainterSurface::~QPainterSurface() { Finish(); }

QPainter* QPainterSurface::Painter() const {
    if (!started_) {
        started_ = true;
        device_ = target_.Begin(Setup());
        if (device_) {
            dpiX_ = device_->logicalDpiX();
            dpiY_ = device_->logicalDpiY();
            painter_ = std::make_unique<QPainter>();
            if (!painter_->begin(device_)) {
                painter_.reset();
                device_ = nullptr;
            } else {
                StartPagePainter(*painter_);
            }
        }
    }
    return painter_.get();
}

bool QPainterSurface::Finish() {
    Painter();
    if (!device_) return false;
    if (painter_) {
        painter_->end();
        painter_.reset();
        return target_.Finish();
    }
    return true;  // finished before
}

bool QPainterSurface::NewPage() { return Painter() && target_.NewPage(Setup()); }

void QPainterSurface::SetFont(const FontChoice& font) {
    font_ = font;
    measure_.SetFont(font);
}

void QPainterSurface::TextOut(double x, double y, std::string_view text) {
    QPainter* p = Painter();
    if (!p || text.empty()) return;
    PaintText(*p, {dpiX_, dpiY_}, x, y, MakeQFont(font_), WinColor(font_.color), transparent_, AnsiToQString(text));
}

void QPainterSurface::LineTo(double x, double y) {
    if (QPainter* p = Painter()) PaintLine(*p, {dpiX_, dpiY_}, x_, y_, x, y, WinColor(penColor_));
    x_ = x;
    y_ = y;
}

void QPainterSurface::FillRect(double left, double top, double right, double bottom) {
    if (QPainter* p = Painter()) PaintFilledRect(*p, {dpiX_, dpiY_}, left, top, right, bottom, WinColor(brushColor_));
}

void QPainterSurface::FillEllipse(double left, double top, double right, double bottom) {
    if (QPainter* p = Painter())
        PaintEllipse(*p, {dpiX_, dpiY_}, left, top, right, bottom, WinColor(penColor_), WinColor(brushColor_), false);
}

void QPainterSurface::EllipseOutline(double left, double top, double right, double bottom) {
    if (QPainter* p = Painter())
        PaintEllipse(*p, {dpiX_, dpiY_}, left, top, right, bottom, WinColor(penColor_), WinColor(brushColor_), true);
}

double QPainterSurface::DotsPerInchX() const {
    Painter();
    return dpiX_;
}

double QPainterSurface::DotsPerInchY() const {
    Painter();
    return dpiY_;
}

void QPainterSurface::DrawPicture(const Picture& picture, double left, double top, double right, double bottom) {
    if (QPainter* p = Painter()) PaintImage(*p, {dpiX_, dpiY_}, left, top, right, bottom, picture.Image());
}

}  // namespace qf
