#include "app/WordSeparators.h"

namespace qf {

WordSeparators SeparatorsOf(const Settings& s) {
    return {s.wordSepDash, s.wordSepSlash, s.wordSepPlus, s.wordSepStar, s.wordSepOther, s.wordSepChar};
}

void StoreSeparators(const WordSeparators& w, Settings& s) {
    s.wordSepDash = w.dash;
    s.wordSepSlash = w.slash;
    s.wordSepPlus = w.plus;
    s.wordSepStar = w.star;
    s.wordSepOther = w.other;
    s.wordSepChar = w.otherChar;
}

Outcome SetOtherSeparator(WordSeparators& separators, std::string_view fieldText) {
    separators.otherChar = fieldText.empty() ? ' ' : fieldText.front();
    const char c = separators.otherChar;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
        separators.otherChar = ' ';
        return Outcome::Refused(ErrorMessage(kSeparatorNotALetter));
    }
    return Outcome::Done();
}

}  // namespace qf
