#pragma once
// Lower case of Windows-1252 text, letters with accents included: user word lists and the
// thesaurus index compare words without regard to case.
#include <string>
#include <string_view>

namespace qf {

char LowerAnsiLetter(char c);
std::string LowerAnsi(std::string_view text);

}  // namespace qf
