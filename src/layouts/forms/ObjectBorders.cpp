#include "layouts/forms/ObjectBorders.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "layouts/forms/ColorSwatch.h"

namespace qf {

TObjectBorders::TObjectBorders(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                               ColorChooser& colors, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectBorders");
    setWindowTitle(FromAnsi(BorderCaption(Object())));
    const BorderInfo start = BorderOf(Object());
    useBorder_ = NamedCheckBox("UseBorderBox", "&Use Border", start.useBorder);
    width_ = NamedEdit(BorderControls::kWidth.text, 1, FromAnsi(start.width));
    color_ = new ColorSwatch("BorderColor", "C&hange Color", start.color, colors);
    auto* grid = new QGridLayout;
    grid->addWidget(useBorder_, 0, 0, 1, 2);
    grid->addWidget(BuddyLabel("Width", width_), 1, 0);
    grid->addWidget(width_, 1, 1);
    grid->addWidget(new QLabel("Border Color"), 2, 0);
    grid->addWidget(color_, 2, 1);
    const auto enable = [this](bool on) {
        width_->setEnabled(on);
        color_->SetButtonEnabled(on);
    };
    enable(start.useBorder);
    connect(useBorder_, &QCheckBox::toggled, this, enable);
    Finish(grid);
}

Outcome TObjectBorders::Confirm() {
    return ApplyBorder(design_, slot_, {useBorder_->isChecked(), ToAnsi(width_->text()), color_->Color()});
}

}  // namespace qf
