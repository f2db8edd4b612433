#pragma once
// Line breaking and column flow of the clue blocks and the combined block.
#include <string>
#include <vector>

#include "layouts/PageLayoutRecord.h"
#include "output/RenderResult.h"
#include "report/Surface.h"

namespace qf {

struct BrokenClue {
    std::vector<std::string> lines;  // at most 7; an unbreakable rest stays whole as the last line
    bool breakable = true;
    bool tooLong = false;  // needs more than 7 lines
};

// Breaks a clue into lines narrower than `width`, moving whole words to the next line.
BrokenClue BreakClue(Surface& surface, const std::string& clue, double width);

struct RenderContext;
// A clue block's columns at its own font size, which it leaves set on the surface: the clue text
// width and the rows of a column (numbers of up to two digits).
ClueBlockMetrics MeasureClueBlock(RenderContext& ctx, const PageObject& object);

// Walks rows top to bottom and columns left to right; continuation columns start at `firstRow`.
struct FlowCursor {
    int column = 1;
    int row = 1;
    int rows = 0;        // rows per column
    int lastColumn = 1;
    int firstRow = 1;

    // Places a run of `lines` rows; false when it runs past the last column.
    bool Place(int lines, int& column, int& row);
    // Moves to the next column unless `lines` more rows fit below the cursor.
    void KeepTogether(int lines);
};

}  // namespace qf
