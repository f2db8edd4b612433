#pragma once
// Whether one clue fits the clue blocks of a page layout at their own font size, broken into
// lines as the page breaks it: no word wider than the block's clue text, no more than seven
// lines, no more lines than a column has rows.
#include <functional>
#include <string>

#include "layouts/PageLayoutRecord.h"

namespace qf {

// The test for every across, down and combined clue block of `layout`; a layout without one
// passes every clue. Measures as the page does (fonts resolved as printed).
std::function<bool(const std::string& clue)> MakeClueFit(const PageLayoutRecord& layout);

}  // namespace qf
