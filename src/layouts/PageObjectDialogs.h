#pragma once
// The object pop-up menu of the page designer and the rules of its small dialogs: which items
// a kind may use, the captions and texts the dialogs open with, the checks of their "&Ok", and
// writing a confirmed dialog back into its object. The dialogs themselves only show and ask.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/Choosers.h"
#include "layouts/LayoutFonts.h"
#include "base/Outcome.h"
#include "base/Prompter.h"
#include "layouts/PageDesign.h"

namespace qf {

enum class ObjectMenuItem {
    SizePosition,    // "&Size && Position..."
    Properties,      // "&Properties"
    Border,          // "B&order"
    Fill,            // "&Fill"
    ChangeText,      // "Change &Text..."
    TextAlignment,   // "Text &Alignment"
    TextFont,        // "Text &Font"
    ClueNumberFont,  // "&Clue Number Font"
    LoadBitmap,      // "Load B&itmap"
    Delete,          // "&Delete"
    BringToFront,    // "&Bring To Front"
    SendToBack,      // "&Send To Back"
};
inline constexpr int kObjectMenuItems = 12;

struct ObjectMenuState {
    std::array<bool, kObjectMenuItems> enabled{};
    std::string fontCaption;  // "Answer Key Font" for the Puzzle, "Text Font" otherwise
    int alignment = 0;        // the checked item of "Text &Alignment": 1 left, 2 centre, 3 right

    bool Enabled(ObjectMenuItem item) const { return enabled[static_cast<std::size_t>(item)]; }
};
ObjectMenuState ObjectMenuFor(const PageObject& object);

inline constexpr const char* kInvalidLeft = "Invalid left position entered.";
inline constexpr const char* kInvalidTop = "Invalid top position entered.";
inline constexpr const char* kInvalidWidth = "Invalid width entered.";
inline constexpr const char* kInvalidHeight = "Invalid height entered.";
inline constexpr const char* kOffPage =
    "The location you have specified will place the object off the page.  Do you wish abort your changes?";
inline constexpr const char* kInvalidColumns = "Invalid columns entered.";
// The object dialogs' controls that their messages focus.
struct SizeLocationControls {
    static constexpr ControlName kLeft{"LeftEdit"};
    static constexpr ControlName kTop{"TopEdit"};
    static constexpr ControlName kWidth{"WidthEdit"};
    static constexpr ControlName kHeight{"HeightEdit"};
    static constexpr ControlName kAll[] = {kLeft, kTop, kWidth, kHeight};
};
struct ObjectPropertiesControls {
    static constexpr ControlName kColumns{"ColumnsEdit"};
    static constexpr ControlName kAll[] = {kColumns};
};
struct PuzzlePropertiesControls {
    static constexpr ControlName kLineWidth{"LineWidthEdit"};
    static constexpr ControlName kAll[] = {kLineWidth};
};
struct BorderControls {
    static constexpr ControlName kWidth{"WidthEdit"};
    static constexpr ControlName kAll[] = {kWidth};
};

inline constexpr const char* kNotABitmap = "The file selected is not a valid bitmap file.";

// "&Size && Position...": the four boxes in the layout's unit, 3 decimals.
struct SizeLocationTexts {
    std::string left, top, width, height;
};
std::string SizeLocationCaption(const PageObject& object);  // "Size & Location of " + name
const char* SizeLocationNote(bool inches);                  // "Values In Inches" / "Values In Centimeters"
SizeLocationTexts SizeLocationOf(const PageObject& object, int unitsPerUnit);
// "&Ok": the boxes in order, each refused with its message and the focus on it; the off-page
// question (Yes keeps the dialog open: Cancelled). Done writes the rounded rectangle.
Outcome ApplySizeLocation(PageDesign& design, int slot, const SizeLocationTexts& texts, Prompter& prompter);

// "&Properties" of every kind but the Puzzle.
struct ObjectProperties {
    bool transparent = false;  // "&Transparent Background", or "&Tile Bitmap"
    bool makeFit = false;
    std::string columns;       // shown for the clue blocks, the word list and Combined Clues
    bool splitColumns = false; // shown for Combined Clues
};
std::string PropertiesCaption(const PageObject& object);  // "Properties for " + name
const char* TransparentCaption(ObjectKind kind);
bool ColumnsShown(ObjectKind kind);
bool SplitShown(ObjectKind kind);
ObjectProperties PropertiesOf(const PageObject& object);
// Checking "&Split Columns" makes the column count even: empty or 0 gives "2", n gives n
// with its lowest bit cleared.
std::string EvenColumnsText(std::string_view columns);
// "&Ok": a column count 1..9 where the box is shown, else "Invalid columns entered.".
Outcome ApplyObjectProperties(PageDesign& design, int slot, const ObjectProperties& properties);

// "&Properties" of the Puzzle.
struct PuzzleProperties {
    bool skeleton = false;  // "Skeleton Puzzle": "Puzzle Fill Color" is disabled while checked
    std::int32_t fillColor = 0;
    std::int32_t blockColor = 0;
    std::int32_t lineColor = 0;
    std::string lineWidth;  // "Puzzle Line Width", one digit
};
PuzzleProperties PuzzlePropertiesOf(const PageObject& object);
// "&Ok": a line width 1..9, else "Invalid width entered.".
Outcome ApplyPuzzleProperties(PageDesign& design, int slot, const PuzzleProperties& properties);

// "B&order".
struct BorderInfo {
    bool useBorder = false;
    std::string width;  // one digit
    std::int32_t color = 0;
};
std::string BorderCaption(const PageObject& object);  // "Border Info for " + name
BorderInfo BorderOf(const PageObject& object);
// "&Ok": a width 1..9, else "Invalid width entered.".
Outcome ApplyBorder(PageDesign& design, int slot, const BorderInfo& border);

// "&Fill".
std::string FillCaption(const PageObject& object);  // "Fill Info for " + name
Outcome ApplyFill(PageDesign& design, int slot, bool fillShape, std::int32_t color);

// "Change &Text...": the headings' box holds 25 characters, the others' memo 1000.
std::size_t TextLimit(ObjectKind kind);
Outcome ApplyObjectText(PageDesign& design, int slot, std::string_view text);

// "Text &Alignment": 1 left, 2 centre, 3 right.
Outcome ApplyAlignment(PageDesign& design, int slot, int alignment);

// "Text &Font" (the name cut to 30) and "&Clue Number Font" with its orientation.
Outcome ApplyTextFont(PageDesign& design, int slot, const StoredFont& font);
Outcome ApplyNumberFont(PageDesign& design, int slot, const StoredFont& font, bool horizontal);

// The picture files a Bitmap object takes, by extension: BMP, PNG, JPEG (.jpg, .jpeg) and GIF,
// in any letter case.
bool PictureFileName(const std::string& path);
inline constexpr const char* kPictureFilter =
    "Pictures (*.bmp *.BMP *.png *.PNG *.jpg *.JPG *.jpeg *.JPEG *.gif *.GIF)|*.bmp;*.png;*.jpg;*.jpeg;*.gif";
// Whether a file reads as a picture (the windows ask the image library).
using PictureCheck = std::function<bool(const std::string& path)>;

// "Load B&itmap": a file of another extension is refused with "The file selected is not a valid
// bitmap file."; so is a path too long for the 255 characters the object keeps, and a file that
// `readsAsPicture` (when given) cannot read. The file's name is stored, as before.
Outcome ApplyBitmapFile(PageDesign& design, int slot, const std::string& path, const PictureCheck& readsAsPicture = {});

}  // namespace qf
