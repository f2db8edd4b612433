#include "output/LayoutThumbnail.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace qf {
namespace {

// A damaged record may hold any coordinate; keep what reaches the painter in a sane range.
int Scaled(std::int32_t value, double scale) {
    const double v = std::trunc(static_cast<double>(value) * scale);
    return static_cast<int>(std::clamp(v, -100000.0, 100000.0));
}

bool HasColumns(ObjectKind kind) {
    return kind == ObjectKind::AcrossClues || kind == ObjectKind::DownClues || kind == ObjectKind::WordList ||
           kind == ObjectKind::CombinedClues;
}

}  // namespace

QColor ThumbnailColor(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Title: return QColor(255, 255, 0);
        case ObjectKind::Puzzle: return QColor(128, 0, 0);
        case ObjectKind::DownHeader:
        case ObjectKind::DownClues: return QColor(128, 128, 0);
        case ObjectKind::AcrossHeader:
        case ObjectKind::AcrossClues:
        case ObjectKind::CombinedClues: return QColor(0, 255, 255);
        case ObjectKind::WordList: return QColor(0, 128, 128);
        case ObjectKind::BonusQuestion: return QColor(255, 0, 255);
        case ObjectKind::Bitmap: return QColor(255, 255, 255);
        default: return QColor(128, 128, 128);
    }
}

void DrawLayoutThumbnail(QImage& image, const PageLayoutRecord& layout, const QColor& face) {
    image.fill(face);
    if (layout.pixelWidth <= 0 || layout.pixelHeight <= 0 || image.isNull()) return;
    // Measured and drawn in the image's own pixels: an image tagged for a high-density screen
    // gets its lines 1 device pixel thin.
    const double scale = std::min(static_cast<double>(image.width()) / layout.pixelWidth,
                                  static_cast<double>(image.height()) / layout.pixelHeight);
    QPainter painter(&image);
    const qreal ratio = image.devicePixelRatio();
    if (ratio > 0 && ratio != 1) painter.scale(1 / ratio, 1 / ratio);
    const QRect page(0, 0, Scaled(layout.pixelWidth, scale), Scaled(layout.pixelHeight, scale));
    painter.fillRect(page, Qt::white);

    const QPen solid(Qt::black, 1, Qt::SolidLine);
    const QPen dotted(Qt::black, 1, Qt::DotLine);
    for (int slot = 0; slot < layout.UsedObjects(); ++slot) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(slot)];
        const QRect r(QPoint(Scaled(o.Left(), scale), Scaled(o.Top(), scale)),
                      QPoint(Scaled(o.Right(), scale) - 1, Scaled(o.Bottom(), scale) - 1));
        const ObjectKind kind = o.Kind();
        painter.setBrush(ThumbnailColor(kind));
        painter.setPen(kind == ObjectKind::Bitmap ? dotted : solid);
        if (kind == ObjectKind::Circle) {
            painter.drawEllipse(r);
        } else if (kind == ObjectKind::Bitmap && o.transparent != 0) {
            painter.setBrush(Qt::NoBrush);  // a tiled picture covers the page
            painter.drawRect(page.adjusted(0, 0, -1, -1));
        } else {
            painter.drawRect(r);
        }
        if (HasColumns(kind) && o.columns >= 2) {
            const int step = r.width() / o.columns;
            painter.setPen(dotted);
            for (int c = 1; step > 0 && c < o.columns; ++c)
                painter.drawLine(r.left() + c * step, r.top(), r.left() + c * step, r.bottom());
        }
    }
}

}  // namespace qf
