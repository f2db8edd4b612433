#include "shapes/ShapeDesign.h"

#include <algorithm>
#include <array>
#include <limits>
#include <variant>

#include "base/Overloaded.h"
#include "base/TextHelpers.h"
#include "shapes/ShapeFiles.h"

namespace qf {
namespace {

std::uint8_t& At(ShapeRecord& shape, int row, int column) { return shape.Cell(CellIndex(row, column)); }
std::uint8_t At(const ShapeRecord& shape, int row, int column) { return shape.Cell(CellIndex(row, column)); }

std::uint8_t Inverted(std::uint8_t value) { return value != 0 ? 0 : 1; }

// Shifts move the pattern inside the active rectangle only; what leaves it is lost and the
// row or column it leaves behind is blocked.
void ShiftLeft(ShapeRecord& s, int w, int h) {
    for (int r = 1; r <= h; ++r) {
        for (int c = 2; c <= w; ++c) At(s, r, c - 1) = At(s, r, c);
        At(s, r, w) = 0;
    }
}

void ShiftRight(ShapeRecord& s, int w, int h) {
    for (int r = 1; r <= h; ++r) {
        for (int c = w; c >= 2; --c) At(s, r, c) = At(s, r, c - 1);
        At(s, r, 1) = 0;
    }
}

void ShiftUp(ShapeRecord& s, int w, int h) {
    for (int r = 2; r <= h; ++r)
        for (int c = 1; c <= w; ++c) At(s, r - 1, c) = At(s, r, c);
    for (int c = 1; c <= w; ++c) At(s, h, c) = 0;
}

void ShiftDown(ShapeRecord& s, int w, int h) {
    for (int r = h; r >= 2; --r)
        for (int c = 1; c <= w; ++c) At(s, r, c) = At(s, r - 1, c);
    for (int c = 1; c <= w; ++c) At(s, 1, c) = 0;
}

// The marks of a fill, rows and columns from 1.
class FillMarks {
public:
    bool Marked(int row, int column) const { return marks_[Index(row, column)]; }
    void Mark(int row, int column) { marks_[Index(row, column)] = true; }

private:
    static std::size_t Index(int row, int column) { return static_cast<std::size_t>((row - 1) * kGridSide + column - 1); }
    std::array<bool, kGridCells> marks_{};
};

// One row pass of the fill: three sweeps over row r, taking cells of value v next to a marked
// cell. A test that succeeds counts even when its cell was marked already.
bool RowPass(const ShapeRecord& s, FillMarks& marks, int r, std::uint8_t v, int w, int h) {
    bool any = false;
    auto take = [&](int c) {
        marks.Mark(r, c);
        any = true;
    };
    if (r > 1)
        for (int c = 1; c <= w; ++c)
            if (marks.Marked(r - 1, c) && At(s, r, c) == v) take(c);
    if (r < h)
        for (int c = 1; c <= w; ++c)
            if (marks.Marked(r + 1, c) && At(s, r, c) == v) take(c);
    if (w >= 3)
        for (int c = 2; c <= w - 1; ++c)
            if (At(s, r, c) == v && (marks.Marked(r, c - 1) || marks.Marked(r, c + 1))) take(c);
    return any;
}

bool InActiveRectangle(const ShapeRecord& shape, GridCell cell) {
    return cell.row >= 1 && cell.row <= ActiveRows(shape) && cell.column >= 1 && cell.column <= ActiveColumns(shape);
}

// Left button: the one cell is inverted.
ShapeRepaint TestForMatch(ShapeDesign& design, GridCell cell) {
    ShapeRepaint repaint;
    if (!InActiveRectangle(design.shape, cell)) return repaint;
    std::uint8_t& value = At(design.shape, cell.row, cell.column);
    value = Inverted(value);
    repaint.cells.push_back(cell);
    return repaint;
}

// Right button: row by row from the start cell, not a complete flood fill (see RowPass).
ShapeRepaint TestForMatchFill(ShapeDesign& design, GridCell start) {
    ShapeRepaint repaint;
    ShapeRecord& s = design.shape;
    if (!InActiveRectangle(s, start)) return repaint;
    const int w = ActiveColumns(s);
    const int h = ActiveRows(s);

    const std::uint8_t v = At(s, start.row, start.column);
    FillMarks marks;
    marks.Mark(start.row, start.column);
    for (int c = start.column - 1; c >= 1 && At(s, start.row, c) == v; --c) marks.Mark(start.row, c);
    for (int c = start.column + 1; c <= w && At(s, start.row, c) == v; ++c) marks.Mark(start.row, c);
    for (int r = start.row - 1; r >= 1; --r)
        if (!RowPass(s, marks, r, v, w, h)) break;
    for (int r = start.row + 1; r <= h; ++r)
        if (!RowPass(s, marks, r, v, w, h)) break;

    for (int r = 1; r <= h; ++r)
        for (int c = 1; c <= w; ++c)
            if (marks.Marked(r, c)) {
                At(s, r, c) = Inverted(At(s, r, c));
                repaint.cells.push_back({r, c});
            }
    return repaint;
}

ShapeRepaint DoShift(ShapeDesign& design, ShiftDirection direction) {
    ShapeRepaint repaint;
    const int w = ActiveColumns(design.shape);
    const int h = ActiveRows(design.shape);
    if (w >= 1 && h >= 1) {
        switch (direction) {
            case ShiftDirection::Left: ShiftLeft(design.shape, w, h); break;
            case ShiftDirection::Right: ShiftRight(design.shape, w, h); break;
            case ShiftDirection::Up: ShiftUp(design.shape, w, h); break;
            case ShiftDirection::Down: ShiftDown(design.shape, w, h); break;
        }
    }
    repaint.drawGrid = true;
    return repaint;
}

// Every cell of the array, also outside the active rectangle: enlarging later shows them inverted.
ShapeRepaint DoReverse(ShapeDesign& design) {
    for (std::uint8_t& cell : design.shape.cells) cell = Inverted(cell);
    ShapeRepaint repaint;
    repaint.drawGrid = true;
    return repaint;
}

// Back or forward a step: cells, width and height, and the size edits with them (Save reads
// the edits). The name is the name edit's and stays.
ShapeRepaint Restore(ShapeDesign& design, bool undo) {
    ShapeRepaint repaint;
    auto back = undo ? design.history.Undo(design.shape) : design.history.Redo(design.shape);
    if (!back) return repaint;
    design.shape = *back;
    design.widthText = std::to_string(design.shape.width);
    design.heightText = std::to_string(design.shape.height);
    repaint.drawGrid = repaint.sizeTexts = true;
    return repaint;
}

bool SameShape(const ShapeRecord& a, const ShapeRecord& b) {
    return a.width == b.width && a.height == b.height && a.cells == b.cells;
}

// The cursor stays on a cell of the shape, also when the shape shrinks under it.
bool KeepCursorInside(ShapeDesign& design, int rows, int columns) {
    const GridCell before = design.cursor;
    design.cursor.row = std::clamp(design.cursor.row + rows, 1, std::max(ActiveRows(design.shape), 1));
    design.cursor.column = std::clamp(design.cursor.column + columns, 1, std::max(ActiveColumns(design.shape), 1));
    return !(design.cursor == before);
}

ShapeRepaint SizeEditExit(ShapeDesign& design, bool width) {
    ShapeRepaint repaint;
    const std::int16_t before = width ? design.shape.width : design.shape.height;
    const Outcome checked = width ? CheckWidth(design) : CheckHeight(design);
    if (!checked.IsDone()) {
        repaint.message = checked.message;
        return repaint;
    }
    const std::int16_t after = width ? design.shape.width : design.shape.height;
    repaint.drawGrid = after != before;  // the cells keep their values; only the rectangle changes
    return repaint;
}

ShapeRepaint MouseUp(ShapeDesign& design, const shapes::ImgMouseUp& up) {
    std::optional<PicturePoint>& press = up.button == ShapeMouseButton::Left ? design.leftPress : design.rightPress;
    if (!press) return {};
    const PicturePoint from = *press;
    press.reset();
    const auto pressed = CellAtPoint(design, from);
    const auto released = CellAtPoint(design, up.point);
    if (!pressed || !released || !(*pressed == *released)) return {};
    return up.button == ShapeMouseButton::Left ? TestForMatch(design, *pressed) : TestForMatchFill(design, *pressed);
}

Outcome CheckSize(ShapeDesign& design, bool width) {
    const std::int64_t value = ReadSizeText(width ? design.widthText : design.heightText);
    if (value < kMinDesignSide || value > kMaxDesignSide)
        return Outcome::Refused(ErrorMessage(width ? kWidthOutOfRange : kHeightOutOfRange)
                                    .Focus(width ? ShapeCreatorControls::kWidth : ShapeCreatorControls::kHeight));
    (width ? design.shape.width : design.shape.height) = static_cast<std::int16_t>(value);
    return Outcome::Done(value);
}

}  // namespace

ShapeDesign StartShapeDesign(ShapeDesignMode mode, const ShapeRecord& current, std::int64_t recordIndex) {
    ShapeDesign design;
    design.mode = mode;
    design.recordIndex = recordIndex;
    if (mode == ShapeDesignMode::New) {
        design.shape = ShapeRecord{};
        design.shape.name = kNewShapeName;
        design.shape.width = kNewShapeSide;
        design.shape.height = kNewShapeSide;
        design.shape.cells.fill(1);
    } else {
        design.shape = current;
    }
    design.titleText = design.shape.name.Str();
    design.widthText = std::to_string(design.shape.width);
    design.heightText = std::to_string(design.shape.height);
    return design;
}

int ActiveColumns(const ShapeRecord& shape) { return std::clamp<int>(shape.width, 0, kGridSide); }
int ActiveRows(const ShapeRecord& shape) { return std::clamp<int>(shape.height, 0, kGridSide); }

int ShapeCellSize(const ShapeDesign& design) {
    const int w = ActiveColumns(design.shape);
    const int h = ActiveRows(design.shape);
    if (w < 1 || h < 1) return 0;
    const int s = std::min(design.pictureWidth / w - 1, design.pictureHeight / h - 1);
    return std::max(s, 0);
}

PixelSquare CellSquare(int cellSize, GridCell cell) {
    return {(cell.column - 1) * cellSize + 1, (cell.row - 1) * cellSize + 1, cell.column * cellSize,
            cell.row * cellSize};
}

std::optional<GridCell> CellAtPoint(const ShapeDesign& design, PicturePoint point) {
    const int s = ShapeCellSize(design);
    if (s <= 0 || point.x < 0 || point.y < 0) return std::nullopt;
    const GridCell cell{point.y / s + 1, point.x / s + 1};
    if (!InActiveRectangle(design.shape, cell)) return std::nullopt;
    return cell;
}

std::int64_t ReadSizeText(std::string_view text) {
    const std::string t = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    constexpr std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    std::int64_t n = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
        n = std::min(n * 10 + (t[i] - '0'), limit);
    return negative ? -n : n;
}

Outcome CheckWidth(ShapeDesign& design) { return CheckSize(design, true); }
Outcome CheckHeight(ShapeDesign& design) { return CheckSize(design, false); }

ShapeRepaint ApplyShapeAction(ShapeDesign& design, const ShapeAction& action) {
    using R = ShapeRepaint;
    const ShapeRecord before = design.shape;
    bool historyStep = false;  // Undo and Redo keep their own books
    ShapeRepaint repaint = std::visit(
        Overloaded{
            [&](const shapes::ImgMouseDown& a) -> R {
                (a.button == ShapeMouseButton::Left ? design.leftPress : design.rightPress) = a.point;
                R pressed;  // the keyboard's cursor follows the mouse
                if (const auto cell = CellAtPoint(design, a.point); cell && !(*cell == design.cursor)) {
                    design.cursor = *cell;
                    pressed.cursorMoved = true;
                }
                return pressed;
            },
            [&](const shapes::ImgMouseUp& a) -> R { return MouseUp(design, a); },
            [&](const shapes::ToggleCell& a) -> R { return TestForMatch(design, a.cell); },
            [&](const shapes::FillFrom& a) -> R { return TestForMatchFill(design, a.cell); },
            [&](const shapes::Shift& a) -> R { return DoShift(design, a.direction); },
            [&](const shapes::Reverse&) -> R { return DoReverse(design); },
            [&](const shapes::Undo&) -> R {
                historyStep = true;
                return Restore(design, true);
            },
            [&](const shapes::Redo&) -> R {
                historyStep = true;
                return Restore(design, false);
            },
            [&](const shapes::MoveCursor& a) -> R {
                R moved;
                moved.cursorMoved = KeepCursorInside(design, a.rows, a.columns);
                return moved;
            },
            [&](const shapes::WidthEditExit&) -> R { return SizeEditExit(design, true); },
            [&](const shapes::HeightEditExit&) -> R { return SizeEditExit(design, false); },
        },
        action);
    if (!historyStep && !SameShape(before, design.shape)) design.history.Record(before);
    if (KeepCursorInside(design, 0, 0)) repaint.cursorMoved = true;
    repaint.undoEnabled = design.history.CanUndo();
    repaint.redoEnabled = design.history.CanRedo();
    return repaint;
}

bool AnyUsableCell(const ShapeRecord& shape) {
    if (!ShapeSizeValid(shape)) return false;
    for (int r = 1; r <= shape.height; ++r)
        for (int c = 1; c <= shape.width; ++c)
            if (shape.Usable(r, c)) return true;
    return false;
}

Outcome SaveShapeDesign(ShapeDesign& design, const std::string& libraryPath) {
    if (Outcome height = CheckHeight(design); !height.IsDone()) return height;
    if (Outcome width = CheckWidth(design); !width.IsDone()) return width;
    if (!AnyUsableCell(design.shape)) return Outcome::Refused(ErrorMessage(kShapeWithoutCells).Focus(ShapeCreatorControls::kShape));
    ShapeRecord record = design.shape;
    record.name = TrimBlanks(design.titleText);  // cut to the name's 50 characters
    Outcome written = design.mode == ShapeDesignMode::Modify ? WriteShape(libraryPath, design.recordIndex, record)
                                                             : AppendShape(libraryPath, record);
    if (!written.IsDone()) return written;
    design.shape = record;
    design.saved = true;
    return written;
}

bool ShapeDesignChanged(const ShapeDesign& design, const ShapeDesign& opened) {
    return design.titleText != opened.titleText || design.widthText != opened.widthText ||
           design.heightText != opened.heightText ||
           EncodeShapeExchange(design.shape) != EncodeShapeExchange(opened.shape);
}

}  // namespace qf
