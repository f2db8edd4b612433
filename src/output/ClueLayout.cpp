#include "output/ClueLayout.h"

namespace qf {

BrokenClue BreakClue(Surface& surface, const std::string& clue, double width) {
    BrokenClue b;
    std::string current = clue;
    std::string carry;
    for (;;) {
        while (surface.TextWidth(current) >= width) {
            std::size_t end = current.size();
            while (end > 0 && current[end - 1] == ' ') --end;
            std::size_t start = end;
            while (start > 0 && current[start - 1] != ' ') --start;
            carry = current.substr(start) + carry;
            current.erase(start);
            if (current.empty()) {
                b.breakable = false;
                break;
            }
        }
        if (!b.breakable) {
            current = carry;  // shown whole, wider than the column
            carry.clear();
        }
        if (static_cast<int>(b.lines.size()) == kMaxClueLines) {
            b.tooLong = true;
            break;
        }
        b.lines.push_back(current);
        if (carry.empty() || !b.breakable) break;
        current = carry;
        carry.clear();
    }
    return b;
}

bool FlowCursor::Place(int lines, int& outColumn, int& outRow) {
    if (row + lines - 1 > rows) {
        ++column;
        row = firstRow;
    }
    if (column > lastColumn || row + lines - 1 > rows) return false;
    outColumn = column;
    outRow = row;
    row += lines;
    return true;
}

void FlowCursor::KeepTogether(int lines) {
    if (row + lines - 1 > rows) {
        ++column;
        row = firstRow;
    }
}

}  // namespace qf
