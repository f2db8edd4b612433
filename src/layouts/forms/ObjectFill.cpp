#include "layouts/forms/ObjectFill.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "layouts/forms/ColorSwatch.h"

namespace qf {

TObjectFill::TObjectFill(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                         QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectFill");
    setWindowTitle(FromAnsi(FillCaption(Object())));
    fill_ = NamedCheckBox("FillBox", "&Fill In Shape", Object().fillShape != 0);
    color_ = new ColorSwatch("FillColor", "C&hange Color", Object().fillColor, colors);
    auto* grid = new QGridLayout;
    grid->addWidget(fill_, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Fill Color"), 1, 0);
    grid->addWidget(color_, 1, 1);
    color_->SetButtonEnabled(fill_->isChecked());
    connect(fill_, &QCheckBox::toggled, this, [this](bool on) { color_->SetButtonEnabled(on); });
    Finish(grid);
}

Outcome TObjectFill::Confirm() { return ApplyFill(design_, slot_, fill_->isChecked(), color_->Color()); }

}  // namespace qf
