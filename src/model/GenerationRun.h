#pragma once
// A generation run: repeats the construction attempt and keeps the four different grids that
// placed the most words. Attempt n draws from its own stream derived from (run seed, n), so the
// candidates depend only on the seed: running attempts on several threads gives the same
// candidates, the same early end and the same abort point as running them one by one.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/GridBuilder.h"

namespace qf {

inline constexpr int kCandidateCount = 4;
inline constexpr const char* kStatusAttempt = "Creation Attempt #";
inline constexpr const char* kStatusAborted = "Aborted on creation Attempt #";
inline constexpr const char* kStatusCompleted = "Completed";

struct RunOptions {
    int attempts = 1;  // the attempt limit, 1 to 999
    bool shrink = false;
    bool quickCreate = false;
    std::optional<std::uint64_t> seed;  // from the clock when not given
    int threads = 0;                    // 0: one per processor; 1: all on the calling thread
};

// What the progress form shows; delivered only when the limit is above 1.
struct RunProgress {
    std::string statusLine;  // "Creation Attempt #7", "Aborted on creation Attempt #7"
    std::string secondLine;  // "Completed" at the normal end, else empty
    bool finished = false;   // the run has ended (status drawn, default beep when completed)
    bool aborted = false;
};

// The run state that outlives the run: the kept candidates, best first.
struct RunResults {
    RunResults() : candidates(std::make_unique<std::array<PuzzleRecord, kCandidateCount>>()) {}

    std::array<int, kCandidateCount> scores{};  // 0 = slot empty
    std::unique_ptr<std::array<PuzzleRecord, kCandidateCount>> candidates;
    std::array<PlacedFlags, kCandidateCount> placed{};
    std::array<int, kCandidateCount> attemptNumbers{};  // which attempt each candidate came from
    // A candidate of a thorough fill has attempt number 0 and no attempt to replay: its grid as
    // the search left it, before finishing, for the reasons of its left-out words.
    std::array<std::shared_ptr<const UnfinishedGrid>, kCandidateCount> searchGrids{};
    int attemptCounter = 0;  // as the run left it (the limit after an early end)
    int attemptsMade = 0;    // attempts actually run
    bool aborted = false;
    std::uint64_t seed = 0;  // the run seed used
    ConstructionOptions options;  // the run's shrink and quick-create options

    PuzzleRecord& Candidate(int n) { return (*candidates)[static_cast<std::size_t>(n - 1)]; }
    const PuzzleRecord& Candidate(int n) const { return (*candidates)[static_cast<std::size_t>(n - 1)]; }
};

using ProgressCallback = std::function<void(const RunProgress&)>;

// Runs up to options.attempts attempts on copies of `working`, which is left as it was.
// `abort` is read between attempts (only when the limit is above 1, as the progress form
// offers it only then). Progress is reported on the calling thread.
void BuildPuzzles(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options, RunResults& results,
                  const ProgressCallback& progress = {}, const std::atomic<bool>* abort = nullptr);

// Whether two attempts built the same grid (size and every cell).
bool SameGrid(const PuzzleRecord& a, const PuzzleRecord& b);

// The ranking step: an attempt whose grid equals a kept candidate's is dropped; otherwise it is
// stored in the first kept slot whose score it strictly beats, moving the later ones down (the
// fourth drops out). Returns the slot taken, 0 when dropped.
int RankAttempt(RunResults& results, const PuzzleRecord& attempt, const PlacedFlags& placed, int score,
                int attemptNumber = 0);

}  // namespace qf
