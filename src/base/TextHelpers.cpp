#include "base/TextHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace qf {

std::string TrimBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    std::size_t start = 0;
    while (start < end && text[start] == ' ') ++start;
    return std::string(text.substr(start, end - start));
}

std::string PadRight(std::string_view text, std::size_t n) {
    std::string s(text);
    if (s.size() < n) s.append(n - s.size(), ' ');
    return s;
}

std::string PadLeft(std::string_view text, std::size_t n) {
    std::string s(text);
    if (s.size() < n) s.insert(0, n - s.size(), ' ');
    return s;
}

std::string LowerAscii(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

namespace {

// The plain letters of a Windows-1252 letter with an accent (lower case); nullptr for others.
const char* FoldedLetter(unsigned char c) {
    static const char* const kFrom0xC0[64] = {
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",   // C0..CF
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",  // D0..DF
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",   // E0..EF
        "d", "n", "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "y",   // F0..FF
    };
    switch (c) {
        case 0x8A: case 0x9A: return "s";
        case 0x8C: case 0x9C: return "oe";
        case 0x8E: case 0x9E: return "z";
        case 0x9F: return "y";
        default: break;
    }
    return c >= 0xC0 ? kFrom0xC0[c - 0xC0] : nullptr;
}

}  // namespace

std::string ListSortKey(std::string_view text) {
    std::string key;
    key.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (const char* folded = FoldedLetter(c)) key += folded;
        else key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : ch;
    }
    return key;
}

bool ListOrderLess(std::string_view a, std::string_view b) {
    const std::string ka = ListSortKey(a), kb = ListSortKey(b);
    return std::lexicographical_compare(ka.begin(), ka.end(), kb.begin(), kb.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

char UpperLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 97 && u <= 122) return static_cast<char>(u - 32);
    if ((u >= 224 && u <= 246) || (u >= 248 && u <= 254)) return static_cast<char>(u - 32);
    return c;
}

std::string UpperLetters(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = UpperLetter(c);
    return s;
}

std::string MakeCopyName(std::string_view title, std::size_t capacity) {
    const std::string t = TrimBlanks(title);
    std::string result;
    const std::size_t open = t.find('(');
    if (!t.empty() && t.back() == ')' && open != std::string::npos && open < t.size() - 1) {
        const std::string inner = t.substr(open + 1, t.size() - 1 - (open + 1));
        std::size_t i = 0;
        while (i < inner.size() && inner[i] == ' ') ++i;
        std::int64_t n = 0;
        while (i < inner.size() && inner[i] >= '0' && inner[i] <= '9' && n < 1'000'000'000)
            n = n * 10 + (inner[i++] - '0');
        if (n > 0) result = t.substr(0, open) + "(" + std::to_string(n + 1) + ")";
    }
    if (result.empty()) result = t + " (2)";
    if (result.size() > capacity) result.resize(capacity);
    return result;
}

std::string FormatPlain(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    // Halves round away from zero (8.5 gives 9), as the program's number texts always have.
    const double scale = std::pow(10.0, decimals);
    if (decimals <= 15 && std::fabs(value * scale) < 1e17) value = std::round(value * scale) / scale;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    if (s == "-0" || (s.rfind("-0.", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos))
        s.erase(0, 1);  // no negative zero
    return PadLeft(s, width < 0 ? 0 : static_cast<std::size_t>(width));
}

std::string FormatNumber(double value, int width, int decimals) {
    if (decimals < 0) decimals = 0;
    std::string s = TrimBlanks(FormatPlain(value, 0, decimals));
    // Place p counts from the end, the last character being place 1.
    std::size_t place = decimals > 0 ? static_cast<std::size_t>(decimals) + 4 : 3;
    while (place < s.size()) {  // inside the text and not its first character
        s.insert(s.size() - place, 1, ',');
        place += 4;
    }
    if (s.size() > 1 && s[0] == '-' && s[1] == ',') s.erase(1, 1);
    return PadLeft(s, width < 0 ? 0 : static_cast<std::size_t>(width));
}

namespace {
constexpr std::int64_t kReadLimit = std::numeric_limits<std::int32_t>::max();
}

std::int64_t ReadLeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    std::int64_t n = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (n < kReadLimit) n = n * 10 + (text[i] - '0');
        ++i;
    }
    if (n > kReadLimit) n = kReadLimit;
    const bool stoppedEarly = i < text.size();
    return (negative && !stoppedEarly) ? -n : n;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text, std::size_t maxDigits) {
    const std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > std::min<std::size_t>(maxDigits, 18)) return std::nullopt;
    std::int64_t n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::int64_t ReadLeadingDigits(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    std::int64_t n = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (n < kReadLimit) n = n * 10 + (text[i] - '0');
        ++i;
    }
    return n > kReadLimit ? kReadLimit : n;
}

}  // namespace qf
