#pragma once
// TObjectFill: whether a shape is filled, and with which colour.
#include "base/Choosers.h"
#include "layouts/forms/ObjectDialog.h"

class QCheckBox;

namespace qf {

class ColorSwatch;

// "Fill Info for NAME".
class TObjectFill : public ObjectDialog {
    Q_OBJECT
public:
    TObjectFill(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* fill_;
    ColorSwatch* color_;
};

}  // namespace qf
