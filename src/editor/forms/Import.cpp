#include "editor/forms/Import.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "editor/WordTextExport.h"
#include "editor/forms/WordToolControls.h"

namespace qf {

TImport::TImport(const FormLook& look, const EditorGrid& grid, Settings& settings, Prompter& prompter,
                 FileChooser& chooser, CrosswordReader readCrossword, QWidget* parent)
    : ProgramDialog(look, parent),
      grid_(grid),
      readCrossword_(std::move(readCrossword)),
      settings_(settings),
      prompter_(prompter),
      chooser_(chooser) {
    setObjectName("Import");
    setWindowTitle("Import");
    list_ = ToggleList("ListBox1");
    list_->setAccessibleName("Lines to import");
    kinds_[0] = ToolRadio("AsWords", "As &Words");
    kinds_[1] = ToolRadio("AsClues", "As &Clues");
    kinds_[2] = ToolRadio("AsWordsAndClues", "&As Words and Clues");
    sepChar_ = SeparatorEdit(settings.sepChar);
    sepLabel_ = SeparatorLabel(sepChar_);

    QPushButton* open = NamedButton("OpenFile", "&Open File", FocusEnter::Passes);
    QPushButton* all = NamedButton("SelectAll", "Select &All", FocusEnter::Passes);
    QPushButton* clear = NamedButton("Clear", "C&lear", FocusEnter::Passes);
    const OkCancel ends = OkCancelButtons(*this, [this] { OkClick(); }, kColumnKeys);
    QPushButton* help = NamedButton("HelpButton", "&Help", FocusEnter::Passes);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(SideColumn(
        {open, all, clear, Gap{8}, kinds_[0], kinds_[1], kinds_[2], SeparatorRow(sepLabel_, sepChar_)},
        {ends.ok, ends.cancel, help}));

    connect(open, &QPushButton::clicked, this, &TImport::OpenFileClick);
    connect(all, &QPushButton::clicked, this, [this] { SelectAllItems(*list_, true); });
    connect(clear, &QPushButton::clicked, this, [this] { SelectAllItems(*list_, false); });
    for (int k = 0; k < 3; ++k)
        connect(kinds_[k], &QRadioButton::clicked, this, [this, k] { KindClick(static_cast<WordTextKind>(k + 1)); });
    connect(sepChar_, &QLineEdit::textChanged, this, &TImport::SepCharChange);
    connect(help, &QPushButton::clicked, this, &QDialog::reject);
    SetDesignSize(QSize(520, 340));
}

void TImport::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    const int option = settings_.importOption;
    if (option >= 1 && option <= 3) kinds_[option - 1]->setChecked(true);
    ShowSeparator(*sepLabel_, *sepChar_, option == 3);
    for (const char* name : {"SelectAll", "Clear", "OkButton"})
        findChild<QPushButton*>(name)->setEnabled(list_->count() > 0);
}

namespace {

// Joins a crossword's word and clue: a character that neither can hold.
constexpr char kCrosswordJoin = '\x1F';

}  // namespace

WordTextKind TImport::Kind() const {
    for (int k = 1; k < 3; ++k)
        if (kinds_[k]->isChecked()) return static_cast<WordTextKind>(k + 1);
    return WordTextKind::Words;
}

void TImport::KindClick(WordTextKind kind) {
    settings_.importOption = static_cast<int>(kind);
    ShowSeparator(*sepLabel_, *sepChar_, kind == WordTextKind::WordsAndClues);
}

void TImport::SepCharChange(const QString& text) {
    const std::string typed = ToAnsi(text);
    if (!typed.empty()) settings_.sepChar = typed.front();
}

void TImport::OpenFileClick() {
    const std::string path = chooser_.Choose(ImportWordListRequest(settings_, static_cast<bool>(readCrossword_)));
    if (path.empty()) return;
    settings_.lastImportWordFile = path;
    if (ReadCrossword(path)) return;
    std::vector<std::string> lines;
    const Outcome read = ReadImportFile(path, lines);
    if (read.IsRefused()) {
        ShowOutcome(*this, prompter_, read);
        return;
    }
    SortAsListBox(lines);
    list_->clear();
    crossword_ = false;
    for (QRadioButton* kind : kinds_) kind->setEnabled(true);
    ShowSeparator(*sepLabel_, *sepChar_, Kind() == WordTextKind::WordsAndClues);
    lines_ = std::move(lines);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* item = new QListWidgetItem(FromAnsi(lines_[i]), list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    for (const char* name : {"SelectAll", "Clear", "OkButton"}) findChild<QPushButton*>(name)->setEnabled(true);
    ShowOutcome(*this, prompter_, read);  // characters that had to be replaced
}

// A crossword made elsewhere lists its answers with their clues; they go in as words and clues
// whatever kind is chosen, so the kinds and the separator are put aside while it is listed.
// False when the file is no crossword file; a damaged one is refused and the list kept.
bool TImport::ReadCrossword(const std::string& path) {
    if (!readCrossword_) return false;
    std::vector<std::pair<std::string, std::string>> entries;
    const std::optional<Outcome> read = readCrossword_(path, entries);
    if (!read) return false;
    if (!read->IsDone()) {
        ShowOutcome(*this, prompter_, *read);
        return true;
    }
    std::vector<std::string> lines;
    for (const auto& [word, clue] : entries) lines.push_back(word + kCrosswordJoin + clue);
    SortAsListBox(lines);
    list_->clear();
    lines_ = std::move(lines);
    crossword_ = true;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string shown = lines_[i];
        const auto join = shown.find(kCrosswordJoin);
        if (join != std::string::npos) shown.replace(join, 1, "  ");
        auto* item = new QListWidgetItem(FromAnsi(shown), list_);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
    kinds_[2]->setChecked(true);
    for (QRadioButton* kind : kinds_) kind->setEnabled(false);
    ShowSeparator(*sepLabel_, *sepChar_, false);
    for (const char* name : {"SelectAll", "Clear", "OkButton"}) findChild<QPushButton*>(name)->setEnabled(!lines_.empty());
    return true;
}

void TImport::OkClick() {
    std::vector<std::string> items;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected())
            items.push_back(lines_[static_cast<std::size_t>(list_->item(i)->data(Qt::UserRole).toInt())]);
    EditorGrid filled = grid_;
    const Outcome outcome =
        crossword_ ? ImportIntoGrid(filled, items, WordTextKind::WordsAndClues, std::string(1, kCrosswordJoin), prompter_)
                   : ImportIntoGrid(filled, items, Kind(), ToAnsi(sepChar_->text()), prompter_);
    if (outcome.IsRefused()) {
        ShowOutcome(*this, prompter_, outcome);
        return;
    }
    if (outcome.IsCancelled()) return;
    grid_ = filled;
    accept();
}

bool TImport::Run(const FormLook& look, EditorGrid& grid, Settings& settings, Prompter& prompter,
                  FileChooser& chooser, CrosswordReader readCrossword, QWidget* parent) {
    TImport dialog(look, grid, settings, prompter, chooser, std::move(readCrossword), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    grid = dialog.Grid();
    return true;
}

}  // namespace qf
