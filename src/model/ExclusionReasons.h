#pragma once
// Why a candidate left a word out, for the teacher who wonders: the word is longer than any
// run of usable cells of the shape, it shares no letter with the words placed, or no free place
// crosses them (or Quick Create ended the passes before one was tried). The judgement is made
// on the grid as the attempt's passes left it, which a run can replay exactly from its seed.
#include <string>
#include <string_view>
#include <vector>

#include "model/GenerationRun.h"

namespace qf {

enum class ExclusionKind { TooLong, NoSharedLetter, NoCrossingPlace, QuickCreateStopped, Unknown };

struct Exclusion {
    std::string word;  // as stored in the candidate
    ExclusionKind kind = ExclusionKind::Unknown;
    std::string reason;  // the short text shown beside the word; empty when unknown
};

// The reason for `word`, left out of `grid` (the cells the passes left, in the shape's places)
// inside `shape` limited to width x height.
ExclusionKind WhyLeftOut(std::string_view word, const UnfinishedGrid& grid, const ShapeRecord& shape, int width,
                         int height, bool quickCreate);
std::string ExclusionText(ExclusionKind kind, int longestRun);

// True when some across or down position of `word` passes the construction's tests with at
// least one crossing (checked cell by cell).
bool HasCrossingPlace(std::string_view word, const UnfinishedGrid& grid, const ShapeRecord& shape, int width,
                      int height);

// The words candidate n (1..4) left out, in slot order, each with its reason. `start` is the
// record the run started from (the working record, which the run leaves as it found it) and
// `shape` the run's shape; the candidate's attempt is replayed from the run seed, and a grid
// of a thorough fill (attempt number 0) is judged on the grid the search left. When the replay
// does not give the candidate again the reasons are left empty.
std::vector<Exclusion> ExplainExclusions(const RunResults& results, int n, const PuzzleRecord& start,
                                         const ShapeRecord& shape);

}  // namespace qf
