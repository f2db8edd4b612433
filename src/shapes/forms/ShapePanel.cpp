#include "shapes/forms/ShapePanel.h"

#include <algorithm>

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/TextHelpers.h"
#include "base/forms/AccessibleNames.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "shapes/ShapeDescription.h"
#include "shapes/ShapeTransfer.h"
#include "shapes/ShapeFiles.h"
#include "shapes/forms/DoShapes.h"
#include "shapes/forms/ShapeCanvas.h"
#include "shapes/forms/ShapePictures.h"

namespace qf {
namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr std::size_t kShapeNameCapacity = 50;

}  // namespace

TShapePanel::TShapePanel(ShapePanelInputs inputs, QWidget* parent) : QWidget(parent), in_(std::move(inputs)) {
    setObjectName("ShapePanel");
    box_ = new QListWidget;
    box_->setObjectName("ShapeBox");
    box_->setAccessibleName("Shapes");
    box_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(box_, &QListWidget::currentRowChanged, this, &TShapePanel::ShapeBoxClick);
    picture_ = new TShapeCanvas("LayoutImage", QSize(in_.pictureSide, in_.pictureSide));
    connect(picture_, &TShapeCanvas::NeedsPicture, this, &TShapePanel::DrawTheBox);

    struct Command {
        const char* name;
        const char* caption;
        void (TShapePanel::*handler)();
    };
    static constexpr Command kCommands[] = {
        {"NewShape", "&New", &TShapePanel::NewShapeClick},
        {"CopyShape", "C&opy", &TShapePanel::CopyShapeClick},
        {"ModifyShape", "&Modify", &TShapePanel::ModifyShapeClick},
        {"DeleteShape", "&Delete", &TShapePanel::DeleteShapeClick},
        {"ImportShape", "Im&port", &TShapePanel::ImportShapeClick},
        {"ExportShape", "Expo&rt", &TShapePanel::ExportShapeClick},
    };
    std::vector<ColumnItem> buttons;
    for (const Command& c : kCommands) {
        QPushButton* button = NamedButton(c.name, c.caption, FocusEnter::Passes);
        connect(button, &QPushButton::clicked, this, c.handler);
        buttons.push_back(button);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_, 1);
    layout->addWidget(picture_, 0, Qt::AlignTop);
    layout->addLayout(SideColumn(buttons));
    // The buttons are found once the layout has made them children.
    copy_ = findChild<QPushButton*>("CopyShape");
    modify_ = findChild<QPushButton*>("ModifyShape");
    delete_ = findChild<QPushButton*>("DeleteShape");
    DrawTheBox();
}

QWidget& TShapePanel::Form() { return *window(); }

void TShapePanel::Start() {
    RunCommand(in_.prompter, [&] {
        LoadInLayouts();
        LoadALayout();
        DrawTheBox();
    });
}

void TShapePanel::Lock() {
    locked_ = true;
    box_->setEnabled(false);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setEnabled(false);
}

void TShapePanel::LoadInLayouts() {
    if (in_.owner == ShapeListOwner::ModifyPuzzle && in_.puzzleShape) puzzleShape_ = in_.puzzleShape();
    list_ = LoadShapeList(in_.shapesLibrary, in_.owner, in_.settings.lastShape,
                          in_.owner == ShapeListOwner::ModifyPuzzle ? &puzzleShape_ : nullptr);
    ShowList(list_.selected);
    if (!list_.warning.Empty()) ShowMessage(Form(), in_.prompter, list_.warning);
}

void TShapePanel::ShowList(int row) {
    const QSignalBlocker quiet(box_);
    box_->clear();
    for (const ShapeEntry& entry : list_.items) {
        auto* item = new QListWidgetItem(FromAnsi(entry.text));
        item->setData(kValueRole, QVariant::fromValue<qint64>(entry.index));
        box_->addItem(item);
    }
    box_->setCurrentRow(row);
    EnableChoices();
}

// Copy, Modify and Delete need a chosen shape of the library.
void TShapePanel::EnableChoices() {
    if (locked_) return;
    const std::int64_t value = SelectedValue();
    copy_->setEnabled(value >= 0);
    modify_->setEnabled(value >= 0 && value != kCurrentPuzzleItem);
    delete_->setEnabled(value >= 0 && value != kCurrentPuzzleItem);
}

std::int64_t TShapePanel::SelectedValue() const {
    const QListWidgetItem* item = box_->currentItem();
    return item ? item->data(kValueRole).toLongLong() : -1;
}

void TShapePanel::LoadALayout() {
    const std::int64_t value = SelectedValue();
    if (value < 0) return;
    if (value == kCurrentPuzzleItem) {
        in_.currentShape = puzzleShape_;
    } else {
        const Outcome read = ReadShape(in_.shapesLibrary, value, in_.currentShape);
        if (!read.IsDone()) {
            ShowOutcome(Form(), in_.prompter, read);
            return;
        }
        if (in_.owner == ShapeListOwner::NewPuzzle) in_.settings.lastShape = static_cast<std::int32_t>(value);
    }
    EnableChoices();
}

