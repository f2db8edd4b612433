#pragma once
// Variants against copying: the same words and clues in several different grids, one for each
// neighbour. Variant k comes from a generation run of its own seed; it takes the run's best
// grid that differs from every earlier variant's.
#include <memory>
#include <string>
#include <vector>

#include "model/GenerationRun.h"

namespace qf {

inline constexpr int kMaxVariants = 26;  // lettered A to Z

// "Title (A)" for k = 0, "Title (B)" for k = 1 ...; the title cut (and its trailing blanks
// dropped) so that title and suffix stay within a title's 35 characters.
std::string VariantTitle(const std::string& title, int k);

struct Variant {
    std::unique_ptr<PuzzleRecord> puzzle;  // as Save stores it, titled as VariantTitle says
    std::vector<std::string> leftOut;      // its words not in the grid, in word list order
};

// Up to `count` (1 to 26) variants of `working` (which is left as it was): runs of `options`, the
// first with its seed (options.seed or the clock's), each next one with the seed after. A run
// whose grids all equal earlier variants' adds none; after twice as many runs as variants asked
// for, fewer variants are returned (a list that fits its shape in few ways).
std::vector<Variant> MakeVariants(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options, int count);

}  // namespace qf
