// The main window's word commands: the user's own dictionary word lists, the international
// character keys and the word entry into a puzzle's grid.
#include "app/forms/MainWin.h"
#include "app/CrosswordEntries.h"
#include "base/forms/FormMessages.h"
#include "editor/WordNet.h"
#include "editor/forms/DoIntChars.h"
#include "editor/forms/ManualAdd.h"
#include "editor/forms/MyEditBox.h"
#include "editor/forms/WordList.h"

namespace qf {

inline constexpr const char* kNoDictionaryLanguage = "No dictionary language is installed.";

WordToolInputs TMainWin::WordTools() const {
    const ProgramState& state = context_.state;
    WordToolInputs tools;
    tools.programDir = state.dirs.program;
    tools.userDir = state.dirs.UserFolder();
    tools.userLists = state.userLists;
    tools.spelling = state.available.spelling;
    tools.thesaurus = state.available.thesaurus;
    tools.readCrossword = ReadCrosswordEntries;
    tools.wordNetFolder = WordNetFolder();
    return tools;
}

void TMainWin::EditUserList(UserListMode mode) {
    const UserListNames& lists = context_.state.userLists;
    // Without a spelling language no list is named, so there is nothing to maintain.
    if (lists.Empty()) {
        ShowMessage(*this, *context_.prompter, ErrorMessage(kNoDictionaryLanguage));
        return;
    }
    UserListTarget target{mode,
                          context_.state.UserWordList(mode == UserListMode::Include ? lists.include : lists.exclude),
                          lists.languageName, lists.code};
    RunCommand(*context_.prompter, [&] { TMyEditBox::Run(context_.Look(), target, *context_.prompter, this); });
}

void TMainWin::AddDictClick() { EditUserList(UserListMode::Include); }

void TMainWin::ExcludeDictClick() { EditUserList(UserListMode::Exclude); }

void TMainWin::IntCharsClick() { TDoIntChars::Run(context_.Look(), context_.state.settings.intKeys, this); }

// AddWords: letters typed into the selected puzzle's grid; the dialog saves the puzzle itself.
void TMainWin::PuzzleWordsClick() {
    RunCommand(*context_.prompter, [&] {
        if (!ReadSelectedPuzzle()) return;
        isNewPuzzle_ = false;
        const PuzzleRecord copy = *working_;
        TManualAdd::Run({context_.Look(), 1, copy, *working_, editRecordIndex_, collection_, context_.state.settings,
                         *context_.prompter, {}},
                        this);
    });
}

}  // namespace qf
