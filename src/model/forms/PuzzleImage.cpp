#include "model/forms/PuzzleImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "base/forms/AccessibleNames.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {

TPuzzleImage::TPuzzleImage(QSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
    Canvas();
    // A graphic from the start: its owner names it once something is drawn.
    DescribePicture(*this, "No puzzle");
}

QImage& TPuzzleImage::Canvas() {
    image_ = ScreenImage(size(), devicePixelRatioF());
    image_.fill(ButtonFace());
    return image_;
}

void TPuzzleImage::paintEvent(QPaintEvent*) {
    // A picture drawn for another screen would be scaled: the owner draws it again first.
    if (image_.devicePixelRatio() != devicePixelRatioF()) emit NeedsPicture();
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void TPuzzleImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit Clicked();
    QWidget::mousePressEvent(event);
}

void TPuzzleImage::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace qf
