#include "collections/forms/TitlePicker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "base/forms/FormMessages.h"
#include "collections/CollectionOperations.h"
#include "collections/forms/TitleList.h"

namespace qf {

TTitlePicker::TTitlePicker(const FormLook& look, const TitlePickerShape& shape, CollectionListing listing,
                           Prompter& prompter, const QString& fileName, QWidget* parent)
    : ProgramDialog(look, parent), prompter_(prompter), noneSelected_(shape.noneSelected), listing_(std::move(listing)) {
    setObjectName(shape.name);
    setWindowTitle(shape.title);

    QLabel* heading = NamedLabel("PuzzlesLabel", shape.heading);
    list_ = new QListWidget;
    list_->setObjectName(TitlePickControls::kList.text);
    // Where several may be picked, each click toggles its row.
    list_->setSelectionMode(shape.several ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    FillTitleList(*list_, AllTitleRows(listing_));
    heading->setBuddy(list_);

    action_ = DefaultButton(shape.action.name, shape.action.caption, shape.action.enter);
    QPushButton* leave = NamedButton(shape.leave.name, shape.leave.caption, shape.leave.enter);
    QVBoxLayout* buttons = nullptr;
    if (shape.several) {
        QPushButton* selectAll = NamedButton("SelectAllButton", "&Select All", FocusEnter::Passes);
        QPushButton* clearAll = NamedButton("ClearAllButton", "C&lear All", FocusEnter::Passes);
        connect(selectAll, &QPushButton::clicked, this, &TTitlePicker::SelectAllClick);
        connect(clearAll, &QPushButton::clicked, this, &TTitlePicker::ClearAllClick);
        buttons = SideColumn({selectAll, clearAll}, {action_, leave});
    } else {
        // A single pick starts on the first title.
        if (list_->count() > 0) {
            list_->setCurrentRow(0);
            list_->item(0)->setSelected(true);
        }
        buttons = SideColumn({}, {action_, leave});
    }
    PuzzleListClick();
    connect(list_, &QListWidget::itemSelectionChanged, this, &TTitlePicker::PuzzleListClick);
    connect(action_, &QPushButton::clicked, this, &TTitlePicker::ActionClick);
    connect(leave, &QPushButton::clicked, this, &QDialog::reject);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);
    listColumn_ = listColumn;

    if (!fileName.isEmpty()) {
        // A long path breaks at its separators rather than widen the dialog.
        QLabel* above = NoticeLabel("FileNameLabel", fileName);
        auto* body = new QHBoxLayout;
        body->addLayout(listColumn, 1);
        body->addLayout(buttons);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(above);
        layout->addLayout(body, 1);
    } else {
        auto* layout = new QHBoxLayout(this);
        layout->addLayout(listColumn, 1);
        layout->addLayout(buttons);
    }
    SetDesignSize(shape.designSize);
    list_->setFocus();
}

void TTitlePicker::AddUnderList(QLayout* controls) { listColumn_->addLayout(controls); }

void TTitlePicker::SelectAllClick() {
    list_->selectAll();
    action_->setEnabled(true);
}

void TTitlePicker::ClearAllClick() {
    list_->clearSelection();
    action_->setEnabled(false);
}

void TTitlePicker::PuzzleListClick() { action_->setEnabled(!list_->selectedItems().isEmpty()); }

void TTitlePicker::ActionClick() {
    const std::vector<std::int64_t> picked = SelectedSlots(*list_);
    if (picked.empty()) {
        ShowMessage(*this, prompter_, ErrorMessage(noneSelected_).Focus(TitlePickControls::kList));
        return;
    }
    failure_.Guard(*this, [&] { Act(picked); });
}

void TTitlePicker::RunModal() {
    exec();
    failure_.ThrowIfHeld();
}

}  // namespace qf
