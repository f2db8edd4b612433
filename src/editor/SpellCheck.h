#pragma once
// The spelling check of the word list editor's words and clues, without its windows: the
// editor hands over the grid's Word and Clue cells, the suggestions dialog answers through
// SpellSuggestionsDialog, and messages go through the Prompter.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Message.h"
#include "app/Prompter.h"
#include "editor/SpellLanguages.h"

namespace qf {

inline constexpr std::size_t kSpellGridRows = 200;

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

// The Word and Clue cells of grid rows 1..200 (index 0..199), Windows-1252.
struct SpellCheckGrid {
    std::array<std::string, kSpellGridRows> words;
    std::array<std::string, kSpellGridRows> clues;
};

enum class SuggestionAction { Replace, Ignore, Add, Abort };

struct SuggestionChoice {
    SuggestionAction action = SuggestionAction::Ignore;
    std::string replacement;  // the selected suggestion, for Replace
};

// What TSpellSuggestions does for one rejected word that has suggestions (the first one
// selected). "&Add" only reports Add: the check stores the word in the include list.
class SpellSuggestionsDialog {
public:
    virtual ~SpellSuggestionsDialog() = default;
    virtual SuggestionChoice ShowSuggestions(const std::string& notice, const std::string& word,
                                             const std::vector<std::string>& suggestions) = 0;
};

// The dialog's notice for a language name.
std::string SuggestionsNotice(const std::string& languageName);

struct SpellCheckOptions {
    std::string programDir;
    int language = 1;           // 1..8: the lexicons to use (the picked one for "choose")
    UserListNames userLists;    // named at start-up; may be empty
    bool isNewPuzzle = true;    // words are checked only for a new puzzle
};

struct SpellCheckOutcome {
    bool ran = false;       // false when the lexicons could not be opened
    bool aborted = false;
    bool notFound = false;  // some word was rejected
    Message report;         // also shown through the prompter
};

SpellCheckOutcome DoSpellCheck(SpellCheckGrid& grid, const SpellCheckOptions& options,
                               SpellSuggestionsDialog& dialog, Prompter& prompter);

}  // namespace qf
