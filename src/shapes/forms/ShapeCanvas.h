#pragma once
// A fixed-size picture of a shape: it shows the image it is given and reports presses and
// releases of the mouse with their position in the picture. Where it takes the focus (the
// designer's, not the thumbnail's) it also reports the arrow keys and Space, and frames the
// keyboard's cell while it has the focus. Its owner draws the picture at the canvas's device
// pixel ratio, and again when asked (NeedsPicture) because the canvas shows on a screen of another.
#include <QImage>
#include <QWidget>

namespace qf {

class TShapeCanvas : public QWidget {
    Q_OBJECT
public:
    TShapeCanvas(const char* name, QSize size, QWidget* parent = nullptr);

    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }
    QImage& Picture() { return picture_; }  // change it, then update()
    // The keyboard's cell, framed while the picture has the focus.
    void SetCursorSquare(QRect square);

signals:
    void NeedsPicture();
    void Pressed(Qt::MouseButton button, QPoint at);
    void Released(Qt::MouseButton button, QPoint at);
    void Arrow(int rows, int columns);
    void Space(bool shift);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
    QRect cursor_;
};

}  // namespace qf
