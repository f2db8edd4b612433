// One stored puzzle record: decoded, encoded back byte for byte, shown as text, its entries listed.
#include <memory>

#include "FuzzInput.h"
#include "base/ByteCodec.h"
#include "collections/PuzzleText.h"
#include "model/PuzzleRecord.h"
#include "output/PuzzleEntries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    if (size < PuzzleRecord::kStoredSize) return 0;
    const std::span<const std::uint8_t> bytes(data, PuzzleRecord::kStoredSize);
    auto record = std::make_unique<PuzzleRecord>();
    DecodeRecord(bytes, *record);
    const auto again = EncodeRecord(*record);
    QF_FUZZ_CHECK(std::equal(again.begin(), again.end(), bytes.begin()));  // a record read and written back is the same
    for (const std::string& line : PuzzleAsText(*record)) QF_FUZZ_CHECK(line.size() < 4096);
    const PuzzleEntries entries = ListEntries(*record);
    QF_FUZZ_CHECK(entries.n >= 0 && entries.n <= kMaxWords);
    return 0;
}
