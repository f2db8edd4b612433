#include "layouts/forms/DoPages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>
#include <initializer_list>
#include <tuple>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/HelpWindow.h"
#include "base/forms/QtText.h"
#include "layouts/PageObjects.h"
#include "layouts/forms/PageCanvas.h"

namespace qf {
namespace {

constexpr const char* kPapers[] = {"Letter", "Legal", "A4", "A5", "B5", "Executive", "Custom"};

// "Down Heading" -> "DownHeadingButton".
QString KindButtonName(ObjectKind kind) {
    return QString(KindButtonCaption(kind)).remove(' ') + "Button";
}

Qt::CursorShape ShapeOf(PageCursor cursor) {
    switch (cursor) {
        case PageCursor::Drag: return Qt::DragCopyCursor;
        case PageCursor::Move: return Qt::SizeAllCursor;
        case PageCursor::SizeNWSE: return Qt::SizeFDiagCursor;
        case PageCursor::SizeNESW: return Qt::SizeBDiagCursor;
        case PageCursor::SizeNS: return Qt::SizeVerCursor;
        case PageCursor::SizeWE: return Qt::SizeHorCursor;
        default: return Qt::ArrowCursor;
    }
}

PageZoom StartZoom(std::int32_t setting) { return ZoomFromCode(setting).value_or(PageZoom::Medium); }

}  // namespace

TDoPages::TDoPages(DoPagesInputs inputs, QWidget* parent) : ProgramDialog(inputs.look, parent), in_(std::move(inputs)) {
    setObjectName("DoPages");
    setWindowTitle("Page Creator");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    const HeadingLabels labels{in_.settings.acrossLabel, in_.settings.downLabel};
    openWarnings_ = OpenPageDesign(design_, in_.mode, in_.source, in_.position, StartZoom(in_.settings.zoom), labels);
    snapshot_ = TakeSnapshot(design_);

    BuildPanel();
    BuildMenus();
    BuildObjectMenu();
    canvas_->LoadPictures();
    ShowBoxes();
    ShowButtons();
    ShowZoomChecks();
    ShowHistory();
    SetTabOrder();
    SetDesignSize(QSize(640, 480));
}

TDoPages::~TDoPages() = default;

void TDoPages::BuildPanel() {
    BuildPageControls();
    QWidget* custom = CustomSizeBox();
    QGroupBox* crossword =
        KindGroup("Crossword Objects", {ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::DownHeader,
                                        ObjectKind::AcrossHeader, ObjectKind::AcrossClues, ObjectKind::DownClues,
                                        ObjectKind::WordList, ObjectKind::BonusQuestion, ObjectKind::CombinedClues});
    QGroupBox* others =
        KindGroup("  Other   Objects", {ObjectKind::Text, ObjectKind::Bitmap, ObjectKind::Rectangle, ObjectKind::Circle});

    // Enter saves, as Save does, unless a focused button or the page takes it for itself.
    QPushButton* save = DefaultButton("SaveButton", "&Save", FocusEnter::Passes);
    QPushButton* cancel = NamedButton("CancelButton", "&Cancel", FocusEnter::Passes);
    connect(save, &QPushButton::clicked, this, &TDoPages::SaveClick);
    connect(cancel, &QPushButton::clicked, this, &TDoPages::reject);

    QVBoxLayout* panel = SideColumn({BuddyLabel("Name", name_), name_, BuddyLabel("Paper Size", paper_), paper_,
                                     portrait_, landscape_, custom, crossword, others},
                                    {ButtonRow({save, cancel}, RowAlign::Spread)});
    BuildCanvas();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(scroll_, 1);
}

// The layout's name, the paper and its orientation.
void TDoPages::BuildPageControls() {
    name_ = new QLineEdit(FromAnsi(design_.nameText));
    name_->setObjectName("NameEdit");
    name_->setMaxLength(kLayoutNameLimit);
    name_->selectAll();  // a name typed at once replaces "New Page" instead of trailing it
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) { design_.nameText = ToAnsi(text); });

    paper_ = new QComboBox;
    paper_->setObjectName("PaperList");
    for (const char* paper : kPapers) paper_->addItem(paper);
    connect(paper_, &QComboBox::activated, this,
            [this](int index) { Apply(pages::ChoosePaper{kPapers[index]}); });

    portrait_ = new QRadioButton("&Portrait");
    portrait_->setObjectName("PortraitButton");
    landscape_ = new QRadioButton("&Landscape");
    landscape_->setObjectName("LandscapeButton");
    connect(portrait_, &QRadioButton::clicked, this, [this] { Apply(pages::ChooseOrientation{true}); });
    connect(landscape_, &QRadioButton::clicked, this, [this] { Apply(pages::ChooseOrientation{false}); });
}

