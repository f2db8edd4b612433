#include "model/forms/PuzzleImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "base/forms/AccessibleNames.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {

TPuzzleImage::TPuzzleImage(QSize size, QWidget* parent) : QWidget(parent), image_(ScreenImage(size)) {
    image_.fill(ButtonFace());
    setFixedSize(size);
    // A graphic from the start: its owner names it once something is drawn.
    DescribePicture(*this, "No puzzle");
}

void TPuzzleImage::paintEvent(QPaintEvent*) {
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
