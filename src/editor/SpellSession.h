#pragma once
// One spelling session as the check opens it: the exclude list and the include list when
// their files exist, then the main and the companion lexicon of a language. Everything opened
// is closed with the session.
#include <string>
#include <vector>

#include "editor/SpellEngine.h"
#include "editor/SpellLanguages.h"

namespace qf {

class SpellSession {
public:
    SpellSession() = default;
    ~SpellSession();
    SpellSession(const SpellSession&) = delete;
    SpellSession& operator=(const SpellSession&) = delete;

    // False when the language has no lexicons or one of them cannot be opened.
    // The lexicons come from the program directory, the user's lists from `userDir` (empty:
    // the program directory too).
    bool Open(const std::string& programDir, int language, const UserListNames& userLists,
              const std::string& userDir = {});

    bool Accepts(const std::string& word) const;
    // In the engine's order, read from a buffer of the check's size (500 bytes).
    std::vector<std::string> Suggest(const std::string& word) const;

    const SpellLanguage* Language() const { return language_; }

private:
    void Close();
    SsceSession session_ = -1;
    std::vector<SsceLexId> opened_;
    const SpellLanguage* language_ = nullptr;
};

// The language a check uses for a "Dictionary" setting: the setting itself, or for "choose at
// check time" the language last chosen ("User Dictionary").
int SpellCheckLanguage(const Settings& settings);
// The thesaurus language of a lookup: the setting, or for "choose" the "User Thesaurus" one.
int ThesaurusLookupLanguage(const Settings& settings);

}  // namespace qf
