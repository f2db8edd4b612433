#include "editor/forms/ClueSuggestions.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/HelpWindow.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

// The clue, and under it what it was made from: the part of speech and the example.
QString ItemText(const ClueSuggestion& s) {
    QString text = FromAnsi(s.clue);
    QString source;
    if (s.kind == SuggestionKind::Synonym) source = "synonym";
    else source = FromAnsi(s.partOfSpeech) + (s.kind == SuggestionKind::Example ? ", from an example" : "");
    if (!s.example.empty() && s.kind != SuggestionKind::Example) source += QString(": \"%1\"").arg(FromAnsi(s.example));
    return text + "\n    (" + source + ")";
}

}  // namespace

TClueSuggestions::TClueSuggestions(const FormLook& look, const std::string& programDir, const std::string& word,
                                   const std::string& currentClue, std::vector<ClueSuggestion> suggestions,
                                   QWidget* parent)
    : ProgramDialog(look, parent), suggestions_(std::move(suggestions)) {
    setObjectName("ClueSuggestions");
    setWindowTitle("Suggest Clue");

    auto* wordLabel = NamedLabel("WordLabel", "Word:  " + FromAnsi(word));
    auto* clueLabel = NamedLabel("ClueLabel", "Clue now:  " + (currentClue.empty() ? QString("(none)") : FromAnsi(currentClue)));
    clueLabel->setWordWrap(true);
    list_ = new QListWidget;
    list_->setObjectName("SuggestionList");
    list_->setWordWrap(true);
    list_->setAlternatingRowColors(true);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (const ClueSuggestion& s : suggestions_) list_->addItem(ItemText(s));
    list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this, [this] { Pick(); });

    auto buttons = OkCancelButtons(*this, [this] { Pick(); });
    buttons.ok->setText("&Use Clue");
    buttons.ok->setObjectName("UseClue");
    auto* help = NamedButton("HelpButton", "&Help", FocusEnter::Passes);
    connect(help, &QPushButton::clicked, this, [this, programDir] { ShowHelp(this, programDir, kClueHelpKeyword); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wordLabel);
    layout->addWidget(clueLabel);
    layout->addWidget(BuddyLabel("&Suggestions:", list_));
    layout->addWidget(list_, 1);
    layout->addLayout(ButtonRow({help, buttons.ok, buttons.cancel}));
    SetDesignSize(QSize(560, 380));
    list_->setFocus();
}

void TClueSuggestions::Pick() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(suggestions_.size())) return;
    result_ = suggestions_[static_cast<std::size_t>(row)].clue;
    accept();
}

std::optional<std::string> TClueSuggestions::Run(const FormLook& look, const std::string& programDir,
                                                 const std::string& word, const std::string& currentClue,
                                                 std::vector<ClueSuggestion> suggestions, QWidget* parent) {
    TClueSuggestions dialog(look, programDir, word, currentClue, std::move(suggestions), parent);
    dialog.exec();
    return dialog.Result();
}

}  // namespace qf
