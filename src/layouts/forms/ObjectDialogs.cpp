#include "layouts/forms/ObjectDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/forms/FormMessages.h"
#include "base/forms/InterfaceFonts.h"
#include "base/forms/QtText.h"

namespace qf {

// A colour swatch and its "C&hange Color" button.
class ColorSwatch : public QWidget {
public:
    ColorSwatch(const char* name, const char* buttonCaption, std::int32_t color, ColorChooser& colors)
        : color_(color), colors_(colors) {
        setObjectName(name);
        swatch_ = new QLabel;
        swatch_->setFixedSize(40, 20);
        swatch_->setFrameShape(QFrame::Box);
        swatch_->setAutoFillBackground(true);
        button_ = new QPushButton(buttonCaption);
        button_->setObjectName(QString(name) + "Button");
        button_->setAutoDefault(false);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(swatch_);
        row->addWidget(button_);
        row->addStretch();
        QObject::connect(button_, &QPushButton::clicked, this, [this] {
            if (const auto chosen = colors_.Choose(color_)) {
                color_ = *chosen;
                Paint();
            }
        });
        Paint();
    }
    std::int32_t Color() const { return color_; }
    void SetButtonEnabled(bool on) { button_->setEnabled(on); }

private:
    void Paint() {
        QPalette palette = swatch_->palette();
        palette.setColor(QPalette::Window, ColorOf(color_));
        swatch_->setPalette(palette);
    }
    std::int32_t color_;
    ColorChooser& colors_;
    QLabel* swatch_;
    QPushButton* button_;
};

namespace {

QLineEdit* Edit(const char* name, int maxLength, const std::string& text) {
    auto* edit = new QLineEdit(FromAnsi(text));
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QCheckBox* Box(const char* name, const char* caption, bool checked) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QLabel* Label(const char* caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    if (buddy) label->setBuddy(buddy);
    return label;
}

}  // namespace

ObjectDialog::ObjectDialog(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ProgramDialog(look, parent), design_(design), slot_(slot), prompter_(prompter) {}

void ObjectDialog::Finish(QLayout* body) {
    auto* ok = new QPushButton("&Ok");
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel");
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &ObjectDialog::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

void ObjectDialog::OkClick() {
    if (!design_.ValidSlot(slot_)) {
        reject();
        return;
    }
    const Outcome outcome = Confirm();
    if (outcome.IsDone()) {
        accept();
        return;
    }
    ShowOutcome(*this, prompter_, outcome);  // a refusal; a "Yes" to the off-page question stays too
}

TSizeLocation::TSizeLocation(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("SizeLocation");
    setWindowTitle(FromAnsi(SizeLocationCaption(Object())));
    const SizeLocationTexts texts = SizeLocationOf(Object(), PageUnits(design));
    left_ = Edit(SizeLocationControls::kLeft.text, 6, texts.left);
    top_ = Edit(SizeLocationControls::kTop.text, 6, texts.top);
    width_ = Edit(SizeLocationControls::kWidth.text, 6, texts.width);
    height_ = Edit(SizeLocationControls::kHeight.text, 6, texts.height);
    auto* grid = new QGridLayout;
    grid->addWidget(Label("Left", left_), 0, 0);
    grid->addWidget(left_, 0, 1);
    grid->addWidget(Label("Top", top_), 1, 0);
    grid->addWidget(top_, 1, 1);
    grid->addWidget(Label("Width", width_), 2, 0);
    grid->addWidget(width_, 2, 1);
    grid->addWidget(Label("Height", height_), 3, 0);
    grid->addWidget(height_, 3, 1);
    auto* note = new QLabel(SizeLocationNote(design.layout.inches != 0));
    note->setObjectName("UnitNote");
    grid->addWidget(note, 4, 0, 1, 2);
    Finish(grid);
}

Outcome TSizeLocation::Confirm() {
    const SizeLocationTexts texts{ToAnsi(left_->text()), ToAnsi(top_->text()), ToAnsi(width_->text()),
                                  ToAnsi(height_->text())};
    return ApplySizeLocation(design_, slot_, texts, prompter_);
}

TObjectProp::TObjectProp(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectProp");
    setWindowTitle(FromAnsi(PropertiesCaption(Object())));
    const ObjectProperties start = PropertiesOf(Object());
    const ObjectKind kind = Object().Kind();
    transparent_ = Box("TransparentBox", TransparentCaption(kind), start.transparent);
    makeFit_ = Box("MakeFitBox", "&Make It Fit (Auto-Shrink Font)", start.makeFit);
    columns_ = Edit(ObjectPropertiesControls::kColumns.text, 1, start.columns);
    split_ = Box("SplitBox", "&Split Columns", start.splitColumns);
    auto* columnsLabel = Label("Number of Columns", columns_);
    connect(split_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) columns_->setText(FromAnsi(EvenColumnsText(ToAnsi(columns_->text()))));
    });
    auto* grid = new QGridLayout;
    grid->addWidget(transparent_, 0, 0, 1, 2);
    grid->addWidget(makeFit_, 1, 0, 1, 2);
    grid->addWidget(columnsLabel, 2, 0);
    grid->addWidget(columns_, 2, 1);
    grid->addWidget(split_, 3, 0, 1, 2);
    columnsLabel->setVisible(ColumnsShown(kind));
    columns_->setVisible(ColumnsShown(kind));
    split_->setVisible(SplitShown(kind));
    Finish(grid);
}

Outcome TObjectProp::Confirm() {
    return ApplyObjectProperties(design_, slot_,
                                 {transparent_->isChecked(), makeFit_->isChecked(), ToAnsi(columns_->text()),
                                  split_->isChecked()});
}

TObjectProp2::TObjectProp2(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                           ColorChooser& colors, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectProp2");
    setWindowTitle(FromAnsi(PropertiesCaption(Object())));
    const PuzzleProperties start = PuzzlePropertiesOf(Object());
    skeleton_ = Box("SkeletonBox", "Skeleton Puzzle", start.skeleton);
    fill_ = new ColorSwatch("FillColor", "Change", start.fillColor, colors);
    block_ = new ColorSwatch("BlockColor", "Change", start.blockColor, colors);
    line_ = new ColorSwatch("LineColor", "Change", start.lineColor, colors);
    lineWidth_ = Edit(PuzzlePropertiesControls::kLineWidth.text, 1, start.lineWidth);
    auto* grid = new QGridLayout;
    grid->addWidget(skeleton_, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Puzzle Fill Color"), 1, 0);
    grid->addWidget(fill_, 1, 1);
    grid->addWidget(new QLabel("Puzzle Block Color"), 2, 0);
    grid->addWidget(block_, 2, 1);
    grid->addWidget(new QLabel("Puzzle Line Color"), 3, 0);
    grid->addWidget(line_, 3, 1);
    grid->addWidget(Label("Puzzle Line Width", lineWidth_), 4, 0);
    grid->addWidget(lineWidth_, 4, 1);
    fill_->SetButtonEnabled(!start.skeleton);
    connect(skeleton_, &QCheckBox::toggled, this, [this](bool on) { fill_->SetButtonEnabled(!on); });
    Finish(grid);
}

Outcome TObjectProp2::Confirm() {
    return ApplyPuzzleProperties(design_, slot_,
                                 {skeleton_->isChecked(), fill_->Color(), block_->Color(), line_->Color(),
                                  ToAnsi(lineWidth_->text())});
}

TObjectBorders::TObjectBorders(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                               ColorChooser& colors, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectBorders");
    setWindowTitle(FromAnsi(BorderCaption(Object())));
    const BorderInfo start = BorderOf(Object());
    useBorder_ = Box("UseBorderBox", "&Use Border", start.useBorder);
    width_ = Edit(BorderControls::kWidth.text, 1, start.width);
    color_ = new ColorSwatch("BorderColor", "C&hange Color", start.color, colors);
    auto* grid = new QGridLayout;
    grid->addWidget(useBorder_, 0, 0, 1, 2);
    grid->addWidget(Label("Width", width_), 1, 0);
    grid->addWidget(width_, 1, 1);
    grid->addWidget(new QLabel("Border Color"), 2, 0);
    grid->addWidget(color_, 2, 1);
    const auto enable = [this](bool on) {
        width_->setEnabled(on);
        color_->SetButtonEnabled(on);
    };
    enable(start.useBorder);
    connect(useBorder_, &QCheckBox::toggled, this, enable);
    Finish(grid);
}

Outcome TObjectBorders::Confirm() {
    return ApplyBorder(design_, slot_, {useBorder_->isChecked(), ToAnsi(width_->text()), color_->Color()});
}

TObjectFill::TObjectFill(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, ColorChooser& colors,
                         QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ObjectFill");
    setWindowTitle(FromAnsi(FillCaption(Object())));
    fill_ = Box("FillBox", "&Fill In Shape", Object().fillShape != 0);
    color_ = new ColorSwatch("FillColor", "C&hange Color", Object().fillColor, colors);
    auto* grid = new QGridLayout;
    grid->addWidget(fill_, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Fill Color"), 1, 0);
    grid->addWidget(color_, 1, 1);
    color_->SetButtonEnabled(fill_->isChecked());
    connect(fill_, &QCheckBox::toggled, this, [this](bool on) { color_->SetButtonEnabled(on); });
    Finish(grid);
}

Outcome TObjectFill::Confirm() { return ApplyFill(design_, slot_, fill_->isChecked(), color_->Color()); }

TClueChange::TClueChange(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("ClueChange");
    setWindowTitle("Clue Headers");
    const bool across = Object().Kind() == ObjectKind::AcrossHeader;
    text_ = Edit("HeaderEdit", static_cast<int>(TextLimit(Object().Kind())), ObjectText(Object()));
    auto* body = new QVBoxLayout;
    body->addWidget(Label(across ? "Across Header" : "Down Header", text_));
    body->addWidget(text_);
    Finish(body);
}

Outcome TClueChange::Confirm() { return ApplyObjectText(design_, slot_, ToAnsi(text_->text())); }

TTextInput::TTextInput(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent) {
    setObjectName("TextInput");
    setWindowTitle("Text");
    text_ = new QPlainTextEdit(FromAnsi(ObjectText(Object())));
    text_->setObjectName("TextMemo");
    // The memo holds at most what the object keeps.
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        const int limit = static_cast<int>(TextLimit(Object().Kind()));
        if (text_->toPlainText().size() <= limit) return;
        const QSignalBlocker quiet(text_);
        text_->setPlainText(text_->toPlainText().left(limit));
        text_->moveCursor(QTextCursor::End);
    });
    auto* body = new QVBoxLayout;
    body->addWidget(text_);
    Finish(body);
    SetDesignSize(QSize(400, 260));
}

Outcome TTextInput::Confirm() { return ApplyObjectText(design_, slot_, ToAnsi(text_->toPlainText())); }

TNumberClueFont::TNumberClueFont(const FormLook& look, PageDesign& design, int slot, Prompter& prompter,
                                 FontChooser& fonts, QWidget* parent)
    : ObjectDialog(look, design, slot, prompter, parent), font_(Object().numberFont) {
    setObjectName("NumberClueFont");
    setWindowTitle("Numbers In Puzzle");
    auto* orientation = new QGroupBox("Orientation");
    horizontal_ = new QRadioButton("&Horizontal");
    horizontal_->setObjectName("HorizontalButton");
    auto* vertical = new QRadioButton("&Vertical");
    vertical->setObjectName("VerticalButton");
    (Object().numbersHorizontal != 0 ? horizontal_ : vertical)->setChecked(true);
    auto* column = new QVBoxLayout(orientation);
    column->addWidget(horizontal_);
    column->addWidget(vertical);
    auto* change = new QPushButton("Change &Font");
    change->setObjectName("FontButton");
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, [this, &fonts] {
        if (const auto chosen = fonts.Choose(ChoiceOfFont(font_))) font_ = FontOfChoice(*chosen);
    });
    auto* body = new QHBoxLayout;
    body->addWidget(orientation);
    body->addWidget(change, 0, Qt::AlignTop);
    Finish(body);
}

Outcome TNumberClueFont::Confirm() { return ApplyNumberFont(design_, slot_, font_, horizontal_->isChecked()); }

}  // namespace qf
