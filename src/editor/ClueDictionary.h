#pragma once
// The data behind the clue suggestions for the current languages: WordNet's definitions when the
// spelling language is English (or none is set), the synonyms of the current thesaurus. Opened
// once and kept, as a look-up of every row must be quick.
#include <memory>
#include <string>

#include "base/Outcome.h"
#include "editor/ClueSuggestions.h"

namespace qf {

class ThesaurusData;
class WordNet;

struct ClueLanguages {
    std::string wordNetFolder;  // WordNetFolder(), or a test's own
    std::string programDir;     // the thesaurus descriptors
    int spelling = 1;           // SpellCheckLanguage(settings): 0 none, 1..8
    int thesaurus = 1;          // ThesaurusLookupLanguage(settings): 1 American, 2 British
    int caseSetting = 3;
};

// Whether any suggestion data is installed at all (WordNet's index or a thesaurus descriptor):
// without it the suggestion commands are disabled.
bool ClueDataInstalled(const ClueLanguages& languages);

class ClueDictionary {
public:
    explicit ClueDictionary(ClueLanguages languages);
    ~ClueDictionary();
    ClueDictionary(const ClueDictionary&) = delete;
    ClueDictionary& operator=(const ClueDictionary&) = delete;

    // Opens the data the first time; refused, with the message saying why, when there is no
    // dictionary for the spelling language or no data at all.
    Outcome Open();
    // The sources once opened (empty before).
    ClueSources Sources() const;
    const WordNet* Dictionary() const { return wordNet_.get(); }

private:
    ClueLanguages languages_;
    bool opened_ = false;
    std::unique_ptr<WordNet> wordNet_;
    std::shared_ptr<const ThesaurusData> thesaurus_;
};

}  // namespace qf
