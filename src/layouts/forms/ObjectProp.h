#pragma once
// TObjectProp: transparency, fitting and columns of a page object other than the puzzle.
#include "layouts/forms/ObjectDialog.h"

class QCheckBox;
class QLineEdit;

namespace qf {

// "Properties for NAME" of every kind but the Puzzle.
class TObjectProp : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox *transparent_, *makeFit_, *split_;
    QLineEdit* columns_;
};

}  // namespace qf
