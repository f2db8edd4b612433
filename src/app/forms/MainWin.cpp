#include "app/forms/MainWin.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QSignalBlocker>
#include <filesystem>

#include "app/forms/WordLetters.h"
#include "base/forms/QtText.h"

namespace qf {
namespace {

QLabel* Heading(const char* name, const char* text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    QFont font("Arial");
    font.setPixelSize(31);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("color: yellow;");
    return label;
}

QListWidget* List(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

void Fill(QListWidget* box, const std::vector<ListRow>& rows, int selected) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const ListRow& row : rows) box->addItem(FromAnsi(row.text));
    box->setCurrentRow(selected);
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
    resize(632, 413);

    auto* central = new QWidget;
    central->setObjectName("Client");
    central->setStyleSheet("#Client { background: grey; }");
    auto* grid = new QGridLayout(central);
    categoryBox_ = List("CategoryBox");
    puzzleBox_ = List("PuzzleBox");
    grid->addWidget(Heading("CategoryLabel", "Category"), 0, 0);
    grid->addWidget(Heading("PuzzlesLabel", "Puzzles"), 0, 1);
    grid->addWidget(categoryBox_, 1, 0);
    grid->addWidget(puzzleBox_, 1, 1);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(0, 1);
    setCentralWidget(central);
    BuildMenus();

    connect(&collection_, &CollectionModel::Changed, this, &TMainWin::ShowLists);
    connect(categoryBox_, &QListWidget::currentRowChanged, &collection_, &CollectionModel::SelectCategory);
    connect(puzzleBox_, &QListWidget::currentRowChanged, &collection_, &CollectionModel::SelectPuzzle);

    // Start-up: the open collection is listed and its first puzzle selected.
    collection_.Open(context_.state.settings.lastGroup);
    if (!collection_.Lists().puzzleBox.empty()) collection_.SelectPuzzle(0);
    displayName_ = FromAnsi(ComputeDisplayName(context_.state.settings.lastGroup));
    DoCaption();
}

void TMainWin::BuildMenus() {
    QMenu* options = menuBar()->addMenu("&Options");
    options->setObjectName("OptionsMenu");
    QAction* wordSep = options->addAction("&Word Separator Chars", this, &TMainWin::WordSeparatorsClick);
    wordSep->setObjectName("MenuWordSep");
    wordSep->setShortcut(QKeySequence("Ctrl+B"));
}

void TMainWin::ShowLists() {
    const PuzzleLists& lists = collection_.Lists();
    Fill(categoryBox_, lists.categoryBox, lists.categoryRow);
    Fill(puzzleBox_, lists.puzzleBox, lists.puzzleRow);
}

void TMainWin::WordSeparatorsClick() {
    Settings& settings = context_.state.settings;
    StoreSeparators(TWordLetters::Run(context_.Look(), SeparatorsOf(settings), *context_.prompter, this), settings);
}

void TMainWin::DoCaption() { setWindowTitle("Quernfold 98 (" + displayName_ + ")"); }

void TMainWin::closeEvent(QCloseEvent* event) {
    context_.state.SaveSettings();  // a failed write is not reported
    event->accept();
}

}  // namespace qf
