#pragma once
// The rules every window follows when shown: the screen scale of the chosen screen size, the
// centring of dialogs and of the main window, and which interface font each kind of control
// takes. Plain numbers here; the windows layer applies them to widgets.
#include <array>
#include <vector>

#include "base/Message.h"
#include "base/Settings.h"

namespace qf {

// 640 -> 1.0, 800 -> 1.25, 1024 -> 1.6, 1280 -> 2.0; anything else 1.0.
double ScaleOfWindowSize(int windowSize);

// "Automatic": the largest of the four sizes the screen the window is on can show.
inline constexpr int kAutomaticWindowSize = 0;

// The screen size in force: the setting when it is 800, 1024 or 1280 and the screen is at
// least that large in both directions; for Automatic the largest size that holds; otherwise
// 640. The setting itself is not changed.
int StartUpWindowSize(int setting, int screenWidth, int screenHeight);

// The whole-number percentage the windows are scaled by (scale x 100, truncated).
int ScalePercent(double scale);

// A size scaled by the whole-number percentage, truncated.
int Scaled(int designSize, double scale);

struct Placement {
    int left = 0;
    int top = 0;
};
// Dialogs: centred, with no lower bound (a dialog wider than the screen starts left of it).
Placement CentreDialog(int screenWidth, int screenHeight, int width, int height);
// The main window: centred, `topOffset` higher, but never above the top of the screen.
Placement CentreMainWindow(int screenWidth, int screenHeight, int width, int height, int topOffset);

// The part of the real screen a window may take (without panels and task bars), in pixels.
struct ScreenArea {
    int left = 0, top = 0, width = 0, height = 0;
};
// The scale a window of design size `designWidth` x `designHeight` is shown at: `scale` where the
// scaled window and its frame fit in the area, else the largest whole percentage at which they
// do, so no control ends out of reach.
double FittingScale(int designWidth, int designHeight, double scale, const ScreenArea& area, int frameWidth,
                    int frameHeight);
// A placement moved, as little as it takes, so that a window of this outer size lies inside the
// area (its top left corner stays inside when the window is larger than the area).
Placement KeepInside(Placement at, int width, int height, const ScreenArea& area);

// The kinds of control the interface fonts distinguish.
enum class ControlKind {
    Label, CheckBox, RadioButton, ListBox, GroupBox, Edit, Grid, ComboBox, MaskedEdit, Button,
    SpeedButton, Panel, Bevel, Other,
};
enum class InterfaceFontKind { None, Label, Edit, Button };
struct FontRule {
    InterfaceFontKind font = InterfaceFontKind::None;
    bool colour = false;  // the font's colour is applied too
};
FontRule FontRuleFor(ControlKind kind);

// The main window's design geometry: its client size and, per component position (the order
// its controls were made in), the bounds and font size of the kinds that keep them. Restoring
// puts every control back to its design size before scaling, so scales never compound.
inline constexpr int kMaxRecordedComponents = 121;
inline constexpr const char* kTooManyComponents = "Too many compenents to save dimensions.";

bool KeepsBounds(ControlKind kind);
bool KeepsFontSize(ControlKind kind);

struct ComponentGeometry {
    bool recorded = false;  // bounds recorded (its kind keeps them)
    bool hasFont = false;   // font size recorded too
    int left = 0, top = 0, width = 0, height = 0, fontSize = 0;
};

struct DesignGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    std::vector<ComponentGeometry> components;  // at most kMaxRecordedComponents
    Message tooMany;                             // set when a window has more components
};

// Component k of the design as the scale shows it: every number times the whole-number
// percentage, truncated.
ComponentGeometry ScaledComponent(const ComponentGeometry& design, double scale);

// How dialogs look when they are shown: the three interface fonts, the scale and the screen.
struct FormLook {
    InterfaceFont edit, label, button;
    double scale = 1.0;
    int screenWidth = 640;
    int screenHeight = 480;

    const InterfaceFont* Font(InterfaceFontKind kind) const;
};

}  // namespace qf
