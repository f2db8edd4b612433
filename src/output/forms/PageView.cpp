#include "output/forms/PageView.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>
#include <cmath>

namespace qf {
namespace {

// The part `part` (in pixels of the page drawn at `scale` device pixels a recorded pixel) of
// the page, on white: the same pixels as that part of the whole page drawn at that scale.
QImage DrawPagePart(const QPicture& page, double scale, const QRect& part) {
    QImage image(part.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (image.isNull() || !(scale > 0)) return image;
    // Played onto a picture of the part's size, not straight onto the widget: a recorded page
    // played onto the widget's clipped painter loses some of its text. The shift is in whole
    // device pixels, so every pixel is the one the whole page would have there.
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(-part.left(), -part.top());
    p.scale(scale, scale);
    p.drawPicture(0, 0, page);
    return image;
}

}  // namespace

PageView::PageView(const QPicture& page, double pageDpi, double widthInches, double heightInches, QWidget* parent)
    : QWidget(parent), page_(page), pageDpi_(pageDpi), widthInches_(widthInches), heightInches_(heightInches) {
    setObjectName("PageView");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::SetPixelWidth(int pixelWidth) {
    const double ratio = widthInches_ > 0 ? heightInches_ / widthInches_ : 11.0 / 8.5;
    setFixedSize(pixelWidth, static_cast<int>(std::lround(pixelWidth * ratio)));
    update();
}

void PageView::paintEvent(QPaintEvent* event) {
    // Only the exposed part is drawn: the whole page at a high zoom would take hundreds of
    // megabytes and most of a second, for a view that shows a small part of it.
    const QRect part = event->rect() & rect();
    if (part.isEmpty()) return;
    const double scale = widthInches_ > 0 && pageDpi_ > 0 ? width() / (widthInches_ * pageDpi_) : 0;
    QPainter p(this);
    p.drawImage(part.topLeft(), DrawPagePart(page_, scale, part));
}

}  // namespace qf
