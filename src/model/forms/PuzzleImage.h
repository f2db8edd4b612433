#pragma once
// TPuzzleImage: the picture control of the candidate forms; it holds the picture DrawAPuzzle
// draws, filled with the face colour until then, and reports clicks and double clicks.
#include <QImage>
#include <QSize>
#include <QWidget>

namespace qf {

// A picture that reports clicks and double clicks.
class TPuzzleImage : public QWidget {
    Q_OBJECT
public:
    explicit TPuzzleImage(QSize size, QWidget* parent = nullptr);
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

signals:
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
