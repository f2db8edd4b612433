#include "layouts/forms/ObjectProp.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TObjectProp::TObjectProp(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectProp");
    setWindowTitle(FromAnsi(PropertiesCaption(Object())));
    const ObjectProperties start = PropertiesOf(Object());
    const ObjectKind kind = Object().Kind();
    transparent_ = NamedCheckBox("TransparentBox", TransparentCaption(kind), start.transparent);
    makeFit_ = NamedCheckBox("MakeFitBox", "&Make It Fit (Auto-Shrink Font)", start.makeFit);
    columns_ = NamedEdit(ObjectPropertiesControls::kColumns.text, 1, FromAnsi(start.columns));
    split_ = NamedCheckBox("SplitBox", "&Split Columns", start.splitColumns);
    auto* columnsLabel = BuddyLabel("Number of Columns", columns_);
    connect(split_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) columns_->setText(FromAnsi(EvenColumnsText(ToAnsi(columns_->text()))));
    });
    auto* grid = new QGridLayout;
    grid->addWidget(transparent_, 0, 0, 1, 2);
    grid->addWidget(makeFit_, 1, 0, 1, 2);
    grid->addWidget(columnsLabel, 2, 0);
    grid->addWidget(columns_, 2, 1);
    grid->addWidget(split_, 3, 0, 1, 2);
    columnsLabel->setVisible(ColumnsShown(kind));
    columns_->setVisible(ColumnsShown(kind));
    split_->setVisible(SplitShown(kind));
    Finish(grid);
}

Outcome TObjectProp::Confirm() {
    return ApplyObjectProperties(design_, slot_,
                                 {transparent_->isChecked(), makeFit_->isChecked(), ToAnsi(columns_->text()),
                                  split_->isChecked()});
}

}  // namespace qf
