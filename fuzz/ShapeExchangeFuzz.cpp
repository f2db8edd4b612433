// A .LAY file: read as the import reads it; what is accepted lies within the cell array and
// writes back as the same file.
#include "FuzzInput.h"
#include "shapes/ShapeFiles.h"
#include "shapes/ShapeList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("FUZZ.LAY", data, size);
    ShapeRecord shape;
    const Outcome read = ReadShapeExchange(path, shape);
    QF_FUZZ_CHECK(read.IsDone() == (size >= kShapeExchangeSize && data[0] == 'L' && data[1] == 'A' && data[2] == 'Y' &&
                                    ShapeSizeValid(shape)));
    if (!read.IsDone()) return 0;
    const auto again = EncodeShapeExchange(shape);
    QF_FUZZ_CHECK(std::equal(again.begin() + 6, again.end(), data + 6));
    (void)ShapeListText(shape);
    const ShapeRecord puzzleShape = ShapeOfPuzzleGrid(shape.width, shape.height, shape.cells);
    QF_FUZZ_CHECK(ShapeSizeValid(puzzleShape));
    return 0;
}
