#include "app/forms/ClientArea.h"

#include <QPainter>

#include "app/forms/Pictures.h"

namespace qf {

TClientArea::TClientArea(QWidget* parent) : QWidget(parent), tile_(Picture("Background", QSize(96, 96))) {
    setObjectName("Client");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TClientArea::SetTiled(bool tiled) {
    tiled_ = tiled;
    update();
}

std::vector<QRect> BackgroundTiles(QSize area, QSize tile) {
    std::vector<QRect> tiles;
    if (tile.isEmpty()) return tiles;
    for (int y = 0; y < area.height(); y += tile.height())
        for (int x = 0; x < area.width(); x += tile.width()) tiles.emplace_back(QPoint(x, y), tile);
    return tiles;
}

void TClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(kClientGrey));
    if (!tiled_ || tile_.isNull()) return;  // a missing picture is not reported
    for (const QRect& at : BackgroundTiles(size(), tile_.size())) painter.drawPixmap(at.topLeft(), tile_);
}

}  // namespace qf
