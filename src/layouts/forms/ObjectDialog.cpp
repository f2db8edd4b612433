#include "layouts/forms/ObjectDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"

namespace qf {

ObjectDialog::ObjectDialog(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), design_(design), slot_(slot), prompter_(prompter) {}

void ObjectDialog::Finish(QLayout* body) {
    const OkCancel buttons =
        OkCancelButtons(*this, [this] { OkClick(); }, {FocusEnter::Takes, FocusEnter::Passes, true});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}));
}

void ObjectDialog::OkClick() {
    if (!design_.ValidSlot(slot_)) {
        reject();
        return;
    }
    const Outcome outcome = Confirm();
    if (outcome.IsDone()) {
        accept();
        return;
    }
    ShowOutcome(*this, prompter_, outcome);  // a refusal; a "Yes" to the off-page question stays too
}

}  // namespace qf
