#include "base/Directories.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef QF_INSTALLED_DATA_RELATIVE
#define QF_INSTALLED_DATA_RELATIVE "../share/quernfold"
#endif

namespace qf {

namespace fs = std::filesystem;

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string path(dir);
    if (path.empty()) return std::string(name);
    if (path.back() != '/') path += '/';
    path += name;
    return path;
}

std::string_view InstalledDataRelative() { return QF_INSTALLED_DATA_RELATIVE; }

std::string ProgramDirectoryFor(const std::string& exeDir, std::string_view installedData,
                                std::string_view override) {
    if (!override.empty()) return std::string(override);
    if (!installedData.empty()) {
        std::error_code ec;
        const fs::path data = fs::path(exeDir) / fs::path(installedData);
        if (fs::is_directory(data, ec)) return data.lexically_normal().string();
    }
    return exeDir;
}

bool FolderWritable(const std::string& folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return false;
    // An unnamed file vanishes when closed, so the probe leaves nothing behind.
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return false;
    // A file system without unnamed files: a named probe, removed at once.
    std::string probe = JoinPath(folder, ".quernfold-probe-XXXXXX");
    const int named = ::mkstemp(probe.data());
    if (named < 0) return false;
    ::close(named);
    ::unlink(probe.c_str());
    return true;
}

std::string DesktopWorkingDirectory(const std::string& startFolder, const std::string& documents) {
    if (FolderWritable(startFolder) || documents.empty()) return startFolder;
    std::error_code ec;
    fs::create_directories(documents, ec);
    return FolderWritable(documents) ? documents : startFolder;
}

Directories Directories::AtStartUp() {
    Directories d;
    std::error_code ec;
    d.working = fs::current_path(ec).string();
    const char* env = std::getenv("QUERNFOLD_PROGRAM_DIR");
    const std::string_view override = env ? env : "";
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const std::string exeDir = ec ? d.working : exe.parent_path().string();
    d.program = ProgramDirectoryFor(exeDir, InstalledDataRelative(), override);
    return d;
}

std::string Directories::ProgramFile(std::string_view name) const { return JoinPath(program, name); }
std::string Directories::WorkingFile(std::string_view name) const { return JoinPath(working, name); }

}  // namespace qf
