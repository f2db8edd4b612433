#pragma once
// The desktop program's context: the shared program state plus the real message boxes and file
// dialogs. Created by main and handed to whoever needs it; tests make their own with a fresh
// state and scripted stand-ins.
#include <memory>

#include "app/ProgramState.h"
#include "base/Choosers.h"
#include "base/DocumentOpener.h"
#include "base/FormGeometry.h"
#include "base/Prompter.h"

namespace qf {

struct ProgramContext {
    ProgramState state;
    std::unique_ptr<Prompter> prompter;
    std::unique_ptr<FileChooser> fileChooser;
    std::unique_ptr<FontChooser> fontChooser;
    std::unique_ptr<ColorChooser> colorChooser;
    std::unique_ptr<DocumentOpener> documentOpener;

    // How dialogs look when shown now: the interface fonts of the settings, the screen scale.
    FormLook Look() const;

    // The program's start-up: the state, the screen, message boxes and file dialogs.
    static ProgramContext AtStartUp();
};

}  // namespace qf
