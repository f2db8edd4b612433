#include "base/FileUtil.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/TextHelpers.h"

namespace qf {
namespace {

// Reads at most `count` bytes of a regular file. A pipe would block the open and a folder opens
// fine on Linux, so the kind of file is checked on the open descriptor before anything is read.
std::optional<std::vector<std::uint8_t>> ReadUpTo(const std::string& path, std::size_t count) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::optional<std::vector<std::uint8_t>> result;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        std::vector<std::uint8_t> bytes;
        bytes.reserve(std::min<std::size_t>(count, static_cast<std::size_t>(std::max<off_t>(st.st_size, 0))));
        std::uint8_t chunk[65536];
        bool failed = false;
        while (bytes.size() < count) {
            const std::size_t want = std::min(sizeof chunk, count - bytes.size());
            const ssize_t got = ::read(fd, chunk, want);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                failed = true;
                break;
            }
            if (got == 0) break;
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        if (!failed) result = std::move(bytes);
    }
    ::close(fd);
    return result;
}

}  // namespace

std::optional<std::string> ResolveLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT ? std::optional(path) : std::nullopt;
        if (!S_ISLNK(st.st_mode)) return path;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0) return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        if (target.front() == '/') {
            path = target;
        } else {
            const auto slash = path.rfind('/');
            path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
    }
    return std::nullopt;
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit) {
    // One byte more than the limit tells a file that is too long from one that just fits.
    auto bytes = ReadUpTo(path, limit == std::numeric_limits<std::size_t>::max() ? limit : limit + 1);
    if (bytes && bytes->size() > limit) return std::nullopt;
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::string& path, std::size_t count) {
    return ReadUpTo(path, count);
}

bool SameFile(const std::string& a, const std::string& b) {
    if (LowerAscii(a) == LowerAscii(b)) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace qf
