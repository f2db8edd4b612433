// The main window's puzzle commands: new, modify and copy, each through the word list editor.
#include <QAction>

#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionOperations.h"
#include "collections/PuzzleStart.h"
#include "editor/SpellLanguages.h"
#include "editor/forms/WordList.h"
#include "layouts/forms/ListPages.h"

namespace qf {

WordListInputs TMainWin::EditorInputs(const char* caption) {
    const ProgramState& state = context_.state;
    bool anySpelling = false;
    for (int v = 1; v <= kSpellLanguageCount; ++v) anySpelling = anySpelling || state.available.spelling[static_cast<std::size_t>(v)];
    const bool anyThesaurus = state.available.thesaurus[1] || state.available.thesaurus[2];
    WordListInputs inputs{context_.Look(),
                          isNewPuzzle_,
                          caption,
                          editRecordIndex_,
                          *working_,
                          context_.state.settings,
                          context_.state.currentShape,
                          context_.state.lastRun,
                          collection_,
                          *context_.prompter,
                          *context_.fileChooser,
                          state.ShapesLibrary(),
                          anySpelling && state.settings.dictionary != kNoSpellLanguage,
                          anyThesaurus && state.settings.thesaurus != 0,
                          LayoutChooser(ListPagesMode::Editor)};
    inputs.tools = WordTools();
    return inputs;
}

void TMainWin::MakeNewPuzzle() {
    RunCommand(*context_.prompter, [&] {
        StartNewPuzzle(*working_, context_.state.LayoutsLibrary(), context_.state.settings.defaultPage);
        isNewPuzzle_ = true;
        TWordList::Run(EditorInputs(kCaptionCreateNew), this);
    });
}

// Reads the selected puzzle into the working record for the editor; false when there is none
// or the collection cannot be read (the message was shown; the working record is unchanged).
bool TMainWin::ReadSelectedPuzzle() {
    const ListRow* row = collection_.Lists().SelectedPuzzle();
    if (!row) {
        ShowMessage(*this, *context_.prompter, ErrorMessage(kNoPuzzleSelected));
        return false;
    }
    auto read = std::make_unique<PuzzleRecord>();
    const Outcome outcome = ReadPuzzle(collection_.Path(), row->value, *read, kUnableToAccessWordList);
    if (!outcome.IsDone()) {
        ShowOutcome(*this, *context_.prompter, outcome);
        return false;
    }
    editRecordIndex_ = row->value;
    *working_ = *read;
    return true;
}

void TMainWin::ModifyPuzzle() {
    RunCommand(*context_.prompter, [&] {
        if (!ReadSelectedPuzzle()) return;
        isNewPuzzle_ = false;
        TWordList::Run(EditorInputs(kCaptionModify), this);
    });
}

void TMainWin::CopyPuzzle() {
    RunCommand(*context_.prompter, [&] {
        if (!ReadSelectedPuzzle()) return;
        isNewPuzzle_ = true;
        StartCopyOfPuzzle(*working_);
        TWordList::Run(EditorInputs(kCaptionCreateCopy), this);
    });
}

}  // namespace qf
