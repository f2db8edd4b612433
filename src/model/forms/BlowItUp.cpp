#include "model/forms/BlowItUp.h"

#include <QPushButton>
#include <QShowEvent>

#include "base/forms/AccessibleNames.h"
#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "model/PuzzleDescription.h"
#include "model/forms/PuzzleImage.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {
namespace {

constexpr int kImageSide = 411;
constexpr QSize kClientSize(515, 419);

}  // namespace

TBlowItUp::TBlowItUp(const FormLook& look, const PuzzleRecord& candidate, const ShapeRecord& shape,
                     const std::string& caption, QWidget* parent)
    : ProgramDialog(look, parent), candidate_(std::make_unique<PuzzleRecord>(candidate)), shape_(shape) {
    setObjectName("BlowItUp");
    setWindowTitle(FromAnsi(caption));
    const double scale = look.scale;
    const int side = Scaled(kImageSide, scale);
    image_ = new TPuzzleImage(QSize(side, side), this);
    image_->setObjectName("PuzzImage1");
    image_->move(Scaled(4, scale), Scaled(4, scale));
    connect(image_, &TPuzzleImage::NeedsPicture, this, &TBlowItUp::DrawCandidate);
    QPushButton* exit = NamedButton("ExitButton", "E&xit", FocusEnter::Takes, this);
    exit->setGeometry(Scaled(427, scale), Scaled(388, scale), Scaled(80, scale), Scaled(25, scale));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    SetDesignSize(kClientSize);
}

TBlowItUp::~TBlowItUp() = default;

void TBlowItUp::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    DrawCandidate();
    DescribePicture(*image_, FromAnsi(GridDescription(*candidate_)));
}

void TBlowItUp::DrawCandidate() {
    DrawAPuzzle(image_->Canvas(), *candidate_, 1, shape_);
    image_->update();
}

}  // namespace qf
