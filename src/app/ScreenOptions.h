#pragma once
// The screen size options of the main window: 640 x 480 to 1280 x 1024, each with its scale.
#include "app/ProgramState.h"
#include "base/Outcome.h"

#include <optional>

namespace qf {

// "800 x 600" for 800, and so on; "Automatic" for 0.
std::string WindowSizeCaption(int windowSize);

// The start-up choice: the setting when the screen can show it, else 640 x 480 (the setting
// itself is kept). Returns the size in force.
int TakeStartUpScale(ProgramState& state);

// Choosing a size: nothing happens (cancelled) when it is the "Window Size" setting already;
// refused with "Your current screen resolution does not support 800 x 600 pixels." when the
// screen is smaller in either direction; else the setting and the scale change.
// Automatic is never refused: it takes the largest size the screen shows.
Outcome ChooseWindowSize(ProgramState& state, int windowSize);

// The window went to a screen of this size: with Automatic the scale follows it. True when the
// scale changed (the windows are laid out again).
bool FollowScreen(ProgramState& state, int screenWidth, int screenHeight);

// The main window's picture of the selected puzzle takes a column of this many design pixels
// to the right of the lists.
inline constexpr int kPuzzlePictureColumn = 208;

// The picture is shown when the "Puzzle Picture" setting asks for it and the main window,
// `designWidth` design pixels wide without it, still fits the screen at the scale in force.
bool ShowsPuzzlePicture(const ProgramState& state, int designWidth);

// View > Puzzle Picture: the setting turns over. Turned on where the widened window would not
// fit the screen, the setting is kept (a smaller screen size or a wider screen shows it) and the
// message says why nothing shows.
std::optional<Message> TogglePuzzlePicture(ProgramState& state, int designWidth);

}  // namespace qf
