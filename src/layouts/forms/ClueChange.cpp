#include "layouts/forms/ClueChange.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"

namespace qf {

TClueChange::TClueChange(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ClueChange");
    setWindowTitle("Clue Headers");
    const bool across = Object().Kind() == ObjectKind::AcrossHeader;
    const int limit = static_cast<int>(TextLimit(Object().Kind()));
    text_ = NamedEdit("HeaderEdit", limit, FromAnsi(ObjectText(Object())));
    auto* body = new QVBoxLayout;
    body->addWidget(BuddyLabel(across ? "Across Header" : "Down Header", text_));
    body->addWidget(text_);
    Finish(body);
}

Outcome TClueChange::Confirm() { return ApplyObjectText(design_, slot_, ToAnsi(text_->text())); }

}  // namespace qf
