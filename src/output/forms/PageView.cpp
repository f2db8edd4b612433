#include "output/forms/PageView.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "report/DisplayList.h"

namespace qf {

PageView::PageView(const DisplayList& page, double widthInches, double heightInches, QWidget* parent)
    : QWidget(parent), page_(page), widthInches_(widthInches), heightInches_(heightInches) {
    setObjectName("PageView");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::SetPixelWidth(int pixelWidth) {
    const double ratio = widthInches_ > 0 ? heightInches_ / widthInches_ : 11.0 / 8.5;
    setFixedSize(pixelWidth, static_cast<int>(std::lround(pixelWidth * ratio)));
    update();
}

void PageView::paintEvent(QPaintEvent* event) {
    // Only the exposed part is drawn, from the calls that reach it: the whole page at a high
    // zoom would take hundreds of megabytes, and its thousands of calls most of the time.
    const QRect part = event->rect() & rect();
    if (part.isEmpty()) return;
    // Drawn at the screen's own pixels: a high-density screen has several to a point.
    const double ratio = devicePixelRatioF();
    const double dpi = page_.Dpi().x;
    const double scale = widthInches_ > 0 && dpi > 0 ? width() * ratio / (widthInches_ * dpi) : 0;
    const QRect devicePart = QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio).toAlignedRect();
    QImage image = DrawPagePart(page_, scale, devicePart);
    image.setDevicePixelRatio(ratio);
    QPainter p(this);
    p.drawImage(QPointF(devicePart.topLeft()) / ratio, image);
}

}  // namespace qf
