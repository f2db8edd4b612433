#pragma once
// The page layout designer's editing state without its window: the working layout, the zoom,
// the left panel's texts, the kind buttons, the selection and the mouse drag, and every rule
// of placing, selecting, moving, resizing, rescaling and saving. The window shows the state,
// forwards its events as PageActions and redraws what the result names. The rules of the
// object pop-up menu and its small dialogs are in PageObjectDialogs.h.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/Message.h"
#include "base/Outcome.h"
#include "base/UndoHistory.h"
#include "layouts/PageDesignGeometry.h"
#include "layouts/PageLayoutRecord.h"
#include "layouts/PageObjects.h"

namespace qf {

enum class PageDesignMode {
    New = 1,     // a fresh layout, appended on save
    Modify = 2,  // the layout at a position, written back there
    Copy = 3,    // a copy under its copy name, appended on save
};

inline constexpr const char* kNewPageName = "New Page";
inline constexpr int kLayoutNameLimit = 20;  // the name box, and the stored name and paper name
inline constexpr int kPageSizeBoxLimit = 5;  // the custom width and height boxes
inline constexpr const char* kCustomPaper = "Custom";

inline constexpr const char* kBitmapNotLocated = "A bitmap for this layout could not be located.";  // Warning
inline constexpr const char* kOddSizedPaper =
    "Some printers do not support odd sized pages.  Printed results may vary.";  // Warning
inline constexpr const char* kWidthInches = "Width must be between 3 and 18 inches.  Please re-enter width.";
inline constexpr const char* kWidthCentimetres = "Width must be between 7 and 46 centimeters.  Please re-enter width.";
inline constexpr const char* kHeightInches = "Height must be between 4 and 18 inches.  Please re-enter height.";
inline constexpr const char* kHeightCentimetres =
    "Height must be between 10 and 46 centimeters.  Please re-enter height.";

enum class PageMouseButton { Left, Right };

// One step of the designer's Undo and Redo: the layout with the paper and size boxes, and the
// zoom its rectangles were recorded at (a step taken back at another zoom is rescaled to it).
struct PageStep {
    PageLayoutRecord layout;
    std::string paperText;
    std::string widthText;
    std::string heightText;
    PageZoom zoom = PageZoom::Medium;
};

struct PageDesign {
    PageDesignMode mode = PageDesignMode::New;
    std::int64_t position = -1;  // Modify: where Save writes
    PageLayoutRecord layout;     // objectCount always within 0..20
    PageZoom zoom = PageZoom::Medium;
    HeadingLabels labels;          // the texts of new headings
    std::array<bool, 10> present{};  // kinds 1..9 placed ([0] unused)
    bool saved = false;

    // The left panel as shown: Save and the size checks read these texts.
    std::string nameText;
    std::string paperText;
    std::string widthText;   // 2 decimals, in the layout's unit
    std::string heightText;

    int chosenKind = 0;  // the kind button that is down, 0 for none
    int selected = 0;    // 1-based slot of the selected object, 0 for none
    PageCursor cursor = PageCursor::Default;
    DragMode drag = DragMode::None;
    Handle dragHandle = Handle::TopLeft;
    PagePoint dragStart;
    std::optional<PagePoint> leftPress;
    std::optional<PagePoint> rightPress;

    // Every change of the layout is a step (the name box keeps its own Undo).
    UndoHistory<PageStep> history;

