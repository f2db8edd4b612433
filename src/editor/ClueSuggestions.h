#pragma once
// Clue suggestions for a word of the list: its senses from the English dictionary, cleaned for
// a clue, and synonyms from the thesaurus as short clues, the most common sense first.
#include <string>
#include <vector>

#include "base/Message.h"
#include "base/Outcome.h"

namespace qf {

class ThesaurusData;
class WordNet;

inline constexpr std::size_t kClueCapacityChars = 150;

inline constexpr const char* kMsgNoDictionaryData =
    "No dictionary data is installed: clue suggestions need the WordNet data (package wordnet-base).";
inline constexpr const char* kTipNoDictionaryData = "No dictionary data: install the package wordnet-base";

// "There is no dictionary for " + language + " clues.  Suggestions are made for English words."
std::string NoDictionaryForLanguageText(const std::string& language);
// "No clue suggestion was found for " + word + "."
std::string NoSuggestionText(const std::string& word);

enum class SuggestionKind { Definition, Example, Synonym };

struct ClueSuggestion {
    SuggestionKind kind = SuggestionKind::Definition;
    std::string partOfSpeech;  // "noun"...; empty for a synonym
    std::string clue;          // what goes into the clue cell
    std::string example;       // the sense's first example, the answer blanked out; may be empty
};

// Where the suggestions come from: either may be missing.
struct ClueSources {
    const WordNet* wordNet = nullptr;
    const ThesaurusData* thesaurus = nullptr;
    int caseSetting = 3;  // "Case Sensitivity": 2 starts a clue in lower case, the others with a capital
    bool Any() const { return wordNet || thesaurus; }
};

// The lemma a word is looked up as: lower case, its words joined by underscores ("Ice-Cream" ->
// "ice_cream").
std::string LookupLemma(const std::string& word);

// A text made fit for a clue: parentheses dropped, then cut at a "; " or a blank, so that it
// holds at most 150 characters; the first letter as the case setting wants it.
std::string ClueText(std::string text, int caseSetting);

// The suggestions for a word, none of which holds the word or a form of it; the first `limit`
// of them (the fill needs only the first).
inline constexpr std::size_t kAllSuggestions = static_cast<std::size_t>(-1);
std::vector<ClueSuggestion> SuggestClues(const std::string& word, const ClueSources& sources,
                                         std::size_t limit = kAllSuggestions);

}  // namespace qf
