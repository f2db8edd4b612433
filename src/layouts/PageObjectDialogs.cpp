#include "layouts/PageObjectDialogs.h"

#include <cmath>
#include <initializer_list>

#include "base/TextHelpers.h"

namespace qf {
namespace {

using Item = ObjectMenuItem;

void Disable(ObjectMenuState& menu, std::initializer_list<Item> items) {
    for (Item item : items) menu.enabled[static_cast<std::size_t>(item)] = false;
}

bool IsHeading(ObjectKind kind) { return kind == ObjectKind::DownHeader || kind == ObjectKind::AcrossHeader; }

// A whole number as the one-digit boxes hold it, within 1..9 (the record's range).
bool ReadSmallCount(std::string_view text, int& value) {
    const auto n = ParseWholeNumber(text, 2);
    if (!n) return false;
    value = static_cast<int>(*n);
    return value >= 1 && value <= 9;
}

std::int32_t RoundedUnits(double value, int g) {
    const double units = std::round(value * g);
    if (!(std::fabs(units) < 2e9)) return units < 0 ? -2'000'000'000 : 2'000'000'000;
    return static_cast<std::int32_t>(units);
}

// The object a dialog was opened on; a stale slot changes nothing.
PageObject* ObjectAt(PageDesign& design, int slot) { return design.ValidSlot(slot) ? &design.Object(slot) : nullptr; }

Outcome Refuse(const char* text, ControlName focus) { return Outcome::Refused(ErrorMessage(text).Focus(focus)); }
Outcome Refuse(const char* text) { return Outcome::Refused(ErrorMessage(text)); }

std::string Units(double units, int g) { return FormatPlain(units / g, 0, 3); }

}  // namespace

ObjectMenuState ObjectMenuFor(const PageObject& object) {
    ObjectMenuState menu;
    menu.enabled.fill(true);
    menu.fontCaption = "Text Font";
    menu.alignment = object.alignment;
    switch (object.Kind()) {
        case ObjectKind::Title:
        case ObjectKind::BonusQuestion:
            Disable(menu, {Item::ChangeText, Item::ClueNumberFont, Item::LoadBitmap, Item::Fill});
            break;
        case ObjectKind::Puzzle:
            Disable(menu, {Item::ChangeText, Item::TextAlignment, Item::LoadBitmap, Item::Border, Item::Fill});
            menu.fontCaption = "Answer Key Font";
            break;
        case ObjectKind::DownHeader:
        case ObjectKind::AcrossHeader:
        case ObjectKind::Text: Disable(menu, {Item::ClueNumberFont, Item::LoadBitmap, Item::Fill}); break;
        case ObjectKind::DownClues:
        case ObjectKind::AcrossClues:
        case ObjectKind::WordList:
        case ObjectKind::CombinedClues:
            Disable(menu, {Item::ChangeText, Item::ClueNumberFont, Item::TextAlignment, Item::LoadBitmap, Item::Fill});
            break;
        case ObjectKind::Bitmap:
            Disable(menu, {Item::Properties, Item::TextFont, Item::ChangeText, Item::ClueNumberFont,
                           Item::TextAlignment, Item::Fill});
            break;
        case ObjectKind::Rectangle:
        case ObjectKind::Circle:
            Disable(menu, {Item::Properties, Item::ChangeText, Item::TextFont, Item::ClueNumberFont,
                           Item::TextAlignment, Item::LoadBitmap});
            break;
    }
    return menu;
}

std::string SizeLocationCaption(const PageObject& object) { return "Size & Location of " + object.name.Str(); }

const char* SizeLocationNote(bool inches) { return inches ? "Values In Inches" : "Values In Centimeters"; }

SizeLocationTexts SizeLocationOf(const PageObject& o, int g) {
    return {Units(o.Left(), g), Units(o.Top(), g), Units(static_cast<double>(o.Right()) - o.Left(), g),
            Units(static_cast<double>(o.Bottom()) - o.Top(), g)};
}

Outcome ApplySizeLocation(PageDesign& design, int slot, const SizeLocationTexts& texts, Prompter& prompter) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    // Every box is read as a number; one that is not is refused with its own message.
    const auto left = ReadDecimal(texts.left);
    if (!left || *left < 0) return Refuse(kInvalidLeft, SizeLocationControls::kLeft);
    const auto top = ReadDecimal(texts.top);
    if (!top || *top < 0) return Refuse(kInvalidTop, SizeLocationControls::kTop);
    const auto width = ReadDecimal(texts.width);
    if (!width || *width <= 0) return Refuse(kInvalidWidth, SizeLocationControls::kWidth);
    const auto height = ReadDecimal(texts.height);
    if (!height || *height <= 0) return Refuse(kInvalidHeight, SizeLocationControls::kHeight);

    const int g = PageUnits(design);
    const ObjectRect rect{RoundedUnits(*left, g), RoundedUnits(*top, g), RoundedUnits(*left + *width, g),
                          RoundedUnits(*top + *height, g)};
    if (rect[0] >= design.layout.pixelWidth || rect[1] >= design.layout.pixelHeight) {
        const Answer answer = prompter.Ask(WarningMessage(kOffPage), Question::YesNo);
        if (answer == Answer::Yes) return Outcome::Cancelled();
    }
    object->rect = rect;
    return Outcome::Done(slot);
}

