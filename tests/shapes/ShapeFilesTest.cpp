#include <gtest/gtest.h>

#include <filesystem>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/RecordFile.h"
#include "shapes/ShapeFiles.h"
#include "shapes/ShapeText.h"
#include "support/FailedWrites.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

ShapeRecord Shape(const std::string& name, int w, int h) {
    ShapeRecord s;
    s.name = name;
    s.width = static_cast<std::int16_t>(w);
    s.height = static_cast<std::int16_t>(h);
    for (int r = 1; r <= h; ++r)
        for (int c = 1; c <= w; ++c) s.Cell(CellIndex(r, c)) = (r + c) % 3 ? 1 : 0;
    return s;
}

std::vector<std::uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{}); }

TEST(ShapeFiles, ListTextsAndTheirTextualSort) {
    EXPECT_EQ(ShapeListText(Shape("Star", 15, 12)), "15x12 Star");
    EXPECT_EQ(ShapeListText(Shape("", 9, 9)), "9x9 ");
    std::vector<ShapeEntry> entries{{"9x9 Small", 0}, {"15x15 big", 1}, {"15x15 Big", 2}, {"12x3 a", 3}};
    SortShapeEntries(entries);
    EXPECT_EQ(entries[0].text, "12x3 a");
    EXPECT_EQ(entries[1].index, 1);  // equal without case: file order
    EXPECT_EQ(entries[2].index, 2);
    EXPECT_EQ(entries[3].text, "9x9 Small");
}

TEST(ShapeFiles, AShapeNamedByLibraryIndexOrByFile) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    const ShapeRecord star = Shape("Star", 11, 9);
    ASSERT_TRUE(AppendShape(lib, Shape("First", 5, 5)).IsDone());
    ASSERT_TRUE(AppendShape(lib, star).IsDone());
    test::WriteBytes(dir.File("7"), EncodeShapeExchange(Shape("File", 7, 7)));

    ShapeRecord got;
    ASSERT_TRUE(ReadShapeByIndexOrFile(lib, "1", got).IsDone());
    EXPECT_EQ(EncodeRecord(got), EncodeRecord(star));
    const Outcome past = ReadShapeByIndexOrFile(lib, "2", got);
    EXPECT_EQ(past.message.text, "No shape 2 in the shapes library.");
    EXPECT_EQ(past.message.severity, Severity::Error);
    // Anything but a record index names a .LAY file.
    ASSERT_TRUE(ReadShapeByIndexOrFile(dir.File("NONE.DAT"), dir.File("7"), got).IsDone());
    EXPECT_EQ(got.name.Str(), "File");
    EXPECT_EQ(ReadShapeByIndexOrFile(lib, dir.File("none.LAY"), got).message.text, "Puzzle shape could not be imported.");
}

TEST(ShapeFiles, DeletingMovesLaterShapesDownThroughATemporaryFile) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    for (const auto& s : {Shape("One", 5, 5), Shape("Two", 6, 7), Shape("Three", 9, 8)}) ASSERT_TRUE(AppendShape(lib, s).IsDone());
    ASSERT_TRUE(DeleteShape(lib, 0).IsDone());
    const auto bytes = Bytes(lib);
    ASSERT_EQ(bytes.size(), 5110u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 2555), EncodeRecord(Shape("Two", 6, 7)));
    const auto entries = ListShapes(lib);
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ((*entries)[0].text, "6x7 Two");
    EXPECT_EQ((*entries)[1].text, "9x8 Three");
    EXPECT_EQ((*entries)[1].index, 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    ASSERT_TRUE(DeleteShape(lib, 1).IsDone());
    ASSERT_TRUE(DeleteShape(lib, 0).IsDone());
    EXPECT_EQ(Bytes(lib).size(), 0u);
    EXPECT_TRUE(ListShapes(lib)->empty());  // the forms then warn kNoShapesFound

    const Outcome m = DeleteShape(dir.File("NONE.DAT"), 0);
    EXPECT_EQ(m.message.text, "Unable to delete puzzle shape.");
    EXPECT_EQ(m.message.caption, "Disk Error");
    EXPECT_FALSE(ListShapes(dir.File("NONE.DAT")).has_value());
}

