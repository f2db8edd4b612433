#include "app/forms/SelectedPuzzlePicture.h"

#include <QPainter>
#include <algorithm>

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
    const int cell = CandidateCellSize(size(), puzzle_->UsedWidth(), puzzle_->UsedHeight());
    if (cell < 1) return;
    // Drawn at the screen's own pixels, as the candidate pictures are, and cut to the grid.
    QImage image = ScreenImage(size(), devicePixelRatioF());
    ShapeRecord outline;  // the white area is the grid itself
    outline.width = puzzle_->width;
    outline.height = puzzle_->height;
    DrawAPuzzle(image, *puzzle_, 1, outline);
    const QSize grid(puzzle_->UsedWidth() * cell + 1, puzzle_->UsedHeight() * cell + 1);
    const qreal ratio = image.devicePixelRatio();
    QImage cut = image.copy(QRect(QPoint(0, 0), (QSizeF(grid) * ratio).toSize()));
    cut.setDevicePixelRatio(ratio);
    QPainter p(this);
    p.drawImage(QPointF(std::max(0, (width() - grid.width()) / 2), 0), cut);
}

}  // namespace qf
