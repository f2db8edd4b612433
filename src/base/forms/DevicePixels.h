#pragma once
// Pictures drawn at the screen's own pixels. On a screen of device pixel ratio r (2 on most
// high-density screens) a picture of w x h logical pixels is an image of r*w x r*h pixels tagged
// with r, which Qt shows at its logical size without scaling it up. Its lines are drawn 1 device
// pixel thin where the logical lines fall; its letters, drawn in logical units, come out at the
// full resolution. At a ratio of 1 nothing changes.
#include <QImage>
#include <QSize>

class QPainter;

namespace qf {

// An image for a picture of `logical` size on a device of `ratio`, tagged with that ratio.
QImage DeviceImage(QSize logical, qreal ratio, QImage::Format format = QImage::Format_RGB32);

// While it lives, `painter` draws in the device pixels of its device (a widget or a tagged
// image); At() says where a logical coordinate falls among them.
class DevicePixels {
public:
    explicit DevicePixels(QPainter& painter);
    ~DevicePixels();
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    qreal Ratio() const { return ratio_; }
    int At(int logical) const;

private:
    QPainter& painter_;
    qreal ratio_;
};

}  // namespace qf
