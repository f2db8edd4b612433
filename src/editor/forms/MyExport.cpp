#include "editor/forms/MyExport.h"

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
#include "editor/forms/WordToolControls.h"

namespace qf {

TMyExport::TMyExport(const FormLook& look, const EditorGrid& grid, bool isNewPuzzle, Settings& settings,
                     Prompter& prompter, FileChooser& chooser, QWidget* parent)
    : ProgramDialog(look, parent),
      grid_(grid),
      isNewPuzzle_(isNewPuzzle),
      settings_(settings),
      prompter_(prompter),
      chooser_(chooser) {
    setObjectName("MyExport");
    setWindowTitle("Export");
    list_ = ToggleList("ListBox1");
    list_->setAccessibleName("Words to export");
    kinds_[0] = ToolRadio("AsWords", "&Words");
    kinds_[1] = ToolRadio("AsClues", "&Clues");
    kinds_[2] = ToolRadio("AsWordsAndClues", "Words &And Clues");
    sepChar_ = SeparatorEdit(settings.sepChar);
    sepLabel_ = SeparatorLabel(sepChar_);
    QPushButton* all = NamedButton("SelectAll", "&Select All", FocusEnter::Passes);
    QPushButton* clear = NamedButton("Clear", "C&lear", FocusEnter::Passes);
    QPushButton* used = NamedButton("SelectUsed", "Select &Used", FocusEnter::Passes);
    saveFile_ = NamedButton("SaveFile", "Save &File", FocusEnter::Passes);
    QPushButton* exitButton = NamedButton("ExitButton", "&Exit", FocusEnter::Passes);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(SideColumn(
        {kinds_[0], kinds_[1], kinds_[2], SeparatorRow(sepLabel_, sepChar_), Gap{8}, all, clear, used},
        {saveFile_, exitButton}));

    for (int k = 0; k < 3; ++k)
        connect(kinds_[k], &QRadioButton::clicked, this, [this, k] { KindClick(static_cast<WordTextKind>(k + 1)); });
    connect(sepChar_, &QLineEdit::textChanged, this, &TMyExport::SepCharChange);
    connect(list_, &QListWidget::itemClicked, this, &TMyExport::ListBox1Click);
    connect(all, &QPushButton::clicked, this, [this] {
        SelectAllItems(*list_, true);
        saveFile_->setEnabled(true);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        SelectAllItems(*list_, false);
        saveFile_->setEnabled(false);
    });
    connect(used, &QPushButton::clicked, this, &TMyExport::SelectUsedClick);
    connect(saveFile_, &QPushButton::clicked, this, &TMyExport::SaveFileClick);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
    SetDesignSize(QSize(600, 340));
}

void TMyExport::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    const int option = settings_.exportOption;
    if (option >= 1 && option <= 3) {
        kinds_[option - 1]->setChecked(true);
        FillList(static_cast<WordTextKind>(option));
    }
    ShowSeparator(*sepLabel_, *sepChar_, option == 3);
    saveFile_->setEnabled(false);
    if (isNewPuzzle_) findChild<QPushButton*>("SelectUsed")->setEnabled(false);
}

WordTextKind TMyExport::Kind() const {
    for (int k = 0; k < 3; ++k)
        if (kinds_[k]->isChecked()) return static_cast<WordTextKind>(k + 1);
    return WordTextKind::Words;
}

void TMyExport::KindClick(WordTextKind kind) {
    settings_.exportOption = static_cast<int>(kind);
    ShowSeparator(*sepLabel_, *sepChar_, kind == WordTextKind::WordsAndClues);
    FillList(kind);
}

// The list is filled anew, nothing selected.
void TMyExport::FillList(WordTextKind kind) {
    items_ = ExportItems(grid_, kind, ToAnsi(sepChar_->text()));
    list_->clear();
    for (const ExportItem& item : items_) list_->addItem(FromAnsi(item.text));
    saveFile_->setEnabled(false);
}

void TMyExport::SepCharChange(const QString& text) {
    if (kinds_[2]->isChecked()) FillList(WordTextKind::WordsAndClues);
    const std::string typed = ToAnsi(text);
    if (!typed.empty()) settings_.sepChar = typed.front();
}

void TMyExport::ListBox1Click() { saveFile_->setEnabled(SelectedCount(*list_) > 0); }

void TMyExport::SelectUsedClick() {
    bool any = false;
    for (int i = 0; i < list_->count(); ++i) {
        const bool used = items_[static_cast<std::size_t>(i)].used;
        list_->item(i)->setSelected(used);
        any = any || used;
    }
    if (any) saveFile_->setEnabled(true);
}

void TMyExport::SaveFileClick() {
    std::vector<std::string> lines;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->isSelected()) lines.push_back(items_[static_cast<std::size_t>(i)].text);
    if (lines.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(kNoWordsSelectedForOutput));
        return;
    }
    const std::string path = chooser_.Choose(ExportWordListRequest(settings_));
    if (path.empty()) return;
    settings_.lastExportWordFile = path;
    RunCommand(prompter_, [&] {
        const Outcome written = WriteExportFile(path, lines);
        if (written.IsRefused()) {
            ShowOutcome(*this, prompter_, written);
            return;
        }
        accept();
    });
}

void TMyExport::Run(const FormLook& look, const EditorGrid& grid, bool isNewPuzzle, Settings& settings,
                    Prompter& prompter, FileChooser& chooser, QWidget* parent) {
    TMyExport dialog(look, grid, isNewPuzzle, settings, prompter, chooser, parent);
    dialog.exec();
}

}  // namespace qf
