#pragma once
// The fonts stored in page objects as the font dialog and the drawing surface take them, and
// back: one reading, one writing and one limit of the size.
#include "base/FontChoice.h"
#include "layouts/PageLayoutRecord.h"

namespace qf {

// Font sizes are kept and drawn from 1 to 1000 points; a damaged or larger size is held to that.
inline constexpr int kMaxFontSize = 1000;
int ClampFontSize(int points);

// The stored font as it stands, its size as stored.
FontChoice ChoiceOfFont(const StoredFont& font);
// Writes the choice into `font`: the name cut to 30 characters (the bytes after it stay as
// they were), the size clamped.
void StoreChoice(StoredFont& font, const FontChoice& choice);
// The choice as a stored font of its own.
StoredFont FontOfChoice(const FontChoice& choice);

}  // namespace qf
