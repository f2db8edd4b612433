#pragma once
// One chain of a thorough fill: a ruin-and-recreate search over partial grids. Each move of the
// chain takes some words out of its grid (mostly the few that stand in the way of one word left
// out, which is then laid there, and again for a word that move took out and could not lay
// again; else those around a cell, or a few at random), lays the grid again and then lays every
// word left out that it can, hardest first, each at the place that crosses most and takes least
// room. Only places near what a move changed are tested for the words it did not take out: on
// the rest of the grid they had all failed. The new grid is kept when it holds at least as many
// words as the current one or as the one kept some moves ago (late acceptance).
// The chain counts the position tests it makes and stops when it has spent its budget, so what
// it finds depends only on its start, its random stream and its budget.
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/FillGrid.h"
#include "model/RandomSource.h"

namespace qf {

struct FillState {
    std::vector<WordPlacement> order;  // the words in the order they were laid
    int count = 0;
    std::array<std::uint8_t, kGridCells> cells{};  // the grid they make, to tell grids apart
};

// How hard each word is to place: its length and its rare letters (against the list's own
// letter counts); the search lays the hardest first.
std::vector<double> WordDifficulty(const FillWords& words);

struct ChainResult {
    std::vector<FillState> best;  // up to four different grids, most words first, then first found
    long steps = 0;
    bool stopped = false;  // the stop test ended the chain before its budget
};

// Runs one chain from `start` for about `budget` steps; `stop` is asked between steps and may
// end the chain early (a clock cap or an abort).
ChainResult RunChain(const FillWords& words, const std::vector<double>& difficulty, const ShapeRecord& shape,
                     int width, int height, const FillState& start, long budget, AttemptRandom random,
                     const std::function<bool()>& stop);

// The state of a grid as it stands.
FillState StateOf(const FillGrid& grid);

}  // namespace qf