// The width and height of a custom paper, and their unit.
QWidget* TDoPages::CustomSizeBox() {
    width_ = new QLineEdit;
    width_->setObjectName(PageCreatorControls::kWidth.text);
    width_->setMaxLength(kPageSizeBoxLimit);
    height_ = new QLineEdit;
    height_->setObjectName(PageCreatorControls::kHeight.text);
    height_->setMaxLength(kPageSizeBoxLimit);
    inches_ = new QCheckBox("Inches");
    inches_->setObjectName("InchesBox");
    connect(width_, &QLineEdit::textEdited, this, [this](const QString& t) { design_.widthText = ToAnsi(t); });
    connect(height_, &QLineEdit::textEdited, this, [this](const QString& t) { design_.heightText = ToAnsi(t); });
    // Leaving a box checks it. Enter in it is Save, which checks both boxes itself: checking
    // here too would say a refusal twice.
    connect(width_, &QLineEdit::editingFinished, this, [this] {
        if (!width_->hasFocus()) Apply(pages::WidthExit{});
    });
    connect(height_, &QLineEdit::editingFinished, this, [this] {
        if (!height_->hasFocus()) Apply(pages::HeightExit{});
    });
    connect(inches_, &QCheckBox::clicked, this, [this](bool on) { Apply(pages::SetInches{on}); });
    customBox_ = new QWidget;
    auto* custom = new QGridLayout(customBox_);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->addWidget(BuddyLabel("Width", width_), 0, 0);
    custom->addWidget(width_, 0, 1);
    custom->addWidget(BuddyLabel("Height", height_), 1, 0);
    custom->addWidget(height_, 1, 1);
    custom->addWidget(inches_, 2, 0, 1, 2);
    return customBox_;
}

// A group of the buttons that place an object of each kind.
QGroupBox* TDoPages::KindGroup(const char* caption, std::initializer_list<ObjectKind> kinds) {
    // A pressed kind button is green; a disabled one (a kind the page holds once already) is
    // greyed but stays legible: dark text on light grey, not white on grey.
    const QString look = "QPushButton:checked { background-color: rgb(0, 160, 0); }"
                         "QPushButton:disabled { color: rgb(72, 72, 72); background-color: rgb(226, 226, 226);"
                         " border: 1px solid rgb(160, 160, 160); padding: 3px; }";
    auto* group = new QGroupBox(caption);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    for (ObjectKind kind : kinds) {
        QPushButton* button = NamedButton(KindButtonName(kind), KindButtonCaption(kind), FocusEnter::Takes);
        button->setCheckable(true);
        button->setStyleSheet(look);
        connect(button, &QPushButton::clicked, this, [this, kind] { Apply(pages::ClickKind{kind}); });
        kindButtons_[static_cast<std::size_t>(kind)] = button;
        column->addWidget(button);
    }
    return group;
}

