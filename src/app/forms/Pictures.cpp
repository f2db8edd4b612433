#include "app/forms/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The resources live in a static library: make sure they are linked and registered.
static void InitPictures() { Q_INIT_RESOURCE(pictures); }

namespace qf {

QPixmap Picture(const QString& name, QSize size, qreal ratio) {
    InitPictures();
    QSvgRenderer renderer(":/mainwin/pictures/" + name + ".svg");
    if (!renderer.isValid()) return {};
    if (!(ratio > 0)) ratio = 1;
    QPixmap pixmap(qRound(size.width() * ratio), qRound(size.height() * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));  // logical units, whatever the ratio
    return pixmap;
}

QCursor HandCursor() {
    const QPixmap hand = Picture("CursHand", QSize(32, 32));
    if (hand.isNull()) return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 13, 2);  // the fingertip
}

}  // namespace qf
