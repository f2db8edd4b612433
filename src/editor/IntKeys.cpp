#include "editor/IntKeys.h"

#include "base/TextHelpers.h"

namespace qf {

int IntKeyCode(std::string_view setting) {
    const auto value = ParseWholeNumber(setting, 6);
    return value && *value >= kFirstIntCode && *value <= kLastIntCode ? static_cast<int>(*value) : kFirstIntCode;
}

std::string IntKeySetting(int code) { return ("0" + std::to_string(code)).substr(0, 4); }

}  // namespace qf
