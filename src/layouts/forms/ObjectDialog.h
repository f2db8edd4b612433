#pragma once
// The frame of the small dialogs of the page designer's object menu. Each opens on one object of
// the design and writes it back through the core only when its "&Ok" is accepted; a refusal is
// shown and the dialog stays open. Exec returns true when the object was changed.
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "layouts/PageDesign.h"
#include "layouts/PageObjectDialogs.h"

class QLayout;

namespace qf {

// The common frame: the design, the slot, the prompter and the "&Ok" / "&Cancel" row.
class ObjectDialog : public ProgramDialog {
    Q_OBJECT
public:
    ObjectDialog(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent);
    bool Exec() { return exec() == QDialog::Accepted; }

protected:
    // Adds the button row under `body` and lays the dialog out.
    void Finish(QLayout* body);
    // "&Ok": the dialog's own check and write.
    virtual Outcome Confirm() = 0;
    const PageObject& Object() const { return design_.Object(slot_); }

    PageDesign& design_;
    int slot_;
    Prompter& prompter_;

private:
    void OkClick();
};

}  // namespace qf
