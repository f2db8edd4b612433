#pragma once
// DrawAPuzzle: a candidate grid as the candidate forms show it, the solution letters in their
// cells, scaled to fit the picture with square cells; and the picture control that holds it.
#include <QImage>
#include <QWidget>

#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

// The window face colour the empty parts of a picture are filled with.
QColor ButtonFace();

// The cell size DrawAPuzzle uses for a grid of width x height in a picture of that size.
int CandidateCellSize(QSize picture, int width, int height);
// The size of the letters for cells of `cell` pixels: the largest of 20 down to 5 points at which
// "W" is less than a cell high, else 4.
int CandidateLetterSize(int cell);

// Draws `record` into `image`. A score below 1 marks an empty slot: only the face colour. The
// white area covers the whole of `shape` (width x height cells), the lines only the grid in use.
void DrawAPuzzle(QImage& image, const PuzzleRecord& record, int score, const ShapeRecord& shape);

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
