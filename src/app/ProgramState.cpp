#include "app/ProgramState.h"

#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "layouts/LayoutLibrary.h"
#include "layouts/PageLayoutRecord.h"
#include "shapes/ShapeFiles.h"

namespace qf {

namespace {

void CheckLibraries(ProgramState& state) {
    struct Library {
        const char* name;
        std::size_t recordSize;
        const char* what;
    };
    for (const Library& l : {Library{kShapesFileName, ShapeRecord::kStoredSize, "puzzle shapes"},
                             Library{kLayoutsFileName, PageLayoutRecord::kStoredSize, "page layouts"}}) {
        const LibraryState found = CheckUserLibrary(state.dirs, l.name, l.recordSize);
        if (found == LibraryState::Usable) continue;
        state.libraryProblems.push_back({l.name, found, LibraryStateMessage(found, state.dirs.UserFile(l.name), l.what)});
    }
}

}  // namespace

Directories ProgramState::FindDirectories() {
    return Directories::AtStartUp(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
}

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
    if (state.dirs.installed) {
        // The word lists are written there as they are; the libraries are copied on first use.
        std::error_code ec;
        std::filesystem::create_directories(state.dirs.user, ec);
        CheckLibraries(state);
    }
    return state;
}

bool ProgramState::SaveSettings() const { return qf::SaveSettings(settings, dirs); }

std::string ProgramState::ShapesLibrary() const { return UserLibrary(dirs, kShapesFileName); }
std::string ProgramState::LayoutsLibrary() const { return UserLibrary(dirs, kLayoutsFileName); }

}  // namespace qf
