#include "shapes/forms/DoShapes.h"

#include <QAction>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QValidator>
#include <QVBoxLayout>
#include <iterator>
#include <optional>

#include "base/forms/AccessibleNames.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "shapes/ShapeDescription.h"
#include "shapes/forms/ShapeCanvas.h"
#include "shapes/forms/ShapePictures.h"

namespace qf {
namespace {

// The name edit takes 30 characters from the keyboard, yet keeps a longer name it was given
// (a copy's name may have grown by its number): typing that would lengthen a text past the
// limit is refused.
class NameLimit : public QValidator {
public:
    NameLimit(const QString& current, QObject* parent) : QValidator(parent), current_(current) {}
    State validate(QString& input, int&) const override {
        return input.size() > kShapeTitleLimit && input.size() > current_.size() ? Invalid : Acceptable;
    }

private:
    const QString& current_;
};

std::optional<ShapeMouseButton> MouseButtonOf(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return ShapeMouseButton::Left;
    if (button == Qt::RightButton) return ShapeMouseButton::Right;
    return std::nullopt;
}

}  // namespace

TDoShapes::TDoShapes(DoShapesInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent),
      in_(std::move(inputs)),
      design_(StartShapeDesign(in_.mode, in_.start, in_.recordIndex)) {
    setObjectName("DoShapes");
    setWindowTitle("Shape Creator");
    BuildControls();
    FillEdits();
    ShowHistory(false, false);
    DrawGrid();
    SetTabOrder();
    opened_ = design_;
}

// Cancel, Escape and the close button: a changed shape is not thrown away without asking.
bool TDoShapes::ConfirmLeave() {
    if (!ShapeDesignChanged(design_, opened_)) return true;
    switch (in_.prompter.Ask(WarningMessage(kShapeModified), Question::YesNoCancel)) {
        case Answer::Cancel: return false;
        case Answer::Yes: SaveButtonClick(); return false;  // a saved shape closes the designer
        case Answer::No: break;
    }
    return true;
}

void TDoShapes::BuildControls() {
    BuildCanvas();
    // Enter saves, as Save does, unless a focused button takes it for itself.
    QPushButton* save = DefaultButton("SaveButton", "&Save", FocusEnter::Passes);
    connect(save, &QPushButton::clicked, this, &TDoShapes::SaveButtonClick);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel", FocusEnter::Passes);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    QVBoxLayout* side = SideColumn({NameAndSize(), Gap{12}, NamedLabel("ShiftLabel", "Shift Grid"), ShiftArrows(),
                                    Gap{12}, NamedLabel("AdjustLabel", "Adjust Grid"), AdjustButtons(), Gap{12},
                                    NamedLabel("ToggleNote", "Left Click To Toggle"),
                                    NamedLabel("FillNote", "Right Click To Fill")},
                                   {ButtonRow({save, cancel}, RowAlign::Spread)});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(img_, 0, Qt::AlignTop);
    layout->addLayout(side);
    SetDesignSize(QSize(660, 425));
}

void TDoShapes::BuildCanvas() {
    img_ = new TShapeCanvas(ShapeCreatorControls::kShape.text, QSize(design_.pictureWidth, design_.pictureHeight));
    // The picture takes the focus, by Tab or a click, so that its keys reach it.
    img_->setFocusPolicy(Qt::StrongFocus);
    connect(img_, &TShapeCanvas::NeedsPicture, this, &TDoShapes::DrawGrid);
    connect(img_, &TShapeCanvas::Arrow, this, [this](int rows, int columns) { Apply(shapes::MoveCursor{rows, columns}); });
    connect(img_, &TShapeCanvas::Space, this, [this](bool shift) {
        if (shift)
            Apply(shapes::FillFrom{design_.cursor});
        else
            Apply(shapes::ToggleCell{design_.cursor});
    });
    connect(img_, &TShapeCanvas::Pressed, this, [this](Qt::MouseButton button, QPoint at) {
        if (const auto b = MouseButtonOf(button)) Apply(shapes::ImgMouseDown{*b, {at.x(), at.y()}});
    });
    connect(img_, &TShapeCanvas::Released, this, [this](Qt::MouseButton button, QPoint at) {
        if (const auto b = MouseButtonOf(button)) Apply(shapes::ImgMouseUp{*b, {at.x(), at.y()}});
    });
}

