#include "base/UserLibrary.h"

#include <filesystem>
#include <system_error>

#include "base/FileUtil.h"
#include "base/SaveFile.h"
#include "base/Settings.h"

namespace qf {

namespace fs = std::filesystem;

namespace {

bool CopyShipped(const Directories& dirs, std::string_view name) {
    const auto shipped = ReadWholeFile(dirs.ProgramFile(name));
    if (!shipped) return false;
    std::error_code ec;
    fs::create_directories(dirs.UserFolder(), ec);
    if (ec) return false;
    // A new file: it takes the user's own mode, not the shipped file's.
    return WriteWholeFile(dirs.UserFile(name), *shipped);
}

}  // namespace

std::string UserLibrary(const Directories& dirs, std::string_view name) {
    if (!dirs.installed) return dirs.ProgramFile(name);
    const std::string copy = dirs.UserFile(name);
    if (FileExists(copy)) return copy;
    for (const char* other : kUserLibraries)
        if (name != other && !FileExists(dirs.UserFile(other))) (void)CopyShipped(dirs, other);
    return CopyShipped(dirs, name) ? copy : dirs.ProgramFile(name);
}

LibraryState CheckUserLibrary(const Directories& dirs, std::string_view name, std::size_t recordSize) {
    if (!dirs.installed) return LibraryState::Usable;
    const std::string copy = dirs.UserFile(name);
    std::error_code ec;
    const fs::file_status status = fs::status(copy, ec);
    if (!fs::exists(status)) {
        for (const char* other : kUserLibraries)
            if (name != other && FileExists(dirs.UserFile(other))) return LibraryState::Missing;
        return LibraryState::Usable;
    }
    const auto bytes = ReadWholeFile(copy);
    if (!bytes || recordSize == 0 || bytes->size() % recordSize != 0) return LibraryState::Damaged;
    return LibraryState::Usable;
}

Outcome ResetUserLibrary(const Directories& dirs, std::string_view name) {
    const std::string copy = dirs.UserFile(name);
    const Message refused = ErrorMessage("Unable to reset the library \"" + copy + "\".");
    if (!dirs.installed) return Outcome::Refused(refused);
    const auto shipped = ReadWholeFile(dirs.ProgramFile(name));
    if (!shipped) return Outcome::Refused(refused);
    std::error_code ec;
    fs::create_directories(dirs.UserFolder(), ec);
    if (FileExists(copy)) {
        // The replaced copy is kept, even a damaged one: the user may still want what is in it.
        const auto current = ReadWholeFile(copy);
        if (current && !WriteWholeFile(copy + ".old", *current)) return Outcome::Refused(refused);
    }
    if (!WriteWholeFile(copy, *shipped)) return Outcome::Refused(refused);
    return Outcome::Confirmed(InfoMessage("The library \"" + copy + "\" now holds the shipped copy.", kCaptionOk));
}

void PrepareCollectionsFolder(const Directories& dirs) {
    if (!dirs.installed || FileExists(SettingsPath(dirs))) return;
    std::error_code ec;
    fs::create_directories(dirs.working, ec);
    if (ec || FileExists(dirs.WorkingFile("DEFAULT.QF3")) || FileExists(dirs.WorkingFile("SAMPLE.QF3"))) return;
    if (const auto sample = ReadWholeFile(dirs.ProgramFile("SAMPLE.QF3"))) (void)WriteWholeFile(dirs.WorkingFile("SAMPLE.QF3"), *sample);
}

Message LibraryStateMessage(LibraryState state, const std::string& path, std::string_view what) {
    const std::string kind(what);
    switch (state) {
    case LibraryState::Damaged:
        return WarningMessage("Your library of " + kind + " \"" + path + "\" is damaged.");
    case LibraryState::Missing:
        return WarningMessage("Your library of " + kind + " \"" + path +
                              "\" was not found.  The shipped " + kind + " are used in its place.");
    case LibraryState::Usable: break;
    }
    return {};
}

}  // namespace qf
