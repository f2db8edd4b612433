#include "report/QPainterSurface.h"

#include <QColor>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "report/PageTargets.h"
#include "report/Picture.h"
#include "report/QtTextCodec.h"

namespace qf {
namespace {

// A device coordinate in whole pixels, held to a range no page reaches, so that no conversion
// to int can overflow whatever the drawing asks for.
int Pixel(double inches, double dpi) {
    constexpr double kLimit = 1 << 24;
    const double px = inches * dpi;
    if (!(px == px)) return 0;  // NaN
    return static_cast<int>(std::lround(std::clamp(px, -kLimit, kLimit)));
}

QColor WinColor(std::int32_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF), static_cast<int>((u >> 16) & 0xFF));
}

}  // namespace

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
                // Crisp lines on whole pixels; smooth letters.
                painter_->setRenderHint(QPainter::Antialiasing, false);
                painter_->setRenderHint(QPainter::TextAntialiasing, true);
                painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
                painter_->setBackground(Qt::white);
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
    p->setFont(MakeQFont(font_));
    p->setPen(QPen(WinColor(font_.color)));
    p->setBackgroundMode(transparent_ ? Qt::TransparentMode : Qt::OpaqueMode);
    p->drawText(QPointF(x * dpiX_, y * dpiY_), AnsiToQString(text));
    p->setBackgroundMode(Qt::TransparentMode);
}

void QPainterSurface::LineTo(double x, double y) {
    if (QPainter* p = Painter()) {
        p->setPen(QPen(WinColor(penColor_), 1.0));
        p->drawLine(QPointF(x_ * dpiX_, y_ * dpiY_), QPointF(x * dpiX_, y * dpiY_));
    }
    x_ = x;
    y_ = y;
}

void QPainterSurface::FillRect(double left, double top, double right, double bottom) {
    // Whole pixels, so that neighbouring squares share their edges and leave no seam between them.
    if (QPainter* p = Painter()) {
        const QPoint topLeft(Pixel(left, dpiX_), Pixel(top, dpiY_));
        const QPoint bottomRight(Pixel(right, dpiX_), Pixel(bottom, dpiY_));
        p->fillRect(QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())),
                    WinColor(brushColor_));
    }
}

void QPainterSurface::FillEllipse(double left, double top, double right, double bottom) {
    if (QPainter* p = Painter()) {
        p->setPen(QPen(WinColor(penColor_), 1.0));
        p->setBrush(WinColor(brushColor_));
        p->drawEllipse(QRectF(QPointF(left * dpiX_, top * dpiY_), QPointF(right * dpiX_, bottom * dpiY_)));
    }
}

void QPainterSurface::EllipseOutline(double left, double top, double right, double bottom) {
    if (QPainter* p = Painter()) {
        p->setPen(QPen(WinColor(penColor_), 1.0));
        p->setBrush(Qt::NoBrush);
        p->drawEllipse(QRectF(QPointF(left * dpiX_, top * dpiY_), QPointF(right * dpiX_, bottom * dpiY_)));
    }
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
    if (QPainter* p = Painter())
        p->drawImage(QRectF(QPointF(left * dpiX_, top * dpiY_), QPointF(right * dpiX_, bottom * dpiY_)),
                     picture.Image());
}

}  // namespace qf
