#include "editor/ClueTokens.h"

#include <cstring>

#include "base/TextHelpers.h"

namespace qf {

bool IsClueDelimiter(char c) {
    static constexpr char kDelimiters[] = "\"()+,-./:;<=>?\\{}";
    return c != '\0' && std::strchr(kDelimiters, c) != nullptr;
}

std::vector<std::string> SplitClueTokens(std::string_view clue) {
    std::vector<std::string> tokens(1);
    auto startToken = [&] {
        if (tokens.size() < kMaxClueTokens) tokens.emplace_back();
    };
    for (char c : clue) {
        if (tokens.size() == kMaxClueTokens) {
            tokens.back() += c;
        } else if (IsClueDelimiter(c)) {
            startToken();
            tokens.back() += c;
            startToken();
        } else if (c == ' ') {
            startToken();
        } else {
            tokens.back() += c;
        }
    }
    return tokens;
}

std::string StripDelimiters(std::string_view token) {
    std::string rest;
    for (char c : token)
        if (!IsClueDelimiter(c)) rest += c;
    return rest;
}

std::string RebuildClue(const std::vector<std::string>& tokens) {
    std::string clue;
    for (const auto& token : tokens) clue += token + ' ';
    return TrimBlanks(clue);
}

}  // namespace qf
