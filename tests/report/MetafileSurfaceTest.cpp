// The metafile surface: the geometry of the page, and EMF and WMF files whose headers and
// records hold together as a player reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "report/FontMeasure.h"
#include "report/MetafileSurface.h"

namespace qf::test {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int32_t I32(const std::vector<std::uint8_t>& b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

struct Record {
    std::uint32_t type = 0;
    std::size_t at = 0;
    std::size_t size = 0;
};

// The EMF's records by their sizes; fails the test when one would run past the end.
std::vector<Record> EmfRecords(const std::vector<std::uint8_t>& b) {
    std::vector<Record> records;
    for (std::size_t at = 0; at + 8 <= b.size();) {
        const std::size_t size = U32(b, at + 4);
        EXPECT_TRUE(size >= 8 && size % 4 == 0 && at + size <= b.size()) << "record at " << at;
        if (size < 8 || at + size > b.size()) break;
        records.push_back({U32(b, at), at, size});
        at += size;
    }
    return records;
}

// The WMF's records after its placeable header and its header (sizes in 16-bit words).
std::vector<Record> WmfRecords(const std::vector<std::uint8_t>& b) {
    std::vector<Record> records;
    for (std::size_t at = 22 + 18; at + 6 <= b.size();) {
        const std::size_t size = 2 * static_cast<std::size_t>(U32(b, at));
        EXPECT_TRUE(size >= 6 && at + size <= b.size()) << "record at " << at;
        if (size < 6 || at + size > b.size()) break;
        records.push_back({U16(b, at + 4), at, size});
        at += size;
    }
    return records;
}

std::u16string Utf16At(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t count) {
    std::u16string s;
    for (std::size_t i = 0; i < count; ++i) s += static_cast<char16_t>(U16(b, at + 2 * i));
    return s;
}

// A small drawing on a Letter page: a filled box, a line, an ellipse and two texts.
void Draw(MetafileSurface& s) {
    s.SelectPaper(1);
    FontChoice f;
    f.size = 12;
    f.bold = true;
    s.SetFont(f);
    s.SetBrushColor(0x0000FF);
    s.FillRect(1, 1, 2, 2);
    s.SetPenColor(0x00FF00);
    s.MoveTo(0.5104, 3.999);  // 48.99 and 383.9 units: truncated to 48 and 383
    s.LineTo(8, 4);
    s.EllipseOutline(1, 5, 2, 6);
    s.SetTextTransparent(false);
    s.TextOutTop(1, 7, "Caf\xE9");  // Windows-1252 e acute
    s.TextOut(1, 8, "Down");
}

TEST(MetafileSurface, GeometryOfTheLetterPageAndOfOddSizes) {
    const MetafileGeometry letter = MetafileGeometryFor(8.5, 11);
    EXPECT_EQ(letter.width, 816);
    EXPECT_EQ(letter.height, 1056);
    EXPECT_EQ(letter.frameWidth, 25908);
    EXPECT_EQ(letter.frameHeight, 33528);
    // A4 turned: truncated, never rounded.
    const MetafileGeometry a4 = MetafileGeometryFor(297 / 25.4, 210 / 25.4);
    EXPECT_EQ(a4.width, 1122);  // 1122.5
    EXPECT_EQ(a4.height, 793);  // 793.7
    EXPECT_EQ(a4.frameWidth, 35640);
    EXPECT_EQ(a4.frameHeight, 25200);
}

TEST(MetafileSurface, EnhancedFileHeaderRecordsAndText) {
    EnsureGuiApplication();
    MetafileSurface s(MetafileKind::Enhanced);
    Draw(s);
    const std::vector<std::uint8_t> b = s.Bytes();
    ASSERT_GT(b.size(), 108u);
    const std::vector<Record> records = EmfRecords(b);
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(records.front().type, 1u);   // header
    EXPECT_EQ(records.back().type, 14u);   // end of file
    EXPECT_EQ(U32(b, 40), 0x464D4520u);    // " EMF"
    EXPECT_EQ(U32(b, 48), b.size());       // nBytes
    EXPECT_EQ(U32(b, 52), records.size()); // nRecords
    EXPECT_EQ(static_cast<int>(records.size()), s.RecordCount() + 2);
    EXPECT_GE(U16(b, 56), 3);              // the metafile's own handle, a pen, a brush, a font
    // Bounds in units and the frame in hundredths of a millimetre.
    EXPECT_EQ(I32(b, 16), 816);
    EXPECT_EQ(I32(b, 20), 1056);
    EXPECT_EQ(I32(b, 32), 25908);
    EXPECT_EQ(I32(b, 36), 33528);
    // The description: creator and title, each ended by a NUL, and a closing NUL.
    const std::size_t n = U32(b, 60);
    EXPECT_EQ(Utf16At(b, U32(b, 64), n), std::u16string(u"Quernfold 98\0Crossword Puzzle\0\0", 31));

    int texts = 0, topAligned = 0, opaque = 0, moves = 0;
    for (const Record& r : records) {
        if (r.type == 84) {  // EXTTEXTOUTW: the reference point, then the characters
            ++texts;
            const std::size_t emrtext = r.at + 36;
            const std::size_t chars = U32(b, emrtext + 8);
            const std::u16string text = Utf16At(b, r.at + U32(b, emrtext + 12), chars);
            if (texts == 1) {
                EXPECT_EQ(text, u"Caf\u00e9");
                EXPECT_EQ(I32(b, emrtext), 96);
                EXPECT_EQ(I32(b, emrtext + 4), 672);
                EXPECT_NE(U32(b, emrtext + 32), 0u);  // the advances are there
            } else {
                EXPECT_EQ(text, u"Down");
            }
        }
        if (r.type == 22 && U32(b, r.at + 8) == 0) ++topAligned;  // SETTEXTALIGN top-left
        if (r.type == 18 && U32(b, r.at + 8) == 2) ++opaque;      // SETBKMODE opaque
        if (r.type == 27) {                                       // MOVETOEX
            ++moves;
            EXPECT_EQ(I32(b, r.at + 8), 48);
            EXPECT_EQ(I32(b, r.at + 12), 383);
        }
    }
    EXPECT_EQ(texts, 2);
    EXPECT_EQ(topAligned, 1);
    EXPECT_EQ(opaque, 1);
    EXPECT_EQ(moves, 1);
}

TEST(MetafileSurface, WindowsFilePlaceableHeaderAndRecords) {
    EnsureGuiApplication();
    MetafileSurface s(MetafileKind::Windows);
    Draw(s);
    const std::vector<std::uint8_t> b = s.Bytes();
    ASSERT_GT(b.size(), 40u);
    EXPECT_EQ(U32(b, 0), 0x9AC6CDD7u);
    EXPECT_EQ(U16(b, 10), 816);
    EXPECT_EQ(U16(b, 12), 1056);
    EXPECT_EQ(U16(b, 14), 80);  // units to the inch that make the picture 1.2 times the page
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= U16(b, i);
    EXPECT_EQ(U16(b, 20), sum);
    EXPECT_EQ(U16(b, 22), 1);       // memory metafile
    EXPECT_EQ(U16(b, 24), 9);       // header words
    EXPECT_EQ(U16(b, 26), 0x0300);
    EXPECT_EQ(2 * U32(b, 28), b.size() - 22);
    const std::vector<Record> records = WmfRecords(b);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().type, 0u);  // end of file
    EXPECT_EQ(records.back().at + records.back().size, b.size());
    std::size_t largest = 0;
    for (const Record& r : records) largest = std::max(largest, r.size);
    EXPECT_EQ(2 * U32(b, 34), largest);
    EXPECT_GE(U16(b, 32), 3);  // objects: pen, brush, font at the least
    // The window is the page; the text is Windows-1252 as stored.
    bool extent = false;
    int texts = 0;
    for (const Record& r : records) {
        if (r.type == 0x020C) {
            extent = true;
            EXPECT_EQ(U16(b, r.at + 6), 1056);  // y first
            EXPECT_EQ(U16(b, r.at + 8), 816);
        }
        if (r.type == 0x0A32) {
            ++texts;
            const std::size_t length = U16(b, r.at + 10);
            const std::string text(reinterpret_cast<const char*>(&b[r.at + 14]), length);
            EXPECT_EQ(text, texts == 1 ? std::string("Caf\xE9") : std::string("Down"));
            if (texts == 1) {
                EXPECT_EQ(U16(b, r.at + 6), 672);
                EXPECT_EQ(U16(b, r.at + 8), 96);
            }
        }
    }
    EXPECT_TRUE(extent);
    EXPECT_EQ(texts, 2);
}

TEST(MetafileSurface, ObjectsAreMadeOnlyWhenTheyChange) {
    EnsureGuiApplication();
    MetafileSurface s(MetafileKind::Enhanced);
    s.SelectPaper(1);
    s.SetPenColor(0);
    s.MoveTo(0, 0);
    s.LineTo(1, 1);
    const int afterFirst = s.RecordCount();
    for (int i = 0; i < 10; ++i) s.LineTo(i, 2);  // the same pen: one record each
    EXPECT_EQ(s.RecordCount(), afterFirst + 10);
    s.SetPenColor(0xFF);  // a new pen: made, selected, the old one deleted, then the line
    s.LineTo(3, 3);
    EXPECT_EQ(s.RecordCount(), afterFirst + 14);
}

}  // namespace
}  // namespace qf::test
