#pragma once
// The spelling check of the word list editor's words and clues, without its windows: the
// editor hands over the grid's Word and Clue cells, the suggestions dialog answers through
// SpellSuggestionsDialog, and messages go through the Prompter.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "editor/EditorGrid.h"
#include "editor/SpellLanguages.h"

namespace qf {


inline constexpr const char* kCaptionSpellingOk = "Spelling Ok";
inline constexpr const char* kCaptionSpellingStatus = "Spelling Status";
inline constexpr const char* kMsgAllWordsFound = "All words were found in the dictionary.";
inline constexpr const char* kMsgSpellAborted = "Spell checking aborted.";
inline constexpr const char* kMsgSpellComplete = "Spell checking complete.";
inline constexpr const char* kMsgDictionaryFilesMissing = "Could not find one of the dictionary files.";
inline constexpr const char* kMsgNoSuggestions = "No suggestions could be found.";
inline constexpr const char* kMsgNoReplacementSelected =
    "No replacement word has been selected.  Please choose a replacement first.";
inline constexpr const char* kCaptionSpellingSuggestions = "Spelling Suggestions";

// The Word and Clue cells of the editor's grid.
using SpellCheckGrid = EditorGrid;

// ReplaceAll and IgnoreAll also answer every later occurrence of the same word in the run.
enum class SuggestionAction { Replace, ReplaceAll, Ignore, IgnoreAll, Add, Abort };

struct SuggestionChoice {
    SuggestionAction action = SuggestionAction::Ignore;
    std::string replacement;  // the selected suggestion (or the word as edited), for Replace
};

// The engine's suggestions for a word, in its order.
using Suggester = std::function<std::vector<std::string>(const std::string&)>;

// What TSpellSuggestions does for one rejected word that has suggestions (the first one
// selected). "&Add" only reports Add: the check stores the word in the include list.
class SpellSuggestionsDialog {
public:
    virtual ~SpellSuggestionsDialog() = default;
    virtual SuggestionChoice ShowSuggestions(const std::string& notice, const std::string& word,
                                             const std::vector<std::string>& suggestions) = 0;
    // Set by the check for the dialog's "&Suggest": suggestions for the word as edited.
    Suggester suggest;
};

// The dialog's notice for a language name.
std::string SuggestionsNotice(const std::string& languageName);

struct SpellCheckOptions {
    std::string programDir;
    int language = 1;           // 1..8: the lexicons to use (the picked one for "choose")
    UserListNames userLists;    // named at start-up; may be empty
    bool isNewPuzzle = true;    // words are checked only for a new puzzle
    std::string userDir{};      // where the user's word lists are; empty: the program directory

    const std::string& UserListFolder() const { return userDir.empty() ? programDir : userDir; }
};

// The words of a clue the check asks the engine about: the clue trimmed, cut into tokens, each
// token without its delimiters, those left empty passed over. `token` is the word's position
// among the clue's tokens (from 0), where a replacement goes.
struct ClueWord {
    std::size_t token = 0;
    std::string word;
};
std::vector<ClueWord> ClueWordsToCheck(std::string_view clue);

// Checks the grid's words (new puzzles only) and clues; every outcome is also reported through
// the prompter. Done: "All words were found in the dictionary." or "Spell checking complete.";
// cancelled by Abort: "Spell checking aborted."; refused when the lexicons could not be opened.
Outcome DoSpellCheck(SpellCheckGrid& grid, const SpellCheckOptions& options, SpellSuggestionsDialog& dialog,
                     Prompter& prompter);

}  // namespace qf
