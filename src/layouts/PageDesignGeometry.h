#pragma once
// The numbers of the page designer: units per inch or centimetre at each zoom, the factors
// that rescale stored rectangles, the sizes of new objects, which object lies under a click,
// the handles of the selected object and what dragging them does. Page picture pixels and
// layout units are the same thing at the current zoom.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "layouts/PageLayoutRecord.h"

namespace qf {

enum class PageZoom : std::int16_t { Small = 1, Medium = 2, Large = 3 };

// A stored zoom code, or nullopt when it is none of 1, 2, 3.
std::optional<PageZoom> ZoomFromCode(int code);

using ObjectRect = std::array<std::int32_t, 4>;  // left, top, right, bottom

struct PagePoint {
    int x = 0;
    int y = 0;
};

enum class Handle { TopLeft, TopRight, BottomLeft, BottomRight, Top, Bottom, Left, Right };

// The page's cursor roles; the window maps them to the platform's standard cursors.
enum class PageCursor {
    Default,
    Drag,      // a kind button is down: the next click places an object
    Move,      // over the selected object
    SizeNWSE,  // the diagonal from upper left to lower right
    SizeNESW,  // the other diagonal
    SizeNS,    // vertical
    SizeWE,    // horizontal
};

enum class DragMode { None, Move, Resize };

// g: layout units per inch (48, 72, 96) or per centimetre (20, 30, 40).
int UnitsPerUnit(PageZoom zoom, bool inches);

// The factor of the zoom table from one zoom to another (1 for the same zoom).
double ZoomFactor(PageZoom from, PageZoom to);

// Unit change: sizes are multiplied and truncated to hundredths, coordinates multiplied and truncated.
inline constexpr double kCentimetresToInches = 0.3937007874015748;
inline constexpr double kInchesToCentimetres = 2.54;
inline constexpr double kUnitsToInchUnits = 0.9448818897637795;        // 48 / 50.8
inline constexpr double kUnitsToCentimetreUnits = 1.0583333333333333;  // 50.8 / 48

// Truncation toward zero of a product; a product a rounding error short of a whole number
// counts as that number (15.5 inches are 39.37 cm, not 39.36).
std::int32_t TruncateProduct(double product);
double TruncateToHundredths(double value);

// Every coordinate of every object in use multiplied by `factor`, each product truncated.
void ScaleObjects(PageLayoutRecord& layout, double factor);

// Width and height, in units, of a new object of the kind at g units per unit.
std::pair<int, int> NewObjectSize(ObjectKind kind, int unitsPerUnit);

// The topmost object (1-based slot, 0 for none) whose left and top lie at or before the press
// and whose right and bottom lie at or after the release.
int ObjectUnder(const PageLayoutRecord& layout, PagePoint press, PagePoint release);

bool RectContains(const ObjectRect& rect, PagePoint point);

// Where a handle's 5 x 5 square is centred.
PagePoint HandlePoint(const ObjectRect& rect, Handle handle);
// The first handle hit, in the order top-left, top-right, bottom-left, bottom-right, top,
// bottom, left, right: within -2..+3 pixels of a left or top edge, -3..+2 of a right or bottom
// edge or of a midpoint, on both axes.
std::optional<Handle> HandleAt(const ObjectRect& rect, PagePoint point);
PageCursor HandleCursor(Handle handle);

// The rectangle after a move by (dx, dy), or after dragging a handle by it; normalised so
// that left <= right and top <= bottom.
ObjectRect DraggedRect(const ObjectRect& start, DragMode mode, Handle handle, int dx, int dy);

}  // namespace qf
