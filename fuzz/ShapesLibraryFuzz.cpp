// The shapes library QFFLAY.DAT: listed as the shape lists list it, every record read, the
// starting selection chosen from a "Last Shape" setting taken from the input.
#include "FuzzInput.h"
#include "shapes/ShapeFiles.h"
#include "shapes/ShapeList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("QFFLAY.DAT", data, size);
    const auto entries = ListShapes(path);
    QF_FUZZ_CHECK(entries && entries->size() == size / ShapeRecord::kStoredSize);
    const std::int64_t lastShape = size > 0 ? static_cast<std::int8_t>(data[size - 1]) : 1;
    for (ShapeListOwner owner : {ShapeListOwner::Manager, ShapeListOwner::NewPuzzle}) {
        const ShapeList list = LoadShapeList(path, owner, lastShape);
        QF_FUZZ_CHECK(list.items.empty() ? list.selected == -1
                                         : list.selected >= 0 && static_cast<std::size_t>(list.selected) < list.items.size());
    }
    ShapeRecord shape;
    for (const ShapeEntry& e : *entries) QF_FUZZ_CHECK(ReadShape(path, e.index, shape).IsDone());
    return 0;
}
