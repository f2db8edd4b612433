#include "layouts/PageDesign.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/TextHelpers.h"
#include "layouts/LayoutLibrary.h"

namespace qf {
namespace {

constexpr std::array<const char*, kObjectKindCount> kButtonCaptions{
    "Title",       "Puzzle",    "Down Heading", "Across Heading", "Down Clues", "Across Clues", "Word List",
    "Bonus Quest", "Combined Clues", "Text",    "Bitmap",         "Rectangle",  "Circle"};

std::string SizeText(double value) { return FormatPlain(value, 0, 2); }

std::int16_t PixelSide(double size, int g) {
    const std::int32_t v = TruncateProduct(size * g);
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(v, 0, 32767));
}

struct SizeRange {
    double low, high;
    const char* message;
};

SizeRange RangeOf(bool width, bool inches) {
    if (width) return inches ? SizeRange{3, 18, kWidthInches} : SizeRange{7, 46, kWidthCentimetres};
    return inches ? SizeRange{4, 18, kHeightInches} : SizeRange{10, 46, kHeightCentimetres};
}

Outcome CheckPageSide(PageDesign& design, bool width) {
    const SizeRange range = RangeOf(width, design.layout.inches != 0);
    const auto value = ReadDecimal(width ? design.widthText : design.heightText);
    if (!value || *value < range.low || *value > range.high) {
        Message refusal = ErrorMessage(range.message);
        if (CustomBoxesShown(design)) refusal.Focus(width ? PageCreatorControls::kWidth : PageCreatorControls::kHeight);
        return Outcome::Refused(std::move(refusal));
    }
    double& side = width ? design.layout.pageWidth : design.layout.pageHeight;
    if (*value != side) {
        side = *value;
        UpdatePagePixels(design);
    }
    return Outcome::Done();
}

}  // namespace

std::vector<Message> OpenPageDesign(PageDesign& design, PageDesignMode mode, const PageLayoutRecord* source,
                                    std::int64_t position, PageZoom zoom, const HeadingLabels& labels) {
    design = PageDesign{};
    design.mode = mode;
    design.position = position;
    design.zoom = zoom;
    design.labels = labels;
    PageLayoutRecord& layout = design.layout;
    if (mode == PageDesignMode::New || source == nullptr) {
        layout.name = kNewPageName;
        layout.paperName = "Letter";
        layout.pageWidth = 8.5;
        layout.pageHeight = 11.0;
        layout.inches = 1;
        layout.portrait = 1;
        layout.objectCount = 0;
        layout.zoom = static_cast<std::int16_t>(zoom);
    } else {
        layout = *source;
        if (mode == PageDesignMode::Copy) layout.name = MakeCopyName(layout.name.Str(), kLayoutNameLimit);
    }
    layout.objectCount = static_cast<std::int16_t>(layout.UsedObjects());
    MarkPresentKinds(design);

    std::vector<Message> warnings;
    for (int slot = 1; slot <= design.ObjectCount(); ++slot) {
        const PageObject& o = design.Object(slot);
        if (o.Kind() == ObjectKind::Bitmap && !o.bitmapFile.Empty() && !FileExists(o.bitmapFile.Str()))
            warnings.push_back(WarningMessage(kBitmapNotLocated));
    }

    design.nameText = layout.name.Str();
    design.paperText = layout.paperName.Str();
    design.widthText = SizeText(layout.pageWidth);
    design.heightText = SizeText(layout.pageHeight);

    const PageZoom stored = ZoomFromCode(layout.zoom).value_or(PageZoom::Small);
    if (stored != zoom) ScaleObjects(layout, ZoomFactor(stored, zoom));
    UpdatePagePixels(design);
    return warnings;
}

int PageUnits(const PageDesign& design) { return UnitsPerUnit(design.zoom, design.layout.inches != 0); }

void UpdatePagePixels(PageDesign& design) {
    const int g = PageUnits(design);
    design.layout.pixelWidth = PixelSide(design.layout.pageWidth, g);
    design.layout.pixelHeight = PixelSide(design.layout.pageHeight, g);
}

void MarkPresentKinds(PageDesign& design) {
    design.present.fill(false);
    for (int slot = 1; slot <= design.ObjectCount(); ++slot) {
        const int kind = design.Object(slot).kind;
        if (kind >= 1 && kind <= 9) design.present[static_cast<std::size_t>(kind)] = true;
    }
}

