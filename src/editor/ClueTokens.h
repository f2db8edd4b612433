#pragma once
// A clue cut into words for the spelling check, and put back together after a replacement.
#include <string>
#include <string_view>
#include <vector>

namespace qf {

inline constexpr std::size_t kMaxClueTokens = 50;

// The 17 characters that stand as tokens of their own: " ( ) + , - . / : ; < = > ? \ { }
bool IsClueDelimiter(char c);

// A delimiter ends the current token, is a token itself and starts a new one; a blank ends the
// current token (so two blanks in a row leave an empty token); from the 50th token on, all
// further text, blanks and delimiters included, goes into the 50th.
std::vector<std::string> SplitClueTokens(std::string_view clue);

// The token without its delimiter characters: what the engine is asked about.
std::string StripDelimiters(std::string_view token);

// Every token followed by one blank, the whole trimmed at both ends.
std::string RebuildClue(const std::vector<std::string>& tokens);

}  // namespace qf
