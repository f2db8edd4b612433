// The main window's controls, menus and speed buttons.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "app/forms/ClientArea.h"
#include "app/forms/MainWin.h"
#include "app/forms/Pictures.h"
#include "app/forms/SelectedPuzzlePicture.h"
#include "base/forms/InterfaceFonts.h"

namespace qf {
namespace {

constexpr int kDesignWidth = 632;
constexpr int kDesignHeight = 413;
constexpr int kSpeedBarHeight = 32;

QFont DesignFont(int pixels, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* Heading(QWidget* parent, const char* name, const char* text, QRect bounds) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(DesignFont(31, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    palette.setColor(QPalette::Window, QColor(kClientGrey));  // what it is drawn on, for the font colour's contrast
    label->setPalette(palette);
    label->setGeometry(bounds);
    return label;
}

QListWidget* List(QWidget* parent, const char* name, const char* spoken, QRect bounds) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setAccessibleName(spoken);  // item views take no name from a label
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFont(DesignFont(17, false));
    list->setGeometry(bounds);
    return list;
}

}  // namespace

void TMainWin::BuildClient() {
    client_ = new TClientArea;
    client_->resize(kDesignWidth, kDesignHeight);
    client_->setFont(DesignFont(17, false));
    setCentralWidget(client_);

    auto* speedBar = new QFrame(client_);
    speedBar->setObjectName("SpeedBar");
    speedBar->setFrameShape(QFrame::StyledPanel);
    speedBar->setAutoFillBackground(true);
    speedBar->setGeometry(0, 0, kDesignWidth, kSpeedBarHeight);
    components_.push_back(speedBar);

    components_.push_back(Heading(client_, "CategoryLabel", "Category", {8, 38, 200, 38}));
    categoryBox_ = List(client_, "CategoryBox", "Category", {8, 78, 200, 327});
    components_.push_back(categoryBox_);
    components_.push_back(Heading(client_, "PuzzlesLabel", "Puzzles", {216, 38, 408, 38}));
    puzzleBox_ = List(client_, "PuzzleBox", "Puzzles", {216, 78, 408, 327});
    components_.push_back(puzzleBox_);
    // To the right of the lists, outside the design width: shown from the View menu.
    pictureHeading_ = Heading(client_, "PictureLabel", "Picture", {kDesignWidth, 38, 200, 38});
    pictureHeading_->hide();
    components_.push_back(pictureHeading_);
    picture_ = new TSelectedPuzzlePicture(client_);
    picture_->setGeometry(kDesignWidth, 78, 200, 200);
    picture_->hide();
    components_.push_back(picture_);

    connect(categoryBox_, &QListWidget::currentRowChanged, this, &TMainWin::CategoryClick);
    connect(puzzleBox_, &QListWidget::currentRowChanged, this, &TMainWin::PuzzleClick);
    connect(puzzleBox_, &QListWidget::itemDoubleClicked, this, [this] {
        if (QAction* print = Action("MenuPrint"); print && print->isEnabled()) print->trigger();
    });
}

QAction* TMainWin::AddCommand(QMenu* menu, const char* name, const char* caption, const char* shortcut,
                              const std::function<void()>& handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (shortcut) action->setShortcut(QKeySequence(shortcut));
    connect(action, &QAction::triggered, this, handler);
    actions_[name] = action;
    return action;
}

void TMainWin::AddSpeedButton(const char* name, const char* actionName, const char* hint, const char* picture,
                              int left) {
    auto* button = new QToolButton(client_->findChild<QFrame*>("SpeedBar"));
    button->setObjectName(name);
    QAction* action = Action(actionName);
    // The picture goes on the action: the button takes its look from its action whenever the
    // action changes (enabled, disabled), and the menu shows the same picture.
    action->setIcon(QIcon(Picture(picture, QSize(48, 48))));
    button->setDefaultAction(action);
    button->setIconSize(QSize(20, 20));
    button->setToolTip(hint);
    button->setAccessibleName(hint);  // a picture alone says nothing to a screen reader
    button->setAutoRaise(true);
    button->setGeometry(left, 3, 26, 26);
    // The speed button's hint, not the menu caption, is its tool tip.
    connect(action, &QAction::changed, button, [button, hint = QString(hint)] { button->setToolTip(hint); });
    components_.push_back(button);
}

void TMainWin::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("FileMenu");
    AddCommand(file, "MenuNewGroup", "&New Puzzle Collection File", "Ctrl+N", &TMainWin::NewGroupClick);
    AddCommand(file, "MenuOpenGroup", "&Open Puzzle Collection File", "Ctrl+O", &TMainWin::OpenGroupClick);
    file->addSeparator();
    AddCommand(file, "MenuNew", "Ne&w Puzzle", "Ctrl+W", &TMainWin::MakeNewPuzzle);
    AddCommand(file, "MenuModify", "&Modify Puzzle", "Ctrl+M", &TMainWin::ModifyPuzzle);
    AddCommand(file, "MenuCopy", "&Copy Puzzle", "Ctrl+C", &TMainWin::CopyPuzzle);
    AddCommand(file, "MenuDelete", "&Delete Puzzle", "Ctrl+D", &TMainWin::DeletePuzzleClick);
    file->addSeparator();
    AddCommand(file, "MenuImp", "&Import Puzzles", "Ctrl+I", &TMainWin::ImportPuzzleClick);
    AddCommand(file, "MenuExp", "&Export Puzzles", "Ctrl+E", &TMainWin::ExportPuzzleClick);
    AddCommand(file, "MenuExportAs", "Export Puzzle &As...", nullptr, &TMainWin::ExportPuzzleAsClick);
    AddCommand(file, "MenuImportWordLists", "Import Word &Lists...", "Ctrl+Shift+I", &TMainWin::ImportWordListsClick);
    file->addSeparator();
    AddCommand(file, "MenuPrint", "&Print Puzzle", "Ctrl+P", &TMainWin::PrintPuzzle);
    AddCommand(file, "MenuBooklet", "Print &Booklet...", "Ctrl+Shift+P", &TMainWin::PrintBookletClick);
    AddCommand(file, "MenuPrintSetup", "Printer &Setup", "Ctrl+S", &TMainWin::PrinterSetupClick);
    file->addSeparator();
    AddCommand(file, "MenuExit", "E&xit", "Ctrl+X", &TMainWin::ExitClick);
    lastFilesSeparator_ = file->addSeparator();
    lastFilesSeparator_->setObjectName("MenuExitSep");
    for (int k = 0; k < 5; ++k) {
        QAction* last = file->addAction(QString());
        last->setObjectName(QString("MenuLastFile%1").arg(k + 1));
        connect(last, &QAction::triggered, this, [this, k] { OpenSaveFile(k); });
        lastFiles_[static_cast<std::size_t>(k)] = last;
    }

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("EditMenu");
    AddCommand(edit, "MenuPageLayout", "&Page Layout", "Ctrl+L", &TMainWin::PageLayoutClick);
    AddCommand(edit, "MenuPuzzShape", "Puzzle &Shape", "Ctrl+H", &TMainWin::DoPuzzleShape);
    AddCommand(edit, "MenuPuzzleWords", "Puzzle &Words", "Ctrl+F", &TMainWin::PuzzleWordsClick);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("ViewMenu");
    QAction* picture = AddCommand(view, "MenuPuzzlePicture", "Puzzle &Picture", "Ctrl+Shift+V",
                                  &TMainWin::TogglePuzzlePicture);
    picture->setCheckable(true);
    picture->setStatusTip("The selected puzzle's grid beside the lists");

    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("OptionsMenu");
    BuildOptionsMenu(options);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("HelpMenu");
    AddCommand(help, "MenuContents", "&Contents", "Ctrl+K", &TMainWin::ShowHelpClick);
    AddCommand(help, "MenuManual", "&User Manual", nullptr, &TMainWin::UserManualClick);
    AddCommand(help, "MenuReviewTips", "&Review Tips of the Day", nullptr, &TMainWin::ReviewTipsClick);
    AddCommand(help, "MenuDEInternet", "&Data Exchange via Internet", nullptr, &TMainWin::DataExchangeClick);
    help->addSeparator();
    AddCommand(help, "MenuAbout", "&About", "Ctrl+A", &TMainWin::AboutClick);

