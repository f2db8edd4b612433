#pragma once
// The real font and colour dialogs.
#include "base/Choosers.h"

namespace qf {

// The font dialog with a colour button beside it: typeface, style, size and colour.
class DialogFontChooser : public FontChooser {
public:
    std::optional<FontChoice> Choose(const FontChoice& current) override;
};

class DialogColorChooser : public ColorChooser {
public:
    std::optional<std::int32_t> Choose(std::int32_t current) override;
};

}  // namespace qf
