#pragma once
// Where the program's files are: the program directory holds the shipped data (shapes, layouts,
// lexicons), the working directory the user's (settings file, default collection).
#include <string>
#include <string_view>

namespace qf {

struct Directories {
    std::string program;  // QUERNFOLD_PROGRAM_DIR when set, else see ProgramDirectoryFor
    std::string working;  // the current folder when the program started

    // Taken once at start-up; later changes of the current folder do not move them.
    static Directories AtStartUp();

    std::string ProgramFile(std::string_view name) const;
    std::string WorkingFile(std::string_view name) const;
};

// The data folder of an installed program, relative to the folder of its executable
// ("../share/quernfold" for the usual prefixes); set by the build.
std::string_view InstalledDataRelative();

// The program directory of an executable whose folder is `exeDir`: `override` when it is not
// empty (QUERNFOLD_PROGRAM_DIR); else the installed data folder `exeDir`/`installedData` when
// that folder exists; else `exeDir` itself, as in the build folder or a copied program folder.
std::string ProgramDirectoryFor(const std::string& exeDir, std::string_view installedData,
                                std::string_view override);

// True when a file can be made in `folder` now (tried, not guessed from the mode bits, which
// say nothing for root or for a read-only mount).
bool FolderWritable(const std::string& folder);

// The desktop program's working directory: the folder it was started in when files can be
// made there; else the user's documents folder (made when missing), since a program started
// from the application menu may be given "/". When neither can be written, the start folder
// stays, and each operation reports its own failure.
std::string DesktopWorkingDirectory(const std::string& startFolder, const std::string& documents);

// dir + separator + name, with no doubled separator when dir is the root ("/").
std::string JoinPath(std::string_view dir, std::string_view name);

}  // namespace qf
