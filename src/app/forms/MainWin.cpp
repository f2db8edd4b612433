#include "app/forms/MainWin.h"

#include <QAction>
#include <QCloseEvent>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <filesystem>

#include "app/LibraryProblems.h"
#include "app/ScreenOptions.h"
#include "app/forms/ClientArea.h"
#include "app/forms/Pictures.h"
#include "base/forms/FormMessages.h"
#include "base/forms/InterfaceFonts.h"
#include "base/forms/QtText.h"
#include "base/forms/WindowGeometry.h"
#include "base/forms/WindowKeys.h"
#include "collections/OldVersions.h"

namespace qf {
namespace {

// The one-puzzle commands: enabled exactly when a puzzle is selected.
constexpr const char* kOnePuzzleCommands[] = {"MenuModify", "MenuCopy", "MenuDelete", "MenuPrint",
                                              "MenuPuzzleWords"};
constexpr int kTopOffset = 10;

bool Shows(const QListWidget& box, const std::vector<ListRow>& rows) {
    if (box.count() != static_cast<int>(rows.size())) return false;
    for (int i = 0; i < box.count(); ++i)
        if (box.item(i)->text() != FromAnsi(rows[static_cast<std::size_t>(i)].text)) return false;
    return true;
}

// A list is filled again only when its rows changed: a click that only selects must leave the
// items under the mouse alone, or its double click finds nothing to act on.
void Fill(QListWidget* box, const std::vector<ListRow>& rows, int selected) {
    const QSignalBlocker quiet(box);
    if (!Shows(*box, rows)) {
        box->clear();
        for (const ListRow& row : rows) box->addItem(FromAnsi(row.text));
    }
    if (box->currentRow() != selected) box->setCurrentRow(selected);
    if (selected < 0) box->clearSelection();
}

}  // namespace

std::string ComputeDisplayName(const std::string& collectionPath) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(collectionPath, ec);
    std::string name = (ec ? std::filesystem::path(collectionPath) : full).filename().string();
    name.resize(name.size() > 4 ? name.size() - 4 : 0);
    return name;
}

TMainWin::TMainWin(ProgramContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), working_(std::make_unique<PuzzleRecord>(NewPuzzleRecord())) {
    setObjectName("MainWin");
    BuildClient();
    BuildMenus();
    connect(&collection_, &CollectionModel::Changed, this, &TMainWin::ShowLists);
    new WindowKeys(*this);
    StartUp();
}

TMainWin::~TMainWin() = default;

// Start-up, in the program's order (the program state has taken the directories, the buffers
// and the settings, corrected the languages and named the user lists).
void TMainWin::StartUp() {
    ShowLanguageChecks();
    Action("MenuShowBack")->setChecked(context_.state.settings.backgroundBitmap);
    client_->SetTiled(context_.state.settings.backgroundBitmap);
    SetMenuLastFiles();
    collection_.Open(context_.state.settings.lastGroup);
    if (!collection_.Lists().puzzleBox.empty()) collection_.SelectPuzzle(0);
    ShowScreenSize(StartUpWindowSize(context_.state.settings.windowSize, context_.state.screen.width,
                                     context_.state.screen.height));
    winId();  // the native window, whose screen changes are followed
    connect(windowHandle(), &QWindow::screenChanged, this, &TMainWin::ScreenMoved);
    Action("Colors16Mil")->setChecked(context_.state.settings.pixelFormat == 1);
    Action("Colors256")->setChecked(context_.state.settings.pixelFormat == 2);
    design_ = SaveDimensions(*client_, components_);
    designWidth_ = design_.clientWidth;
    Action("MenuPuzzlePicture")->setChecked(context_.state.settings.puzzlePicture);
    if (!design_.tooMany.Empty()) context_.prompter->Inform(design_.tooMany);
    TellLibraryProblems(context_.state, *context_.prompter);
    RunCommand(*context_.prompter, [&] {
        const OldVersionPaths paths{context_.state.LayoutsLibrary(), context_.state.settings.defaultPage};
        CheckForOldVersions(context_.state.dirs, paths, *context_.prompter, *working_);
    });
    client_->setCursor(Qt::ArrowCursor);
    for (QWidget* component : components_)
        if (KindOfControl(*component) == ControlKind::SpeedButton) component->setCursor(HandCursor());
}

QAction* TMainWin::Action(const char* name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

void TMainWin::ApplyLook() {
    LayOutPicture();
    RestoreDimensions(*this, *client_, components_, design_, context_.Look(), kTopOffset);
    ApplyInterfaceFonts(*client_, context_.Look());
    // Speed button pictures grow with their buttons.
    for (QToolButton* speed : client_->findChildren<QToolButton*>())
        speed->setIconSize(QSize(speed->height() - 6, speed->height() - 6));
}

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    ApplyLook();
    displayName_ = FromAnsi(ComputeDisplayName(context_.state.settings.lastGroup));
    DoCaption();
    EnableDisable();
    shownOnce_ = true;
    // The tip of the day comes when the program starts (once a run), over the shown window;
    // a file named on the command line comes first, so the two never overlap.
    const bool tipDue = !tipShown_ && context_.state.settings.showTips;
    if (tipDue) tipShown_ = true;
    if (tipDue || !startFile_.empty()) {
        QTimer::singleShot(0, this, [this, tipDue] {
            if (!startFile_.empty()) OpenStartFile(std::exchange(startFile_, std::string()));
            if (tipDue) ReviewTipsClick();
        });
    }
}

void TMainWin::DoCaption() { setWindowTitle("Quernfold 98 (" + displayName_ + ")"); }

void TMainWin::EnableDisable() {
    const bool selected = collection_.Lists().SelectedPuzzle() != nullptr;
    for (const char* name : kOnePuzzleCommands) Action(name)->setEnabled(selected);
    ShowPicture();
}

void TMainWin::ShowLists() {
    const PuzzleLists& lists = collection_.Lists();
    Fill(categoryBox_, lists.categoryBox, lists.categoryRow);
    Fill(puzzleBox_, lists.puzzleBox, lists.puzzleRow);
    // Every write and open redraws the lists: the one-puzzle commands follow what they show.
    EnableDisable();
}

void TMainWin::CategoryClick(int row) {
    if (row < 0) return;
    collection_.SelectCategory(row);
    EnableDisable();
}

void TMainWin::PuzzleClick(int row) {
    collection_.SelectPuzzle(row);
    EnableDisable();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    context_.state.SaveSettings();  // a failed write is not reported
    event->accept();
}

}  // namespace qf
