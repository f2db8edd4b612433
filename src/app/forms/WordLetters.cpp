#include "app/forms/WordLetters.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

constexpr const char* kExplanation =
    "The following characters (if checked) will be displayed in the puzzle where they are used by words.  This is "
    "useful in instances where the word to solve for is actually more than one word and you wish to have them "
    "separated in the puzzle itself.";

QCheckBox* AddBox(QGridLayout* grid, int row, const char* name, const char* caption, bool checked, bool& field) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    QObject::connect(box, &QCheckBox::toggled, box, [&field](bool on) { field = on; });
    grid->addWidget(box, row, 0);
    return box;
}

}  // namespace

TWordLetters::TWordLetters(const FormLook& look, const WordSeparators& start, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), separators_(start), prompter_(prompter) {
    setObjectName("WordLetters");
    setWindowTitle("Word Separator Characters");

    auto* explanation = new QLabel(kExplanation);
    explanation->setObjectName("Explanation");
    explanation->setWordWrap(true);

    auto* grid = new QGridLayout;
    AddBox(grid, 0, "DashBox", "&Dash (-)", start.dash, separators_.dash);
    AddBox(grid, 1, "SlashBox", "&Slash (/)", start.slash, separators_.slash);
    AddBox(grid, 2, "PlusBox", "&Plus (+)", start.plus, separators_.plus);
    AddBox(grid, 3, "StarBox", "S&tar (*)", start.star, separators_.star);
    AddBox(grid, 4, "OtherBox", "&User Defined", start.other, separators_.other);
    otherChar_ = new QLineEdit;
    otherChar_->setObjectName("OtherChar");
    otherChar_->setAccessibleName("User defined character");
    otherChar_->setMaxLength(1);
    otherChar_->setFixedWidth(otherChar_->fontMetrics().horizontalAdvance("WW") + 16);
    if (start.otherChar != ' ') otherChar_->setText(FromAnsi(std::string(1, start.otherChar)));
    grid->addWidget(otherChar_, 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    connect(otherChar_, &QLineEdit::textChanged, this, &TWordLetters::OtherCharChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(grid);
    layout->addLayout(OkRow(*this));
    SetDesignSize(QSize(380, 250));
}

void TWordLetters::OtherCharChanged(const QString& text) {
    const Outcome outcome = SetOtherSeparator(separators_, ToAnsi(text));
    if (outcome.IsDone()) return;
    ShowOutcome(*this, prompter_, outcome);
    const QSignalBlocker quiet(otherChar_);
    otherChar_->clear();
}

WordSeparators TWordLetters::Run(const FormLook& look, const WordSeparators& start, Prompter& prompter,
                                 QWidget* parent) {
    TWordLetters dialog(look, start, prompter, parent);
    dialog.exec();  // "&Ok", Escape and closing all keep what was changed
    return dialog.Result();
}

}  // namespace qf