void TDoPages::BuildCanvas() {
    canvas_ = new TPageCanvas(design_, [this](const PageAction& action) { return Apply(action); });
    connect(canvas_, &TPageCanvas::MenuKey, this, [this] {
        if (design_.ValidSlot(design_.selected)) {
            ShowSelected();
            PopUp(canvas_->mapToGlobal(TPageCanvas::CanvasPoint({design_.Object(design_.selected).Left(),
                                                                 design_.Object(design_.selected).Top()})));
        }
    });
    connect(canvas_, &TPageCanvas::KeyChanged, this, &TDoPages::ShowSelected);
    scroll_ = new QScrollArea;
    scroll_->setObjectName("PageArea");
    scroll_->setFocusPolicy(Qt::NoFocus);  // the page inside takes the focus, not its frame
    scroll_->setAccessibleName("Page");
    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TDoPages::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName("MenuBar");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("FileMenu");
    QAction* save = file->addAction("&Save", this, &TDoPages::SaveClick);
    save->setObjectName("MenuSave");
    save->setShortcut(QKeySequence("Ctrl+S"));
    QAction* exit = file->addAction("E&xit", this, &TDoPages::reject);
    exit->setObjectName("MenuExit");
    exit->setShortcut(QKeySequence("Ctrl+X"));

    objectsMenu_ = bar->addMenu("&Objects");
    objectsMenu_->setObjectName("ObjectsMenu");
    for (int slot = 1; slot <= kMaxPageObjects; ++slot) {
        QAction* item = objectsMenu_->addAction(QString());
        item->setObjectName(QString("ObjectItem%1").arg(slot));
        connect(item, &QAction::triggered, this, [this, slot] { Apply(pages::ChooseObject{slot}); });
        objectItems_[static_cast<std::size_t>(slot - 1)] = item;
    }
    objectsMenu_->addSeparator();
    undo_ = objectsMenu_->addAction("&Undo", this, [this] { Apply(pages::Undo{}); });
    undo_->setObjectName("MenuUndo");
    undo_->setShortcut(QKeySequence("Ctrl+Z"));
    redo_ = objectsMenu_->addAction("&Redo", this, [this] { Apply(pages::Redo{}); });
    redo_->setObjectName("MenuRedo");
    redo_->setShortcut(QKeySequence("Ctrl+Y"));

    QMenu* zoom = bar->addMenu("&Zoom");
    zoom->setObjectName("ZoomMenu");
    const std::tuple<const char*, const char*, const char*, PageZoom> kZooms[] = {
        {"MenuSmall", "&Small", "Ctrl+F1", PageZoom::Small},
        {"MenuMedium", "&Medium", "Ctrl+F2", PageZoom::Medium},
        {"MenuLarge", "&Large", "Ctrl+F3", PageZoom::Large}};
    for (const auto& [name, caption, key, level] : kZooms) {
        QAction* item = zoom->addAction(caption);
        item->setObjectName(name);
        item->setShortcut(QKeySequence(key));
        item->setCheckable(true);
        const PageZoom chosen = level;
        connect(item, &QAction::triggered, this, [this, chosen] {
            Apply(pages::ChooseZoom{chosen});
            in_.settings.zoom = static_cast<std::int32_t>(design_.zoom);
            ShowZoomChecks();
        });
        zoomItems_[static_cast<std::size_t>(level)] = item;
    }

    QAction* help = bar->addAction("&Help");
    help->setObjectName("MenuHelp");
    connect(help, &QAction::triggered, this, [this] { ShowHelp(this, in_.programDir, "CROSSWORD OBJECTS"); });
    layout()->setMenuBar(bar);
}

