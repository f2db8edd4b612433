#pragma once
// The font and colour dialogs, behind interfaces like the Prompter's: the windows install the
// real dialogs, tests scripted ones.
#include <cstdint>
#include <optional>

#include "base/FontChoice.h"

namespace qf {

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