TEST(ShapeFiles, ExchangeFilesRoundTripAndRefuseBadOnes) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    const ShapeRecord heart = Shape("Heart", 21, 19);
    ASSERT_TRUE(AppendShape(lib, Shape("First", 5, 5)).IsDone());
    ASSERT_TRUE(AppendShape(lib, heart).IsDone());

    ShapeRecord current = Shape("in memory", 7, 7);
    ASSERT_TRUE(ExportShape(lib, 1, dir.File("heart.LAY"), current).IsDone());
    EXPECT_EQ(current.name.Str(), "Heart");  // reloaded from the file
    const auto file = Bytes(dir.File("heart.LAY"));
    ASSERT_EQ(file.size(), 2561u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "LAY1.0");

    auto other = file;
    std::copy_n("LAY9.9", 6, other.begin());
    test::WriteBytes(dir.File("v99.LAY"), other);
    const Outcome imported = ImportShape(dir.File("v99.LAY"), lib, current);
    ASSERT_TRUE(imported.IsDone());
    EXPECT_EQ(imported.index, 2);
    EXPECT_EQ(EncodeRecord(current), EncodeRecord(heart));
    ShapeRecord third;
    ASSERT_TRUE(ReadShape(lib, 2, third).IsDone());
    EXPECT_EQ(EncodeRecord(third), EncodeRecord(heart));

    other[2] = 'X';
    test::WriteBytes(dir.File("lax.LAY"), other);
    EXPECT_EQ(ImportShape(dir.File("lax.LAY"), lib, current).message.text,
              "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    test::WriteBytes(dir.File("short.LAY"), std::vector<std::uint8_t>(file.begin(), file.begin() + 2000));
    EXPECT_EQ(ImportShape(dir.File("short.LAY"), lib, current).message.text,
              "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(ImportShape(dir.File("none.LAY"), lib, current).message.text, "Puzzle shape could not be imported.");
    EXPECT_EQ(Bytes(lib).size(), 3u * 2555u);

    Outcome m = ImportShape(dir.File("heart.LAY"), dir.File("no/folder/QFFLAY.DAT"), current);
    EXPECT_EQ(m.message.text, "Unable to add shape.");
    EXPECT_EQ(m.message.caption, "Disk Error");
    m = ExportShape(lib, 0, dir.File("no/folder/x.LAY"), current);
    EXPECT_EQ(m.message.text, "Shape could not be exported.");
    EXPECT_EQ(m.message.caption, "Error");
    EXPECT_THROW((void)ExportShape(lib, 3, dir.File("x.LAY"), current), IoError);
}

TEST(ShapeFiles, ExportNeverWritesOverTheLibraryItself) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    for (const auto& s : {Shape("One", 5, 5), Shape("Two", 6, 7), Shape("Three", 9, 8)}) ASSERT_TRUE(AppendShape(lib, s).IsDone());
    const auto before = Bytes(lib);
    std::filesystem::create_symlink(lib, dir.File("link.LAY"));
    std::filesystem::create_hard_link(lib, dir.File("hard.LAY"));
    ShapeRecord current;
    for (const std::string& target : {lib, dir.File("qfflay.dat"), dir.Path() + "/./QFFLAY.DAT", dir.File("link.LAY"),
                                      dir.File("hard.LAY")}) {
        const Outcome m = ExportShape(lib, 2, target, current);
        EXPECT_TRUE(m.IsRefused()) << target;
        EXPECT_EQ(m.message.text, "Export File cannot be the same as the puzzle shapes file.");
        EXPECT_EQ(m.message.caption, "Error");
    }
    EXPECT_EQ(Bytes(lib), before);
}

