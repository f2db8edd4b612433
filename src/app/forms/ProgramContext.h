#pragma once
// The program-wide state of one run of the desktop program: created by main and handed to
// whoever needs it, so every test can start from a fresh one.
#include <array>
#include <memory>

#include "app/Directories.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "model/PuzzleRecord.h"
#include "shapes/ShapeRecord.h"

namespace qf {

struct ProgramContext {
    Directories dirs;
    Settings settings;
    ShapeRecord currentShape;
    std::array<PuzzleRecord, 4> candidates{};
    std::unique_ptr<Prompter> prompter;
    std::unique_ptr<FileChooser> fileChooser;

    // Takes the directories, loads the settings and installs the message-box prompter.
    static ProgramContext AtStartUp();
};

}  // namespace qf
