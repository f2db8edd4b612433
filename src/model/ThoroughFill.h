#pragma once
// The thorough fill: a generation run first, then a search that starts from the run's four
// grids and tries to lay more words in the same shape under the same placement tests. Its
// budget is counted in steps (position tests), never in clock time, and split into a fixed
// number of chains and rounds, so a seed and a budget give the same grids on any number of
// threads. It keeps the four best different grids, ranked by words placed and then as the run
// ranks (the run's own grids first among equals), so it never offers fewer words than the run.
// Its grids are finished exactly as an attempt finishes its own.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/FillGrid.h"
#include "model/GenerationRun.h"

namespace qf {

// Steps of one second on the 2-core development machine, both cores searching. Measured with
// `ThoroughBench --steps` (bench/README.md) on the quiet machine: lists that never complete, from
// 30 words in the 15 x 15 square to 200 in the 42 x 42, ran 31.8 to 32.4 million steps per second
// of two cores' processor time, rounded down to 32.
inline constexpr std::int64_t kThoroughStepsPerSecond = 32000000;
inline constexpr int kThoroughChains = 8;  // per round; fixed so results never depend on threads
inline constexpr int kThoroughRounds = 4;

// The step budget of `seconds` seconds (at least one step).
std::int64_t ThoroughBudget(double seconds);

struct ThoroughOptions {
    std::int64_t steps = kThoroughStepsPerSecond;
    int threads = 0;  // 0: one per processor
    std::optional<std::chrono::steady_clock::duration> clockCap;  // may only cut the search short
};

struct ThoroughProgress {
    int bestCount = 0;  // words placed by the best grid so far
    int totalWords = 0;
    int round = 0;      // rounds finished, 0..kThoroughRounds
};
using ThoroughProgressCallback = std::function<void(const ThoroughProgress&)>;

struct ThoroughReport {
    int describedBest = 0;  // the run's best score, before the search
    std::int64_t steps = 0;  // steps spent by the search
    bool cutShort = false;   // the clock cap or an abort ended it before its budget
    // The words the best grid leaves out, in slot order: what stops a complete grid.
    std::vector<std::string> blocking;
    // How each kept candidate's words were laid (slots in the attempt's longest-first order);
    // empty for a grid kept from the run.
    std::array<std::vector<WordPlacement>, kCandidateCount> orders;
};

// Runs the generation run of `runOptions` and then the search; `results` holds the four best
// as a run leaves them (a search grid has attempt number 0 and its grid before finishing, for
// the reasons of its left-out words). `working` is left as it was. `abort` and the clock cap
// end the search early (the report says so).
// `runProgress` gets the run's own progress, as BuildPuzzles reports it.
void ThoroughFill(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& runOptions,
                  const ThoroughOptions& options, RunResults& results, ThoroughReport& report,
                  const ThoroughProgressCallback& progress = {}, const std::atomic<bool>* abort = nullptr,
                  const ProgressCallback& runProgress = {});

// The progress form's second line during the search: "Best so far: 52 of 60".
std::string BestSoFarText(const ThoroughProgress& progress);

}  // namespace qf
