#include "shapes/forms/ShapePictures.h"

#include <QPainter>
#include <algorithm>

#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

// The white field and its black lines: y = k * s and x = k * s, each line one pixel wide and
// as long as the field.
void DrawField(QPainter& painter, int columns, int rows, int s) {
    painter.fillRect(QRect(0, 0, columns * s, rows * s), Qt::white);
    for (int k = 0; k <= rows; ++k) painter.fillRect(QRect(0, k * s, columns * s, 1), Qt::black);
    for (int k = 0; k <= columns; ++k) painter.fillRect(QRect(k * s, 0, 1, rows * s), Qt::black);
}

// The inside of a cell's square, inside its lines.
QRect Inside(int s, GridCell cell) {
    const PixelSquare square = CellSquare(s, cell);
    return QRect(square.left, square.top, square.right - square.left, square.bottom - square.top);
}

void FillUsable(QPainter& painter, const ShapeRecord& shape, int columns, int rows, int s, QColor colour) {
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (shape.Usable(r, c)) painter.fillRect(Inside(s, {r, c}), colour);
}

}  // namespace

QImage ShapeThumbnail(const ShapeRecord& shape, QSize size, QColor face) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(face);
    if (!ShapeSizeValid(shape)) return picture;
    const int s = std::min(size.width() / shape.width, size.height() / shape.height);
    if (s < 1) return picture;
    QPainter painter(&picture);
    DrawField(painter, shape.width, shape.height, s);
    FillUsable(painter, shape, shape.width, shape.height, s, Qt::black);
    return picture;
}

QImage ShapeDrawing(const ShapeDesign& design, QColor face) {
    QImage picture(design.pictureWidth, design.pictureHeight, QImage::Format_RGB32);
    picture.fill(face);
    const int s = ShapeCellSize(design);
    if (s < 1) return picture;
    const int columns = ActiveColumns(design.shape);
    const int rows = ActiveRows(design.shape);
    QPainter painter(&picture);
    DrawField(painter, columns, rows, s);
    FillUsable(painter, design.shape, columns, rows, s, Qt::red);
    return picture;
}

void PaintDrawingCells(QImage& picture, const ShapeDesign& design, const std::vector<GridCell>& cells) {
    const int s = ShapeCellSize(design);
    if (s < 1) return;
    QPainter painter(&picture);
    for (const GridCell& cell : cells)
        painter.fillRect(Inside(s, cell), design.shape.Usable(cell.row, cell.column) ? Qt::red : Qt::white);
}

}  // namespace qf
