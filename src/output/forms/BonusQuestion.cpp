#include "output/forms/BonusQuestion.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/QtText.h"
#include "output/PrintChoices.h"

namespace qf {

TBonusQuestion::TBonusQuestion(const FormLook& look, const std::string& question, QWidget* parent)
    : ProgramDialog(look, parent) {
    setObjectName("BonusQuestion");
    setWindowTitle("Bonus Question");
    box_ = new QLineEdit;
    box_->setObjectName("QuestionBox");
    box_->setAccessibleName("Bonus question");
    box_->setMaxLength(static_cast<int>(kBonusQuestionBoxCapacity));
    box_->setText(FromAnsi(question));

    QHBoxLayout* buttons = OkCancelRow(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box_);
    layout->addLayout(buttons);
    SetDesignSize(QSize(460, 90));
}

std::string TBonusQuestion::Result() const { return ToAnsi(box_->text()).substr(0, 150); }

std::optional<std::string> TBonusQuestion::Run(const FormLook& look, const std::string& question, QWidget* parent) {
    TBonusQuestion dialog(look, question, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Result();
}

}  // namespace qf
