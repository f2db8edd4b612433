// The puzzle record's stored form: byte-exact round trips and every field at its offset.
#include <gtest/gtest.h>

#include "base/ByteCodec.h"
#include "model/PuzzleRecord.h"
#include "support/Bytes.h"

namespace qf {
namespace {

using test::LeInt16;
using test::RandomBytes;
using test::StoredShortString;

TEST(PuzzleRecordCodec, ArbitraryBytesSurviveARoundTrip) {
    for (std::uint32_t seed : {1u, 2u, 99u}) {
        const auto bytes = RandomBytes(PuzzleRecord::kStoredSize, seed);
        PuzzleRecord r;
        DecodeRecord(bytes, r);
        EXPECT_EQ(EncodeRecord(r), bytes) << "seed " << seed;
    }
}

TEST(PuzzleRecordCodec, EachFieldLandsAtItsOffset) {
    PuzzleRecord r;
    r.version = "3.1a";
    r.category = "Animals";
    r.title = "Farm Friends";
    r.width = 15;
    r.height = -2;  // signed
    r.Cell(1) = 'A';
    r.Cell(CellIndex(3, 7)) = 'Q';
    r.Cell(2500) = 'Z';
    r.wordCount = 200;
    r.acrossCount = 0x1234;
    r.downCount = 7;
    r.Word(1) = "ICE CREAM";
    r.Word(200) = "LAST";
    r.Clue(1) = "Cold treat";
    r.Clue(200) = "Final";
    r.startCell[0] = 2451;
    r.startCell[199] = -1;
    r.letterCount[0] = 8;
    r.letterCount[199] = 30;
    r.number[0] = 1;
    r.number[199] = 105;
    r.isAcross[0] = 1;
    r.isAcross[199] = 0xFE;
    r.inGrid[0] = 1;
    r.inGrid[199] = 0x7F;
    r.generated = 1;
    r.layout.name = "Embedded";
    r.layout.objects[19].reserved[27] = 0xAB;
    r.bonusQuestion = "Which animal barks?";
    r.reserved[0] = 0x11;
    r.reserved[29] = 0x22;

    const auto b = EncodeRecord(r);
    ASSERT_EQ(b.size(), 69623u);
    EXPECT_EQ(StoredShortString(b, 0), "3.1a");
    EXPECT_EQ(StoredShortString(b, 6), "Animals");
    EXPECT_EQ(StoredShortString(b, 27), "Farm Friends");
    EXPECT_EQ(LeInt16(b, 63), 15);
    EXPECT_EQ(LeInt16(b, 65), -2);
    EXPECT_EQ(b[67], 'A');
    EXPECT_EQ(b[67 + 2 * 50 + 6], 'Q');  // row 3, column 7
    EXPECT_EQ(b[67 + 2499], 'Z');
    EXPECT_EQ(LeInt16(b, 2567), 200);
    EXPECT_EQ(b[2569], 0x34);
    EXPECT_EQ(b[2570], 0x12);
    EXPECT_EQ(LeInt16(b, 2571), 7);
    EXPECT_EQ(StoredShortString(b, 2573), "ICE CREAM");
    EXPECT_EQ(StoredShortString(b, 2573 + 199 * 31), "LAST");
    EXPECT_EQ(StoredShortString(b, 8773), "Cold treat");
    EXPECT_EQ(StoredShortString(b, 8773 + 199 * 151), "Final");
    EXPECT_EQ(LeInt16(b, 38973), 2451);
    EXPECT_EQ(LeInt16(b, 38973 + 398), -1);
    EXPECT_EQ(LeInt16(b, 39373), 8);
    EXPECT_EQ(LeInt16(b, 39373 + 398), 30);
    EXPECT_EQ(LeInt16(b, 39773), 1);
    EXPECT_EQ(LeInt16(b, 39773 + 398), 105);
    EXPECT_EQ(b[40173], 1);
    EXPECT_EQ(b[40173 + 199], 0xFE);
    EXPECT_EQ(b[40373], 1);
    EXPECT_EQ(b[40373 + 199], 0x7F);
    EXPECT_EQ(b[40573], 1);
    EXPECT_EQ(StoredShortString(b, 40574), "Embedded");
    EXPECT_EQ(b[40574 + 28868 - 1], 0xAB);  // the layout's last byte
    EXPECT_EQ(StoredShortString(b, 69442), "Which animal barks?");
    EXPECT_EQ(b[69593], 0x11);
    EXPECT_EQ(b[69622], 0x22);
}

TEST(PuzzleRecordCodec, ShortStringsKeepTheirUnusedBytesAndBoundDamagedLengths) {
    auto bytes = RandomBytes(PuzzleRecord::kStoredSize, 7);
    bytes[27] = 200;  // a title length beyond its 35 characters
    PuzzleRecord r;
    DecodeRecord(bytes, r);
    EXPECT_EQ(r.title.Str().size(), 35u);

    // Shortening a text leaves the stale characters behind it, as the stored form does.
    r.title = "Hi";
    const auto b = EncodeRecord(r);
    EXPECT_EQ(b[27], 2);
    EXPECT_TRUE(std::equal(b.begin() + 27 + 3, b.begin() + 63, bytes.begin() + 27 + 3));

    // Counts out of range are bounded for readers.
    r.wordCount = 31000;
    r.width = -5;
    EXPECT_EQ(r.UsedWords(), 200);
    EXPECT_EQ(r.UsedWidth(), 0);
}

TEST(PuzzleRecord, NewPuzzleStartsEmptyAtFifteenByFifteen) {
    const PuzzleRecord r = NewPuzzleRecord();
    EXPECT_EQ(r.width, 15);
    EXPECT_EQ(r.height, 15);
    EXPECT_EQ(r.wordCount, 0);
    EXPECT_EQ(r.generated, 0);
    EXPECT_TRUE(r.title.Empty() && r.category.Empty() && r.bonusQuestion.Empty());
    for (int i = 1; i <= kMaxWords; ++i) {
        EXPECT_TRUE(r.Word(i).Empty());
        EXPECT_EQ(r.inGrid[static_cast<std::size_t>(i - 1)], 0);
    }
}

}  // namespace
}  // namespace qf