void TDoPages::BuildObjectMenu() {
    objectMenu_ = new QMenu(this);
    objectMenu_->setObjectName("ObjectMenu");
    const std::pair<ObjectMenuItem, const char*> kItems[] = {
        {ObjectMenuItem::SizePosition, "&Size && Position..."},
        {ObjectMenuItem::Properties, "&Properties"},
        {ObjectMenuItem::Border, "B&order"},
        {ObjectMenuItem::Fill, "&Fill"},
        {ObjectMenuItem::ChangeText, "Change &Text..."},
        {ObjectMenuItem::TextAlignment, "Text &Alignment"},
        {ObjectMenuItem::TextFont, "Text &Font"},
        {ObjectMenuItem::ClueNumberFont, "&Clue Number Font"},
        {ObjectMenuItem::LoadBitmap, "Load B&itmap"},
        {ObjectMenuItem::Delete, "&Delete"},
        {ObjectMenuItem::BringToFront, "&Bring To Front"},
        {ObjectMenuItem::SendToBack, "&Send To Back"}};
    for (const auto& [item, caption] : kItems) {
        QAction* action = nullptr;
        if (item == ObjectMenuItem::TextAlignment) {
            QMenu* align = objectMenu_->addMenu(caption);
            align->setObjectName("AlignmentMenu");
            action = align->menuAction();
            const char* const kAlign[] = {"&Left", "&Center", "&Right"};
            for (int a = 1; a <= 3; ++a) {
                QAction* choice = align->addAction(kAlign[a - 1]);
                choice->setCheckable(true);
                choice->setObjectName(QString("Align%1").arg(a));
                connect(choice, &QAction::triggered, this, [this, a] {
                    RunCommand(in_.prompter, [&] {
                        PageStep before = CurrentStep(design_);
                        if (ApplyAlignment(design_, design_.selected, a).IsDone()) UpdateObjectMenu();
                        RecordIfChanged(design_, std::move(before));
                        ShowHistory();
                        canvas_->update();
                    });
                });
                alignItems_[static_cast<std::size_t>(a)] = choice;
            }
        } else {
            action = objectMenu_->addAction(caption);
            const ObjectMenuItem command = item;
            connect(action, &QAction::triggered, this, [this, command] { RunObjectCommand(command); });
        }
        menuItems_[static_cast<std::size_t>(item)] = action;
    }
}

void TDoPages::UpdateObjectMenu() {
    if (!design_.ValidSlot(design_.selected)) return;
    const ObjectMenuState state = ObjectMenuFor(design_.Object(design_.selected));
    for (int i = 0; i < kObjectMenuItems; ++i)
        menuItems_[static_cast<std::size_t>(i)]->setEnabled(state.enabled[static_cast<std::size_t>(i)]);
    menuItems_[static_cast<std::size_t>(ObjectMenuItem::TextFont)]->setText(QString::fromLatin1(state.fontCaption));
    for (int a = 1; a <= 3; ++a) alignItems_[static_cast<std::size_t>(a)]->setChecked(state.alignment == a);
}

void TDoPages::PopUp(QPoint global) {
    UpdateObjectMenu();
    objectMenu_->popup(global);
}

PageChange TDoPages::Apply(const PageAction& action) {
    PageChange change;
    RunCommand(in_.prompter, [&] { change = ApplyPageAction(design_, action); });
    Show(change);
    return change;
}

void TDoPages::ShowHistory() {
    undo_->setEnabled(design_.history.CanUndo());
    redo_->setEnabled(design_.history.CanRedo());
}

// The selected object scrolled into view, after a key moved, resized or chose it.
void TDoPages::ShowSelected() {
    if (!design_.ValidSlot(design_.selected)) return;
    const PageObject& o = design_.Object(design_.selected);
    const QPoint corner = TPageCanvas::CanvasPoint({o.Left(), o.Top()});
    scroll_->ensureVisible(corner.x(), corner.y(), 40, 40);
}

