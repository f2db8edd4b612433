#include "editor/forms/MyEditBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "editor/WordTextExport.h"

namespace qf {

TMyEditBox::TMyEditBox(const FormLook& look, UserListTarget target, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), target_(std::move(target)), prompter_(prompter) {
    setObjectName("MyEditBox");
    setWindowTitle("Dictionary Maintenance");
    KeepDesignFonts();
    QLabel* heading = NamedLabel("Heading", FromAnsi(MaintenanceHeading(target_.mode, target_.languageName)));
    heading->setWordWrap(true);
    edit_ = new QLineEdit;
    edit_->setObjectName("Edit1");
    edit_->setAccessibleName("Word");
    list_ = new QListWidget;
    list_->setObjectName("ListBox1");
    list_->setAccessibleName("Words");
    QPushButton* add = NamedButton("AddButton", "&Add", FocusEnter::Passes);
    QPushButton* remove = NamedButton("DeleteButton", "&Delete", FocusEnter::Passes);
    const OkCancel ends = OkCancelButtons(*this, [this] { OkClick(); }, kColumnKeys);
    auto* words = new QVBoxLayout;
    words->addWidget(edit_);
    words->addWidget(list_, 1);
    auto* middle = new QHBoxLayout;
    middle->addLayout(words, 1);
    middle->addLayout(SideColumn({add, remove}, {ends.ok, ends.cancel}));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle, 1);

    connect(add, &QPushButton::clicked, this, &TMyEditBox::AddClick);
    connect(edit_, &QLineEdit::returnPressed, this, &TMyEditBox::AddClick);
    connect(remove, &QPushButton::clicked, this, &TMyEditBox::DeleteClick);

    words_ = LoadUserWordList(target_.path);
    SortAsListBox(words_);
    ShowWords(words_.empty() ? -1 : 0);
    SetDesignSize(QSize(360, 320));
}

void TMyEditBox::ShowWords(int select) {
    list_->clear();
    for (const std::string& word : words_) list_->addItem(FromAnsi(word));
    list_->setCurrentRow(select);
}

void TMyEditBox::AddClick() {
    std::vector<std::string> added = words_;
    if (AddToWordList(added, ToAnsi(edit_->text()))) {
        const std::string word = added.back();
        SortAsListBox(added);
        words_ = std::move(added);
        // The new word stays in view, selected.
        int at = 0;
        for (std::size_t i = 0; i < words_.size(); ++i)
            if (words_[i] == word) at = static_cast<int>(i);
        ShowWords(at);
    }
    edit_->clear();
    edit_->setFocus();
}

void TMyEditBox::DeleteClick() {
    const int next = DeleteFromWordList(words_, list_->currentRow());
    if (next < 0 && words_.size() == static_cast<std::size_t>(list_->count())) return;  // nothing selected
    ShowWords(next);
}

void TMyEditBox::OkClick() {
    if (!SaveUserWordList(target_.path, target_.mode, target_.languageCode, words_)) {
        ShowMessage(*this, prompter_, ErrorMessage(kUnableToSaveWordList));
        return;
    }
    accept();
}

void TMyEditBox::Run(const FormLook& look, UserListTarget target, Prompter& prompter, QWidget* parent) {
    TMyEditBox dialog(look, std::move(target), prompter, parent);
    dialog.exec();
}

}  // namespace qf
