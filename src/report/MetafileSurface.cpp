#include "report/MetafileSurface.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "report/MetafileRecords.h"

namespace qf {
namespace {

// Inches to whole units, truncated toward zero; held to a range no page reaches.
int Units(double inches) {
    const double u = inches * kMetafileUnitsPerInch;
    if (!(u == u)) return 0;
    constexpr double kLimit = 1 << 24;
    return static_cast<int>(std::trunc(std::clamp(u, -kLimit, kLimit)));
}

// A product that should be whole but may fall a hair short in binary (8.5 x 2540 x 1.2).
int Truncated(double v) {
    if (!(v > 0)) return 0;
    return static_cast<int>(std::trunc(std::min(v + 1e-7, 1e9)));
}

}  // namespace

MetafileGeometry MetafileGeometryFor(double widthInches, double heightInches) {
    MetafileGeometry g;
    g.width = Truncated(widthInches * kMetafileUnitsPerInch);
    g.height = Truncated(heightInches * kMetafileUnitsPerInch);
    g.frameWidth = Truncated(widthInches * 2540 * 12 / 10);
    g.frameHeight = Truncated(heightInches * 2540 * 12 / 10);
    return g;
}

MetafileSurface::MetafileSurface(MetafileKind kind) : records_(MetafileRecords::Make(kind)) {}

MetafileSurface::~MetafileSurface() = default;

std::vector<std::uint8_t> MetafileSurface::Bytes() const {
    return records_->File(MetafileGeometryFor(PageWidth(), PageHeight()));
}

int MetafileSurface::RecordCount() const { return records_->Count(); }

void MetafileSurface::SetFont(const FontChoice& font) {
    font_ = font;
    measure_.SetFont(font);
}

void MetafileSurface::TextOut(double x, double y, std::string_view text) { Text(x, y, true, text); }

void MetafileSurface::TextOutTop(double x, double top, std::string_view text) { Text(x, top, false, text); }

void MetafileSurface::Text(double x, double y, bool baseline, std::string_view text) {
    if (text.empty()) return;
    const std::string ansi(text);
    MetafileFont f;
    f.face = font_.name;
    f.height = static_cast<int>(std::lround(font_.size * kMetafileUnitsPerInch / 72.0));
    f.bold = font_.bold;
    f.italic = font_.italic;
    f.underline = font_.underline;
    f.strikeOut = font_.strikeOut;
    records_->UseFont(f);
    records_->UseText(font_.color, transparent_, baseline);
    // Each character's advance, from the widths of the text up to it, so that the rounding of
    // one advance is made good by the next.
    std::vector<int> advances;
    advances.reserve(ansi.size());
    long before = 0;
    for (std::size_t i = 1; i <= ansi.size(); ++i) {
        const long upTo = std::lround(measure_.TextWidth(std::string_view(ansi).substr(0, i)) * kMetafileUnitsPerInch);
        advances.push_back(static_cast<int>(upTo - before));
        before = upTo;
    }
    records_->Text(Units(x), Units(y), ansi, advances);
}

void MetafileSurface::MoveTo(double x, double y) { records_->MoveTo(Units(x), Units(y)); }

void MetafileSurface::LineTo(double x, double y) {
    records_->UsePen(penColor_);
    records_->LineTo(Units(x), Units(y));
}

void MetafileSurface::FillRect(double left, double top, double right, double bottom) {
    // Without a pen a rectangle leaves out its right and bottom edges: one unit more on those
    // sides fills exactly from left to right.
    records_->UsePen(0, true);
    records_->UseBrush(brushColor_);
    records_->Rectangle(Units(left), Units(top), Units(right) + 1, Units(bottom) + 1);
}

void MetafileSurface::FillEllipse(double left, double top, double right, double bottom) {
    records_->UsePen(penColor_);
    records_->UseBrush(brushColor_);
    records_->Ellipse(Units(left), Units(top), Units(right), Units(bottom));
}

void MetafileSurface::EllipseOutline(double left, double top, double right, double bottom) {
    records_->UsePen(penColor_);
    records_->UseBrush(0, true);
    records_->Ellipse(Units(left), Units(top), Units(right), Units(bottom));
}

}  // namespace qf
