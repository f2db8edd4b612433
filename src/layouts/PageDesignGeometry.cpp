#include "layouts/PageDesignGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qf {
namespace {

constexpr std::array<int, 3> kInchUnits{48, 72, 96};
constexpr std::array<int, 3> kCentimetreUnits{20, 30, 40};

// Rows: from Small, Medium, Large; columns: to the same.
constexpr std::array<std::array<double, 3>, 3> kZoomFactors{{
    {1.0, 1.5, 2.0},
    {0.667, 1.0, 1.334},
    {0.5, 0.75, 1.0},
}};

std::size_t ZoomIndex(PageZoom zoom) { return static_cast<std::size_t>(static_cast<int>(zoom) - 1); }

std::int32_t Clamped(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// Tolerances of the handle hit test, per axis.
bool NearLowEdge(int edge, int at) { return at >= edge - 2 && at <= edge + 3; }
bool NearHighEdge(int edge, int at) { return at >= edge - 3 && at <= edge + 2; }

}  // namespace

std::optional<PageZoom> ZoomFromCode(int code) {
    if (code < 1 || code > 3) return std::nullopt;
    return static_cast<PageZoom>(code);
}

int UnitsPerUnit(PageZoom zoom, bool inches) {
    return (inches ? kInchUnits : kCentimetreUnits)[ZoomIndex(zoom)];
}

double ZoomFactor(PageZoom from, PageZoom to) { return kZoomFactors[ZoomIndex(from)][ZoomIndex(to)]; }

std::int32_t TruncateProduct(double product) {
    if (std::isnan(product)) return 0;
    constexpr double limit = std::numeric_limits<std::int32_t>::max();
    if (product >= limit) return std::numeric_limits<std::int32_t>::max();
    if (product <= -limit) return -std::numeric_limits<std::int32_t>::max();
    const double nearest = std::round(product);
    if (std::fabs(product - nearest) < 1e-6) return static_cast<std::int32_t>(nearest);
    return static_cast<std::int32_t>(std::trunc(product));
}

double TruncateToHundredths(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e7) return value;
    return TruncateProduct(value * 100) / 100.0;
}

void ScaleObjects(PageLayoutRecord& layout, double factor) {
    for (int i = 0; i < layout.UsedObjects(); ++i)
        for (std::int32_t& v : layout.objects[static_cast<std::size_t>(i)].rect) v = TruncateProduct(v * factor);
}

std::pair<int, int> NewObjectSize(ObjectKind kind, int g) {
    double w = 2, h = 2;
    switch (kind) {
        case ObjectKind::Title:
        case ObjectKind::DownHeader:
        case ObjectKind::AcrossHeader: w = 2, h = 0.25; break;
        case ObjectKind::Puzzle: w = 3, h = 3; break;
        case ObjectKind::DownClues:
        case ObjectKind::AcrossClues:
        case ObjectKind::WordList: w = 2, h = 3; break;
        case ObjectKind::BonusQuestion: w = 4, h = 0.25; break;
        case ObjectKind::CombinedClues: w = 4, h = 3; break;
        default: break;  // Text, Bitmap, Rectangle, Circle
    }
    return {static_cast<int>(w * g), static_cast<int>(h * g)};
}

int ObjectUnder(const PageLayoutRecord& layout, PagePoint press, PagePoint release) {
    for (int slot = layout.UsedObjects(); slot >= 1; --slot) {
        const PageObject& o = layout.objects[static_cast<std::size_t>(slot - 1)];
        if (o.Left() <= press.x && o.Top() <= press.y && o.Right() >= release.x && o.Bottom() >= release.y)
            return slot;
    }
    return 0;
}

bool RectContains(const ObjectRect& r, PagePoint p) {
    return p.x >= r[0] && p.x <= r[2] && p.y >= r[1] && p.y <= r[3];
}

PagePoint HandlePoint(const ObjectRect& r, Handle handle) {
    const int midX = static_cast<int>((static_cast<std::int64_t>(r[0]) + r[2]) / 2);
    const int midY = static_cast<int>((static_cast<std::int64_t>(r[1]) + r[3]) / 2);
    switch (handle) {
        case Handle::TopLeft: return {r[0], r[1]};
        case Handle::TopRight: return {r[2], r[1]};
        case Handle::BottomLeft: return {r[0], r[3]};
        case Handle::BottomRight: return {r[2], r[3]};
        case Handle::Top: return {midX, r[1]};
        case Handle::Bottom: return {midX, r[3]};
        case Handle::Left: return {r[0], midY};
        case Handle::Right: return {r[2], midY};
    }
    return {};
}

std::optional<Handle> HandleAt(const ObjectRect& r, PagePoint p) {
    const int midX = HandlePoint(r, Handle::Top).x;
    const int midY = HandlePoint(r, Handle::Left).y;
    const bool left = NearLowEdge(r[0], p.x), right = NearHighEdge(r[2], p.x), centreX = NearHighEdge(midX, p.x);
    const bool top = NearLowEdge(r[1], p.y), bottom = NearHighEdge(r[3], p.y), centreY = NearHighEdge(midY, p.y);
    if (left && top) return Handle::TopLeft;
    if (right && top) return Handle::TopRight;
    if (left && bottom) return Handle::BottomLeft;
    if (right && bottom) return Handle::BottomRight;
    if (centreX && top) return Handle::Top;
    if (centreX && bottom) return Handle::Bottom;
    if (left && centreY) return Handle::Left;
    if (right && centreY) return Handle::Right;
    return std::nullopt;
}

PageCursor HandleCursor(Handle handle) {
    switch (handle) {
        case Handle::TopLeft:
        case Handle::BottomRight: return PageCursor::SizeNWSE;
        case Handle::TopRight:
        case Handle::BottomLeft: return PageCursor::SizeNESW;
        case Handle::Top:
        case Handle::Bottom: return PageCursor::SizeNS;
        case Handle::Left:
        case Handle::Right: return PageCursor::SizeWE;
    }
    return PageCursor::Default;
}

ObjectRect DraggedRect(const ObjectRect& start, DragMode mode, Handle handle, int dx, int dy) {
    std::array<std::int64_t, 4> r{start[0], start[1], start[2], start[3]};
    const bool moveLeft = mode == DragMode::Move || handle == Handle::TopLeft || handle == Handle::Left ||
                          handle == Handle::BottomLeft;
    const bool moveRight = mode == DragMode::Move || handle == Handle::TopRight || handle == Handle::Right ||
                           handle == Handle::BottomRight;
    const bool moveTop = mode == DragMode::Move || handle == Handle::TopLeft || handle == Handle::Top ||
                         handle == Handle::TopRight;
    const bool moveBottom = mode == DragMode::Move || handle == Handle::BottomLeft || handle == Handle::Bottom ||
                            handle == Handle::BottomRight;
    if (mode != DragMode::None) {
        if (moveLeft) r[0] += dx;
        if (moveRight) r[2] += dx;
        if (moveTop) r[1] += dy;
        if (moveBottom) r[3] += dy;
    }
    if (r[0] > r[2]) std::swap(r[0], r[2]);
    if (r[1] > r[3]) std::swap(r[1], r[3]);
    return {Clamped(r[0]), Clamped(r[1]), Clamped(r[2]), Clamped(r[3])};
}

}  // namespace qf
