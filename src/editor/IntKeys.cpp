#include "editor/IntKeys.h"

#include "base/TextHelpers.h"

namespace qf {

int IntKeyCode(std::string_view setting) {
    const std::string digits = TrimBlanks(setting);
    if (digits.empty() || digits.size() > 6) return kFirstIntCode;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return kFirstIntCode;
        value = value * 10 + (c - '0');
    }
    return value >= kFirstIntCode && value <= kLastIntCode ? value : kFirstIntCode;
}

std::string IntKeySetting(int code) { return ("0" + std::to_string(code)).substr(0, 4); }

}  // namespace qf
