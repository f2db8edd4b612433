// The page layout record's stored form, the defaults of new objects and the built-in layout.
#include <gtest/gtest.h>

#include <cstring>

#include "base/ByteCodec.h"
#include "layouts/PageLayoutRecord.h"
#include "layouts/PageObjects.h"
#include "support/Bytes.h"

namespace qf {
namespace {

using test::LeInt16;
using test::LeInt32;
using test::StoredShortString;

double LeDouble(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(b[at + static_cast<std::size_t>(i)]) << (8 * i);
    double d;
    std::memcpy(&d, &u, sizeof d);
    return d;
}

TEST(PageLayoutRecordCodec, ArbitraryBytesSurviveARoundTrip) {
    for (std::uint32_t seed : {5u, 6u, 1234u}) {
        const auto bytes = test::RandomBytes(PageLayoutRecord::kStoredSize, seed);
        PageLayoutRecord r;
        DecodeRecord(bytes, r);
        EXPECT_EQ(EncodeRecord(r), bytes);
    }
}

TEST(PageLayoutRecordCodec, EachFieldLandsAtItsOffset) {
    PageLayoutRecord r;
    r.name = "Worksheet";
    r.paperName = "A4";
    r.pageWidth = 21.0;
    r.pageHeight = 29.7;
    r.pixelWidth = 420;
    r.pixelHeight = 594;
    r.inches = 0;
    r.objectCount = 20;
    r.portrait = 1;
    r.zoom = 3;
    r.reserved[0] = 0x5A;
    r.reserved[19] = 0xA5;

    PageObject& o = r.objects[1];  // slot 2
    o.kind = 2;
    o.name = "Puzzle";
    o.rect = {96, 76, 312, -292};
    o.textFont.name = "Arial";
    o.textFont.size = 12;
    o.textFont.color = 0x00FF0000;
    o.textFont.bold = 1;
    o.textFont.italic = 2;
    o.textFont.underline = 3;
    o.textFont.strikeOut = 4;
    o.numberFont.name = "Courier";
    o.numberFont.size = 5;
    o.numberFont.color = 0x0000FF00;
    o.numberFont.bold = 5;
    o.numberFont.italic = 6;
    o.numberFont.underline = 7;
    o.numberFont.strikeOut = 8;
    o.blockColor = 0x00FFFFFF;
    o.lineColor = 0x00010203;
    o.numbersHorizontal = 1;
    o.lineWidth = 9;
    o.alignment = 3;
    SetObjectText(o, "Across:Down");
    o.transparent = 1;
    o.columns = 9;
    o.splitColumns = 1;
    o.makeFit = 1;
    o.fillShape = 1;
    o.fillColor = 0x00112233;
    o.borderColor = 0x00445566;
    o.useBorder = 1;
    o.borderWidth = 7;
    o.bitmapFile = "C:\\PICS\\CAT.BMP";
    o.bitmapRef = {1, 2, 3, 4};
    o.fittedFontSize = 11;
    o.reserved[27] = 0x99;
    r.objects[19].kind = 13;

    const auto b = EncodeRecord(r);
    ASSERT_EQ(b.size(), 28868u);
    EXPECT_EQ(StoredShortString(b, 0), "Worksheet");
    EXPECT_EQ(StoredShortString(b, 21), "A4");
    EXPECT_DOUBLE_EQ(LeDouble(b, 42), 21.0);
    EXPECT_DOUBLE_EQ(LeDouble(b, 50), 29.7);
    EXPECT_EQ(LeInt16(b, 58), 420);
    EXPECT_EQ(LeInt16(b, 60), 594);
    EXPECT_EQ(b[62], 0);
    EXPECT_EQ(LeInt16(b, 63), 20);
    EXPECT_EQ(b[65], 1);
    EXPECT_EQ(LeInt16(b, 66), 3);  // the zoom code, read as an int16 at 66
    EXPECT_EQ(b[68], 0x5A);        // the reserved block, 68 to 87
    EXPECT_EQ(b[87], 0xA5);

    const std::size_t s = 88 + 1439;  // object slot 2
    EXPECT_EQ(LeInt16(b, s + 0), 2);
    EXPECT_EQ(StoredShortString(b, s + 2), "Puzzle");
    EXPECT_EQ(LeInt32(b, s + 18), 96);
    EXPECT_EQ(LeInt32(b, s + 22), 76);
    EXPECT_EQ(LeInt32(b, s + 26), 312);
    EXPECT_EQ(LeInt32(b, s + 30), -292);
    EXPECT_EQ(StoredShortString(b, s + 34), "Arial");
    EXPECT_EQ(LeInt16(b, s + 65), 12);
    EXPECT_EQ(LeInt32(b, s + 67), 0x00FF0000);
    EXPECT_EQ(b[s + 71], 1);
    EXPECT_EQ(b[s + 72], 2);
    EXPECT_EQ(b[s + 73], 3);
    EXPECT_EQ(b[s + 74], 4);
    EXPECT_EQ(StoredShortString(b, s + 75), "Courier");
    EXPECT_EQ(LeInt16(b, s + 106), 5);
    EXPECT_EQ(LeInt32(b, s + 108), 0x0000FF00);
    EXPECT_EQ(b[s + 112], 5);
    EXPECT_EQ(b[s + 113], 6);
    EXPECT_EQ(b[s + 114], 7);
    EXPECT_EQ(b[s + 115], 8);
    EXPECT_EQ(LeInt32(b, s + 116), 0x00FFFFFF);
    EXPECT_EQ(LeInt32(b, s + 120), 0x00010203);
    EXPECT_EQ(b[s + 124], 1);
    EXPECT_EQ(LeInt32(b, s + 125), 9);
    EXPECT_EQ(LeInt16(b, s + 129), 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[s + 131])), "Across:Down");
    EXPECT_EQ(b[s + 1132], 1);
    EXPECT_EQ(LeInt16(b, s + 1133), 9);
    EXPECT_EQ(b[s + 1135], 1);
    EXPECT_EQ(b[s + 1136], 1);
    EXPECT_EQ(b[s + 1137], 1);
    EXPECT_EQ(LeInt32(b, s + 1138), 0x00112233);
    EXPECT_EQ(LeInt32(b, s + 1142), 0x00445566);
    EXPECT_EQ(b[s + 1146], 1);
    EXPECT_EQ(LeInt16(b, s + 1147), 7);
    EXPECT_EQ(StoredShortString(b, s + 1149), "C:\\PICS\\CAT.BMP");
    EXPECT_EQ(b[s + 1405], 1);
    EXPECT_EQ(b[s + 1408], 4);
    EXPECT_EQ(LeInt16(b, s + 1409), 11);
    EXPECT_EQ(b[s + 1438], 0x99);
    EXPECT_EQ(LeInt16(b, 88 + 19 * 1439), 13);  // slot 20
}

