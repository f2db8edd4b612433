#include "shapes/forms/ShapeCanvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "base/forms/AccessibleNames.h"

namespace qf {

TShapeCanvas::TShapeCanvas(const char* name, QSize size, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFixedSize(size);
    DescribePicture(*this, "No shape");  // a graphic from the start; its owner names what it shows
}

void TShapeCanvas::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
}

void TShapeCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

void TShapeCanvas::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button(), event->position().toPoint());
}

// The release comes here even when the pointer left the picture, with a position outside it.
void TShapeCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->button(), event->position().toPoint());
}

}  // namespace qf