std::string PropertiesCaption(const PageObject& object) { return "Properties for " + object.name.Str(); }

const char* TransparentCaption(ObjectKind kind) {
    return kind == ObjectKind::Bitmap ? "&Tile Bitmap" : "&Transparent Background";
}

bool ColumnsShown(ObjectKind kind) {
    return kind == ObjectKind::DownClues || kind == ObjectKind::AcrossClues || kind == ObjectKind::WordList ||
           kind == ObjectKind::CombinedClues;
}

bool SplitShown(ObjectKind kind) { return kind == ObjectKind::CombinedClues; }

ObjectProperties PropertiesOf(const PageObject& o) {
    return {o.transparent != 0, o.makeFit != 0, std::to_string(o.columns), o.splitColumns != 0};
}

std::string EvenColumnsText(std::string_view columns) {
    const std::int64_t n = ReadLeadingInteger(TrimBlanks(columns));
    if (n == 0) return "2";
    return std::to_string(n & ~std::int64_t{1});
}

Outcome ApplyObjectProperties(PageDesign& design, int slot, const ObjectProperties& properties) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    int columns = object->columns;
    if (ColumnsShown(object->Kind()) && !ReadSmallCount(properties.columns, columns))
        return Refuse(kInvalidColumns, ObjectPropertiesControls::kColumns);
    object->transparent = properties.transparent ? 1 : 0;
    object->makeFit = properties.makeFit ? 1 : 0;
    object->columns = static_cast<std::int16_t>(columns);
    if (SplitShown(object->Kind())) object->splitColumns = properties.splitColumns ? 1 : 0;
    return Outcome::Done(slot);
}

PuzzleProperties PuzzlePropertiesOf(const PageObject& o) {
    return {o.transparent != 0, o.fillColor, o.blockColor, o.lineColor, std::to_string(o.lineWidth)};
}

Outcome ApplyPuzzleProperties(PageDesign& design, int slot, const PuzzleProperties& properties) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    int width = 0;
    if (!ReadSmallCount(properties.lineWidth, width)) return Refuse(kInvalidWidth, PuzzlePropertiesControls::kLineWidth);
    object->transparent = properties.skeleton ? 1 : 0;
    object->fillColor = properties.fillColor;
    object->blockColor = properties.blockColor;
    object->lineColor = properties.lineColor;
    object->lineWidth = width;
    return Outcome::Done(slot);
}

std::string BorderCaption(const PageObject& object) { return "Border Info for " + object.name.Str(); }

BorderInfo BorderOf(const PageObject& o) { return {o.useBorder != 0, std::to_string(o.borderWidth), o.borderColor}; }

Outcome ApplyBorder(PageDesign& design, int slot, const BorderInfo& border) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    int width = 0;
    if (!ReadSmallCount(border.width, width)) return Refuse(kInvalidWidth, BorderControls::kWidth);
    object->useBorder = border.useBorder ? 1 : 0;
    object->borderWidth = static_cast<std::int16_t>(width);
    object->borderColor = border.color;
    return Outcome::Done(slot);
}

std::string FillCaption(const PageObject& object) { return "Fill Info for " + object.name.Str(); }

Outcome ApplyFill(PageDesign& design, int slot, bool fillShape, std::int32_t color) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    object->fillShape = fillShape ? 1 : 0;
    object->fillColor = color;
    return Outcome::Done(slot);
}

std::size_t TextLimit(ObjectKind kind) { return IsHeading(kind) ? 25 : 1000; }

Outcome ApplyObjectText(PageDesign& design, int slot, std::string_view text) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    SetObjectText(*object, text.substr(0, TextLimit(object->Kind())));
    return Outcome::Done(slot);
}

Outcome ApplyAlignment(PageDesign& design, int slot, int alignment) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr || alignment < kAlignLeft || alignment > kAlignRight) return Outcome::Cancelled();
    object->alignment = static_cast<std::int16_t>(alignment);
    return Outcome::Done(slot);
}

Outcome ApplyTextFont(PageDesign& design, int slot, const StoredFont& font) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    object->textFont = font;
    return Outcome::Done(slot);
}

Outcome ApplyNumberFont(PageDesign& design, int slot, const StoredFont& font, bool horizontal) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    object->numberFont = font;
    object->numbersHorizontal = horizontal ? 1 : 0;
    return Outcome::Done(slot);
}

bool PictureFileName(const std::string& path) {
    const std::size_t dot = path.find_last_of("./\\");
    if (dot == std::string::npos || path[dot] != '.') return false;
    const std::string extension = LowerAscii(path.substr(dot + 1));
    for (const char* kind : {"bmp", "png", "jpg", "jpeg", "gif"})
        if (extension == kind) return true;
    return false;
}

Outcome ApplyBitmapFile(PageDesign& design, int slot, const std::string& path, const PictureCheck& readsAsPicture) {
    PageObject* object = ObjectAt(design, slot);
    if (object == nullptr) return Outcome::Cancelled();
    // A cut path would name another file: refused like a file of the wrong kind.
    if (!PictureFileName(path) || path.size() > decltype(object->bitmapFile)::kCapacity) return Refuse(kNotABitmap);
    // Refused now rather than reported missing when the page is printed.
    if (readsAsPicture && !readsAsPicture(path)) return Refuse(kNotABitmap);
    object->bitmapFile = path;
    return Outcome::Done(slot);
}

}  // namespace qf
