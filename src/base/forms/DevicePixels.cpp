#include "base/forms/DevicePixels.h"

#include <QPainter>
#include <QPaintDevice>
#include <cmath>

namespace qf {

QImage DeviceImage(QSize logical, qreal ratio, QImage::Format format) {
    if (!(ratio > 0)) ratio = 1;
    QImage image(qRound(logical.width() * ratio), qRound(logical.height() * ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

DevicePixels::DevicePixels(QPainter& painter)
    : painter_(painter), ratio_(painter.device() ? painter.device()->devicePixelRatioF() : 1) {
    if (!(ratio_ > 0)) ratio_ = 1;
    painter_.save();
    if (ratio_ != 1) painter_.scale(1 / ratio_, 1 / ratio_);
}

DevicePixels::~DevicePixels() { painter_.restore(); }

int DevicePixels::At(int logical) const { return static_cast<int>(std::lround(logical * ratio_)); }

}  // namespace qf
