#include "model/PuzzleRecord.h"

namespace qf {

PuzzleRecord NewPuzzleRecord() {
    PuzzleRecord r;  // every string empty, every flag and count 0
    r.width = 15;
    r.height = 15;
    return r;
}

}  // namespace qf