// The name, the width and the height.
QGridLayout* TDoShapes::NameAndSize() {
    titleEdit_ = new QLineEdit;
    titleEdit_->setObjectName("Title");
    widthEdit_ = new QLineEdit;
    widthEdit_->setObjectName(ShapeCreatorControls::kWidth.text);
    heightEdit_ = new QLineEdit;
    heightEdit_->setObjectName(ShapeCreatorControls::kHeight.text);
    for (QLineEdit* edit : {widthEdit_, heightEdit_}) {
        edit->setMaxLength(kShapeSizeEditLimit);
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("9999") + 12);
        edit->installEventFilter(this);
    }
    titleEdit_->setValidator(new NameLimit(title_, titleEdit_));
    connect(titleEdit_, &QLineEdit::textChanged, this, &TDoShapes::TitleChanged);
    connect(widthEdit_, &QLineEdit::textChanged, this, [this](const QString& t) { design_.widthText = ToAnsi(t); });
    connect(heightEdit_, &QLineEdit::textChanged, this, [this](const QString& t) { design_.heightText = ToAnsi(t); });

    auto* edits = new QGridLayout;
    edits->addWidget(NamedLabel("TitleLabel", "&Name", titleEdit_), 0, 0);
    edits->addWidget(titleEdit_, 0, 1, 1, 3);
    edits->addWidget(NamedLabel("WidthLabel", "&Width", widthEdit_), 1, 0);
    edits->addWidget(widthEdit_, 1, 1);
    edits->addWidget(NamedLabel("HeightLabel", "&Height", heightEdit_), 1, 2);
    edits->addWidget(heightEdit_, 1, 3);
    edits->setColumnStretch(4, 1);
    return edits;
}

// The four arrows that shift the drawing a cell.
QGridLayout* TDoShapes::ShiftArrows() {
    struct Shift {
        const char* name;
        const char* spoken;  // what a screen reader says for the arrow
        QStyle::StandardPixmap picture;
        ShiftDirection direction;
        int row, column;
    };
    static constexpr Shift kShifts[] = {
        {"UpButton", "Shift up", QStyle::SP_ArrowUp, ShiftDirection::Up, 0, 1},
        {"LeftButton", "Shift left", QStyle::SP_ArrowLeft, ShiftDirection::Left, 1, 0},
        {"RightButton", "Shift right", QStyle::SP_ArrowRight, ShiftDirection::Right, 1, 2},
        {"DownButton", "Shift down", QStyle::SP_ArrowDown, ShiftDirection::Down, 2, 1},
    };
    auto* arrows = new QGridLayout;
    for (const Shift& s : kShifts) {
        QPushButton* button = NamedButton(s.name, QString(), FocusEnter::Takes);
        button->setIcon(style()->standardIcon(s.picture));
        button->setAccessibleName(s.spoken);
        connect(button, &QPushButton::clicked, this, [this, d = s.direction] { Apply(shapes::Shift{d}); });
        arrows->addWidget(button, s.row, s.column);
    }
    return arrows;
}

QHBoxLayout* TDoShapes::AdjustButtons() {
    QPushButton* reverse = NamedButton("ReverseButton", "&Reverse", FocusEnter::Takes);
    connect(reverse, &QPushButton::clicked, this, [this] { Apply(shapes::Reverse{}); });
    undo_ = NamedButton("UndoButton", "&Undo", FocusEnter::Takes);
    connect(undo_, &QPushButton::clicked, this, [this] { Apply(shapes::Undo{}); });
    redo_ = NamedButton("RedoButton", "Re&do", FocusEnter::Takes);
    connect(redo_, &QPushButton::clicked, this, [this] { Apply(shapes::Redo{}); });
    // Ctrl+Z and Ctrl+Y as in other programs, wherever the focus is; with nothing to undo the
    // name edit keeps Ctrl+Z for its own typing.
    const auto key = [this](const char* name, const char* keys, QPushButton* button) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(QKeySequence(keys));
        connect(action, &QAction::triggered, button, &QPushButton::click);
        addAction(action);
        return action;
    };
    undoKey_ = key("UndoKey", "Ctrl+Z", undo_);
    redoKey_ = key("RedoKey", "Ctrl+Y", redo_);
    auto* adjust = new QHBoxLayout;
    adjust->addWidget(reverse);
    adjust->addWidget(undo_);
    adjust->addWidget(redo_);
    return adjust;
}

