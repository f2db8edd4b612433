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

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG folder: the variable when it holds an absolute path, else HOME + the fallback.
std::string XdgFolder(const std::string& variable, const std::string& home, std::string_view fallback) {
    if (!variable.empty() && variable.front() == '/') return variable;
    return JoinPath(home, fallback);
}

}  // namespace

UserEnvironment UserEnvironment::FromProcess(const std::string& documents) {
    return {Environment("HOME"), Environment("XDG_DATA_HOME"), Environment("XDG_CONFIG_HOME"), documents};
}

Directories DirectoriesFor(const std::string& exeDir, std::string_view installedData, std::string_view override,
                           const std::string& startFolder, const UserEnvironment& env) {
    Directories d;
    d.program = ProgramDirectoryFor(exeDir, installedData, override);
    d.working = startFolder;
    d.installed = override.empty() && !installedData.empty() && d.program != exeDir;
    if (!d.installed) return d;
    d.user = JoinPath(XdgFolder(env.dataHome, env.home, ".local/share"), "quernfold");
    d.config = JoinPath(XdgFolder(env.configHome, env.home, ".config"), "quernfold");
    const std::string documents = env.documents.empty() ? JoinPath(env.home, "Documents") : env.documents;
    d.working = JoinPath(documents, "Quernfold");
    return d;
}

Directories Directories::AtStartUp(const std::string& documents) {
    std::error_code ec;
    const std::string start = fs::current_path(ec).string();
    const std::string override = Environment("QUERNFOLD_PROGRAM_DIR");
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const std::string exeDir = ec ? start : exe.parent_path().string();
    return DirectoriesFor(exeDir, InstalledDataRelative(), override, start, UserEnvironment::FromProcess(documents));
}

std::string Directories::ProgramFile(std::string_view name) const { return JoinPath(program, name); }
std::string Directories::WorkingFile(std::string_view name) const { return JoinPath(working, name); }
std::string Directories::UserFile(std::string_view name) const { return JoinPath(UserFolder(), name); }

std::string Directories::MadeCollection(std::string_view name) const {
    if (!installed) return ProgramFile(name);
    std::error_code ec;
    fs::create_directories(working, ec);
    return WorkingFile(name);
}

}  // namespace qf
