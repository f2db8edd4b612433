#pragma once
// TClueChange: the text of an across or down heading.
#include "layouts/forms/ObjectDialog.h"

class QLineEdit;

namespace qf {

// "Clue Headers": the text of a heading, 25 characters.
class TClueChange : public ObjectDialog {
    Q_OBJECT
public:
    TClueChange(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QLineEdit* text_;
};

}  // namespace qf
