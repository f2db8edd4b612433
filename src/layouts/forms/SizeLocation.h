#pragma once
// TSizeLocation: the position and size of a page object, in the layout's unit.
#include "layouts/forms/ObjectDialog.h"

class QLineEdit;

namespace qf {

// "Size & Location of NAME".
class TSizeLocation : public ObjectDialog {
    Q_OBJECT
public:
    TSizeLocation(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QLineEdit *left_, *top_, *width_, *height_;
};

}  // namespace qf
