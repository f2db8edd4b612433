#include "model/PuzzleDescription.h"

namespace qf {

std::string GridDescription(const PuzzleRecord& puzzle) {
    const int words = puzzle.UsedWords();
    const std::string count = std::to_string(words) + (words == 1 ? " word" : " words");
    if (!puzzle.generated) return "Crossword grid, not built yet, " + count;
    return "Crossword grid, " + std::to_string(puzzle.UsedWidth()) + " by " + std::to_string(puzzle.UsedHeight()) +
           ", " + count;
}

}  // namespace qf
