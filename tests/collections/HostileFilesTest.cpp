// Files that are empty, cut short, mistagged or full of out-of-range values: every reader gives
// the program's message or a general input/output error, and none leaves its arrays.
#include <gtest/gtest.h>

#include "base/RecordFile.h"
#include "collections/CollectionFixtures.h"
#include "collections/CollectionListing.h"
#include "collections/OldVersions.h"
#include "collections/PuzzleText.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

using test::RandomBytes;
using test::TempDir;
using test::WriteBytes;

void PutInt16(std::vector<std::uint8_t>& b, std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

TEST(HostileFiles, CollectionsWithWildCountsAreListedAndShownWithinTheirArrays) {
    TempDir dir;
    const std::string path = dir.File("WILD.QF3");
    std::vector<std::uint8_t> bytes;
    const int wild[][5] = {{-1, -1, -300, -5, 32767},  // width, height, words, across, cells
                           {32767, 51, 201, 250, -32768},
                           {50, 50, 200, 200, 2501},
                           {0, 0, 0, 0, 0}};
    std::uint32_t seed = 40;
    for (const auto& w : wild) {
        auto slot = RandomBytes(kSlotSize, seed++);
        PutInt16(slot, 63, w[0]);
        PutInt16(slot, 65, w[1]);
        PutInt16(slot, 2567, w[2]);
        PutInt16(slot, 2569, w[3]);
        for (std::size_t i = 0; i < 200; ++i) PutInt16(slot, 38973 + i * 2, w[4]);
        slot[40573] = 1;  // generated
        bytes.insert(bytes.end(), slot.begin(), slot.end());
    }
    bytes.resize(bytes.size() + 12345, 0xFF);  // and a partial slot
    WriteBytes(path, bytes);

    const CollectionListing listing = ListCollection(path);
    ASSERT_EQ(listing.puzzleEntries.size(), 4u);
    for (const auto& e : listing.puzzleEntries) EXPECT_LE(e.title.size(), 35u);
    for (std::int64_t k = 0; k < 4; ++k) {
        auto puzzle = std::make_unique<PuzzleRecord>();
        ASSERT_TRUE(ReadPuzzle(path, k, *puzzle).IsDone());
        const auto lines = PuzzleAsText(*puzzle);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[0].rfind("Title: ", 0), 0u);
        EXPECT_LE(lines.size(), 3u + 1u + 50u + 2u + 200u + 1u + 200u + 1u);
    }
    auto puzzle = std::make_unique<PuzzleRecord>();
    EXPECT_THROW((void)ReadPuzzle(path, 4, *puzzle), IoError);  // the partial slot
}

TEST(HostileFiles, ShortAndMistaggedExchangeFilesAreRefusedAsCorrupt) {
    TempDir dir;
    const std::string shapes = dir.File("QFFLAY.DAT");
    const std::string layouts = dir.File("QFFPAGE.DAT");
    ShapeRecord shape;
    shape.width = shape.height = 9;
    const auto goodShape = EncodeShapeExchange(shape);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> shapeCases{
        {"empty", {}},
        {"tag only", {'L', 'A', 'Y'}},
        {"wrong tag", {}},
        {"truncated", {goodShape.begin(), goodShape.end() - 1}},
        {"width 0", goodShape},
        {"height 51", goodShape},
        {"negative width", goodShape},
        {"random", RandomBytes(kShapeExchangeSize, 3)},
    };
    shapeCases[2].bytes = goodShape;
    shapeCases[2].bytes[2] = 'X';
    PutInt16(shapeCases[4].bytes, 6 + 51, 0);
    PutInt16(shapeCases[5].bytes, 6 + 53, 51);
    PutInt16(shapeCases[6].bytes, 6 + 51, -9);
    for (const Case& c : shapeCases) {
        WriteBytes(dir.File("x.LAY"), c.bytes);
        ShapeRecord current;
        const Outcome m = ImportShape(dir.File("x.LAY"), shapes, current);
        EXPECT_EQ(m.message.text, "Puzzle shape file is corrupt or incompatible.  Import aborted.") << c.name;
        EXPECT_EQ(m.message.caption, "Error");
    }
    EXPECT_FALSE(CountLayouts(shapes).has_value());  // nothing was ever added

    PageLayoutRecord layout;
    std::vector<std::uint8_t> goodLayout{'P', 'A', 'G', '1', '.', '0'};
    const auto record = EncodeRecord(layout);
    goodLayout.insert(goodLayout.end(), record.begin(), record.end());
    std::vector<std::vector<std::uint8_t>> layoutCases{{}, {'P', 'A'}, {goodLayout.begin(), goodLayout.end() - 1}};
    layoutCases.push_back(goodLayout);
    layoutCases.back()[0] = 'p';
    for (const auto& bytes : layoutCases) {
        WriteBytes(dir.File("x.PAG"), bytes);
        const Outcome m = ImportLayout(dir.File("x.PAG"), layouts);
        EXPECT_EQ(m.message.text, "Page layout file is corrupt or incompatible.  Import aborted.");
    }
    EXPECT_FALSE(CountLayouts(layouts).has_value());
}