void TShapePanel::DrawTheBox() {
    const QColor face = palette().color(QPalette::Window);
    const QSize size(in_.pictureSide, in_.pictureSide);
    // An empty list shows no shape, not the one it held before.
    const qreal ratio = picture_->devicePixelRatioF();
    picture_->SetPicture(list_.items.empty() ? ShapeThumbnail(ShapeRecord{}, size, face, ratio)
                                             : ShapeThumbnail(in_.currentShape, size, face, ratio));
    DescribePicture(*picture_, list_.items.empty() ? "No shape" : FromAnsi(ShapeDescription(in_.currentShape)));
}

void TShapePanel::SetShapeBoxIndex(std::int64_t index) {
    const QSignalBlocker quiet(box_);
    box_->setCurrentRow(RowOfValue(list_, index));
    EnableChoices();
}

void TShapePanel::ShapeBoxClick() {
    RunCommand(in_.prompter, [&] {
        LoadALayout();
        DrawTheBox();
    });
}

void TShapePanel::Design(ShapeDesignMode mode, std::int64_t recordIndex) {
    const Outcome saved = TDoShapes::Run(
        DoShapesInputs{in_.look, mode, in_.currentShape, recordIndex, in_.shapesLibrary, in_.prompter}, &Form());
    if (!saved.IsDone()) return;  // the list stays as it was
    LoadInLayouts();
    SetShapeBoxIndex(saved.index);
    LoadALayout();
    DrawTheBox();
}

void TShapePanel::NewShapeClick() {
    RunCommand(in_.prompter, [&] { Design(ShapeDesignMode::New, -1); });
}

void TShapePanel::CopyShapeClick() {
    if (SelectedValue() < 0) return;
    RunCommand(in_.prompter, [&] {
        in_.currentShape.name = MakeCopyName(in_.currentShape.name.Str(), kShapeNameCapacity);
        Design(ShapeDesignMode::Copy, -1);
    });
}

void TShapePanel::ModifyShapeClick() {
    const std::int64_t index = SelectedValue();
    if (index < 0 || index == kCurrentPuzzleItem) return;
    RunCommand(in_.prompter, [&] { Design(ShapeDesignMode::Modify, index); });
}

void TShapePanel::DeleteShapeClick() {
    const int row = box_->currentRow();
    const std::int64_t index = SelectedValue();
    if (row < 0 || index == kCurrentPuzzleItem) return;
    const Message question = WarningMessage(
        "Are you sure you want to delete \"" + ToAnsi(box_->currentItem()->text()) + "\"?", kCaptionDeleteQ);
    if (in_.prompter.Ask(question, Question::YesNo) != Answer::Yes) return;
    RunCommand(in_.prompter, [&] {
        const Outcome deleted = DeleteShape(in_.shapesLibrary, index);
        if (!deleted.IsDone()) {
            ShowOutcome(Form(), in_.prompter, deleted);
            return;
        }
        // "Last Shape" follows its record; when it was the deleted one the first item takes its
        // place, shown selected and said.
        const std::int64_t last = LastShapeAfterDelete(in_.settings.lastShape, index);
        in_.settings.lastShape = static_cast<std::int32_t>(std::max<std::int64_t>(last, 0));
        LoadInLayouts();
        if (list_.items.empty()) {
            in_.currentShape = ShapeRecord{};  // nothing to build in: Create says so
            ShowList(-1);
            DrawTheBox();
            return;
        }
        const auto first = std::find_if(list_.items.begin(), list_.items.end(),
                                        [](const ShapeEntry& e) { return e.index != kCurrentPuzzleItem; });
        const bool fellBack = last < 0 && first != list_.items.end();
        ShowList(fellBack ? static_cast<int>(first - list_.items.begin()) : RowAfterDelete(row, list_.items.size()));
        LoadALayout();
        DrawTheBox();
        if (fellBack) {
            in_.settings.lastShape = static_cast<std::int32_t>(first->index);
            ShowMessage(Form(), in_.prompter, StartShapeFellBack(first->text));
        }
    });
}

void TShapePanel::ImportShapeClick() {
    RunCommand(in_.prompter, [&] {
        const Outcome imported =
            ImportShapeCommand(in_.settings, in_.fileChooser, in_.shapesLibrary, in_.currentShape);
        if (!imported.IsDone()) {
            ShowOutcome(Form(), in_.prompter, imported);
            return;
        }
        LoadInLayouts();
        SetShapeBoxIndex(imported.index);
        DrawTheBox();  // the imported shape is the current one already
    });
}

void TShapePanel::ExportShapeClick() {
    const std::int64_t index = SelectedValue();
    if (index < 0) {
        ShowMessage(Form(), in_.prompter, ErrorMessage(kNoShapeSelected));
        return;
    }
    if (index == kCurrentPuzzleItem) return;  // not a shape of the library
    RunCommand(in_.prompter, [&] {
        ShowOutcome(Form(), in_.prompter,
                    ExportShapeCommand(in_.settings, in_.fileChooser, in_.shapesLibrary, index, in_.currentShape));
    });
}

}  // namespace qf
