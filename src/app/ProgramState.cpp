#include "app/ProgramState.h"

#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf {

ProgramState ProgramState::StartUp(Directories dirs) {
    ProgramState state;
    state.dirs = std::move(dirs);
    state.settings = LoadSettings(state.dirs);
    for (int v = 1; v <= kSpellLanguageCount; ++v)
        state.available.spelling[static_cast<std::size_t>(v)] = SpellLanguageAvailable(state.dirs, v);
    for (int v = 1; v <= 2; ++v) state.available.thesaurus[static_cast<std::size_t>(v)] = ThesaurusAvailable(state.dirs, v);
    // A language whose files are missing is corrected now; the corrected value is written at close.
    CorrectLanguageSettings(state.settings, state.dirs);
    state.userLists = UserListNamesFor(state.settings.dictionary);
    return state;
}

bool ProgramState::SaveSettings() const { return qf::SaveSettings(settings, dirs); }

std::string ProgramState::ShapesLibrary() const { return dirs.ProgramFile(kShapesFileName); }
std::string ProgramState::LayoutsLibrary() const { return dirs.ProgramFile(kLayoutsFileName); }

}  // namespace qf
