#include "collections/PuzzleText.h"

#include <algorithm>

namespace qf {
namespace {

char CellChar(std::uint8_t cell) {
    if (cell == kCellOutside) return '.';
    if (cell == kCellBlank) return '#';
    return cell < 32 || cell == 127 ? '?' : static_cast<char>(cell);
}

std::string ClueLine(const PuzzleRecord& p, int slot) {
    const auto i = static_cast<std::size_t>(slot - 1);
    return "  " + std::to_string(p.number[i]) + ". " + p.clues[i].Str() + "  [" + p.words[i].Str() + "]";
}

}  // namespace

std::vector<std::string> PuzzleAsText(const PuzzleRecord& p) {
    std::vector<std::string> lines;
    lines.push_back("Title: " + p.title.Str());
    lines.push_back("Category: " + p.category.Str());
    lines.push_back("Size: " + std::to_string(p.width) + " x " + std::to_string(p.height));
    // Counts come from the file: bound them to the arrays before walking the slots.
    const int words = p.UsedWords();
    const int across = std::min(p.UsedAcross(), words);
    if (!p.generated) {
        lines.push_back("Not generated yet.  Words:");
        for (int i = 1; i <= words; ++i) lines.push_back("  " + p.Word(i).Str() + "  " + p.Clue(i).Str());
        return lines;
    }
    lines.push_back("Grid:");
    for (int r = 1; r <= p.UsedHeight(); ++r) {
        std::string line = " ";
        for (int c = 1; c <= p.UsedWidth(); ++c) {
            line += ' ';
            line += CellChar(p.Cell(CellIndex(r, c)));
        }
        lines.push_back(line);
    }
    lines.push_back("Across:");
    for (int i = 1; i <= across; ++i) lines.push_back(ClueLine(p, i));
    lines.push_back("Down:");
    for (int i = across + 1; i <= words; ++i) lines.push_back(ClueLine(p, i));
    std::vector<int> leftOut;
    for (int i = words + 1; i <= kMaxWords; ++i)
        if (!p.Word(i).Empty()) leftOut.push_back(i);
    lines.push_back("Left out: " + std::to_string(leftOut.size()));
    for (int i : leftOut) lines.push_back("  " + p.Word(i).Str() + "  " + p.Clue(i).Str());
    if (!p.bonusQuestion.Empty()) lines.push_back("Bonus question: " + p.bonusQuestion.Str());
    return lines;
}

}  // namespace qf
