#pragma once
// The international character keys: F1 to F12 type the characters of codes 192 to 255 that the
// "Int Key" settings hold as "0" and the decimal code ("0225" is á).
#include <array>
#include <string>
#include <string_view>

namespace qf {

inline constexpr int kFirstIntCode = 192;
inline constexpr int kLastIntCode = 255;
inline constexpr int kIntKeyCount = 12;

// The code a setting stands for, when it is 192..255; otherwise the first code, 192.
int IntKeyCode(std::string_view setting);
// "0" followed by the code in decimal, cut to four characters.
std::string IntKeySetting(int code);

}  // namespace qf
