#include "shapes/forms/ShapePictures.h"

#include <QPainter>
#include <algorithm>

#include "base/forms/DevicePixels.h"
#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

// The white field and its black lines: y = k * s and x = k * s, each line one device pixel wide
// and as long as the field.
void DrawField(QPainter& painter, const DevicePixels& d, int columns, int rows, int s) {
    const int width = d.At(columns * s), height = d.At(rows * s);
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    for (int k = 0; k <= rows; ++k) painter.fillRect(QRect(0, d.At(k * s), width, 1), Qt::black);
    for (int k = 0; k <= columns; ++k) painter.fillRect(QRect(d.At(k * s), 0, 1, height), Qt::black);
}

// The inside of a cell's square, inside its lines, in device pixels.
QRect Inside(const DevicePixels& d, int s, GridCell cell) {
    const PixelSquare square = CellSquare(s, cell);
    const int left = d.At(square.left - 1) + 1, top = d.At(square.top - 1) + 1;
    return QRect(left, top, d.At(square.right) - left, d.At(square.bottom) - top);
}

void FillUsable(QPainter& painter, const DevicePixels& d, const ShapeRecord& shape, int columns, int rows, int s,
                QColor colour) {
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (shape.Usable(r, c)) painter.fillRect(Inside(d, s, {r, c}), colour);
}

}  // namespace

QImage ShapeThumbnail(const ShapeRecord& shape, QSize size, QColor face, qreal ratio) {
    QImage picture = DeviceImage(size, ratio);
    picture.fill(face);
    if (!ShapeSizeValid(shape)) return picture;
    const int s = std::min(size.width() / shape.width, size.height() / shape.height);
    if (s < 1) return picture;
    QPainter painter(&picture);
    const DevicePixels d(painter);
    DrawField(painter, d, shape.width, shape.height, s);
    FillUsable(painter, d, shape, shape.width, shape.height, s, Qt::black);
    return picture;
}

QImage ShapeDrawing(const ShapeDesign& design, QColor face, qreal ratio) {
    QImage picture = DeviceImage(QSize(design.pictureWidth, design.pictureHeight), ratio);
    picture.fill(face);
    const int s = ShapeCellSize(design);
    if (s < 1) return picture;
    const int columns = ActiveColumns(design.shape);
    const int rows = ActiveRows(design.shape);
    QPainter painter(&picture);
    const DevicePixels d(painter);
    DrawField(painter, d, columns, rows, s);
    FillUsable(painter, d, design.shape, columns, rows, s, Qt::red);
    return picture;
}

void PaintDrawingCells(QImage& picture, const ShapeDesign& design, const std::vector<GridCell>& cells) {
    const int s = ShapeCellSize(design);
    if (s < 1) return;
    QPainter painter(&picture);
    const DevicePixels d(painter);
    for (const GridCell& cell : cells)
        painter.fillRect(Inside(d, s, cell), design.shape.Usable(cell.row, cell.column) ? Qt::red : Qt::white);
}

}  // namespace qf