TEST(PageObjects, NewObjectDefaultsByKind) {
    PageLayoutRecord layout;
    HeadingLabels labels{"Horizontal", "Vertical"};

    const PageObject title = NewPageObject(ObjectKind::Title, layout, labels);
    EXPECT_EQ(title.name.Str(), "Title");
    EXPECT_EQ(title.textFont.name.Str(), "Arial");
    EXPECT_EQ(title.textFont.size, 10);
    EXPECT_EQ(title.numberFont.size, 5);
    EXPECT_EQ(title.alignment, kAlignCentre);
    EXPECT_EQ(title.transparent, 1);
    EXPECT_EQ(title.useBorder, 1);
    EXPECT_EQ(title.fillColor, kColorWhite);

    const PageObject puzzle = NewPageObject(ObjectKind::Puzzle, layout, labels);
    EXPECT_EQ(puzzle.alignment, kAlignLeft);
    EXPECT_EQ(puzzle.transparent, 0);
    EXPECT_EQ(puzzle.fillColor, kColorBlack);
    EXPECT_EQ(puzzle.blockColor, kColorWhite);
    EXPECT_EQ(puzzle.lineWidth, 1);
    EXPECT_EQ(puzzle.numbersHorizontal, 1);

    EXPECT_EQ(ObjectText(NewPageObject(ObjectKind::DownHeader, layout, labels)), "Vertical");
    EXPECT_EQ(ObjectText(NewPageObject(ObjectKind::AcrossHeader, layout, labels)), "Horizontal");
    const PageObject combined = NewPageObject(ObjectKind::CombinedClues, layout, labels);
    EXPECT_EQ(ObjectText(combined), "Across:Down");
    EXPECT_EQ(combined.columns, 2);
    EXPECT_EQ(NewPageObject(ObjectKind::WordList, layout, labels).name.Str(), "Words");

    const PageObject bitmap = NewPageObject(ObjectKind::Bitmap, layout, labels);
    EXPECT_EQ(bitmap.useBorder, 0);
    EXPECT_EQ(bitmap.transparent, 0);
    EXPECT_EQ(bitmap.name.Str(), "Bitmap 1");

    // Numbered names count the objects of the same kind already in the layout.
    layout.objectCount = 3;
    layout.objects[0].kind = static_cast<std::int16_t>(ObjectKind::Text);
    layout.objects[1].kind = static_cast<std::int16_t>(ObjectKind::Circle);
    layout.objects[2].kind = static_cast<std::int16_t>(ObjectKind::Text);
    EXPECT_EQ(NewObjectName(ObjectKind::Text, layout), "Text 3");
    EXPECT_EQ(NewObjectName(ObjectKind::Circle, layout), "Circle 2");
    EXPECT_EQ(NewObjectName(ObjectKind::Rectangle, layout), "Rectangle 1");
}

