#pragma once
// A fixed-size picture of a shape: it shows the image it is given and reports presses and
// releases of the mouse with their position in the picture.
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

signals:
    void Pressed(Qt::MouseButton button, QPoint at);
    void Released(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace qf
