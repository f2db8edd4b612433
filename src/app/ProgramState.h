#pragma once
// The program-wide state of one run, shared by the desktop program and the command-line tool:
// the directories, the settings, the current shape, the four candidates of the last generation
// run, and what start-up found out about the installed languages. No windows here: the desktop
// program adds its message boxes and file dialogs (app/forms/ProgramContext.h), the tool its
// printing prompter. Made fresh by each program and each test; there are no singletons.
#include <array>
#include <string>
#include <vector>

#include "base/Directories.h"
#include "base/Settings.h"
#include "base/UserLibrary.h"
#include "editor/SpellLanguages.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeRecord.h"

namespace qf {

// Which languages have their files in the program directory (taken once at start-up).
struct LanguageAvailability {
    std::array<bool, kSpellLanguageCount + 1> spelling{};  // [1..8]
    std::array<bool, 3> thesaurus{};                        // [1] American, [2] British
};

// The screen the windows are laid out for, and the scale they are shown at (1.0, 1.25, 1.6 or
// 2.0). The tool has no screen: it keeps the 640 x 480 layout.
struct ScreenState {
    int width = 640;
    int height = 480;
    double scale = 1.0;
};

// A library of the user's that start-up found damaged or missing, and what to tell about it.
struct LibraryProblem {
    std::string name;  // QFFLAY.DAT or QFFPAGE.DAT
    LibraryState state = LibraryState::Usable;
    Message message;
};

struct ProgramState {
    Directories dirs;
    Settings settings;
    ShapeRecord currentShape;
    RunResults lastRun;               // the four candidates of the last generation run
    UserListNames userLists;          // named once at start-up, from the corrected language
    LanguageAvailability available;
    ScreenState screen;
    std::vector<LibraryProblem> libraryProblems;  // the user's libraries as start-up found them

    // The start-up steps that are not windows: the settings read from the working directory,
    // the spelling and thesaurus languages whose files are missing corrected, the user word
    // lists named, the installed languages noted.
    static ProgramState StartUp(Directories dirs);

    // The directories of this run, by the rule of base/Directories, with the desktop's
    // documents folder.
    static Directories FindDirectories();

    // Writes the settings file, as closing the program does. False when it could not be written.
    bool SaveSettings() const;

    // The libraries the user works on: QFFLAY.DAT and QFFPAGE.DAT of the program directory
    // when portable, else the user's own copies (made from the shipped ones on first use).
    std::string ShapesLibrary() const;
    std::string LayoutsLibrary() const;
    // An include or exclude word list of the user's.
    std::string UserWordList(const std::string& name) const { return dirs.UserFile(name); }
};

}  // namespace qf
