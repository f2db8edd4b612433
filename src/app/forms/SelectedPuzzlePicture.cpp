#include "app/forms/SelectedPuzzlePicture.h"

#include <QPainter>
#include <cmath>

#include "base/forms/AccessibleNames.h"
#include "base/forms/QtText.h"
#include "model/PuzzleDescription.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {

TSelectedPuzzlePicture::TSelectedPuzzlePicture(QWidget* parent) : QWidget(parent) {
    setObjectName("PuzzlePicture");
    setProperty("qfPanel", true);  // scaled with the window like the lists beside it
    DescribePicture(*this, "No puzzle selected");
}

TSelectedPuzzlePicture::~TSelectedPuzzlePicture() = default;

void TSelectedPuzzlePicture::Show(const PuzzleRecord* puzzle) {
    puzzle_ = puzzle ? std::make_unique<PuzzleRecord>(*puzzle) : nullptr;
    DescribePicture(*this, puzzle ? FromAnsi(GridDescription(*puzzle)) : QString("No puzzle selected"));
    update();
}

void TSelectedPuzzlePicture::paintEvent(QPaintEvent*) {
    if (!puzzle_ || !puzzle_->generated) return;  // the client area shows through
    // Drawn at the screen's pixels, not scaled up: on a screen of two pixels a point the grid
    // gets twice the pixels and its lines and letters stay sharp.
    const double ratio = devicePixelRatioF();
    const QSize pixels(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
    const int cell = CandidateCellSize(pixels, puzzle_->UsedWidth(), puzzle_->UsedHeight());
    if (cell < 1) return;
    QImage image = ScreenImage(pixels);
    ShapeRecord outline;  // the white area is the grid itself
    outline.width = puzzle_->width;
    outline.height = puzzle_->height;
    DrawAPuzzle(image, *puzzle_, 1, outline);
    QImage grid = image.copy(0, 0, puzzle_->UsedWidth() * cell + 1, puzzle_->UsedHeight() * cell + 1);
    grid.setDevicePixelRatio(ratio);
    const double left = (width() - grid.width() / ratio) / 2;
    QPainter p(this);
    p.drawImage(QPointF(std::max(0.0, left), 0), grid);
}

}  // namespace qf
