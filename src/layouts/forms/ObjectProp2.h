#pragma once
// TObjectProp2: the puzzle object's skeleton choice, colours and line width.
#include "base/Choosers.h"
#include "layouts/forms/ObjectDialog.h"

class QCheckBox;
class QLineEdit;

namespace qf {

class ColorSwatch;

// "Properties for Puzzle".
class TObjectProp2 : public ObjectDialog {
    Q_OBJECT
public:
    TObjectProp2(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                 QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QCheckBox* skeleton_;
    ColorSwatch *fill_, *block_, *line_;
    QLineEdit* lineWidth_;
};

}  // namespace qf
