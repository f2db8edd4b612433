#pragma once
// The construction attempt written out step by step, as plainly as possible: the oracle that
// the fast GridBuilder must match record for record from the same random stream.
#include <vector>

#include "model/GridBuilder.h"

namespace qf::test {

int ReferenceConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                           RandomSource& random, PlacedFlags& placed);

// A grid built elsewhere, checked by the same rules: the placements (slots counted from 1 in the
// longest-first order) are laid in their order, each through the reference's own test, and the
// grid is finished by the reference's own steps. Returns the words placed, or -1 as soon as a
// placement fails its test.
struct ReferencePlacement {
    int slot = 0;
    int start = 0;
    bool across = true;
};
int ReferenceReplayPlacements(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                               const std::vector<ReferencePlacement>& order, PlacedFlags& placed);

}  // namespace qf::test
