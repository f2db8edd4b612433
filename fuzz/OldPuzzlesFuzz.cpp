// The earlier version's puzzles file QFFUPUZZ.DAT: converted into a fresh collection, which must
// then hold one slot per whole old record, each listed and shown.
#include <cstdio>
#include <memory>

#include "FuzzInput.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionListing.h"
#include "collections/OldVersions.h"
#include "collections/PuzzleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("QFFUPUZZ.DAT", data, size);
    const std::string group = fuzz::ScratchFile("OLDPUZZ.QF3");
    std::remove(group.c_str());
    auto working = std::make_unique<PuzzleRecord>();
    const Outcome converted = ConvertOldPuzzlesFile(path, group, {fuzz::ScratchFile("QFFPAGE.DAT"), 0}, *working);
    QF_FUZZ_CHECK(converted.IsDone() && converted.index == static_cast<std::int64_t>(size / kOldPuzzleSize));
    const CollectionListing listing = ListCollection(group);
    QF_FUZZ_CHECK(listing.puzzleEntries.size() == size / kOldPuzzleSize);
    for (const PuzzleEntry& e : listing.puzzleEntries) {
        QF_FUZZ_CHECK(ReadPuzzle(group, e.slot, *working).IsDone());
        QF_FUZZ_CHECK(working->category.Str() == kOldPuzzleCategory && working->generated == 1);
        (void)PuzzleAsText(*working);
    }
    return 0;
}
