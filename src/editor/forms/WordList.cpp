#include "editor/forms/WordList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "collections/CollectionFile.h"
#include "editor/ClueDictionary.h"
#include "editor/forms/WordGrid.h"
#include "editor/forms/WordGridDelegate.h"
#include "shapes/ShapeList.h"
#include "shapes/forms/ShapePanel.h"
#include "layouts/forms/PageBox.h"

namespace qf {
namespace {

constexpr int kColumnWidths[] = {24, 12, 100, 368};
constexpr int kGridWidth = 528;
constexpr int kRowHeight = 18;
constexpr int kShapePicture = 148;

QTableWidgetItem* FixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

TWordList::TWordList(WordListInputs inputs, QWidget* parent)
    : ProgramDialog(inputs.look, parent), in_(std::move(inputs)) {
    setObjectName("WordList");
    setWindowTitle(FromAnsi(in_.caption));
    BuildControls();
    FillFromRecord();
}

TWordList::~TWordList() = default;

// The grid's columns and rows at the scale the editor is shown at.
void TWordList::ScaleChosen(double scale) {
    for (int c = 0; c < 4; ++c) grid_->setColumnWidth(c, Scaled(kColumnWidths[c], scale));
    grid_->verticalHeader()->setDefaultSectionSize(Scaled(kRowHeight, scale));
    // The design width, or what the four columns, the scroll bar and the frame need at this scale.
    int columns = 0;
    for (int width : kColumnWidths) columns += Scaled(width, scale);
    grid_->setFixedWidth(std::max(Scaled(kGridWidth, scale),
                                  columns + grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                      2 * grid_->frameWidth() + 2));
}

void TWordList::BuildControls() {
    QGridLayout* top = TitleRow();
    BuildGrid();
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(grid_, 1);
    gridColumn->addLayout(ClueRow());
    auto* middle = new QHBoxLayout;
    middle->addLayout(gridColumn, 1);
    middle->addLayout(CommandColumn());
    QHBoxLayout* bonusRow = BonusRow();
    QHBoxLayout* options = OptionsRow();

    // The shape list: the editor changing a puzzle lists the puzzle's own shape too.
    shapes_ = new TShapePanel(ShapePanelInputs{
        in_.look, in_.isNewPuzzle ? ShapeListOwner::NewPuzzle : ShapeListOwner::ModifyPuzzle, in_.settings,
        in_.currentShape, in_.prompter, in_.fileChooser, in_.shapesLibrary, kShapePicture,
        [working = &in_.working] { return ShapeOfPuzzleGrid(working->width, working->height, working->grid); }});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bonusRow);
    layout->addLayout(options);
    layout->addWidget(shapes_);

