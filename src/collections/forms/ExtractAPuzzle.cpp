#include "collections/forms/ExtractAPuzzle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/forms/FormMessages.h"
#include "collections/CollectionOperations.h"
#include "collections/forms/TitleList.h"

namespace qf {

TExtractAPuzzle::TExtractAPuzzle(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                                 Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), openPath_(openPath), layoutsLibrary_(layoutsLibrary), prompter_(prompter) {
    setObjectName("ExtractAPuzzle");
    setWindowTitle("Extract Page Layout From Puzzle");

    auto* heading = new QLabel("Available Puzzles");
    heading->setObjectName("PuzzlesLabel");
    list_ = new QListWidget;
    list_->setObjectName(TitlePickControls::kList.text);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    FillTitleList(*list_, AllTitleRows(ListCollection(openPath)));
    heading->setBuddy(list_);

    extract_ = new QPushButton("&Extract");
    extract_->setObjectName("ExtractButton");
    extract_->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);

    if (list_->count() > 0) {
        list_->setCurrentRow(0);
        list_->item(0)->setSelected(true);
    } else {
        extract_->setEnabled(false);
    }
    connect(list_, &QListWidget::itemSelectionChanged, this, &TExtractAPuzzle::PuzzleListClick);
    connect(extract_, &QPushButton::clicked, this, &TExtractAPuzzle::ExtractButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(extract_);
    buttons->addWidget(cancel);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttons);
    SetDesignSize(QSize(360, 280));
    list_->setFocus();
}

void TExtractAPuzzle::PuzzleListClick() { extract_->setEnabled(!list_->selectedItems().isEmpty()); }

void TExtractAPuzzle::ExtractButtonClick() {
    const std::vector<std::int64_t> selected = SelectedSlots(*list_);
    if (selected.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(kNoPuzzlesForExport).Focus(TitlePickControls::kList));
        return;
    }
    failure_.Guard(*this, [&] {
        const Outcome outcome = ExtractLayout(openPath_, selected.front(), layoutsLibrary_);
        if (!outcome.IsDone()) {
            // Nothing was added; the user may pick another puzzle or cancel.
            ShowOutcome(*this, prompter_, outcome);
            return;
        }
        result_ = outcome;
        accept();
    });
}

Outcome TExtractAPuzzle::Run(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                             Prompter& prompter, QWidget* parent) {
    TExtractAPuzzle dialog(look, openPath, layoutsLibrary, prompter, parent);
    dialog.exec();
    dialog.failure_.ThrowIfHeld();
    return dialog.Result();
}

}  // namespace qf
