// The shape record's stored form.
#include <gtest/gtest.h>

#include "base/ByteCodec.h"
#include "shapes/ShapeRecord.h"
#include "support/Bytes.h"

namespace qf {
namespace {

TEST(ShapeRecordCodec, RoundTripAndOffsets) {
    for (std::uint32_t seed : {3u, 4u}) {
        const auto bytes = test::RandomBytes(ShapeRecord::kStoredSize, seed);
        ShapeRecord s;
        DecodeRecord(bytes, s);
        EXPECT_EQ(EncodeRecord(s), bytes);
    }

    ShapeRecord s;
    s.name = "Star";
    s.width = 15;
    s.height = 12;
    s.Cell(CellIndex(1, 1)) = 1;
    s.Cell(CellIndex(2, 3)) = 1;
    s.Cell(CellIndex(50, 50)) = 1;
    const auto b = EncodeRecord(s);
    ASSERT_EQ(b.size(), 2555u);
    EXPECT_EQ(test::StoredShortString(b, 0), "Star");
    EXPECT_EQ(test::LeInt16(b, 51), 15);
    EXPECT_EQ(test::LeInt16(b, 53), 12);
    EXPECT_EQ(b[55], 1);
    EXPECT_EQ(b[55 + 1 * 50 + 2], 1);  // row 2, column 3
    EXPECT_EQ(b[55 + 49 * 50 + 49], 1);
    EXPECT_EQ(b[56], 0);
}

}  // namespace
}  // namespace qf
