#pragma once
// The spelling and thesaurus languages, the files that stand for them in the program directory,
// and the start-up tests that decide which of them are installed.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Directories.h"
#include "base/Settings.h"

namespace qf {

inline constexpr int kNoSpellLanguage = 0;
inline constexpr int kChooseSpellLanguage = 9;  // "&Choose At Spell Check Time"
inline constexpr int kSpellLanguageCount = 8;

struct SpellLanguage {
    int value;                 // the "Dictionary" setting
    const char* caption;       // menu and dialog caption
    const char* name;          // the name used in texts
    const char* mainLexicon;
    const char* companionLexicon;
    const char* includeList;
    const char* excludeList;
    std::int16_t code;         // language code given when a user list is created
    const char* dictionary;    // the Hunspell dictionary the main lexicon names
};

// Values 1 to 8; nullptr for anything else (9 has no lexicons of its own).
const SpellLanguage* FindSpellLanguage(int value);
const std::vector<SpellLanguage>& SpellLanguages();

// A language is installed when its companion lexicon is in the program directory.
bool SpellLanguageAvailable(const Directories& dirs, int value);
bool AnySpellLanguageAvailable(const Directories& dirs);

// The start-up correction: 2..8 without their lexicon become 1, then 1 without American
// becomes 0; 9 is kept. Returns the corrected value.
int CorrectDictionarySetting(int dictionary, const Directories& dirs);

// The user word lists, named once at start-up from the corrected setting (American for 9).
struct UserListNames {
    std::string include;       // empty when no language is set (0)
    std::string exclude;
    std::int16_t code = 0;     // the language code of the maintenance dialog
    std::string languageName;  // "American" for 9
    bool Empty() const { return include.empty(); }
};
UserListNames UserListNamesFor(int dictionary);

// Thesaurus languages: 1 American, 2 British, 3 chosen at lookup time.
inline constexpr int kChooseThesaurus = 3;
const char* ThesaurusFileName(int value);  // nullptr for other values
bool ThesaurusAvailable(const Directories& dirs, int value);
int CorrectThesaurusSetting(int thesaurus, const Directories& dirs);

// Applies both corrections to the settings, as start-up does.
void CorrectLanguageSettings(Settings& settings, const Directories& dirs);

}  // namespace qf
