#include "layouts/forms/SizeLocation.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TSizeLocation::TSizeLocation(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("SizeLocation");
    setWindowTitle(FromAnsi(SizeLocationCaption(Object())));
    const SizeLocationTexts texts = SizeLocationOf(Object(), PageUnits(design));
    left_ = NamedEdit(SizeLocationControls::kLeft.text, 6, FromAnsi(texts.left));
    top_ = NamedEdit(SizeLocationControls::kTop.text, 6, FromAnsi(texts.top));
    width_ = NamedEdit(SizeLocationControls::kWidth.text, 6, FromAnsi(texts.width));
    height_ = NamedEdit(SizeLocationControls::kHeight.text, 6, FromAnsi(texts.height));
    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel("Left", left_), 0, 0);
    grid->addWidget(left_, 0, 1);
    grid->addWidget(BuddyLabel("Top", top_), 1, 0);
    grid->addWidget(top_, 1, 1);
    grid->addWidget(BuddyLabel("Width", width_), 2, 0);
    grid->addWidget(width_, 2, 1);
    grid->addWidget(BuddyLabel("Height", height_), 3, 0);
    grid->addWidget(height_, 3, 1);
    auto* note = new QLabel(SizeLocationNote(design.layout.inches != 0));
    note->setObjectName("UnitNote");
    grid->addWidget(note, 4, 0, 1, 2);
    Finish(grid);
}

Outcome TSizeLocation::Confirm() {
    const SizeLocationTexts texts{ToAnsi(left_->text()), ToAnsi(top_->text()), ToAnsi(width_->text()),
                                  ToAnsi(height_->text())};
    return ApplySizeLocation(design_, slot_, texts, prompter_);
}

}  // namespace qf
