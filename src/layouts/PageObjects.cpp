#include "layouts/PageObjects.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace qf {
namespace {

struct KindInfo {
    const char* newName;
    bool numbered;  // Text, Bitmap, Rectangle, Circle: "Text 1", "Text 2", ...
};

constexpr std::array<KindInfo, kObjectKindCount> kKinds{{
    {"Title", false},
    {"Puzzle", false},
    {"Down Header", false},
    {"Across Header", false},
    {"Down Clues", false},
    {"Across Clues", false},
    {"Words", false},
    {"Bonus Question", false},
    {"Combined Clues", false},
    {"Text ", true},
    {"Bitmap ", true},
    {"Rectangle ", true},
    {"Circle ", true},
}};

constexpr std::array<PaperSize, 6> kPapers{{
    {"Letter", 8.5, 11.0, true, 1},
    {"Legal", 8.5, 14.0, true, 5},
    {"A4", 21.0, 29.7, false, 9},
    {"A5", 14.8, 21.0, false, 11},
    {"B5", 18.2, 25.7, false, 13},
    {"Executive", 7.25, 10.5, true, 7},
}};

void SetFont(StoredFont& font, int size) {
    font.name = "Arial";
    font.size = static_cast<std::int16_t>(size);
    font.color = kColorBlack;
    font.bold = font.italic = font.underline = font.strikeOut = 0;
}

}  // namespace

std::string NewObjectName(ObjectKind kind, const PageLayoutRecord& layout) {
    const int k = static_cast<int>(kind);
    if (k < 1 || k > kObjectKindCount) return {};
    const KindInfo& info = kKinds[static_cast<std::size_t>(k - 1)];
    if (!info.numbered) return info.newName;
    int same = 0;
    for (int i = 0; i < layout.UsedObjects(); ++i)
        if (layout.objects[static_cast<std::size_t>(i)].kind == k) ++same;
    return info.newName + std::to_string(same + 1);
}

PageObject NewPageObject(ObjectKind kind, const PageLayoutRecord& layout, const HeadingLabels& labels) {
    PageObject o;
    o.kind = static_cast<std::int16_t>(kind);
    o.name = NewObjectName(kind, layout);
    SetFont(o.textFont, 10);
    SetFont(o.numberFont, 5);
    o.numbersHorizontal = 1;
    o.blockColor = kColorWhite;
    o.lineColor = kColorBlack;
    o.lineWidth = 1;
    const bool heading = kind == ObjectKind::Title || kind == ObjectKind::DownHeader ||
                         kind == ObjectKind::AcrossHeader;
    o.alignment = heading ? kAlignCentre : kAlignLeft;
    if (kind == ObjectKind::CombinedClues) SetObjectText(o, "Across:Down");
    if (kind == ObjectKind::DownHeader) SetObjectText(o, labels.down);
    if (kind == ObjectKind::AcrossHeader) SetObjectText(o, labels.across);
    o.transparent = (kind == ObjectKind::Puzzle || kind == ObjectKind::Bitmap) ? 0 : 1;
    o.columns = kind == ObjectKind::CombinedClues ? 2 : 1;
    o.splitColumns = 0;
    o.makeFit = 1;
    o.fillShape = 0;
    o.fillColor = kind == ObjectKind::Puzzle ? kColorBlack : kColorWhite;
    o.borderColor = kColorBlack;
    o.useBorder = kind == ObjectKind::Bitmap ? 0 : 1;
    o.borderWidth = 1;
    return o;
}

void BuildDefaultLayout(PageLayoutRecord& layout) {
    struct Slot {
        ObjectKind kind;
        const char* name;
        std::array<std::int32_t, 4> rect;
    };
    static constexpr std::array<Slot, 6> kSlots{{
        {ObjectKind::Title, "Title", {48, 48, 360, 72}},
        {ObjectKind::Puzzle, "Puzzle", {96, 76, 312, 292}},
        {ObjectKind::AcrossHeader, "Across Header", {48, 297, 192, 312}},
        {ObjectKind::DownHeader, "Down Header", {216, 297, 360, 312}},
        {ObjectKind::AcrossClues, "Across Clues", {48, 316, 192, 484}},
        {ObjectKind::DownClues, "Down Clues", {216, 316, 360, 484}},
    }};
    layout.name = "New Page";
    layout.paperName = "Letter";
    layout.pageWidth = 8.5;
    layout.pageHeight = 11.0;
    layout.pixelWidth = static_cast<std::int16_t>(8.5 * 48);
    layout.pixelHeight = static_cast<std::int16_t>(11.0 * 48);
    layout.inches = 1;
    layout.portrait = 1;
    layout.objectCount = static_cast<std::int16_t>(kSlots.size());
    for (std::size_t i = 0; i < kSlots.size(); ++i) {
        PageObject& o = layout.objects[i];
        const Slot& s = kSlots[i];
        o.kind = static_cast<std::int16_t>(s.kind);
        o.name = s.name;
        o.rect = s.rect;
        SetFont(o.textFont, 12);
        SetObjectText(o, "");
        o.alignment = kAlignCentre;
        o.transparent = 1;
        o.makeFit = 1;
        o.fillShape = 0;
        o.fillColor = s.kind == ObjectKind::Puzzle ? kColorBlack : kColorWhite;
        o.borderColor = kColorBlack;
        o.useBorder = 0;
        o.borderWidth = 1;
        o.bitmapFile = "";
        if (s.kind == ObjectKind::Puzzle) {
            SetFont(o.numberFont, 5);
            o.blockColor = kColorWhite;
            o.lineColor = kColorBlack;
            o.lineWidth = 1;
            o.numbersHorizontal = 1;
        }
        if (s.kind == ObjectKind::AcrossClues || s.kind == ObjectKind::DownClues) o.columns = 1;
    }
}

std::string ObjectText(const PageObject& object) {
    const auto end = std::find(object.text.begin(), object.text.end() - 1, '\0');
    return std::string(object.text.begin(), end);
}

void SetObjectText(PageObject& object, std::string_view text) {
    const std::size_t n = std::min<std::size_t>(text.size(), object.text.size() - 1);
    std::memcpy(object.text.data(), text.data(), n);
    object.text[n] = '\0';
}

const PaperSize* FindPaper(std::string_view name) {
    for (const PaperSize& p : kPapers)
        if (name == p.name) return &p;
    return nullptr;
}

std::span<const PaperSize> StandardPapers() { return kPapers; }

}  // namespace qf
