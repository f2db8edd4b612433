#include "base/Directories.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qf {

namespace fs = std::filesystem;

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string path(dir);
    if (path.empty()) return std::string(name);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

Directories Directories::AtStartUp() {
    Directories d;
    std::error_code ec;
    d.working = fs::current_path(ec).string();
    if (const char* env = std::getenv("QUERNFOLD_PROGRAM_DIR"); env && *env) {
        d.program = env;
    } else {
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        d.program = ec ? d.working : exe.parent_path().string();
    }
    return d;
}

std::string Directories::ProgramFile(std::string_view name) const { return JoinPath(program, name); }
std::string Directories::WorkingFile(std::string_view name) const { return JoinPath(working, name); }

}  // namespace qf
