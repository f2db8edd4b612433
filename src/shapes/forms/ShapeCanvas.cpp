#include "shapes/forms/ShapeCanvas.h"

#include <QKeyEvent>
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

void TShapeCanvas::SetCursorSquare(QRect square) {
    cursor_ = square;
    update();
}

void TShapeCanvas::paintEvent(QPaintEvent*) {
    // A picture drawn for another screen would be scaled: the owner draws it again first.
    if (!picture_.isNull() && picture_.devicePixelRatio() != devicePixelRatioF()) emit NeedsPicture();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
    if (hasFocus() && cursor_.isValid()) {
        // Over the cell's grid lines, in a colour that neither a usable (red) nor a blocked
        // (white) cell has, thick enough to see on the smallest cells.
        painter.setPen(QPen(QColor(0, 0, 255), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cursor_.adjusted(-1, -1, 0, 0));
    }
}

void TShapeCanvas::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Space && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
        emit Space(mods == Qt::ShiftModifier);
        return;
    }
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
            case Qt::Key_Left: emit Arrow(0, -1); return;
            case Qt::Key_Right: emit Arrow(0, 1); return;
            case Qt::Key_Up: emit Arrow(-1, 0); return;
            case Qt::Key_Down: emit Arrow(1, 0); return;
            default: break;
        }
    }
    QWidget::keyPressEvent(event);
}

void TShapeCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TShapeCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TShapeCanvas::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button(), event->position().toPoint());
}

// The release comes here even when the pointer left the picture, with a position outside it.
void TShapeCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->button(), event->position().toPoint());
}

}  // namespace qf
