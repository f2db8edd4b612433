#include "base/Leftovers.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qf {
namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// ".NAME.~" with the name cut as the writer cuts it.
std::string Stem(const std::string& file) {
    const auto slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return "." + name.substr(0, 200) + ".~";
}

bool AllOf(const std::string& s, bool hex) {
    if (s.empty() || s.size() > 20) return false;
    for (const char c : s)
        if (!((c >= '0' && c <= '9') || (hex && c >= 'a' && c <= 'f'))) return false;
    return true;
}

// The writer's process id when `rest` is "<pid>_<n>_<ticks>", else 0.
pid_t WriterOf(const std::string& rest) {
    const auto a = rest.find('_');
    const auto b = a == std::string::npos ? a : rest.find('_', a + 1);
    if (b == std::string::npos) return 0;
    const std::string pid = rest.substr(0, a), n = rest.substr(a + 1, b - a - 1), ticks = rest.substr(b + 1);
    if (!AllOf(pid, false) || !AllOf(n, true) || !AllOf(ticks, true)) return 0;
    const long long value = std::atoll(pid.c_str());
    return value > 0 && value < 0x7FFFFFFF ? static_cast<pid_t>(value) : 0;
}

bool Running(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

std::string TemporaryNameFor(const std::string& file) {
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, "%ld_%x_%llx", static_cast<long>(::getpid()), counter++, ticks & 0xFFFFFF);
    return FolderOf(file) + "/" + Stem(file) + suffix;
}

void RemoveLeftovers(const std::string& file) {
    const std::string folder = FolderOf(file), stem = Stem(file);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) continue;
        const pid_t pid = WriterOf(name.substr(stem.size()));
        if (pid == 0 || pid == ::getpid() || Running(pid)) continue;
        const std::string path = folder + "/" + name;
        // The lock tells a writer of another machine or process namespace from a dead one.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

}  // namespace qf
