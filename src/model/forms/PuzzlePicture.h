#pragma once
// DrawAPuzzle: a candidate grid as the candidate forms show it, the solution letters in their
// cells, scaled to fit the picture with square cells (TPuzzleImage shows it).
#include <QColor>
#include <QImage>
#include <QSize>

#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

// The window face colour the empty parts of a picture are filled with.
QColor ButtonFace();
// An image of `size` logical pixels at the screen's 96 dots an inch, on which the letter sizes
// are points; on a screen of device pixel ratio `ratio` it holds that many pixels to each one.
QImage ScreenImage(QSize size, qreal ratio = 1);

// The cell size DrawAPuzzle uses for a grid of width x height in a picture of that logical size.
int CandidateCellSize(QSize picture, int width, int height);
// The size of the letters for cells of `cell` pixels: the largest of 20 down to 5 points at which
// "W" is less than a cell high, else 4.
int CandidateLetterSize(int cell);

// Draws `record` into `image`. A score below 1 marks an empty slot: only the face colour. The
// white area covers the whole of `shape` (width x height cells), the lines only the grid in use.
void DrawAPuzzle(QImage& image, const PuzzleRecord& record, int score, const ShapeRecord& shape);

}  // namespace qf
