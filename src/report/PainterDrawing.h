#pragma once
// The surface's drawing calls on a QPainter whose coordinates are device pixels at `dpiX` x
// `dpiY`: the one place that says which painter state each call draws with, so that the page
// drawn straight onto a device and the page played from its display list agree pixel for pixel.
#include <cstdint>

class QColor;
class QFont;
class QImage;
class QPainter;
class QString;

namespace qf {

struct DeviceDpi {
    double x = 96;
    double y = 96;
};

QColor WinColor(std::int32_t color);  // 0x00BBGGRR

// The state every page starts from: crisp lines on whole pixels, smooth letters, a white
// background behind opaque text.
void StartPagePainter(QPainter& painter);

// Text with its baseline at (x, y) inches; `transparent` false fills the background behind it.
void PaintText(QPainter& painter, DeviceDpi dpi, double x, double y, const QFont& font, const QColor& color,
               bool transparent, const QString& text);
// The same text as the recorded page file (a QPicture) plays it back, and so as the printer and
// the PDF show it: laid out from the top of its line, which lies the line's ascent in whole
// pixels above (x, y), so the letters can sit up to half a pixel off the baseline drawn.
void PaintTextAsRecorded(QPainter& painter, DeviceDpi dpi, double x, double y, const QFont& font, const QColor& color,
                         bool transparent, const QString& text);
void PaintLine(QPainter& painter, DeviceDpi dpi, double x1, double y1, double x2, double y2, const QColor& pen);
// Whole pixels, so that neighbouring squares share their edges and leave no seam between them.
void PaintFilledRect(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                     const QColor& brush);
// Filled with `brush` unless `outlineOnly`.
void PaintEllipse(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                  const QColor& pen, const QColor& brush, bool outlineOnly);
void PaintImage(QPainter& painter, DeviceDpi dpi, double left, double top, double right, double bottom,
                const QImage& image);

}  // namespace qf
