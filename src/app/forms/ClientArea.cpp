#include "app/forms/ClientArea.h"

#include <QPainter>

#include "app/forms/Pictures.h"

namespace qf {

namespace {
constexpr QSize kTileSize(96, 96);
}

TClientArea::TClientArea(QWidget* parent) : QWidget(parent), tile_(Picture("Background", kTileSize)) {
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
    if (!tiled_) return;
    // Drawn again at the screen's own pixels whenever the window shows on a screen of another
    // device pixel ratio.
    if (!tile_.isNull() && tile_.devicePixelRatio() != devicePixelRatioF())
        tile_ = Picture("Background", kTileSize, devicePixelRatioF());
    if (tile_.isNull()) return;  // a missing picture is not reported
    for (const QRect& at : BackgroundTiles(size(), kTileSize)) painter.drawPixmap(at.topLeft(), tile_);
}

}  // namespace qf