    struct Speed {
        const char* name;
        const char* action;
        const char* hint;
        const char* picture;
        int gapBefore;
    };
    static constexpr Speed kSpeed[] = {
        {"SpeedNewGroup", "MenuNewGroup", "Create New Puzzle Collection File", "NewGroup", 4},
        {"SpeedOpenGroup", "MenuOpenGroup", "Open Puzzle Collection File", "OpenGroup", 0},
        {"SpeedNew", "MenuNew", "Create New Puzzle", "New", 10},
        {"SpeedModify", "MenuModify", "Modify Puzzle", "Modify", 0},
        {"SpeedCopy", "MenuCopy", "Copy Puzzle", "Copy", 0},
        {"SpeedDelete", "MenuDelete", "Delete Puzzle", "Delete", 0},
        {"SpeedImport", "MenuImp", "Import Puzzles", "Import", 10},
        {"SpeedExport", "MenuExp", "Export Puzzles", "Export", 0},
        {"SpeedPrint", "MenuPrint", "Print Puzzle", "Print", 10},
        {"SpeedPageLay", "MenuPageLayout", "Page Layout Designer", "PageLay", 10},
        {"SpeedShape", "MenuPuzzShape", "Create Puzzle Shape", "Shape", 0},
        {"SpeedModPuzzle", "MenuPuzzleWords", "Modify Puzzle Words", "ModPuzzle", 0},
        {"SpeedHelp", "MenuContents", "Help", "Help", 10},
        {"SpeedExit", "MenuExit", "Exit Program", "Exit", 10},
    };
    int left = 0;
    for (const Speed& s : kSpeed) {
        left += s.gapBefore;
        AddSpeedButton(s.name, s.action, s.hint, s.picture, left);
        left += 28;
    }
}

}  // namespace qf
