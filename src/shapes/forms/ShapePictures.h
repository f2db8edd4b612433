#pragma once
// The two pictures of a shape: the thumbnail beside the shape lists (usable cells black) and
// the designer's drawing (usable cells red). Both draw a grid of square cells from the top left
// corner on the window face colour; a shape whose size lies outside the cell array draws
// nothing but the face colour. The cells are measured in logical pixels; `ratio` is the device
// pixel ratio of the screen the picture is shown on, and the picture has that many pixels to
// each logical one.
#include <QColor>
#include <QImage>
#include <vector>

#include "shapes/ShapeDesign.h"
#include "shapes/ShapeRecord.h"

namespace qf {

// DrawTheBox: cells of the largest whole size that fits both ways.
QImage ShapeThumbnail(const ShapeRecord& shape, QSize size, QColor face, qreal ratio = 1);

// DrawGrid: the designer's whole picture at the design's cell size.
QImage ShapeDrawing(const ShapeDesign& design, QColor face, qreal ratio = 1);
// Repaints only the squares of `cells`: red when usable now, white when blocked.
void PaintDrawingCells(QImage& picture, const ShapeDesign& design, const std::vector<GridCell>& cells);

}  // namespace qf
