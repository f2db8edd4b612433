#include "output/forms/NumCopies.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "output/PrintChoices.h"

namespace qf {

TNumCopies::TNumCopies(const FormLook& look, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), prompter_(prompter) {
    setObjectName("NumCopies");
    setWindowTitle("Multi-Copies");
    box_ = new QLineEdit("1");
    box_->setObjectName(CopiesControls::kCopies.text);
    box_->setMaxLength(3);
    auto* row = new QHBoxLayout;
    row->addWidget(BuddyLabel("Copies To Print", box_));
    row->addWidget(box_);

    QHBoxLayout* buttons = OkCancelRow(*this, [this] { OkButtonClick(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    SetDesignSize(QSize(240, 90));
}

void TNumCopies::OkButtonClick() {
    const auto copies = ParseCopies(ToAnsi(box_->text()));
    if (!copies) {
        ShowMessage(*this, prompter_, InvalidCopiesMessage());  // the dialog stays open
        return;
    }
    copies_ = *copies;
    accept();
}

std::optional<int> TNumCopies::Run(const FormLook& look, Prompter& prompter, QWidget* parent) {
    TNumCopies dialog(look, prompter, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Copies();
}

}  // namespace qf
