#include "collections/forms/ExportPuzzles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormMessages.h"
#include "collections/CollectionFileChoices.h"
#include "collections/CollectionOperations.h"
#include "collections/forms/TitleList.h"

namespace qf {
namespace {

QPushButton* MakeButton(const char* name, const char* caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TExportPuzzles::TExportPuzzles(const FormLook& look, const std::string& openPath, Settings& settings,
                               FileChooser& chooser, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent),
      openPath_(openPath),
      settings_(settings),
      chooser_(chooser),
      prompter_(prompter),
      listing_(ListCollection(openPath)) {
    setObjectName("ExportPuzzles");
    setWindowTitle("Export Crossword Puzzles");

    auto* heading = new QLabel("Puzzles Available For Export");
    heading->setObjectName("PuzzlesLabel");
    list_ = new QListWidget;
    list_->setObjectName(TitlePickControls::kList.text);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);  // each click toggles its row
    FillTitleList(*list_, AllTitleRows(listing_));
    heading->setBuddy(list_);

    auto* selectAll = MakeButton("SelectAllButton", "&Select All");
    auto* clearAll = MakeButton("ClearAllButton", "C&lear All");
    saveFile_ = MakeButton("SaveFileButton", "Save &File");
    saveFile_->setDefault(true);
    saveFile_->setEnabled(false);
    auto* exit = MakeButton("ExitButton", "&Exit");

    connect(selectAll, &QPushButton::clicked, this, &TExportPuzzles::SelectAllClick);
    connect(clearAll, &QPushButton::clicked, this, &TExportPuzzles::ClearAllClick);
    connect(list_, &QListWidget::itemSelectionChanged, this, &TExportPuzzles::PuzzleListClick);
    connect(saveFile_, &QPushButton::clicked, this, &TExportPuzzles::SaveFileClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();
    buttons->addWidget(saveFile_);
    buttons->addWidget(exit);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttons);
    SetDesignSize(QSize(400, 300));
    list_->setFocus();
}

void TExportPuzzles::SelectAllClick() {
    list_->selectAll();
    saveFile_->setEnabled(true);
}

void TExportPuzzles::ClearAllClick() {
    list_->clearSelection();
    saveFile_->setEnabled(false);
}

void TExportPuzzles::PuzzleListClick() { saveFile_->setEnabled(!list_->selectedItems().isEmpty()); }

void TExportPuzzles::SaveFileClick() {
    const std::vector<std::int64_t> selected = SelectedSlots(*list_);
    if (selected.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(kNoPuzzlesForExport).Focus(TitlePickControls::kList));
        return;
    }
    failure_.Guard(*this, [&] {
        const std::string target = chooser_.Choose(ExportPuzzlesRequest(settings_));
        if (!target.empty()) {
            settings_.lastExportPuzzleFile = target;
            result_ = ExportPuzzles(openPath_, SlotsInListOrder(listing_, selected), target);
            ShowOutcome(*this, prompter_, result_);
        }
        // Written, refused or cancelled: the dialog closes after every save.
        accept();
    });
}

Outcome TExportPuzzles::Run(const FormLook& look, const std::string& openPath, Settings& settings,
                            FileChooser& chooser, Prompter& prompter, QWidget* parent) {
    TExportPuzzles dialog(look, openPath, settings, chooser, prompter, parent);
    dialog.exec();
    dialog.failure_.ThrowIfHeld();
    return dialog.Result();
}

}  // namespace qf
