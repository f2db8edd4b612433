// A collection file: listed by category and title as the main window lists it, and every slot
// read and shown.
#include <memory>

#include "FuzzInput.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionListing.h"
#include "collections/PuzzleText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("FUZZ.QF3", data, size);
    const CollectionListing listing = ListCollection(path);
    QF_FUZZ_CHECK(listing.opened);
    QF_FUZZ_CHECK(listing.puzzleEntries.size() == size / kSlotSize);
    for (const ListRow& category : CategoryRows(listing)) {
        QF_FUZZ_CHECK(category.value >= 0 && static_cast<std::size_t>(category.value) < listing.categoryNames.size());
        for (const ListRow& title : TitleRows(listing, static_cast<int>(category.value)))
            QF_FUZZ_CHECK(title.text.size() <= 35);
    }
    auto puzzle = std::make_unique<PuzzleRecord>();
    for (const PuzzleEntry& e : listing.puzzleEntries) {
        QF_FUZZ_CHECK(ReadPuzzle(path, e.slot, *puzzle).IsDone());
        QF_FUZZ_CHECK(puzzle->title.Str() == e.title);
        (void)PuzzleAsText(*puzzle);
    }
    return 0;
}