TEST(PageObjects, BuiltInDefaultLayout) {
    PageLayoutRecord layout;
    layout.zoom = 3;                        // kept: the default does not set it
    layout.objects[4].splitColumns = 1;     // kept
    layout.objects[6].kind = 13;            // slots past the sixth are not touched
    BuildDefaultLayout(layout);

    EXPECT_EQ(layout.name.Str(), "New Page");
    EXPECT_EQ(layout.paperName.Str(), "Letter");
    EXPECT_DOUBLE_EQ(layout.pageWidth, 8.5);
    EXPECT_DOUBLE_EQ(layout.pageHeight, 11.0);
    EXPECT_EQ(layout.pixelWidth, 408);
    EXPECT_EQ(layout.pixelHeight, 528);
    EXPECT_EQ(layout.inches, 1);
    EXPECT_EQ(layout.portrait, 1);
    EXPECT_EQ(layout.objectCount, 6);
    EXPECT_EQ(layout.zoom, 3);
    EXPECT_EQ(layout.objects[4].splitColumns, 1);
    EXPECT_EQ(layout.objects[6].kind, 13);

    struct Expect {
        ObjectKind kind;
        const char* name;
        std::array<std::int32_t, 4> rect;
    };
    const Expect expected[6] = {
        {ObjectKind::Title, "Title", {48, 48, 360, 72}},
        {ObjectKind::Puzzle, "Puzzle", {96, 76, 312, 292}},
        {ObjectKind::AcrossHeader, "Across Header", {48, 297, 192, 312}},
        {ObjectKind::DownHeader, "Down Header", {216, 297, 360, 312}},
        {ObjectKind::AcrossClues, "Across Clues", {48, 316, 192, 484}},
        {ObjectKind::DownClues, "Down Clues", {216, 316, 360, 484}},
    };
    for (std::size_t i = 0; i < 6; ++i) {
        const PageObject& o = layout.objects[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(o.Kind(), expected[i].kind);
        EXPECT_EQ(o.name.Str(), expected[i].name);
        EXPECT_EQ(o.rect, expected[i].rect);
        EXPECT_EQ(o.textFont.name.Str(), "Arial");
        EXPECT_EQ(o.textFont.size, 12);
        EXPECT_EQ(ObjectText(o), "");
        EXPECT_EQ(o.alignment, kAlignCentre);
        EXPECT_EQ(o.transparent, 1);
        EXPECT_EQ(o.makeFit, 1);
        EXPECT_EQ(o.useBorder, 0);
        EXPECT_EQ(o.borderWidth, 1);
        EXPECT_EQ(o.fillColor, expected[i].kind == ObjectKind::Puzzle ? kColorBlack : kColorWhite);
    }
    EXPECT_EQ(layout.objects[1].numberFont.size, 5);
    EXPECT_EQ(layout.objects[1].lineColor, kColorBlack);
    EXPECT_EQ(layout.objects[4].columns, 1);
    EXPECT_EQ(layout.objects[5].columns, 1);
}

TEST(PageObjects, ObjectTextStopsAtItsNulAndIsCutTo1000) {
    PageObject o;
    SetObjectText(o, std::string(1500, 'x'));
    EXPECT_EQ(ObjectText(o).size(), 1000u);
    o.text.fill('y');  // no NUL at all, as a damaged file may hold
    EXPECT_EQ(ObjectText(o).size(), 1000u);
}

}  // namespace
}  // namespace qf