void TDoShapes::FillEdits() {
    title_ = FromAnsi(design_.titleText);  // what the name limit measures against
    titleEdit_->setText(title_);
    titleEdit_->selectAll();  // a name typed at once replaces "New Layout" instead of trailing it
    widthEdit_->setText(FromAnsi(design_.widthText));
    heightEdit_->setText(FromAnsi(design_.heightText));
}

// Down the panel, the picture after the size it is drawn at, then the buttons.
void TDoShapes::SetTabOrder() {
    QWidget* order[] = {titleEdit_,
                        widthEdit_,
                        heightEdit_,
                        img_,
                        findChild<QWidget*>("UpButton"),
                        findChild<QWidget*>("LeftButton"),
                        findChild<QWidget*>("RightButton"),
                        findChild<QWidget*>("DownButton"),
                        findChild<QWidget*>("ReverseButton"),
                        undo_,
                        redo_,
                        findChild<QWidget*>("SaveButton"),
                        findChild<QWidget*>("CancelButton")};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TDoShapes::TitleChanged(const QString& text) {
    title_ = text;
    design_.titleText = ToAnsi(text);
}

// Leaving a size edit checks it; going to another window (a message box) is not leaving it,
// and neither is the window closing (Escape, Cancel).
bool TDoShapes::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && isVisible() && (watched == widthEdit_ || watched == heightEdit_)) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == widthEdit_)
                Apply(shapes::WidthEditExit{});
            else
                Apply(shapes::HeightEditExit{});
        }
    }
    return ProgramDialog::eventFilter(watched, event);
}

void TDoShapes::Apply(const ShapeAction& action) {
    const ShapeRepaint repaint = ApplyShapeAction(design_, action);
    if (repaint.drawGrid) {
        DrawGrid();
    } else if (!repaint.cells.empty()) {
        PaintDrawingCells(img_->Picture(), design_, repaint.cells);
        img_->update();
    }
    if (repaint.sizeTexts) {
        widthEdit_->setText(FromAnsi(design_.widthText));
        heightEdit_->setText(FromAnsi(design_.heightText));
    }
    DescribePicture(*img_, FromAnsi(ShapeDescription(design_.shape)));
    ShowCursor();
    ShowHistory(repaint.undoEnabled, repaint.redoEnabled);
    if (!repaint.message.Empty()) ShowMessage(*this, in_.prompter, repaint.message);
}

void TDoShapes::DrawGrid() {
    img_->SetPicture(ShapeDrawing(design_, palette().color(QPalette::Window), img_->devicePixelRatioF()));
    DescribePicture(*img_, FromAnsi(ShapeDescription(design_.shape)));
    ShowCursor();
}

void TDoShapes::ShowHistory(bool undo, bool redo) {
    undo_->setEnabled(undo);
    undoKey_->setEnabled(undo);
    redo_->setEnabled(redo);
    redoKey_->setEnabled(redo);
}

void TDoShapes::ShowCursor() {
    const PixelSquare square = CellSquare(ShapeCellSize(design_), design_.cursor);
    img_->SetCursorSquare(QRect(QPoint(square.left, square.top), QPoint(square.right, square.bottom)));
}

void TDoShapes::SaveButtonClick() {
    RunCommand(in_.prompter, [&] {
        const Outcome saved = SaveShapeDesign(design_, in_.shapesLibrary);
        if (!saved.IsDone()) {
            // A size check that refused may come after the other one took its new size.
            DrawGrid();
            ShowOutcome(*this, in_.prompter, saved);
            return;
        }
        result_ = Outcome::Done(saved.index);
        accept();
    });
}

Outcome TDoShapes::Run(DoShapesInputs inputs, QWidget* parent) {
    TDoShapes designer(std::move(inputs), parent);
    designer.exec();
    return designer.Result();
}

}  // namespace qf
