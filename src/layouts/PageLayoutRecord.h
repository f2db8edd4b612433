#pragma once
// A page layout: an 88-byte header and 20 object slots, 28868 bytes as stored.
#include <array>
#include <cstdint>

#include "base/ShortString.h"

namespace qf {

enum class ObjectKind : std::int16_t {
    Title = 1,
    Puzzle = 2,
    DownHeader = 3,
    AcrossHeader = 4,
    DownClues = 5,
    AcrossClues = 6,
    WordList = 7,
    BonusQuestion = 8,
    CombinedClues = 9,
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};
constexpr int kObjectKindCount = 13;

enum Alignment : std::int16_t { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

// Windows colour values, 0x00BBGGRR.
constexpr std::int32_t kColorBlack = 0x000000;
constexpr std::int32_t kColorWhite = 0xFFFFFF;
constexpr std::int32_t Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

struct StoredFont {
    ShortString<30> name;
    std::int16_t size = 0;
    std::int32_t color = 0;
    std::uint8_t bold = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;

    static constexpr std::size_t kStoredSize = 41;
    template <typename Self, typename V>
    static void Describe(Self& f, V& v) {
        v.Field(0, f.name);
        v.Field(31, f.size);
        v.Field(33, f.color);
        v.Field(37, f.bold);
        v.Field(38, f.italic);
        v.Field(39, f.underline);
        v.Field(40, f.strikeOut);
    }
};

struct PageObject {
    std::int16_t kind = 0;
    ShortString<15> name;
    std::array<std::int32_t, 4> rect{};  // left, top, right, bottom in layout units
    StoredFont textFont;
    StoredFont numberFont;
    std::int32_t blockColor = 0;
    std::int32_t lineColor = 0;
    std::uint8_t numbersHorizontal = 0;
    std::int32_t lineWidth = 0;
    std::int16_t alignment = 0;
    std::array<char, 1001> text{};  // NUL-terminated
    std::uint8_t transparent = 0;    // text kinds: no background; Bitmap: tile; Puzzle: skeleton
    std::int16_t columns = 0;
    std::uint8_t splitColumns = 0;
    std::uint8_t makeFit = 0;
    std::uint8_t fillShape = 0;
    std::int32_t fillColor = 0;
    std::int32_t borderColor = 0;
    std::uint8_t useBorder = 0;
    std::int16_t borderWidth = 0;
    ShortString<255> bitmapFile;
    std::array<std::uint8_t, 4> bitmapRef{};  // run-time only
    std::int16_t fittedFontSize = 0;          // run-time only: size the last rendering used
    std::array<std::uint8_t, 28> reserved{};

    ObjectKind Kind() const { return static_cast<ObjectKind>(kind); }
    int Left() const { return rect[0]; }
    int Top() const { return rect[1]; }
    int Right() const { return rect[2]; }
    int Bottom() const { return rect[3]; }

    static constexpr std::size_t kStoredSize = 1439;
    template <typename Self, typename V>
    static void Describe(Self& o, V& v) {
        v.Field(0, o.kind);
        v.Field(2, o.name);
        v.Field(18, o.rect);
        v.Field(34, o.textFont);
        v.Field(75, o.numberFont);
        v.Field(116, o.blockColor);
        v.Field(120, o.lineColor);
        v.Field(124, o.numbersHorizontal);
        v.Field(125, o.lineWidth);
        v.Field(129, o.alignment);
        v.Field(131, o.text);
        v.Field(1132, o.transparent);
        v.Field(1133, o.columns);
        v.Field(1135, o.splitColumns);
        v.Field(1136, o.makeFit);
        v.Field(1137, o.fillShape);
        v.Field(1138, o.fillColor);
        v.Field(1142, o.borderColor);
        v.Field(1146, o.useBorder);
        v.Field(1147, o.borderWidth);
        v.Field(1149, o.bitmapFile);
        v.Field(1405, o.bitmapRef);
        v.Field(1409, o.fittedFontSize);
        v.Field(1411, o.reserved);
    }
};

constexpr int kMaxPageObjects = 20;

struct PageLayoutRecord {
    ShortString<20> name;
    ShortString<20> paperName;
    double pageWidth = 0;   // in the layout's unit (inches or centimetres)
    double pageHeight = 0;
    std::int16_t pixelWidth = 0;  // page size in layout units
    std::int16_t pixelHeight = 0;
    std::uint8_t inches = 0;  // 1 = inches, 0 = centimetres
    std::int16_t objectCount = 0;
    std::uint8_t portrait = 0;  // 1 = portrait, 0 = landscape
    std::int16_t zoom = 0;      // 1, 2, 3: the designer zoom the rectangles were stored at
    std::array<std::uint8_t, 20> reserved{};
    std::array<PageObject, kMaxPageObjects> objects{};

    // Objects in use, bounded: a damaged file cannot make a reader leave the array.
    int UsedObjects() const {
        return objectCount < 0 ? 0 : (objectCount > kMaxPageObjects ? kMaxPageObjects : objectCount);
    }

    static constexpr std::size_t kStoredSize = 28868;
    template <typename Self, typename V>
    static void Describe(Self& r, V& v) {
        v.Field(0, r.name);
        v.Field(21, r.paperName);
        v.Field(42, r.pageWidth);
        v.Field(50, r.pageHeight);
        v.Field(58, r.pixelWidth);
        v.Field(60, r.pixelHeight);
        v.Field(62, r.inches);
        v.Field(63, r.objectCount);
        v.Field(65, r.portrait);
        v.Field(66, r.zoom);
        v.Field(68, r.reserved);
        v.Field(88, r.objects);
    }
};
static_assert(88 + kMaxPageObjects * PageObject::kStoredSize == PageLayoutRecord::kStoredSize);

}  // namespace qf
