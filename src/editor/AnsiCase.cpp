#include "editor/AnsiCase.h"

namespace qf {

char LowerAnsiLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);  // À..Þ but not ×
    switch (u) {
        case 0x8A: return static_cast<char>(0x9A);  // Š
        case 0x8C: return static_cast<char>(0x9C);  // Œ
        case 0x8E: return static_cast<char>(0x9E);  // Ž
        case 0x9F: return static_cast<char>(0xFF);  // Ÿ
        default: return c;
    }
}

std::string LowerAnsi(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = LowerAnsiLetter(c);
    return out;
}

}  // namespace qf
