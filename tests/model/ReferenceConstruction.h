#pragma once
// The construction attempt written out step by step, as plainly as possible: the oracle that
// the fast GridBuilder must match record for record from the same random stream.
#include "model/GridBuilder.h"

namespace qf::test {

int ReferenceConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                           RandomSource& random, PlacedFlags& placed);

}  // namespace qf::test
