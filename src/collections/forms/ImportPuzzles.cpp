#include "collections/forms/ImportPuzzles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
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

TImportPuzzles::TImportPuzzles(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                               Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent),
      chosenPath_(chosenPath),
      openPath_(openPath),
      prompter_(prompter),
      listing_(ListCollection(chosenPath)) {
    setObjectName("ImportPuzzles");
    setWindowTitle("Import Crossword Puzzles");

    auto* fileName = new QLabel(FromAnsi("File Name: " + chosenPath));
    fileName->setObjectName("FileNameLabel");
    fileName->setTextFormat(Qt::PlainText);
    fileName->setWordWrap(true);  // a long path breaks at its separators rather than widen the dialog

    auto* heading = new QLabel("Puzzles in File");
    heading->setObjectName("PuzzlesLabel");
    list_ = new QListWidget;
    list_->setObjectName(TitlePickControls::kList.text);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);  // each click toggles its row
    FillTitleList(*list_, AllTitleRows(listing_));
    heading->setBuddy(list_);

    auto* selectAll = MakeButton("SelectAllButton", "&Select All");
    auto* clearAll = MakeButton("ClearAllButton", "C&lear All");
    ok_ = MakeButton("OkButton", "&Ok");
    ok_->setDefault(true);
    ok_->setEnabled(false);
    auto* cancel = MakeButton("CancelButton", "&Cancel");

    connect(selectAll, &QPushButton::clicked, this, &TImportPuzzles::SelectAllClick);
    connect(clearAll, &QPushButton::clicked, this, &TImportPuzzles::ClearAllClick);
    connect(list_, &QListWidget::itemSelectionChanged, this, &TImportPuzzles::PuzzleListClick);
    connect(ok_, &QPushButton::clicked, this, &TImportPuzzles::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);

    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 1);
    body->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileName);
    layout->addLayout(body, 1);
    SetDesignSize(QSize(400, 320));
    list_->setFocus();
}

void TImportPuzzles::SelectAllClick() {
    list_->selectAll();
    ok_->setEnabled(true);
}

void TImportPuzzles::ClearAllClick() {
    list_->clearSelection();
    ok_->setEnabled(false);
}

void TImportPuzzles::PuzzleListClick() { ok_->setEnabled(!list_->selectedItems().isEmpty()); }

void TImportPuzzles::OkButtonClick() {
    const std::vector<std::int64_t> selected = SelectedSlots(*list_);
    if (selected.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(kNoPuzzlesForImport).Focus(TitlePickControls::kList));
        return;
    }
    failure_.Guard(*this, [&] {
        const Outcome outcome = ImportPuzzles(chosenPath_, openPath_, SlotsInListOrder(listing_, selected));
        ShowOutcome(*this, prompter_, outcome);
        result_ = outcome;
        // Imported or refused, the dialog has done its part.
        accept();
    });
}

Outcome TImportPuzzles::Run(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                            Prompter& prompter, QWidget* parent) {
    TImportPuzzles dialog(look, chosenPath, openPath, prompter, parent);
    dialog.exec();
    dialog.failure_.ThrowIfHeld();
    return dialog.Result();
}

}  // namespace qf
