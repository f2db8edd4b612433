#pragma once
// TPuzzleImage: the picture control of the candidate forms; it holds the picture DrawAPuzzle
// draws, filled with the face colour until then, and reports clicks and double clicks. The
// picture has the device pixels of the screen it is shown on.
#include <QImage>
#include <QSize>
#include <QWidget>

namespace qf {

// A picture that reports clicks and double clicks.
class TPuzzleImage : public QWidget {
    Q_OBJECT
public:
    explicit TPuzzleImage(QSize size, QWidget* parent = nullptr);
    const QImage& Image() const { return image_; }
    // The image to draw on: blank, at the device pixel ratio the picture is shown at now.
    QImage& Canvas();

signals:
    // The picture was drawn for a screen of another device pixel ratio: its owner draws it again
    // (on Canvas()).
    void NeedsPicture();
    void Clicked();
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace qf
