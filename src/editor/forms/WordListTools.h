#pragma once
// What the word list editor's word tools need besides the puzzle: where the lexicons and the
// thesaurus files lie, the user word lists named at start-up, which languages are installed and
// where the dictionary of the clue suggestions lies.
#include <array>
#include <string>

#include "editor/SpellLanguages.h"
#include "editor/forms/Import.h"

namespace qf {

struct WordToolInputs {
    std::string programDir;
    std::string userDir;  // the user's word lists
    UserListNames userLists;
    std::array<bool, kSpellLanguageCount + 1> spelling{};  // [1..8]
    std::array<bool, 3> thesaurus{};                        // [1] American, [2] British
    CrosswordReader readCrossword;                          // none: text lists only
    std::string wordNetFolder;                              // the clue suggestions' dictionary; none: empty
};

}  // namespace qf
