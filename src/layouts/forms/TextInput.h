#pragma once
// TTextInput: the text of a page object that is not a heading.
#include "layouts/forms/ObjectDialog.h"

class QPlainTextEdit;

namespace qf {

// "Text": the text of any other kind, 1000 characters.
class TTextInput : public ObjectDialog {
    Q_OBJECT
public:
    TTextInput(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QPlainTextEdit* text_;
};

}  // namespace qf