    const PageObject& Object(int slot) const { return layout.objects[static_cast<std::size_t>(slot - 1)]; }
    PageObject& Object(int slot) { return layout.objects[static_cast<std::size_t>(slot - 1)]; }
    int ObjectCount() const { return layout.objectCount; }
    bool ValidSlot(int slot) const { return slot >= 1 && slot <= layout.objectCount; }
};

// Opens the designer on `design`: for New a fresh layout ("New Page", Letter, 8.5 x 11 inches,
// portrait, no objects; `source` may be null); for Modify a copy of `source`; for Copy a copy
// under the name MakeCopyName gives it (cut to 20). Marks the present kinds, fills the panel's
// texts, rescales the rectangles from the stored zoom to `zoom` (a stored code other than 1, 2,
// 3 counts as Small, the zoom of layouts made without the designer) and sets the page size in
// units. Returns "A bitmap for this layout could not be located." once per Bitmap object whose
// named file does not exist.
std::vector<Message> OpenPageDesign(PageDesign& design, PageDesignMode mode, const PageLayoutRecord* source,
                                    std::int64_t position, PageZoom zoom, const HeadingLabels& labels);

// g of the current zoom and unit system.
int PageUnits(const PageDesign& design);
// The page picture's size, also stored in the layout header: page size x g, truncated.
void UpdatePagePixels(PageDesign& design);
// Recomputes the presence flags from the objects in use.
void MarkPresentKinds(PageDesign& design);

// The kind buttons: "Title", "Puzzle", ..., "Bonus Quest", ..., "Circle".
const char* KindButtonCaption(ObjectKind kind);
bool KindButtonEnabled(const PageDesign& design, ObjectKind kind);

// The "Width", "Height" boxes and "Inches" are shown for the custom paper only.
bool CustomBoxesShown(const PageDesign& design);
// The Objects menu: one caption per object in slot order.
std::vector<std::string> ObjectMenuCaptions(const PageDesign& design);

// A Bitmap object's picture can be loaded: its file is named and exists. Otherwise the window
// shows the white placeholder with "Bitmap" centred.
bool BitmapLoadable(const PageObject& object);

// The cursor role at a point with no button held.
PageCursor CursorAt(const PageDesign& design, PagePoint point);

// The custom size checks of the width and height boxes: a number within 3..18 inches or 7..46
// centimetres (height 4..18 or 10..46); the focus goes to the box when it is shown. A good
// value becomes the page width or height.
Outcome CheckPageWidth(PageDesign& design);
Outcome CheckPageHeight(PageDesign& design);

// A number as the boxes hold it: blanks trimmed, an optional sign, digits with an optional
// decimal point; nothing else.
std::optional<double> ReadDecimal(std::string_view text);

// Actions of the window.
namespace pages {
struct ClickKind {  // a kind button
    ObjectKind kind = ObjectKind::Title;
};
struct MouseDown {
    PageMouseButton button = PageMouseButton::Left;
    PagePoint point;
};
struct MouseMove {
    PagePoint point;
    bool leftHeld = false;
};
struct MouseUp {
    PageMouseButton button = PageMouseButton::Left;
    PagePoint point;
};
struct ChooseZoom {
    PageZoom zoom = PageZoom::Medium;
};
struct ChoosePaper {
    std::string name;
};
struct ChooseOrientation {
    bool portrait = true;
};
struct WidthExit {};   // leaving the custom "Width" box
struct HeightExit {};  // leaving the custom "Height" box
struct SetInches {     // the "Inches" check box
    bool inches = true;
};
struct ChooseObject {  // an item of the Objects menu
    int slot = 0;
};
struct DeleteObject {
    int slot = 0;
};
struct BringToFront {
    int slot = 0;
};
struct SendToBack {
    int slot = 0;
};
// The keyboard on the page.
struct CycleObjects {  // Tab, Shift+Tab: the next or previous object in slot order
    bool forward = true;
};
struct SelectObject {  // the page takes the focus: select without the pop-up menu (0 for none)
    int slot = 0;
};
struct NudgeObject {  // arrows move the selected object by key steps, Shift+arrows resize it
    int dx = 0;
    int dy = 0;
    bool resize = false;
};
struct PlaceChosen {};  // Space or Enter with a kind button down: at the page's top left corner
struct Undo {};
struct Redo {};
}  // namespace pages

using PageAction =
    std::variant<pages::ClickKind, pages::MouseDown, pages::MouseMove, pages::MouseUp, pages::ChooseZoom,
                 pages::ChoosePaper, pages::ChooseOrientation, pages::WidthExit, pages::HeightExit, pages::SetInches,
                 pages::ChooseObject, pages::DeleteObject, pages::BringToFront, pages::SendToBack,
                 pages::CycleObjects, pages::SelectObject, pages::NudgeObject, pages::PlaceChosen, pages::Undo,
                 pages::Redo>;

// The key step: the smallest tick of the rulers, an eighth of an inch or a millimetre, in units.
int KeyStep(const PageDesign& design);

enum class PopupPlace {
    None,
    AtObject,    // at the selected object's top-left corner (page coordinates)
    NearWindow,  // 120 and 30 pixels into the window
};

// What the window updates after an action.
struct PageChange {
    bool redrawPage = false;      // the page picture, with the selected object's handles
    bool pageResized = false;     // the page picture's size: rulers and scroll ranges too
    bool boxesChanged = false;    // paper, size boxes, "Inches", orientation, custom boxes shown
    bool buttonsChanged = false;  // kind buttons (enabled, down) and the Objects menu
    PageCursor cursor = PageCursor::Default;  // the page's cursor now
    std::optional<ObjectRect> dragFrame;      // the dotted frame now (the previous one is erased)
    PopupPlace popup = PopupPlace::None;      // open the object pop-up menu for the selected object
    PagePoint popupAt;
    bool pastEnd = false;  // Tab went past the last object (Shift+Tab the first): the focus moves on
    Message message;  // a note or a refusal to show; empty otherwise
};

// An action that changes the layout or the boxes records the step before it, and drops what
// could have been redone; a change of the zoom alone is not a step.
PageChange ApplyPageAction(PageDesign& design, const PageAction& action);

// For changes made outside ApplyPageAction (the object dialogs): the step before, and its
// recording when the design differs from it afterwards.
PageStep CurrentStep(const PageDesign& design);
void RecordIfChanged(PageDesign& design, PageStep before);

// The exit question when the design holds changes that were not saved (caption "Warning",
// Yes/No/Cancel).
inline constexpr const char* kPageLayoutModified = "Page layout has been modified.  Save changes?";

// The design as opened, to tell whether leaving would lose changes.
struct PageDesignSnapshot {
    std::unique_ptr<PageLayoutRecord> layout;
    std::string nameText;
    std::string paperText;
    PageZoom zoom = PageZoom::Medium;
};
PageDesignSnapshot TakeSnapshot(const PageDesign& design);
// Whether the name, the paper, the page or any object differs from the snapshot. Rectangles are
// compared at the zoom shown now, so changing the zoom alone changes nothing.
bool PageDesignChanged(const PageDesign& design, const PageDesignSnapshot& snapshot);

// Asked before Save when the layout has no puzzle grid, which a puzzle printed on it would lack
// (caption "Warning", Yes/No); empty when it has one.
// The Page Creator's controls that its messages focus.
struct PageCreatorControls {
    static constexpr ControlName kWidth{"WidthEdit"};
    static constexpr ControlName kHeight{"HeightEdit"};
    static constexpr ControlName kAll[] = {kWidth, kHeight};
};

inline constexpr const char* kNoGridQuestion =
    "This page layout has no puzzle grid, so no puzzle grid will print on it.  Save it anyway?";
Message SaveQuestion(const PageDesign& design);

// Save: the height box, then the width box, by the custom size rules; the name box trimmed and
// the paper name, each cut to 20; the current zoom code; appended in New and Copy, written at
// the position in Modify. "Unable to add page layout." (caption "Disk Error") when the library
// cannot be opened or created; the designer then stays open with its layout as it was.
Outcome SavePageDesign(PageDesign& design, const std::string& libraryPath);

}  // namespace qf
