#include "layouts/forms/ListPages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "layouts/LayoutTransfer.h"
#include "layouts/forms/DoPages.h"
#include "layouts/forms/PageBox.h"
#include "output/LayoutThumbnail.h"

namespace qf {
namespace {

// The colour legend under the thumbnail.
QGridLayout* Legend() {
    const std::pair<const char*, ObjectKind> kItems[] = {
        {"Puzzle", ObjectKind::Puzzle}, {"Across", ObjectKind::AcrossClues}, {"Down", ObjectKind::DownClues},
        {"Title", ObjectKind::Title},   {"Bonus", ObjectKind::BonusQuestion}, {"Text, Shapes", ObjectKind::Text},
        {"Words", ObjectKind::WordList}};
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, kind] : kItems) {
        auto* swatch = new QLabel;
        swatch->setFixedSize(12, 12);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, ThumbnailColor(kind));
        swatch->setPalette(palette);
        swatch->setFrameShape(QFrame::Box);
        grid->addWidget(swatch, row, 0);
        grid->addWidget(new QLabel(caption), row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

}  // namespace

TListPages::TListPages(ListPagesInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(std::move(inputs)) {
    setObjectName("ListPages");
    setWindowTitle("Puzzle Page Layouts");

    list_ = new QListWidget;
    list_->setObjectName(LayoutListControls::kList.text);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QLabel* heading = BuddyLabel("Page Layouts", list_);
    pageBox_ = new TPageBox;
    pageBox_->setFixedSize(130, 168);

    // The buttons are the dialog's own from the start: they come first in the tab order.
    auto* buttons = new QGridLayout;
    const auto add = [&](int row, int column, const char* name, const char* caption) {
        QPushButton* button = NamedButton(name, caption, FocusEnter::Passes, this);
        buttons->addWidget(button, row, column);
        return button;
    };
    QPushButton* select = add(0, 0, "SelectButton", "&Select");
    QPushButton* exit = add(0, 1, "ExitButton", "E&xit");
    QPushButton* importButton = add(1, 0, "ImportButton", "&Import");
    QPushButton* exportButton = add(1, 1, "ExportButton", "&Export");
    QPushButton* modify = add(2, 0, "ModifyButton", "&Modify");
    QPushButton* copy = add(2, 1, "CopyButton", "&Copy");
    QPushButton* erase = add(3, 0, "DeleteButton", "&Delete");
    QPushButton* newButton = add(3, 1, "NewButton", "&New");
    QPushButton* setDefault = add(4, 0, "DefaultButton", "Set De&fault");
    QPushButton* extract = add(4, 1, "ExtractButton", "Ex&tract");

    connect(list_, &QListWidget::currentRowChanged, this, [this] { DrawSelected(); });
    connect(list_, &QListWidget::itemSelectionChanged, this, &TListPages::EnableButtons);
    connect(select, &QPushButton::clicked, this, &TListPages::SelectClick);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(importButton, &QPushButton::clicked, this, &TListPages::ImportClick);
    connect(exportButton, &QPushButton::clicked, this, &TListPages::ExportClick);
    connect(modify, &QPushButton::clicked, this, &TListPages::ModifyClick);
    connect(copy, &QPushButton::clicked, this, &TListPages::CopyClick);
    connect(erase, &QPushButton::clicked, this, &TListPages::DeleteClick);
    connect(newButton, &QPushButton::clicked, this, &TListPages::NewClick);
    connect(setDefault, &QPushButton::clicked, this, &TListPages::DefaultClick);
    connect(extract, &QPushButton::clicked, this, &TListPages::ExtractClick);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);
    listColumn->addLayout(buttons);

    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(pageBox_);
    pictureColumn->addLayout(Legend());
    pictureColumn->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(pictureColumn);
    SetDesignSize(QSize(470, 330));
    EnableButtons();
}

TListPages::~TListPages() = default;

void TListPages::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous() || shownOnce_) return;
    shownOnce_ = true;
    LoadList(0);
}

void TListPages::LoadListAt(std::int64_t position) { LoadList(-1, position); }

void TListPages::LoadList(int row, std::int64_t position) {
    RunCommand(in_.prompter, [&] {
        entries_.clear();
        entries_ = ListLayouts(in_.layoutsLibrary, in_.settings.defaultPage);
        if (position >= 0) row = RowOfPosition(position);
        const QSignalBlocker quiet(list_);
        list_->clear();
        for (const LayoutEntry& entry : entries_) list_->addItem(FromAnsi(entry.text));
        if (entries_.empty()) {
            pageBox_->Clear();
            EnableButtons();
            ShowMessage(*this, in_.prompter, WarningMessage(kNoLayoutsFound));
            return;
        }
        const int last = static_cast<int>(entries_.size()) - 1;
        list_->setCurrentRow(row < 0 ? 0 : (row > last ? last : row));
    });
    EnableButtons();
    DrawSelected();
}

int TListPages::RowOfPosition(std::int64_t position) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].position == position) return static_cast<int>(i);
    return static_cast<int>(entries_.size()) - 1;
}

void TListPages::EnableButtons() {
    const bool any = !entries_.empty();
    const bool selected = any && list_->currentRow() >= 0 && !list_->selectedItems().isEmpty();
    findChild<QPushButton*>("SelectButton")->setEnabled(in_.mode != ListPagesMode::Manage && selected);
    for (const char* name : {"DeleteButton", "CopyButton", "ModifyButton", "ExportButton"})
        findChild<QPushButton*>(name)->setEnabled(any);
    findChild<QPushButton*>("ExtractButton")->setEnabled(static_cast<bool>(in_.extract));
}