TEST(ShapeFiles, AFailedWriteLeavesTheLibraryAndTheExportAsTheyWere) {
    TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    for (const auto& s : {Shape("One", 5, 5), Shape("Two", 6, 7)}) ASSERT_TRUE(AppendShape(lib, s).IsDone());
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return AppendShape(lib, Shape("Three", 9, 8)).IsDone(); }), 0);
    EXPECT_EQ(Bytes(lib).size(), 3u * 2555u);
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return WriteShape(lib, 0, Shape("Uno", 7, 7)).IsDone(); }), 0);
    test::WriteFile(dir.File("old.LAY"), "an older export");
    ShapeRecord current;
    EXPECT_GT(test::EveryWriteFails({lib, dir.File("old.LAY")},
                                    [&] { return ExportShape(lib, 1, dir.File("old.LAY"), current).IsDone(); }),
              0);
    EXPECT_EQ(Bytes(dir.File("old.LAY")), EncodeShapeExchange(Shape("Two", 6, 7)));
    EXPECT_GT(test::EveryWriteFails({lib, dir.File("old.LAY")},
                                    [&] { return ImportShape(dir.File("old.LAY"), lib, current).IsDone(); }),
              0);
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return DeleteShape(lib, 0).IsDone(); }), 0);
    const auto entries = ListShapes(lib);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].text, "6x7 Two");
    EXPECT_EQ((*entries)[2].text, "6x7 Two");
}

TEST(ShapeFiles, AFolderIsNoShapeFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.LAY"));
    ShapeRecord current;
    EXPECT_EQ(ImportShape(dir.File("folder.LAY"), dir.File("QFFLAY.DAT"), current).message.text,
              "Puzzle shape could not be imported.");
    EXPECT_FALSE(FileExists(dir.File("QFFLAY.DAT")));
}

TEST(ShapeText, DrawnShapesParseAndRoundTrip) {
    std::vector<ShapeRecord> shapes;
    std::string error;
    ASSERT_TRUE(ParseShapeText("; comment\n\n[Tee]\n###\n.#\n.#.\r\n[Dot]\n#\n", shapes, error)) << error;
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].name.Str(), "Tee");
    EXPECT_EQ(shapes[0].width, 3);
    EXPECT_EQ(shapes[0].height, 3);
    EXPECT_TRUE(shapes[0].Usable(1, 3));
    EXPECT_FALSE(shapes[0].Usable(2, 1));
    EXPECT_TRUE(shapes[0].Usable(2, 2));
    EXPECT_FALSE(shapes[0].Usable(2, 3));  // a short row is blocked to the width
    EXPECT_EQ(ShapeToText(shapes[0]), "[Tee]\n###\n.#.\n.#.\n");

    EXPECT_FALSE(ParseShapeText("###\n", shapes, error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
    EXPECT_FALSE(ParseShapeText("[A]\n#x#\n", shapes, error));
    EXPECT_FALSE(ParseShapeText("[Empty]\n[B]\n#\n", shapes, error));
    EXPECT_FALSE(ParseShapeText("[Wide]\n" + std::string(51, '#') + "\n", shapes, error));
}

TEST(ShapeText, TheShippedShapesAreWorthHaving) {
    const char* source = std::getenv("QF_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const auto text = ReadWholeFile(std::string(source) + "/data/shapes/shapes.txt");
    ASSERT_TRUE(text.has_value());
    std::vector<ShapeRecord> shapes;
    std::string error;
    ASSERT_TRUE(ParseShapeText(std::string(text->begin(), text->end()), shapes, error)) << error;
    EXPECT_GE(shapes.size(), 20u);
    std::vector<std::string> names;
    for (const auto& s : shapes) {
        names.push_back(s.name.Str());
        EXPECT_TRUE(s.width >= 5 && s.width <= 49 && s.height >= 5 && s.height <= 49) << s.name.Str();
        int usable = 0;
        for (int r = 1; r <= s.height; ++r)
            for (int c = 1; c <= s.width; ++c) usable += s.Usable(r, c);
        EXPECT_GE(usable, 60) << s.name.Str();
    }
    for (const char* wanted : {"Square 9", "Square 25", "Circle", "Diamond", "Heart", "Star", "Triangle", "Cross",
                               "Arrow", "House", "Tree", "Apple", "Fish"})
        EXPECT_NE(std::find(names.begin(), names.end(), wanted), names.end()) << wanted;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());  // names are unique
}

}  // namespace
}  // namespace qf
