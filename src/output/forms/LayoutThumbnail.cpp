#include "output/forms/LayoutThumbnail.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace qf {
namespace {

QColor KindColor(ObjectKind kind) {
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

bool HasColumns(ObjectKind kind) {
    return kind == ObjectKind::AcrossClues || kind == ObjectKind::DownClues || kind == ObjectKind::WordList ||
           kind == ObjectKind::CombinedClues;
}

int Scaled(int units, double scale) { return static_cast<int>(units * scale); }

}  // namespace

void DrawLayoutThumbnail(QImage& image, const PageLayoutRecord& layout, const QColor& face) {
    image.fill(face);
    if (layout.pixelWidth <= 0 || layout.pixelHeight <= 0) return;
    const double scale = std::min(static_cast<double>(image.width()) / layout.pixelWidth,
                                  static_cast<double>(image.height()) / layout.pixelHeight);
    QPainter p(&image);
    const QRect page(0, 0, Scaled(layout.pixelWidth, scale), Scaled(layout.pixelHeight, scale));
    p.fillRect(page, Qt::white);
    for (int i = 0; i < layout.UsedObjects(); ++i) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(i)];
        const QRect r(QPoint(Scaled(o.Left(), scale), Scaled(o.Top(), scale)),
                      QPoint(Scaled(o.Right(), scale), Scaled(o.Bottom(), scale)));
        const QColor color = KindColor(o.Kind());
        if (o.Kind() == ObjectKind::Circle) {
            p.setPen(color);
            p.setBrush(color);
            p.drawEllipse(r);
            continue;
        }
        p.fillRect(r, color);
        const bool bitmap = o.Kind() == ObjectKind::Bitmap;
        p.setPen(QPen(Qt::black, 0, bitmap ? Qt::DotLine : Qt::SolidLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bitmap && o.transparent ? page : r);
        if (HasColumns(o.Kind()) && o.columns >= 2 && o.columns <= 100) {
            const int step = r.width() / o.columns;
            p.setPen(QPen(Qt::black, 0, Qt::DotLine));
            for (int x = step; step > 0 && x < r.width(); x += step) p.drawLine(r.left() + x, r.top(), r.left() + x, r.bottom());
        }
    }
}

}  // namespace qf