// Reads and draws the selected layout; a layout that cannot be read leaves the picture empty.
void TListPages::DrawSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size())) {
        pageBox_->Clear();
        return;
    }
    RunCommand(in_.prompter, [&] {
        auto layout = std::make_unique<PageLayoutRecord>();
        if (ReadLayout(in_.layoutsLibrary, entries_[static_cast<std::size_t>(row)].position, *layout).IsDone())
            pageBox_->SetLayout(*layout);
        else
            pageBox_->Clear();
    });
}

const LayoutEntry* TListPages::Selected(const char* refusal) {
    const int row = list_->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size()) || list_->selectedItems().isEmpty()) {
        ShowMessage(*this, in_.prompter, ErrorMessage(refusal).Focus(LayoutListControls::kList));
        return nullptr;
    }
    return &entries_[static_cast<std::size_t>(row)];
}

void TListPages::SelectClick() {
    if (in_.mode == ListPagesMode::Manage) return;
    const LayoutEntry* entry = Selected(kNoLayoutChosen);
    if (!entry) return;
    RunCommand(in_.prompter, [&] {
        auto layout = std::make_unique<PageLayoutRecord>();
        const Outcome read = ReadLayout(in_.layoutsLibrary, entry->position, *layout);
        if (!read.IsDone()) {
            ShowOutcome(*this, in_.prompter, read);
            return;
        }
        chosen_ = std::move(layout);
        accept();
    });
}

void TListPages::OpenDesigner(int mode) {
    const auto designMode = static_cast<PageDesignMode>(mode);
    RunCommand(in_.prompter, [&] {
        auto source = std::make_unique<PageLayoutRecord>();
        std::int64_t position = -1;
        if (designMode != PageDesignMode::New) {
            const LayoutEntry* entry = Selected(kNoLayoutSelected);
            if (!entry) return;
            position = entry->position;
            const Outcome read = ReadLayout(in_.layoutsLibrary, position, *source);
            if (!read.IsDone()) {
                ShowOutcome(*this, in_.prompter, read);
                return;
            }
        }
        DoPagesInputs designer{Look(),         designMode,         source.get(),       position,
                               in_.settings,   in_.layoutsLibrary, in_.programDir,     in_.prompter,
                               in_.fileChooser, in_.fontChooser,   in_.colorChooser};
        const Outcome saved = TDoPages::Run(designer, this);
        if (!saved.IsDone()) return;
        // Modify keeps its place; New and Copy were appended.
        LoadListAt(designMode == PageDesignMode::Modify ? position : saved.index);
    });
}

void TListPages::NewClick() { OpenDesigner(static_cast<int>(PageDesignMode::New)); }
void TListPages::ModifyClick() { OpenDesigner(static_cast<int>(PageDesignMode::Modify)); }
void TListPages::CopyClick() { OpenDesigner(static_cast<int>(PageDesignMode::Copy)); }

void TListPages::DeleteClick() {
    const LayoutEntry* entry = Selected(kNoLayoutSelected);
    if (!entry) return;
    if (in_.prompter.Ask(DeleteLayoutQuestion(entry->text), Question::YesNo) != Answer::Yes) return;
    const int row = list_->currentRow();
    RunCommand(in_.prompter, [&] {
        const Outcome deleted = DeleteLayoutKeepingDefault(in_.layoutsLibrary, entry->position, in_.settings.defaultPage);
        if (!deleted.IsDone()) {
            ShowOutcome(*this, in_.prompter, deleted);
            return;
        }
        LoadList(row);
        if (!deleted.message.Empty()) ShowMessage(*this, in_.prompter, deleted.message);
    });
}

void TListPages::DefaultClick() {
    const LayoutEntry* entry = Selected(kNoLayoutSelected);
    if (!entry) return;
    const int row = list_->currentRow();
    in_.settings.defaultPage = static_cast<std::int32_t>(entry->position);
    LoadList(row);
}

void TListPages::ImportClick() {
    RunCommand(in_.prompter, [&] {
        const Outcome imported = ImportLayoutCommand(in_.settings, in_.fileChooser, in_.layoutsLibrary);
        if (!imported.IsDone()) {
            ShowOutcome(*this, in_.prompter, imported);
            return;
        }
        LoadListAt(imported.index);
    });
}

void TListPages::ExportClick() {
    const LayoutEntry* entry = Selected(kNoLayoutSelected);
    if (!entry) return;
    RunCommand(in_.prompter, [&] {
        ShowOutcome(*this, in_.prompter,
                    ExportLayoutCommand(in_.settings, in_.fileChooser, in_.layoutsLibrary, entry->position));
    });
}

void TListPages::ExtractClick() {
    if (!in_.extract) return;
    RunCommand(in_.prompter, [&] {
        const Outcome extracted = in_.extract();
        if (extracted.IsDone()) LoadListAt(extracted.index);
    });
}

std::optional<PageLayoutRecord> TListPages::Run(ListPagesInputs inputs, QWidget* parent) {
    TListPages chooser(std::move(inputs), parent);
    chooser.exec();
    if (!chooser.Chosen()) return std::nullopt;
    return *chooser.Chosen();
}

std::function<bool(PageLayoutRecord&)> TListPages::Chooser(std::function<ListPagesInputs()> inputs,
                                                            QWidget* parent) {
    return [inputs = std::move(inputs), parent](PageLayoutRecord& layout) {
        TListPages chooser(inputs(), parent);
        chooser.exec();
        if (!chooser.Chosen()) return false;
        layout = *chooser.Chosen();
        return true;
    };
}

}  // namespace qf
