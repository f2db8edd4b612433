#pragma once
// The shape designer's editing state without its window: the working shape and its history of
// Undo and Redo, the texts of the name and size edits, the mouse presses on the picture, the
// keyboard's cell cursor, and every rule of toggling, filling, shifting, reversing, resizing and
// saving. The window shows the state, forwards its events as ShapeActions and repaints what the
// result names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Message.h"
#include "base/Outcome.h"
#include "base/UndoHistory.h"
#include "shapes/ShapeRecord.h"

namespace qf {

enum class ShapeDesignMode {
    New = 1,     // a fresh shape, appended on save
    Modify = 2,  // the current shape, written back over its record index
    Copy = 3,    // the current shape already renamed by the caller, appended on save
};

inline constexpr const char* kNewShapeName = "New Layout";

// The Shape Creator's controls that its messages focus.
struct ShapeCreatorControls {
    static constexpr ControlName kWidth{"WidthEdit"};
    static constexpr ControlName kHeight{"HeightEdit"};
    static constexpr ControlName kShape{"Img"};
    static constexpr ControlName kAll[] = {kWidth, kHeight, kShape};
};
inline constexpr int kNewShapeSide = 30;
inline constexpr int kMinDesignSide = 5;
inline constexpr int kMaxDesignSide = 49;
inline constexpr int kShapePictureSide = 401;  // the drawing picture, in pixels
inline constexpr int kShapeTitleLimit = 30;    // what the user may type into the name edit
inline constexpr int kShapeSizeEditLimit = 2;  // and into each size edit

inline constexpr const char* kWidthOutOfRange = "Width must be between 5 and 49.  Please re-enter width.";
inline constexpr const char* kHeightOutOfRange = "Height must be between 5 and 49.  Please re-enter height.";
inline constexpr const char* kShapeWithoutCells =
    "The shape has no usable cells, so no puzzle can be built in it.  Left click cells to make them usable.";

// Rows and columns counted from 1.
struct GridCell {
    int row = 0;
    int column = 0;
    bool operator==(const GridCell&) const = default;
};

struct PicturePoint {
    int x = 0;
    int y = 0;
};

// A square of the picture, from (left, top) to (right, bottom) inclusive.
struct PixelSquare {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class ShapeMouseButton { Left, Right };
enum class ShiftDirection { Left, Up, Right, Down };

struct ShapeDesign {
    ShapeDesignMode mode = ShapeDesignMode::New;
    std::int64_t recordIndex = -1;  // Modify: where Save writes
    ShapeRecord shape;              // the working shape
    // Every change of the shape (cells, width, height) is a step; the name edit keeps its own.
    UndoHistory<ShapeRecord> history;
    bool saved = false;
    GridCell cursor{1, 1};  // the keyboard's cell, always within the active rectangle

    // The edits, kept as typed: Save and the size checks read them; Undo and Redo set the size
    // edits to the size they bring back.
    std::string titleText;
    std::string widthText;
    std::string heightText;

    int pictureWidth = kShapePictureSide;
    int pictureHeight = kShapePictureSide;

    // Presses on the picture, remembered per button until the release.
    std::optional<PicturePoint> leftPress;
    std::optional<PicturePoint> rightPress;
};

// The designer as it opens (FormShow): the working shape for the mode, the edits filled,
// an empty history, no presses, not saved. `current` is ignored in mode New.
ShapeDesign StartShapeDesign(ShapeDesignMode mode, const ShapeRecord& current, std::int64_t recordIndex = -1);

// The active rectangle: Width and Height bounded to the cell array (a damaged record may hold
// anything there).
int ActiveColumns(const ShapeRecord& shape);
int ActiveRows(const ShapeRecord& shape);

// The cell size s of the current size and picture; 0 when nothing can be drawn.
int ShapeCellSize(const ShapeDesign& design);
// The square of a cell at cell size s.
PixelSquare CellSquare(int cellSize, GridCell cell);
// The cell of the active rectangle under a point; nullopt outside it.
std::optional<GridCell> CellAtPoint(const ShapeDesign& design, PicturePoint point);

// The edits' size reading: blanks trimmed, an optional sign and the leading digits; whatever
// follows them is ignored; no digits read as 0.
std::int64_t ReadSizeText(std::string_view text);

// CheckWidth / CheckHeight: refuse a value outside 5..49 ("Error", focus on the edit); an
// accepted value becomes the working shape's Width / Height and is the outcome's index.
Outcome CheckWidth(ShapeDesign& design);
Outcome CheckHeight(ShapeDesign& design);

// Actions of the window, named after what the user does.
namespace shapes {
struct ImgMouseDown {
    ShapeMouseButton button = ShapeMouseButton::Left;
    PicturePoint point;
};
struct ImgMouseUp {  // left: toggle (TestForMatch); right: fill (TestForMatchFill)
    ShapeMouseButton button = ShapeMouseButton::Left;
    PicturePoint point;
};
struct ToggleCell {
    GridCell cell;
};
struct FillFrom {
    GridCell cell;
};
struct Shift {
    ShiftDirection direction = ShiftDirection::Left;
};
struct Reverse {};
struct Undo {};
struct Redo {};
struct MoveCursor {  // the arrow keys: the cursor stops at the edges of the shape
    int rows = 0;
    int columns = 0;
};
struct WidthEditExit {};
struct HeightEditExit {};
}  // namespace shapes

using ShapeAction = std::variant<shapes::ImgMouseDown, shapes::ImgMouseUp, shapes::ToggleCell, shapes::FillFrom,
                                 shapes::Shift, shapes::Reverse, shapes::Undo, shapes::Redo,
                                 shapes::MoveCursor, shapes::WidthEditExit, shapes::HeightEditExit>;

// What the window repaints after an action.
struct ShapeRepaint {
    bool drawGrid = false;        // the whole picture (DrawGrid)
    std::vector<GridCell> cells;  // else only these squares: red when usable now, white when blocked
    bool sizeTexts = false;       // Undo or Redo set the width and height edits' texts
    bool cursorMoved = false;
    bool undoEnabled = false;     // the "&Undo" and "Re&do" buttons' states now
    bool redoEnabled = false;
    Message message;              // a refused size to show; empty otherwise

    bool Nothing() const { return !drawGrid && cells.empty() && !cursorMoved && message.Empty(); }
};

// Every action that changes the shape records the shape before it in the history (and drops
// what could have been redone); Undo and Redo also set the size edits' texts to the size they
// bring back, so the edits never hold a size the shape does not have.
ShapeRepaint ApplyShapeAction(ShapeDesign& design, const ShapeAction& action);

// Whether the designer holds something its opening state did not: the shape (cells, size, name)
// or the texts typed into the name and size edits.
bool ShapeDesignChanged(const ShapeDesign& design, const ShapeDesign& opened);
inline constexpr const char* kShapeModified = "Shape has been modified.  Save changes?";

// Whether the shape has a usable cell within its width and height.
bool AnyUsableCell(const ShapeRecord& shape);

// Save: CheckHeight, then CheckWidth, then a usable cell (a shape without one is refused); the name edit trimmed and cut to 50; appended in modes
// New and Copy, written over the record index in Modify. "Unable to add shape." (caption
// "Disk Error", a warning) when the library cannot be opened or created; the designer then
// stays open with its shape as it was. A refusal by a size check may have taken the other
// size already: the window redraws the grid after any refusal.
Outcome SaveShapeDesign(ShapeDesign& design, const std::string& libraryPath);

}  // namespace qf
