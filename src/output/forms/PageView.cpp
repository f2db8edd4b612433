#include "output/forms/PageView.h"

#include <QPainter>
#include <QPicture>
#include <cmath>

namespace qf {

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

void PageView::paintEvent(QPaintEvent*) {
    // The page is played onto a picture of the view's size and that is shown: played straight
    // onto the widget, clipped to the exposed part, a recorded page loses some of its text.
    if (shown_.size() != size()) {
        shown_ = QImage(size(), QImage::Format_RGB32);
        shown_.fill(Qt::white);
        if (widthInches_ > 0 && pageDpi_ > 0) {
            QPainter p(&shown_);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            const double scale = width() / (widthInches_ * pageDpi_);
            p.scale(scale, scale);
            p.drawPicture(0, 0, page_);
        }
    }
    QPainter p(this);
    p.drawImage(0, 0, shown_);
}

}  // namespace qf
