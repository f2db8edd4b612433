#pragma once
// The word separator characters: which characters, met inside an answer of several words, are
// shown in the printed and exported puzzle (dash, slash, plus, star and one of the user's).
#include <string_view>

#include "base/Outcome.h"
#include "base/Settings.h"

namespace qf {

inline constexpr const char* kSeparatorNotALetter = "Character cannot be in A..Z.  Please correct.";

struct WordSeparators {
    bool dash = false;
    bool slash = false;
    bool plus = false;
    bool star = false;
    bool other = false;
    char otherChar = ' ';

    bool operator==(const WordSeparators&) const = default;
};

WordSeparators SeparatorsOf(const Settings& settings);
void StoreSeparators(const WordSeparators& separators, Settings& settings);

// The user-defined character after a change of its field: an empty field is a blank; a letter
// A to Z (either case) is refused with the message above, the character becomes a blank and
// the field is to be emptied; any other first character is taken.
Outcome SetOtherSeparator(WordSeparators& separators, std::string_view fieldText);

}  // namespace qf
