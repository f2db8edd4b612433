// The word list editor's word tools: text import and export, the spelling check, the thesaurus,
// manual word addition and the international character keys.
#include <QAction>
#include <QPushButton>
#include <QTableWidget>

#include "base/Directories.h"
#include "base/TextHelpers.h"
#include "base/forms/FormMessages.h"
#include "editor/SpellCheck.h"
#include "base/forms/SendAltCode.h"
#include "editor/forms/ChooseSpellCheck.h"
#include "editor/forms/ChooseThesCheck.h"
#include "editor/forms/DoIntChars.h"
#include "editor/forms/Import.h"
#include "editor/forms/ManualAdd.h"
#include "editor/forms/MyExport.h"
#include "editor/forms/SpellSuggestions.h"
#include "editor/forms/ThesSuggestions.h"
#include "editor/forms/WordList.h"

namespace qf {

void TWordList::ConnectWordTools() {
    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("ImportClue"), &QPushButton::clicked, this, &TWordList::ImportClueClick);
    connect(button("ExportClue"), &QPushButton::clicked, this, &TWordList::ExportClueClick);
    connect(button("SpellClue"), &QPushButton::clicked, this, &TWordList::SpellClueClick);
    connect(button("Thes"), &QPushButton::clicked, this, &TWordList::ThesClick);
    connect(button("IntCharButton"), &QPushButton::clicked, this, &TWordList::IntCharButtonClick);
    // F1 to F12 act wherever the focus is inside the editor, also in a cell being edited.
    for (int k = 0; k < kIntKeyCount; ++k) {
        auto* key = new QAction(this);
        key->setObjectName(QString("N%11").arg(k + 1));
        key->setShortcut(QKeySequence(static_cast<int>(Qt::Key_F1) + k));
        key->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(key, &QAction::triggered, this, [this, k] { IntKeyClick(k); });
        addAction(key);
    }
    connect(button("AddWordsButton"), &QPushButton::clicked, this, &TWordList::AddWordsButtonClick);
}

void TWordList::ImportClueClick() {
    EditorGrid grid = Grid();
    if (TImport::Run(Look(), grid, in_.settings, in_.prompter, in_.fileChooser, in_.tools.readCrossword, this)) SetGrid(grid);
}

void TWordList::ExportClueClick() {
    TMyExport::Run(Look(), Grid(), in_.isNewPuzzle, in_.settings, in_.prompter, in_.fileChooser, this);
}

void TWordList::SpellClueClick() {
    if (in_.settings.dictionary != kChooseSpellLanguage) {
        DoSpellCheck(in_.settings.dictionary);
        return;
    }
    std::vector<bool> available(in_.tools.spelling.begin(), in_.tools.spelling.end());
    TChooseSpellCheck chooser(Look(), available, in_.settings, this);
    // The setting stays "choose": the picked language serves this one check.
    if (const auto language = chooser.Choose()) DoSpellCheck(*language == 0 ? kChooseSpellLanguage : *language);
}

void TWordList::DoSpellCheck(int language) {
    SpellCheckOptions options;
    options.programDir = in_.tools.programDir;
    options.language = language;
    options.userLists = in_.tools.userLists;
    options.isNewPuzzle = in_.isNewPuzzle;
    options.userDir = in_.tools.userDir;
    EditorGrid grid = Grid();
    TSpellSuggestions dialog(Look(), in_.prompter, this);
    // The check reports its own outcome. A refused one (no lexicons) changed nothing; any other,
    // even one cut short by a file error, keeps the replacements the user accepted.
    bool refused = false;
    RunCommand(in_.prompter, [&] { refused = qf::DoSpellCheck(grid, options, dialog, in_.prompter).IsRefused(); });
    if (!refused) SetGrid(grid);
}

void TWordList::ThesClick() {
    const int row = grid_->currentRow() + 1;
    if (row <= 0) return;
    if (in_.settings.thesaurus != kChooseThesaurus) {
        DoThesCheck(in_.settings.thesaurus, row);
        return;
    }
    std::vector<bool> available(in_.tools.thesaurus.begin(), in_.tools.thesaurus.end());
    TChooseThesCheck chooser(Look(), available, in_.settings, this);
    if (const auto language = chooser.Choose()) DoThesCheck(*language == 0 ? kChooseThesaurus : *language, row);
}

void TWordList::DoThesCheck(int language, int row) {
    const char* file = ThesaurusFileName(language);
    const std::string path = file ? JoinPath(in_.tools.programDir, file) : std::string();
    EditorGrid grid = Grid();
    const auto r = static_cast<std::size_t>(row - 1);
    TThesSuggestions dialog(Look(), path, TrimBlanks(grid.words[r]), in_.prompter, this);
    if (const auto synonym = dialog.Choose()) {
        grid.clues[r] = *synonym;
        SetGrid(grid);
    }
}

// On the record as opened, without the changes typed since; those stay in their rows, which
// follow their words to the slots the renumbering gave them.
void TWordList::AddWordsButtonClick() {
    const PuzzleRecord opened = in_.working;
    SlotOrigins origins;
    ManualAddInputs inputs{Look(), 2, opened, in_.working, in_.editRecordIndex, in_.collection, in_.settings, in_.prompter, {}, &origins};
    if (!TManualAdd::Run(std::move(inputs), this)) return;
    // What was just stored is the puzzle as saved: Exit asks only about changes made after it.
    if (snapshot_) *snapshot_ = in_.working;
    SetGrid(RowsAfterAddition(Grid(), in_.working, origins));
}

void TWordList::IntCharButtonClick() { TDoIntChars::Run(Look(), in_.settings.intKeys, this); }

void TWordList::IntKeyClick(int key) { (void)SendAltCode(in_.settings.intKeys[static_cast<std::size_t>(key)]); }

}  // namespace qf
