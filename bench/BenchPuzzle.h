#pragma once
// A puzzle for the page benchmarks: generated from a word list on a fully usable square shape.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "layouts/PageObjects.h"
#include "model/GenerationRun.h"

namespace qf::bench {

// A generated puzzle of `words` on a square shape, with clues of several words each, laid out
// on the built-in default layout.
inline std::unique_ptr<PuzzleRecord> Puzzle(const std::vector<std::string>& words, int side) {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    BuildDefaultLayout(p->layout);
    p->width = p->height = static_cast<std::int16_t>(side);
    for (std::size_t i = 0; i < words.size() && i < kMaxWords; ++i) {
        p->words[i] = words[i];
        p->clues[i] = "a clue of several ordinary words that describes " + words[i] + " for the solver";
    }
    p->wordCount = static_cast<std::int16_t>(std::min<std::size_t>(words.size(), kMaxWords));
    ShapeRecord shape;
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c) shape.Cell(CellIndex(r, c)) = 1;
    RunOptions options;
    options.attempts = 3;
    options.seed = 11;
    options.threads = 1;
    RunResults results;
    BuildPuzzles(*p, shape, options, results);
    auto best = std::make_unique<PuzzleRecord>(results.Candidate(1));
    best->generated = 1;
    best->inGrid.fill(0);
    for (int i = 0; i < best->wordCount; ++i) best->inGrid[static_cast<std::size_t>(i)] = 1;
    return best;
}

}  // namespace qf::bench