// Down the panel to the kind buttons, then the page they place objects on, then Save and Cancel.
void TDoPages::SetTabOrder() {
    std::vector<QWidget*> order{name_, paper_, portrait_, landscape_, width_, height_, inches_};
    for (int k : {1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11, 12, 13}) order.push_back(kindButtons_[static_cast<std::size_t>(k)]);
    order.push_back(canvas_);
    order.push_back(findChild<QWidget*>("SaveButton"));
    order.push_back(findChild<QWidget*>("CancelButton"));
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void TDoPages::Show(const PageChange& change) {
    canvas_->setCursor(ShapeOf(change.cursor));
    canvas_->SetDragFrame(change.dragFrame);
    if (change.pageResized) canvas_->Resize();
    if (change.boxesChanged) ShowBoxes();
    if (change.buttonsChanged) {
        ShowButtons();
        canvas_->LoadPictures();
    }
    if (change.redrawPage) canvas_->update();
    ShowHistory();
    ShowMessage(*this, in_.prompter, change.message);
    if (change.popup == PopupPlace::AtObject)
        PopUp(canvas_->mapToGlobal(TPageCanvas::CanvasPoint(change.popupAt)));
    else if (change.popup == PopupPlace::NearWindow)
        PopUp(mapToGlobal(QPoint(change.popupAt.x, change.popupAt.y)));
}

void TDoPages::ShowBoxes() {
    const QSignalBlocker quietPaper(paper_);
    const int paper = paper_->findText(FromAnsi(design_.paperText));
    paper_->setCurrentIndex(paper);
    const bool portrait = design_.layout.portrait != 0;
    portrait_->setChecked(portrait);
    landscape_->setChecked(!portrait);
    customBox_->setVisible(CustomBoxesShown(design_));
    width_->setText(FromAnsi(design_.widthText));
    height_->setText(FromAnsi(design_.heightText));
    const QSignalBlocker quietInches(inches_);
    inches_->setChecked(design_.layout.inches != 0);
}

void TDoPages::ShowButtons() {
    for (int k = 1; k <= kObjectKindCount; ++k) {
        QPushButton* button = kindButtons_[static_cast<std::size_t>(k)];
        const auto kind = static_cast<ObjectKind>(k);
        button->setEnabled(KindButtonEnabled(design_, kind));
        button->setChecked(design_.chosenKind == k);
    }
    const std::vector<std::string> captions = ObjectMenuCaptions(design_);
    for (std::size_t i = 0; i < objectItems_.size(); ++i) {
        objectItems_[i]->setVisible(i < captions.size());
        if (i < captions.size()) objectItems_[i]->setText(FromAnsi(captions[i]));
    }
}

void TDoPages::ShowZoomChecks() {
    for (int z = 1; z <= 3; ++z)
        zoomItems_[static_cast<std::size_t>(z)]->setChecked(static_cast<int>(design_.zoom) == z);
}

void TDoPages::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous() || shownOnce_) return;
    shownOnce_ = true;
    const Settings& s = in_.settings;
    // Where the user left it last time; the first time it is centred.
    if (s.pageDesignerWidth > 0 && s.pageDesignerHeight > 0) {
        resize(s.pageDesignerWidth, s.pageDesignerHeight);
        if (s.pageDesignerLeft != 0 || s.pageDesignerTop != 0) move(s.pageDesignerLeft, s.pageDesignerTop);
    }
    for (const Message& warning : openWarnings_) ShowMessage(*this, in_.prompter, warning);
    openWarnings_.clear();
}

void TDoPages::StoreGeometry() {
    Settings& s = in_.settings;
    s.pageDesignerLeft = x();
    s.pageDesignerTop = y();
    s.pageDesignerWidth = width();
    s.pageDesignerHeight = height();
}

void TDoPages::done(int result) {
    if (isVisible()) StoreGeometry();
    ProgramDialog::done(result);
}

bool TDoPages::Changed() const { return PageDesignChanged(design_, snapshot_); }

void TDoPages::SaveClick() {
    RunCommand(in_.prompter, [&] {
        // The sizes first, as Save checks them; then the question about a page without a grid.
        for (Outcome (*check)(PageDesign&) : {&CheckPageHeight, &CheckPageWidth}) {
            if (const Outcome size = check(design_); !size.IsDone()) {
                ShowOutcome(*this, in_.prompter, size);
                return;
            }
        }
        if (const Message question = SaveQuestion(design_);
            !question.Empty() && in_.prompter.Ask(question, Question::YesNo) != Answer::Yes)
            return;
        const Outcome saved = SavePageDesign(design_, in_.layoutsLibrary);
        if (!saved.IsDone()) {
            ShowOutcome(*this, in_.prompter, saved);
            return;
        }
        result_ = saved;
        accept();
    });
}

// Unsaved changes are not lost without asking (E&xit, Escape, the close button).
bool TDoPages::ConfirmLeave() {
    if (!Changed()) return true;
    switch (in_.prompter.Ask(WarningMessage(kPageLayoutModified), Question::YesNoCancel)) {
        case Answer::Cancel: return false;
        case Answer::Yes: SaveClick(); return false;  // a saved layout closes the designer
        case Answer::No: break;
    }
    return true;
}

Outcome TDoPages::Run(DoPagesInputs inputs, QWidget* parent) {
    TDoPages designer(std::move(inputs), parent);
    designer.exec();
    return designer.Result();
}

}  // namespace qf
