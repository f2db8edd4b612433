#include "editor/forms/ThesSuggestions.h"

#include <QApplication>
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
#include "editor/SpellCheck.h"

namespace qf {
namespace {

QListWidget* NamedList(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    return list;
}

QVBoxLayout* Labelled(const char* caption, QListWidget* list) {
    auto* column = new QVBoxLayout;
    column->addWidget(BuddyLabel(caption, list));
    column->addWidget(list, 1);
    return column;
}

}  // namespace

TThes2Sugs::TThes2Sugs(const FormLook& look, const std::string& word, const std::vector<std::string>& suggestions,
                       QWidget* parent)
    : ProgramDialog(look, parent), suggestions_(suggestions) {
    setObjectName("Thes2Sugs");
    setWindowTitle("Word Suggestions");
    auto* label = new QLabel("Suggestion for");
    auto* shown = new QLabel(FromAnsi(word));
    shown->setObjectName("TheWord");
    list_ = NamedList("SuggestBox");
    for (const std::string& s : suggestions_) list_->addItem(FromAnsi(s));
    const OkCancel buttons = OkCancelButtons(*this, {}, kEnterPasses);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(shown);
    layout->addWidget(list_, 1);
    layout->addLayout(ButtonRow({buttons.ok, buttons.cancel}, RowAlign::Spread));
    SetDesignSize(QSize(240, 260));
}

std::optional<std::string> TThes2Sugs::Choose() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    const int row = list_->currentRow();
    // "&Ok" without a selection takes nothing: there is no entry to take.
    if (row < 0 || !list_->item(row)->isSelected()) return std::nullopt;
    return suggestions_[static_cast<std::size_t>(row)];
}

TThesSuggestions::TThesSuggestions(const FormLook& look, const std::string& thesaurusPath, const std::string& word,
                                   Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), path_(thesaurusPath), prompter_(prompter) {
    setObjectName("ThesSuggestions");
    setWindowTitle("Thesaurus Lookup");
    theWord_ = new QLineEdit(FromAnsi(word));
    theWord_->setObjectName("TheWord");
    theWord_->setAccessibleName("Word");
    catBox_ = NamedList("CatBox");
    antBox_ = NamedList("AntBox");
    defBox_ = NamedList("DefBox");
    QPushButton* lookUp = DefaultButton("LookUpButton", "&Look Up", FocusEnter::Passes);
    QPushButton* suggest = NamedButton("SuggestButton", "&Suggest", FocusEnter::Passes);
    accept_ = NamedButton("AcceptButton", "&Accept", FocusEnter::Passes);
    QPushButton* abort = NamedButton("AbortButton", "A&bort", FocusEnter::Passes);

    auto* top = new QHBoxLayout;
    top->addWidget(theWord_, 1);
    top->addWidget(lookUp);
    auto* left = new QVBoxLayout;
    left->addLayout(Labelled("Category", catBox_), 3);
    left->addLayout(Labelled("Antonyms", antBox_), 2);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(Labelled("Synonyms", defBox_), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addLayout(ButtonRow({suggest, accept_, abort}));

    connect(lookUp, &QPushButton::clicked, this, &TThesSuggestions::LookUpWord);
    connect(suggest, &QPushButton::clicked, this, &TThesSuggestions::SuggestClick);
    connect(accept_, &QPushButton::clicked, this, &TThesSuggestions::AcceptClick);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(catBox_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        LoadInSyns(item->text());
        antBox_->clearSelection();
    });
    connect(antBox_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        LoadInSyns(item->text());
        catBox_->clearSelection();
    });
    connect(defBox_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        theWord_->setText(item->text());
        LookUpWord();
    });
    SetDesignSize(QSize(480, 330));
}

void TThesSuggestions::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous() || lookup_.IsOpen()) return;
    accepted_.reset();
    accept_->setEnabled(false);
    const Outcome opened = lookup_.OpenThes(path_);
    if (!opened.IsDone()) {
        ShowOutcome(*this, prompter_, opened);
        return;
    }
    LookUpWord();
}

void TThesSuggestions::done(int result) {
    lookup_.CloseThes();
    ProgramDialog::done(result);
}

void TThesSuggestions::LookUpWord() {
    catBox_->clear();
    antBox_->clear();
    defBox_->clear();
    synonyms_.clear();
    accept_->setEnabled(false);
    if (!lookup_.IsOpen()) return;
    const LookUpResult found = lookup_.LookUpWord(ToAnsi(theWord_->text()));
    if (!found.message.Empty()) {
        ShowMessage(*this, prompter_, found.message);
        return;
    }
    for (const std::string& c : found.categories) catBox_->addItem(FromAnsi(c));
    for (const std::string& a : found.antonyms) antBox_->addItem(FromAnsi(a));
    if (catBox_->count() > 0) {
        catBox_->setCurrentRow(0);
        LoadInSyns(catBox_->item(0)->text());
    }
}

void TThesSuggestions::LoadInSyns(const QString& entry) {
    const SynonymList list = lookup_.LoadInSyns(ToAnsi(entry));
    synonyms_ = list.synonyms;
    defBox_->clear();
    for (const std::string& s : synonyms_) defBox_->addItem(FromAnsi(s));
    if (defBox_->count() > 0) defBox_->setCurrentRow(0);
    accept_->setEnabled(list.acceptEnabled);
}

void TThesSuggestions::SuggestClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<std::string> words;
    const Outcome found = lookup_.Suggestions(ToAnsi(theWord_->text()), words);
    QApplication::restoreOverrideCursor();
    if (!found.IsDone()) {
        ShowOutcome(*this, prompter_, found);
        return;
    }
    TThes2Sugs list(Look(), TrimBlanks(ToAnsi(theWord_->text())), words, this);
    if (const auto chosen = list.Choose()) {
        theWord_->setText(FromAnsi(*chosen));
        LookUpWord();
    }
}

void TThesSuggestions::AcceptClick() {
    const int row = defBox_->currentRow();
    if (row < 0 || !defBox_->item(row)->isSelected()) {
        ShowMessage(*this, prompter_, ErrorMessage(kMsgNoReplacementSelected));
        return;
    }
    accepted_ = synonyms_[static_cast<std::size_t>(row)];
    accept();
}

std::optional<std::string> TThesSuggestions::Choose() {
    exec();
    return accepted_;
}

}  // namespace qf