TEST(HostileFiles, LibrariesOfRandomRecordsListAndLoad) {
    TempDir dir;
    WriteBytes(dir.File("QFFLAY.DAT"), RandomBytes(3 * ShapeRecord::kStoredSize + 17, 11));
    const auto shapes = ListShapes(dir.File("QFFLAY.DAT"));
    ASSERT_TRUE(shapes.has_value());
    EXPECT_EQ(shapes->size(), 3u);
    ShapeRecord shape;
    EXPECT_THROW((void)ReadShape(dir.File("QFFLAY.DAT"), 3, shape), IoError);

    auto bytes = RandomBytes(2 * PageLayoutRecord::kStoredSize, 12);
    PutInt16(bytes, 63, -77);  // object count
    bytes[21] = 6;             // paper "Custom" with absurd sizes
    std::copy_n("Custom", 6, bytes.begin() + 22);
    WriteBytes(dir.File("QFFPAGE.DAT"), bytes);
    const auto entries = ListLayouts(dir.File("QFFPAGE.DAT"), 1);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_NE(entries[0].text.find("(Custom "), std::string::npos);
    EXPECT_NE(entries[1].text.find("  <<DEFAULT>>"), std::string::npos);
    auto layout = std::make_unique<PageLayoutRecord>();
    LoadPageLayout(dir.File("QFFPAGE.DAT"), 0, *layout);
    EXPECT_EQ(layout->UsedObjects(), 0);
}

TEST(HostileFiles, OldFilesOfEverySizeAreConvertedOrRefused) {
    TempDir dir;
    const OldVersionPaths paths{dir.File("QFFPAGE.DAT"), 0};
    auto working = std::make_unique<PuzzleRecord>();
    for (std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{4}, kOldPuzzleSize, kOldPuzzleSize + 4 + 255}) {
        auto bytes = RandomBytes(size, static_cast<std::uint32_t>(size));
        if (size >= 3) std::copy_n("QFD", 3, bytes.begin());
        if (size >= 4) bytes[3] = 0;
        WriteBytes(dir.File("r.QFD"), bytes);
        const Outcome m = ReadOldPuzzleFile(dir.File("r.QFD"), paths, *working);
        if (size == kOldPuzzleSize + 4 + 255) {
            EXPECT_TRUE(m.IsDone());
            (void)PuzzleAsText(*working);
        } else {
            EXPECT_EQ(m.message.text, "Puzzle file is corrupt or incompatible.  Import aborted.") << size;
        }
    }
    // A puzzles file with a partial record: the whole records are converted.
    WriteBytes(dir.File("QFFUPUZZ.DAT"), RandomBytes(2 * kOldPuzzleSize + 100, 9));
    const Outcome converted = ConvertOldPuzzlesFile(dir.File("QFFUPUZZ.DAT"), dir.File("OLD.QF3"), paths, *working);
    EXPECT_TRUE(converted.IsDone());
    EXPECT_EQ(converted.index, 2);
    EXPECT_EQ(CountSlots(dir.File("OLD.QF3")), 2);
}

}  // namespace
}  // namespace qf
