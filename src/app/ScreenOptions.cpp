#include "app/ScreenOptions.h"

#include "base/FormGeometry.h"

namespace qf {
namespace {

int HeightOf(int width) {
    switch (width) {
        case 800: return 600;
        case 1024: return 768;
        case 1280: return 1024;
        default: return 480;
    }
}

}  // namespace

std::string WindowSizeCaption(int windowSize) {
    if (windowSize == kAutomaticWindowSize) return "Automatic";
    return std::to_string(windowSize) + " x " + std::to_string(HeightOf(windowSize));
}

int TakeStartUpScale(ProgramState& state) {
    const int inForce = StartUpWindowSize(state.settings.windowSize, state.screen.width, state.screen.height);
    state.screen.scale = ScaleOfWindowSize(inForce);
    return inForce;
}

Outcome ChooseWindowSize(ProgramState& state, int windowSize) {
    if (windowSize == state.settings.windowSize) return Outcome::Cancelled();
    if (windowSize != 640 && windowSize != kAutomaticWindowSize && (state.screen.width < windowSize || state.screen.height < HeightOf(windowSize)))
        return Outcome::Refused(ErrorMessage("Your current screen resolution does not support " +
                                             WindowSizeCaption(windowSize) + " pixels."));
    state.settings.windowSize = windowSize;
    state.screen.scale =
        ScaleOfWindowSize(StartUpWindowSize(windowSize, state.screen.width, state.screen.height));
    return Outcome::Done();
}

bool FollowScreen(ProgramState& state, int screenWidth, int screenHeight) {
    state.screen.width = screenWidth;
    state.screen.height = screenHeight;
    if (state.settings.windowSize != kAutomaticWindowSize) return false;
    const double scale = ScaleOfWindowSize(StartUpWindowSize(kAutomaticWindowSize, screenWidth, screenHeight));
    if (scale == state.screen.scale) return false;
    state.screen.scale = scale;
    return true;
}

bool ShowsPuzzlePicture(const ProgramState& state, int designWidth) {
    return state.settings.puzzlePicture &&
           Scaled(designWidth + kPuzzlePictureColumn, state.screen.scale) <= state.screen.width;
}

std::optional<Message> TogglePuzzlePicture(ProgramState& state, int designWidth) {
    state.settings.puzzlePicture = !state.settings.puzzlePicture;
    if (!state.settings.puzzlePicture || ShowsPuzzlePicture(state, designWidth)) return std::nullopt;
    return InfoMessage("The puzzle picture needs a wider window than the screen holds at this screen size.  "
                       "Choose a smaller Screen Size in the Options menu to see it.",
                       kCaptionNotice);
}

}  // namespace qf
