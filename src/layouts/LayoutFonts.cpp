#include "layouts/LayoutFonts.h"

#include <algorithm>

namespace qf {

int ClampFontSize(int points) { return std::clamp(points, 1, kMaxFontSize); }

FontChoice ChoiceOfFont(const StoredFont& font) {
    return {font.name.Str(), font.size, font.color, font.bold != 0, font.italic != 0, font.underline != 0,
            font.strikeOut != 0};
}

void StoreChoice(StoredFont& font, const FontChoice& choice) {
    font.name.Set(choice.name);
    font.size = static_cast<std::int16_t>(ClampFontSize(choice.size));
    font.color = choice.color;
    font.bold = choice.bold ? 1 : 0;
    font.italic = choice.italic ? 1 : 0;
    font.underline = choice.underline ? 1 : 0;
    font.strikeOut = choice.strikeOut ? 1 : 0;
}

StoredFont FontOfChoice(const FontChoice& choice) {
    StoredFont font;
    StoreChoice(font, choice);
    return font;
}

}  // namespace qf
