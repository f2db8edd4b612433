#pragma once
// The look-ups of the thesaurus dialog (TThesSuggestions) without its window: the dialog
// shows what these return and the messages they raise.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "editor/ThesaurusEngine.h"

namespace qf {

inline constexpr const char* kMsgThesaurusFileMissing = "Could not find the Thesaurus file.";
inline constexpr const char* kMsgWordNotInThesaurus =
    "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.";
inline constexpr std::size_t kMaxAntonyms = 25;
inline constexpr std::size_t kMaxAntonymLength = 50;

// "bright.adj" -> "bright (adjective)"; a name with another tag shows its base word alone.
std::string CategoryDisplayForm(const std::string& categoryName);
// "bright (adjective)" -> "bright.adj"; an entry with none of the four endings yields ".adv".
std::string CategoryNameFromDisplay(const std::string& displayEntry);

// "No suggestions found for the word " + word + "."
std::string NoThesaurusSuggestionsText(const std::string& word);

struct LookUpResult {
    std::vector<std::string> categories;  // CatBox, display form
    std::vector<std::string> antonyms;    // AntBox, display form, distinct, at most 25
    std::vector<std::string> synonyms;    // DefBox, for the first category
    bool acceptEnabled = false;
    Message message;                      // the warning when the word is not found
};

struct SynonymList {
    std::vector<std::string> synonyms;
    bool acceptEnabled = false;
};

class ThesaurusLookup {
public:
    ThesaurusLookup() = default;
    ~ThesaurusLookup() { CloseThes(); }
    ThesaurusLookup(const ThesaurusLookup&) = delete;
    ThesaurusLookup& operator=(const ThesaurusLookup&) = delete;

    // Opens a session and the thesaurus file; refused with the message when it cannot.
    Outcome OpenThes(const std::string& thesaurusPath);
    void CloseThes();
    bool IsOpen() const { return open_; }

    // The word is trimmed of blanks first.
    LookUpResult LookUpWord(const std::string& word);
    // The synonyms of a displayed category or antonym entry.
    SynonymList LoadInSyns(const std::string& displayEntry);
    // The similar words into `words`; refused with the error message when there are none.
    Outcome Suggestions(const std::string& word, std::vector<std::string>& words);

private:
    ThesSession session_ = -1;
    ThesId thesaurus_ = -1;
    bool open_ = false;
};

}  // namespace qf
