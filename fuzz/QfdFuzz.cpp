// A single puzzle of the earlier version (.QFD): read as Import Puzzles reads it, then shown.
#include <memory>

#include "FuzzInput.h"
#include "collections/OldVersions.h"
#include "collections/PuzzleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("FUZZ.QFD", data, size);
    auto working = std::make_unique<PuzzleRecord>();
    const Outcome read = ReadOldPuzzleFile(path, {fuzz::ScratchFile("QFFPAGE.DAT"), 0}, *working);
    const bool whole = size >= 4 && data[0] == 'Q' && data[1] == 'F' && data[2] == 'D' && size >= 4u + data[3] + kOldPuzzleSize;
    QF_FUZZ_CHECK(read.IsDone() == whole);
    if (whole) (void)PuzzleAsText(*working);
    return 0;
}
