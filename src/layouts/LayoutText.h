#pragma once
// Page layouts written as text, the readable source of the shipped layouts library:
//   layout Letter Classic
//   paper Letter portrait            (or: paper Custom 9 12 inches landscape)
//   object Title
//     rect 36 30 372 60              (left top right bottom, layout units of the Small zoom:
//     font Arial 20 bold              48 per inch or 20 per centimetre)
//     align centre
// An object starts from the defaults of a new object of its kind, except that it has no border
// unless "border WIDTH" is given. Other object keys: name, color #RRGGBB, numberfont, text,
// columns, split, fit yes|no, transparent yes|no, fillshape, fill #RRGGBB, blockcolor #RRGGBB,
// linecolor #RRGGBB, linewidth, bitmap PATH. Lines starting with ';' and blank lines are ignored.
#include <string>
#include <string_view>
#include <vector>

#include "layouts/PageLayoutRecord.h"

namespace qf {

// Parses every layout of `text`. On a fault returns false with `error` naming the line.
bool ParseLayoutText(std::string_view text, std::vector<PageLayoutRecord>& layouts, std::string& error);

// The rules a shipped layout keeps: exactly one Puzzle object; kinds 1 to 9 at most once;
// Combined Clues never with a heading or a clue block; at most 20 objects; every rectangle
// inside the page and none overlapping another. Empty when the layout keeps them all.
std::string CheckLayoutDesign(const PageLayoutRecord& layout);

}  // namespace qf
