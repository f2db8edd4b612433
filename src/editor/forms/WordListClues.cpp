// The word list editor's clue commands: Suggest Clue for the current row, Fill Empty Clues with
// its one-step Undo, Check Clues, and Create's question about clues that give answers away.
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>

#include "base/TextHelpers.h"
#include "base/forms/FormControls.h"
#include "base/forms/FormMessages.h"
#include "base/forms/QtText.h"
#include "editor/ClueDictionary.h"
#include "editor/SpellSession.h"
#include "editor/forms/CheckClues.h"
#include "editor/forms/ClueSuggestions.h"
#include "editor/forms/WordList.h"
#include "output/ClueFit.h"

namespace qf {
namespace {

ClueLanguages LanguagesOf(const WordToolInputs& tools, const Settings& settings) {
    return {tools.wordNetFolder, tools.programDir, SpellCheckLanguage(settings), ThesaurusLookupLanguage(settings),
            settings.caseSensitivity};
}

}  // namespace

// Every other letter of these captions is an Alt key of the editor already, or of the main
// window's menu bar (File, Edit, Options, Help), where two owners would make the key type into
// the cell being edited instead: only Suggest Clue has one of its own.
QHBoxLayout* TWordList::ClueRow() {
    return ButtonRow({NamedButton("SuggestClue", "S&uggest Clue", FocusEnter::Passes),
                      NamedButton("FillClues", "Fill Empty Clues", FocusEnter::Passes),
                      NamedButton("UndoFill", "Undo Fill", FocusEnter::Passes),
                      NamedButton("CheckClues", "Check Clues", FocusEnter::Passes)},
                     RowAlign::Left);
}

void TWordList::ConnectClueTools() {
    auto button = [this](const char* name) { return findChild<QPushButton*>(name); };
    connect(button("SuggestClue"), &QPushButton::clicked, this, &TWordList::SuggestClueClick);
    connect(button("FillClues"), &QPushButton::clicked, this, &TWordList::FillCluesClick);
    connect(button("UndoFill"), &QPushButton::clicked, this, &TWordList::UndoFillClick);
    connect(button("CheckClues"), &QPushButton::clicked, this, &TWordList::CheckCluesClick);
    button("UndoFill")->setEnabled(false);
    if (!ClueDataInstalled(LanguagesOf(in_.tools, in_.settings))) {
        for (const char* name : {"SuggestClue", "FillClues"}) {
            button(name)->setEnabled(false);
            button(name)->setToolTip(kTipNoDictionaryData);
        }
    }
}

ClueDictionary* TWordList::OpenClueDictionary() {
    if (!clueDictionary_) clueDictionary_ = std::make_unique<ClueDictionary>(LanguagesOf(in_.tools, in_.settings));
    const Outcome opened = clueDictionary_->Open();
    if (opened.IsDone()) return clueDictionary_.get();
    ShowOutcome(*this, in_.prompter, opened);
    return nullptr;
}

ClueFits TWordList::ClueFitOfLayout() const { return MakeClueFit(in_.working.layout); }

void TWordList::GoToCell(int row, int column) {
    grid_->setFocus();
    grid_->setCurrentCell(row - 1, column);
    grid_->scrollToItem(grid_->item(row - 1, column));
}

void TWordList::SuggestClueClick() {
    const int row = grid_->currentRow() + 1;
    if (row <= 0) return;
    RunCommand(in_.prompter, [&] {
        EditorGrid grid = Grid();
        const auto r = static_cast<std::size_t>(row - 1);
        const std::string word = TrimBlanks(grid.words[r]);
        if (word.empty()) {
            ShowMessage(*this, in_.prompter, InfoMessage("Row " + std::to_string(row) + " has no word to suggest a clue for.", kCaptionNotice));
            return;
        }
        ClueDictionary* dictionary = OpenClueDictionary();
        if (!dictionary) return;
        auto suggestions = SuggestClues(word, dictionary->Sources());
        if (suggestions.empty()) {
            ShowMessage(*this, in_.prompter, InfoMessage(NoSuggestionText(word), kCaptionNotice));
            return;
        }
        if (const auto clue = TClueSuggestions::Run(Look(), in_.tools.programDir, word, TrimBlanks(grid.clues[r]), std::move(suggestions), this)) {
            grid.clues[r] = *clue;
            SetGrid(grid);
        }
        GoToCell(row, kClueColumn);
    });
}

void TWordList::FillCluesClick() {
    RunCommand(in_.prompter, [&] {
        ClueDictionary* dictionary = OpenClueDictionary();
        if (!dictionary) return;
        EditorGrid grid = Grid();
        ClueFillResult filled = FillEmptyClues(grid, dictionary->Sources());
        const Message summary = FillSummary(filled);
        if (!filled.filled.empty()) {
            SetGrid(grid);
            lastFill_ = std::move(filled);
            findChild<QPushButton*>("UndoFill")->setEnabled(true);
        }
        ShowMessage(*this, in_.prompter, summary);
    });
}

void TWordList::UndoFillClick() {
    if (!lastFill_) return;
    EditorGrid grid = Grid();
    UndoFill(grid, *lastFill_);
    SetGrid(grid);
    lastFill_.reset();
    findChild<QPushButton*>("UndoFill")->setEnabled(false);
}

void TWordList::CheckCluesClick() {
    RunCommand(in_.prompter, [&] {
        // Without a dictionary the check knows the regular inflections only.
        if (!clueDictionary_) clueDictionary_ = std::make_unique<ClueDictionary>(LanguagesOf(in_.tools, in_.settings));
        (void)clueDictionary_->Open();
        auto problems = CheckClues(Grid(), clueDictionary_->Dictionary(), ClueFitOfLayout());
        if (problems.empty()) {
            ShowMessage(*this, in_.prompter, InfoMessage(kMsgCluesClean, kCaptionCheckClues));
            return;
        }
        if (const auto chosen = TCheckClues::Run(Look(), in_.tools.programDir, std::move(problems), this)) GoToCell(chosen->row, chosen->column);
    });
}

bool TWordList::CluesPassForCreate() {
    if (!clueDictionary_) clueDictionary_ = std::make_unique<ClueDictionary>(LanguagesOf(in_.tools, in_.settings));
    (void)clueDictionary_->Open();
    const auto problems = CheckClues(Grid(), clueDictionary_->Dictionary());
    const Message question = CreateClueQuestion(problems);
    if (question.Empty()) return true;
    if (in_.prompter.Ask(question, Question::YesNo) == Answer::Yes) return true;
    for (const ClueProblem& p : problems) {
        if (p.kind != ClueProblemKind::GivesAway && p.kind != ClueProblemKind::SameAnswer) continue;
        GoToCell(p.row, p.column);
        break;
    }
    return false;
}

}  // namespace qf
