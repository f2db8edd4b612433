#include "report/PainterDrawing.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

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

}  // namespace

QColor WinColor(std::int32_t c) {
    const auto u = static_cast<std::uint32_t>(c);
    return QColor(static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF), static_cast<int>((u >> 16) & 0xFF));
}

void StartPagePainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setBackground(Qt::white);
}

namespace {

// The painter set for one text: its font, its colour, and a white box behind it unless transparent.
void SetTextState(QPainter& painter, const QFont& font, const QColor& color, bool transparent) {
    painter.setFont(font);
    painter.setPen(QPen(color));
    painter.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

}  // namespace

void PaintText(QPainter& painter, DeviceDpi dpi, double x, double y, const QFont& font, const QColor& color,
               bool transparent, const QString& text) {
    SetTextState(painter, font, color, transparent);
    painter.drawText(QPointF(x * dpi.x, y * dpi.y), text);
    painter.setBackgroundMode(Qt::TransparentMode);
}

void PaintTextAsRecorded(QPainter& painter, DeviceDpi dpi, double x, double y, const QFont& font, const QColor& color,
                         bool transparent, const QString& text) {
    SetTextState(painter, font, color, transparent);
    const QPointF top(x * dpi.x, y * dpi.y - painter.fontMetrics().ascent());
    painter.drawText(QRectF(top, QSizeF(1, 1)), Qt::TextSingleLine | Qt::TextDontClip | Qt::TextForceLeftToRight, text);
    painter.setBackgroundMode(Qt::TransparentMode);
}

void PaintLine(QPainter& painter, DeviceDpi dpi, double x1, double y1, double x2, double y2, const QColor& pen) {
    painter.setPen(QPen(pen, 1.0));
    painter.drawLine(QPointF(x1 * dpi.x, y1 * dpi.y), QPointF(x2 * dpi.x, y2 * dpi.y));
}

void PaintFilledRect(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                     const QColor& brush) {
    const QPoint topLeft(Pixel(left, dpi.x), Pixel(top, dpi.y));
    const QPoint bottomRight(Pixel(right, dpi.x), Pixel(bottom, dpi.y));
    painter.fillRect(QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())), brush);
}

void PaintEllipse(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                  const QColor& pen, const QColor& brush, bool outlineOnly) {
    painter.setPen(QPen(pen, 1.0));
    if (outlineOnly)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(brush);
    painter.drawEllipse(QRectF(QPointF(left * dpi.x, top * dpi.y), QPointF(right * dpi.x, bottom * dpi.y)));
}

void PaintImage(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                const QImage& image) {
    painter.drawImage(QRectF(QPointF(left * dpi.x, top * dpi.y), QPointF(right * dpi.x, bottom * dpi.y)), image);
}

}  // namespace qf
