// The main window's Puzzle Shape command: the shape manager on the shapes library.
#include "app/forms/MainWin.h"
#include "base/forms/FormMessages.h"
#include "shapes/forms/SelectShapes.h"

namespace qf {

void TMainWin::DoPuzzleShape() {
    RunCommand(*context_.prompter, [&] {
        TSelectShapes::Run({context_.Look(), context_.state.settings, context_.state.currentShape, *context_.prompter,
                            *context_.fileChooser, context_.state.ShapesLibrary()},
                           this);
    });
}

}  // namespace qf