const char* KindButtonCaption(ObjectKind kind) {
    const int k = static_cast<int>(kind);
    return k >= 1 && k <= kObjectKindCount ? kButtonCaptions[static_cast<std::size_t>(k - 1)] : "";
}

bool KindButtonEnabled(const PageDesign& design, ObjectKind kind) {
    const int k = static_cast<int>(kind);
    if (k < 1 || k > kObjectKindCount || design.ObjectCount() >= kMaxPageObjects) return false;
    const auto& present = design.present;
    if (k <= 9 && present[static_cast<std::size_t>(k)]) return false;
    const bool separateClues = present[3] || present[4] || present[5] || present[6];
    if (kind == ObjectKind::CombinedClues && separateClues) return false;
    if (k >= 3 && k <= 6 && present[9]) return false;
    return true;
}

bool CustomBoxesShown(const PageDesign& design) { return design.paperText == kCustomPaper; }

std::vector<std::string> ObjectMenuCaptions(const PageDesign& design) {
    std::vector<std::string> captions;
    for (int slot = 1; slot <= design.ObjectCount(); ++slot) captions.push_back(design.Object(slot).name.Str());
    return captions;
}

bool BitmapLoadable(const PageObject& object) {
    return !object.bitmapFile.Empty() && FileExists(object.bitmapFile.Str());
}

PageCursor CursorAt(const PageDesign& design, PagePoint point) {
    if (design.chosenKind != 0) return PageCursor::Drag;
    if (!design.ValidSlot(design.selected)) return PageCursor::Default;
    const ObjectRect& rect = design.Object(design.selected).rect;
    if (const auto handle = HandleAt(rect, point)) return HandleCursor(*handle);
    return RectContains(rect, point) ? PageCursor::Move : PageCursor::Default;
}

Outcome CheckPageWidth(PageDesign& design) { return CheckPageSide(design, true); }
Outcome CheckPageHeight(PageDesign& design) { return CheckPageSide(design, false); }

std::optional<double> ReadDecimal(std::string_view text) {
    std::string t = TrimBlanks(text);
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    const std::size_t start = !t.empty() && t[0] == '-' ? 1 : 0;
    bool point = false, digits = false;
    for (std::size_t i = start; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            digits = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc() || end != t.data() + t.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

PageDesignSnapshot TakeSnapshot(const PageDesign& design) {
    return {std::make_unique<PageLayoutRecord>(design.layout), design.nameText, design.paperText, design.zoom};
}

bool PageDesignChanged(const PageDesign& design, const PageDesignSnapshot& snapshot) {
    if (!snapshot.layout) return true;
    if (design.nameText != snapshot.nameText || design.paperText != snapshot.paperText) return true;
    auto then = std::make_unique<PageLayoutRecord>(*snapshot.layout);
    if (snapshot.zoom != design.zoom) {
        ScaleObjects(*then, ZoomFactor(snapshot.zoom, design.zoom));
        then->pixelWidth = design.layout.pixelWidth;  // the page's picture follows the zoom
        then->pixelHeight = design.layout.pixelHeight;
    }
    return EncodeRecord(*then) != EncodeRecord(design.layout);
}

Message SaveQuestion(const PageDesign& design) {
    const PageLayoutRecord& layout = design.layout;
    for (int i = 0; i < layout.UsedObjects(); ++i)
        if (layout.objects[static_cast<std::size_t>(i)].Kind() == ObjectKind::Puzzle) return {};
    return WarningMessage(kNoGridQuestion);
}

Outcome SavePageDesign(PageDesign& design, const std::string& libraryPath) {
    if (Outcome height = CheckPageHeight(design); !height.IsDone()) return height;
    if (Outcome width = CheckPageWidth(design); !width.IsDone()) return width;
    auto record = std::make_unique<PageLayoutRecord>(design.layout);
    record->name = TrimBlanks(design.nameText);  // both cut to their 20 characters
    record->paperName = design.paperText;
    record->zoom = static_cast<std::int16_t>(design.zoom);
    Outcome written = design.mode == PageDesignMode::Modify ? WriteLayout(libraryPath, design.position, *record)
                                                            : AppendLayout(libraryPath, *record);
    if (!written.IsDone()) return written;
    design.layout = *record;
    design.saved = true;
    return written;
}

}  // namespace qf
