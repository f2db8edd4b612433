#pragma once
// The rules every window follows when shown: the screen scale of the chosen screen size, the
// centring of dialogs and of the main window, and which interface font each kind of control
// takes. Plain numbers here; the windows layer applies them to widgets.
#include "base/Settings.h"

namespace qf {

// 640 -> 1.0, 800 -> 1.25, 1024 -> 1.6, 1280 -> 2.0; anything else 1.0.
double ScaleOfWindowSize(int windowSize);

// The screen size in force at start-up: the setting when it is 800, 1024 or 1280 and the
// screen is at least that large in both directions, otherwise 640. The setting itself is not
// changed.
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

// The kinds of control the interface fonts distinguish.
enum class ControlKind {
    Label, CheckBox, RadioButton, ListBox, GroupBox, Edit, Grid, ComboBox, MaskedEdit, Button, Other,
};
enum class InterfaceFontKind { None, Label, Edit, Button };
struct FontRule {
    InterfaceFontKind font = InterfaceFontKind::None;
    bool colour = false;  // the font's colour is applied too
};
FontRule FontRuleFor(ControlKind kind);

// How dialogs look when they are shown: the three interface fonts, the scale and the screen.
struct FormLook {
    InterfaceFont edit, label, button;
    double scale = 1.0;
    int screenWidth = 640;
    int screenHeight = 480;

    const InterfaceFont* Font(InterfaceFontKind kind) const;
};

}  // namespace qf
