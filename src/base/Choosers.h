#pragma once
// The font and colour dialogs, behind interfaces like the Prompter's: the windows install the
// real dialogs, tests scripted ones.
#include <cstdint>
#include <optional>
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

class FontChooser {
public:
    virtual ~FontChooser() = default;
    // The font chosen, or nothing when the user cancelled.
    virtual std::optional<FontChoice> Choose(const FontChoice& current) = 0;
};

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // The colour chosen (0x00BBGGRR), or nothing when the user cancelled.
    virtual std::optional<std::int32_t> Choose(std::int32_t current) = 0;
};

}  // namespace qf
