#pragma once
// TObjectBorders: whether a page object has a border, its width and colour.
#include "base/Choosers.h"
#include "layouts/forms/ObjectDialog.h"

class QCheckBox;
class QLineEdit;

namespace qf {

class ColorSwatch;

// "Border Info for NAME".
class TObjectBorders : public ObjectDialog {
    Q_OBJECT
public:
    TObjectBorders(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                   QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* useBorder_;
    QLineEdit* width_;
    ColorSwatch* color_;
};

}  // namespace qf