    connect(findChild<QPushButton*>("CreateIt"), &QPushButton::clicked, this, &TWordList::CreateItClick);
    connect(findChild<QPushButton*>("SaveButton"), &QPushButton::clicked, this, &TWordList::SaveButtonClick);
    connect(findChild<QPushButton*>("Cancel"), &QPushButton::clicked, this, &TWordList::reject);
    connect(findChild<QPushButton*>("DeleteClue"), &QPushButton::clicked, this, &TWordList::DeleteClueClick);
    connect(findChild<QPushButton*>("DeleteAllClue"), &QPushButton::clicked, this, &TWordList::DeleteAllClueClick);
    ConnectWordTools();
    ConnectClueTools();
    SetDesignSize(QSize(720, 560));
}

// The title and the category.
QGridLayout* TWordList::TitleRow() {
    title_ = new QLineEdit;
    title_->setObjectName(WordListControls::kTitle.text);
    title_->setMaxLength(kTitleCapacity);
    category_ = new QComboBox;
    category_->setObjectName(WordListControls::kCategory.text);
    category_->setEditable(true);
    category_->setInsertPolicy(QComboBox::NoInsert);
    // The categories are offered, never put in place of what is typed ("Bir" stays "Bir", and
    // "birds" is not turned into "Birds").
    category_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    category_->completer()->setCaseSensitivity(Qt::CaseSensitive);

    auto* top = new QGridLayout;
    top->addWidget(BuddyLabel("&Title", title_), 0, 0);
    top->addWidget(title_, 0, 1);
    top->addWidget(BuddyLabel("Cate&gory", category_), 0, 2);
    top->addWidget(category_, 0, 3);
    top->setColumnStretch(1, 3);
    top->setColumnStretch(3, 2);
    return top;
}

// The grid of words and clues, at the scale the editor opens at.
void TWordList::BuildGrid() {
    grid_ = new TWordGrid(kEditorRows, 4);
    grid_->setObjectName(WordListControls::kGrid.text);
    grid_->setAccessibleName("Words and clues");
    grid_->setHorizontalHeaderLabels({"Cnt", "U", "Word", "Clue"});
    grid_->verticalHeader()->hide();
    grid_->setItemDelegate(new WordGridDelegate(grid_));
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setTabKeyNavigation(true);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScaleChosen(Look().scale);
}

// The editor's commands, beside the grid.
QVBoxLayout* TWordList::CommandColumn() {
    const std::pair<const char*, const char*> kButtons[] = {
        {"CreateIt", "&Create"},       {"SaveButton", "Sa&ve"},      {"Cancel", "E&xit"},
        {"DeleteClue", "De&lete"},     {"DeleteAllClue", "Delete &All"}, {"ImportClue", "&Import"},
        {"ExportClue", "&Export"},     {"SpellClue", "&Spell Check"}, {"Thes", "&Thesaurus"},
        {"AddWordsButton", "Add &Words"}, {"IntCharButton", "International Characters"},
    };
    std::vector<ColumnItem> buttons;
    for (const auto& [name, caption] : kButtons) buttons.push_back(NamedButton(name, caption, FocusEnter::Passes));
    return SideColumn(buttons);
}

QHBoxLayout* TWordList::BonusRow() {
    bonus_ = new QLineEdit;
    bonus_->setObjectName("BonusQuest");
    bonus_->setMaxLength(kBonusTypingLimit);
    auto* bonusRow = new QHBoxLayout;
    bonusRow->addWidget(BuddyLabel("&Bonus Question", bonus_));
    bonusRow->addWidget(bonus_, 1);
    return bonusRow;
}

// The run's options, the page layout and its picture.
QHBoxLayout* TWordList::OptionsRow() {
    attempts_ = new QLineEdit("999");
    attempts_->setObjectName(WordListControls::kAttempts.text);
    attempts_->setMaxLength(kAttemptsTypingLimit);
    attempts_->setFixedWidth(attempts_->fontMetrics().horizontalAdvance("99999") + 12);
    shrink_ = new QCheckBox("Shrin&k");
    shrink_->setObjectName("AutoShrink");
    quick_ = new QCheckBox("&Quick Create");
    quick_->setObjectName("QuickCreate");
    thorough_ = new QCheckBox("T&horough");
    thorough_->setObjectName("ThoroughFill");
    // The options are settings, written at once.
    connect(shrink_, &QCheckBox::toggled, this, [this](bool on) { in_.settings.shrink = on; });
    connect(quick_, &QCheckBox::toggled, this, [this](bool on) { in_.settings.quickBuild = on; });
    connect(thorough_, &QCheckBox::toggled, this, [this](bool on) { in_.settings.thoroughFill = on; });

    auto* options = new QHBoxLayout;
    options->addWidget(BuddyLabel("Attem&pts", attempts_));
    options->addWidget(attempts_);
    options->addWidget(shrink_);
    options->addWidget(quick_);
    options->addWidget(thorough_);
    options->addStretch();
    QPushButton* changeLayout = NamedButton("ChangeLayout", "Change La&yout", FocusEnter::Passes);
    connect(changeLayout, &QPushButton::clicked, this, &TWordList::ChangeLayoutClick);
    changeLayout->setEnabled(static_cast<bool>(in_.chooseLayout));
    options->addWidget(changeLayout);
    pageBox_ = new TPageBox;
    pageBox_->setObjectName("Img");
    pageBox_->setFixedSize(60, 78);
    options->addWidget(pageBox_);
    return options;
}

// FormShow's filling: the grid, the categories of the main window, the texts, the options,
// and what the mode locks.
void TWordList::FillFromRecord() {
    const PuzzleRecord& record = in_.working;
    SetGrid(GridOfRecord(record));
    for (const ListRow& row : in_.collection.Lists().categoryBox) category_->addItem(FromAnsi(row.text));
    const EditorTexts texts = TextsOfRecord(record);
    bonus_->setText(FromAnsi(texts.bonusQuestion));
    title_->setText(FromAnsi(texts.title));
    category_->setEditText(FromAnsi(texts.category));
    attempts_->setText(QString::number(in_.settings.attempts));
    shrink_->setChecked(in_.settings.shrink);
    quick_->setChecked(in_.settings.quickBuild);
    thorough_->setChecked(in_.settings.thoroughFill);

    auto* save = findChild<QPushButton*>("SaveButton");
    auto* addWords = findChild<QPushButton*>("AddWordsButton");
    if (in_.isNewPuzzle) {
        save->hide();
        save->setEnabled(false);
        addWords->hide();
        addWords->setEnabled(false);
    } else {
        for (const char* name : {"CreateIt", "ImportClue", "DeleteClue", "DeleteAllClue"})
            findChild<QPushButton*>(name)->setEnabled(false);
        shrink_->setEnabled(false);
        quick_->setEnabled(false);
        thorough_->setEnabled(false);
        shapes_->Lock();
        attempts_->setEnabled(false);
        snapshot_ = std::make_unique<PuzzleRecord>(record);
    }
    openedTexts_ = Texts();
    openedGrid_ = Grid();
    if (!in_.anySpellingLanguage) findChild<QPushButton*>("SpellClue")->setEnabled(false);
    if (!in_.anyThesaurusLanguage) findChild<QPushButton*>("Thes")->setEnabled(false);
}

void TWordList::showEvent(QShowEvent* event) {
    ProgramDialog::showEvent(event);
    if (event->spontaneous()) return;
    move(x(), y() - 15 > 0 ? y() - 15 : 0);
    if (!shapesShown_) {
        shapesShown_ = true;
        shapes_->Start();
    }
    DrawPageBox();
    title_->setFocus();
}

EditorGrid TWordList::Grid() const {
    EditorGrid grid;
    for (int r = 0; r < kEditorRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const QTableWidgetItem* u = grid_->item(r, 1);
        const QTableWidgetItem* word = grid_->item(r, kWordColumn);
        const QTableWidgetItem* clue = grid_->item(r, kClueColumn);
        grid.used[i] = u && !u->text().isEmpty();
        grid.words[i] = word ? ToAnsi(word->text()) : std::string();
        grid.clues[i] = clue ? ToAnsi(clue->text()) : std::string();
    }
    return grid;
}

void TWordList::SetGrid(const EditorGrid& grid) {
    const QSignalBlocker quiet(grid_);
    for (int r = 0; r < kEditorRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        grid_->setItem(r, 0, FixedItem(QString::number(r + 1)));
        grid_->setItem(r, 1, FixedItem(grid.used[i] ? "x" : ""));
        auto* word = new QTableWidgetItem(FromAnsi(grid.words[i]));
        if (!in_.isNewPuzzle) word->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid_->setItem(r, kWordColumn, word);
        grid_->setItem(r, kClueColumn, new QTableWidgetItem(FromAnsi(grid.clues[i])));
    }
}

EditorTexts TWordList::Texts() const {
    return {ToAnsi(title_->text()), ToAnsi(category_->currentText()), ToAnsi(bonus_->text())};
}

void TWordList::SetValues() { qf::SetValues(Texts(), Grid(), in_.working); }

bool TWordList::PuzzleChanged() {
    SetValues();
    return snapshot_ && PuzzleDiffers(in_.working, *snapshot_);
}

void TWordList::DeleteClueClick() {
    const int row = grid_->currentRow() + 1;
    if (row < 1) return;
    EditorGrid grid = Grid();
    DeleteGridRow(grid, row);
    SetGrid(grid);
    grid_->setFocus();
}

void TWordList::DeleteAllClueClick() {
    EditorGrid grid = Grid();
    const Outcome cleared = DeleteAllWords(grid, in_.prompter);
    ShowOutcome(*this, in_.prompter, cleared);
    if (cleared.IsDone()) SetGrid(grid);
}

void TWordList::Written() {
    in_.collection.Written(in_.working.category.Str(), in_.working.title.Str());
}

bool TWordList::SaveIt() {
    bool saved = false;
    RunCommand(in_.prompter, [&] {
        const Outcome written = WritePuzzle(in_.collection.Path(), in_.editRecordIndex, in_.working);
        if (!written.IsDone()) {
            ShowOutcome(*this, in_.prompter, written);
            return;
        }
        Written();
        saved = true;
    });
    return saved;
}

void TWordList::SaveButtonClick() {
    const Outcome checked = CheckTitleAndCategory(Texts());
    if (!checked.IsDone()) {
        ShowOutcome(*this, in_.prompter, checked);
        return;
    }
    SetValues();
    // A collection that could not be written keeps the editor open with what was typed.
    if (!SaveIt()) return;
    result_ = Outcome::Done(in_.editRecordIndex);
    accept();
}

// E&xit, Escape and the close button: a modified puzzle offers to save; typing in a new puzzle
// is not thrown away without asking.
bool TWordList::ConfirmLeave() {
    if (in_.isNewPuzzle) {
        if (!EntriesDiffer(Texts(), Grid(), openedTexts_, openedGrid_)) return true;
        return in_.prompter.Ask(WarningMessage(kDiscardTypingQuestion), Question::YesNo) == Answer::Yes;
    }
    if (!PuzzleChanged()) return true;
    switch (in_.prompter.Ask(WarningMessage(kSaveChangesQuestion), Question::YesNoCancel)) {
        case Answer::Cancel: return false;
        case Answer::Yes:
            if (!SaveIt()) return false;
            result_ = Outcome::Done(in_.editRecordIndex);
            return true;
        case Answer::No: break;
    }
    return true;
}

void TWordList::ChangeLayoutClick() {
    if (!in_.chooseLayout) return;
    PageLayoutRecord chosen = in_.working.layout;
    if (in_.chooseLayout(chosen)) in_.working.layout = chosen;
    DrawPageBox();
}

void TWordList::DrawPageBox() { pageBox_->SetLayout(in_.working.layout); }

void TWordList::Run(WordListInputs inputs, QWidget* parent) {
    TWordList editor(std::move(inputs), parent);
    editor.exec();
}

}  // namespace qf
