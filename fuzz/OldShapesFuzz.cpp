// The earlier version's shapes file QFFULAY.DAT: added to a shapes library, all or none; what is
// added is what a .LAY import would accept.
#include <cstdio>

#include "FuzzInput.h"
#include "collections/OldVersions.h"
#include "shapes/ShapeFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("QFFULAY.DAT", data, size);
    const std::string library = fuzz::ScratchFile("QFFLAY.DAT");
    std::remove(library.c_str());
    const Outcome added = AddOldShapesFile(path, library);
    const auto entries = ListShapes(library);
    if (!added.IsDone()) {
        QF_FUZZ_CHECK(added.message.text == kShapeFileCorrupt && !entries);  // nothing made
        return 0;
    }
    QF_FUZZ_CHECK(entries && entries->size() == size / ShapeRecord::kStoredSize);
    ShapeRecord shape;
    for (const ShapeEntry& e : *entries) {
        QF_FUZZ_CHECK(ReadShape(library, e.index, shape).IsDone());
        QF_FUZZ_CHECK(ShapeSizeValid(shape));
    }
    return 0;
}
