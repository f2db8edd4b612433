#pragma once
// A font as the font dialog offers it and the drawing surface draws it.
#include <cstdint>
#include <string>

namespace qf {

struct FontChoice {
    std::string name = "Arial";  // Windows-1252
    int size = 10;               // points
    std::int32_t color = 0;      // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontChoice&) const = default;
};

}  // namespace qf
