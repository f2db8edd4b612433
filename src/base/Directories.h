#pragma once
// Where the program's files are: the program directory holds the shipped data (shapes, layouts,
// lexicons), the working directory the user's (settings file, default collection).
#include <string>
#include <string_view>

namespace qf {

struct Directories {
    std::string program;  // the executable's folder, or QUERNFOLD_PROGRAM_DIR when set
    std::string working;  // the current folder when the program started

    // Taken once at start-up; later changes of the current folder do not move them.
    static Directories AtStartUp();

    std::string ProgramFile(std::string_view name) const;
    std::string WorkingFile(std::string_view name) const;
};

// dir + separator + name, with no doubled separator when dir is the root ("/").
std::string JoinPath(std::string_view dir, std::string_view name);

}  // namespace qf
