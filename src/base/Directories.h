#pragma once
// Where the program's files are. The program directory holds the shipped data (shapes, layouts,
// lexicons, help, the sample collection) and is only read. The user's own files live by one rule
// (DirectoriesFor): a portable program (the build folder, a copied program folder, or
// QUERNFOLD_PROGRAM_DIR set) keeps them as it always did, the libraries and word lists in the
// program directory and the settings in the start folder; an installed program, whose program
// directory is the installed data folder, gives each user their own XDG folders.
#include <string>
#include <string_view>

namespace qf {

struct Directories {
    std::string program;  // shipped data: QUERNFOLD_PROGRAM_DIR when set, else see ProgramDirectoryFor
    std::string working;  // the collections' folder: the start folder, or the installed program's documents folder
    std::string user{};   // the user's libraries and word lists; empty means the program directory
    std::string config{}; // the folder of the settings file; empty means the working directory
    bool installed = false;  // the user's files are in their own folders, not beside the program

    // Taken once at start-up; later changes of the current folder do not move them. The
    // documents folder is the desktop's (empty: HOME/Documents).
    static Directories AtStartUp(const std::string& documents = {});

    std::string ProgramFile(std::string_view name) const;
    std::string WorkingFile(std::string_view name) const;
    std::string UserFolder() const { return user.empty() ? program : user; }
    std::string UserFile(std::string_view name) const;
    std::string SettingsFolder() const { return config.empty() ? working : config; }
    // A collection the program makes by itself (the converted puzzles of the earlier version):
    // beside the program when portable, as it always was; in the collections' folder, made
    // when missing, when installed.
    std::string MadeCollection(std::string_view name) const;
};

// What the user's environment says about their folders. Relative XDG paths are ignored, as the
// XDG base directory rules ask.
struct UserEnvironment {
    std::string home;        // HOME
    std::string dataHome;    // XDG_DATA_HOME
    std::string configHome;  // XDG_CONFIG_HOME
    std::string documents;   // the desktop's documents folder; empty: HOME/Documents
    static UserEnvironment FromProcess(const std::string& documents);
};

// The one rule of where files are. `program` is the program directory found by
// ProgramDirectoryFor; it is the installed program when no override was given and it is the
// installed data folder of `exeDir`. Then: libraries and word lists in
// XDG_DATA_HOME/quernfold, the settings in XDG_CONFIG_HOME/quernfold, the collections in
// documents/Quernfold. Otherwise everything stays where it always was: libraries and word lists
// in the program directory, settings and collections in the start folder. Whether the program
// directory could be written plays no part, so root keeps root's own folders too.
Directories DirectoriesFor(const std::string& exeDir, std::string_view installedData, std::string_view override,
                           const std::string& startFolder, const UserEnvironment& env);

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

// The portable desktop program's working directory: the folder it was started in when files
// can be made there; else the user's documents folder (made when missing), since a program
// started from the application menu may be given "/". When neither can be written, the start
// folder stays, and each operation reports its own failure.
std::string DesktopWorkingDirectory(const std::string& startFolder, const std::string& documents);

// dir + separator + name, with no doubled separator when dir is the root ("/").
std::string JoinPath(std::string_view dir, std::string_view name);

}  // namespace qf
