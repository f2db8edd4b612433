#include "editor/forms/SpellSuggestions.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/TextHelpers.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"

namespace qf {

TSpellSuggestions::TSpellSuggestions(const FormLook& look, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), prompter_(prompter) {
    setObjectName("SpellSuggestions");
    setWindowTitle(kCaptionSpellingSuggestions);
    notice_ = new QLabel;
    notice_->setObjectName("Notice");
    notice_->setWordWrap(true);
    theWord_ = new QLineEdit;
    theWord_->setObjectName("TheWord");
    theWord_->setAccessibleName("Word");
    list_ = new QListWidget;
    list_->setObjectName("SuggestBox");
    list_->setAccessibleName("Suggestions");

    const std::pair<const char*, const char*> kButtons[] = {
        {"ReplaceButton", "&Replace"}, {"ReplaceAllButton", "Replace A&ll"}, {"IgnoreButton", "&Ignore"},
        {"IgnoreAllButton", "Ig&nore All"}, {"AddButton", "&Add"}, {"SuggestButton", "&Suggest"},
        {"AbortButton", "A&bort"},
    };
    std::vector<ColumnItem> buttons;
    for (const auto& [name, caption] : kButtons) buttons.push_back(NamedButton(name, caption, FocusEnter::Passes));
    auto* words = new QVBoxLayout;
    words->addWidget(notice_);
    words->addWidget(theWord_);
    words->addWidget(list_, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(words, 1);
    layout->addLayout(SideColumn(buttons));

    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("ReplaceButton"), &QPushButton::clicked, this, [this] { ReplaceClick(SuggestionAction::Replace); });
    connect(button("ReplaceAllButton"), &QPushButton::clicked, this,
            [this] { ReplaceClick(SuggestionAction::ReplaceAll); });
    connect(button("IgnoreButton"), &QPushButton::clicked, this, [this] { Close(SuggestionAction::Ignore); });
    connect(button("IgnoreAllButton"), &QPushButton::clicked, this, [this] { Close(SuggestionAction::IgnoreAll); });
    connect(button("AddButton"), &QPushButton::clicked, this, [this] { Close(SuggestionAction::Add); });
    connect(button("SuggestButton"), &QPushButton::clicked, this, &TSpellSuggestions::SuggestClick);
    connect(button("AbortButton"), &QPushButton::clicked, this, [this] { Close(SuggestionAction::Abort); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { ReplaceClick(SuggestionAction::Replace); });
    // A word typed by hand is the replacement: no suggestion stays selected beside it.
    connect(theWord_, &QLineEdit::textEdited, this, [this] { list_->setCurrentRow(-1); });
    button("ReplaceButton")->setDefault(true);
    SetDesignSize(QSize(470, 280));
}

void TSpellSuggestions::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (placed_) move(lastPlace_);
    placed_ = true;
}

void TSpellSuggestions::hideEvent(QHideEvent* event) {
    lastPlace_ = pos();
    ProgramDialog::hideEvent(event);
}

void TSpellSuggestions::FillSuggestions(const std::vector<std::string>& suggestions) {
    suggestions_ = suggestions;
    list_->clear();
    for (const std::string& s : suggestions_) list_->addItem(FromAnsi(s));
    list_->setCurrentRow(list_->count() > 0 ? 0 : -1);
}

SuggestionChoice TSpellSuggestions::ShowSuggestions(const std::string& notice, const std::string& word,
                                                    const std::vector<std::string>& suggestions) {
    word_ = word;
    notice_->setText(FromAnsi(notice));
    theWord_->setText(FromAnsi(word));
    FillSuggestions(suggestions);
    choice_ = {SuggestionAction::Abort, {}};  // closing the window stops the check, as "A&bort"
    list_->setFocus();
    exec();
    return choice_;
}

std::string TSpellSuggestions::Replacement() const {
    const int row = list_->currentRow();
    if (row >= 0 && list_->item(row)->isSelected()) return suggestions_[static_cast<std::size_t>(row)];
    const std::string edited = TrimBlanks(ToAnsi(theWord_->text()));
    return edited != word_ ? edited : std::string();
}

void TSpellSuggestions::ReplaceClick(SuggestionAction action) {
    const std::string replacement = Replacement();
    if (replacement.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(kMsgNoReplacementSelected));
        return;
    }
    choice_ = {action, replacement};
    accept();
}

void TSpellSuggestions::Close(SuggestionAction action) {
    choice_ = {action, {}};
    accept();
}

void TSpellSuggestions::SuggestClick() {
    const std::string word = TrimBlanks(ToAnsi(theWord_->text()));
    if (word.empty() || !suggest) return;
    const std::vector<std::string> found = suggest(word);
    if (found.empty()) {
        prompter_.Inform(InfoMessage(word + " was not found in the dictionary.  " + kMsgNoSuggestions, kCaptionNotice));
        return;
    }
    FillSuggestions(found);
}

}  // namespace qf
