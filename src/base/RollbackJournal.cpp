#include "base/RollbackJournal.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/WriteFaults.h"

namespace qf {
namespace {

constexpr char kMagic[8] = {'Q', 'F', 'U', 'N', 'D', 'O', '1', '\n'};
constexpr std::size_t kHeaderSize = 8 + 8 + 8 + 8;  // magic, record size, old length, check

std::uint64_t Check(const std::uint8_t* bytes, std::size_t n, std::uint64_t h = 14695981039346656037ull) {
    for (std::size_t i = 0; i < n; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
    return h;
}

void Put64(std::vector<std::uint8_t>& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint64_t Get64(const std::uint8_t* in) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | in[i];
    return v;
}

bool WriteAt(int fd, const std::uint8_t* data, std::size_t n, off_t at) {
    while (n > 0) {
        const ssize_t put = ::pwrite(fd, data, n, at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data += put;
        n -= static_cast<std::size_t>(put);
        at += put;
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

void SyncFolderOf(const std::string& path) {
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    (void)::fsync(folder);
    ::close(folder);
}

std::string RollbackJournal::PathFor(const std::string& file) {
    const auto slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return (slash == std::string::npos ? std::string() : file.substr(0, slash + 1)) + "." + name.substr(0, 200) + ".~undo";
}

RollbackJournal::~RollbackJournal() {
    if (fd_ >= 0) ::close(fd_);
}

bool RollbackJournal::Begin(const std::string& file, std::size_t recordSize, std::int64_t originalSize) {
    path_ = PathFor(file);
    recordSize_ = recordSize;
    // A record left by an interrupted change has been rolled back before (RollBackInterrupted).
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd_ < 0) return true;  // no record can be made here (see the header)
    std::vector<std::uint8_t> header(kMagic, kMagic + 8);
    Put64(header, recordSize);
    Put64(header, static_cast<std::uint64_t>(originalSize));
    Put64(header, Check(header.data(), header.size()));
    if (faults::WriteFails() || !WriteAt(fd_, header.data(), header.size(), 0) || ::fsync(fd_) != 0) {
        ::close(std::exchange(fd_, -1));
        ::unlink(path_.c_str());
        return false;
    }
    size_ = static_cast<std::int64_t>(header.size());
    SyncFolderOf(path_);  // the record itself must be found after a power cut
    return true;
}

bool RollbackJournal::Note(std::int64_t index, std::span<const std::uint8_t> old) {
    if (fd_ < 0 || old.size() != recordSize_) return false;
    std::vector<std::uint8_t> entry;
    entry.reserve(16 + old.size());
    Put64(entry, static_cast<std::uint64_t>(index));
    entry.insert(entry.end(), old.begin(), old.end());
    Put64(entry, Check(entry.data(), entry.size()));
    if (faults::WriteFails() || !WriteAt(fd_, entry.data(), entry.size(), static_cast<off_t>(size_)) ||
        ::fdatasync(fd_) != 0)
        return false;
    size_ += static_cast<std::int64_t>(entry.size());
    return true;
}

bool RollbackJournal::Finish() {
    if (fd_ < 0) return true;
    ::close(std::exchange(fd_, -1));
    if (::unlink(path_.c_str()) != 0 && errno != ENOENT) return false;
    SyncFolderOf(path_);
    return true;
}

Rollback RollBackInterrupted(int fd, const std::string& file, std::size_t recordSize) {
    const std::string path = RollbackJournal::PathFor(file);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return Rollback::None;
    if (!S_ISREG(st.st_mode)) return Rollback::None;  // not ours
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return Rollback::Failed;
    const std::uint8_t* b = bytes->data();
    // A record cut short before its header was synced: the file was not touched yet.
    const bool whole = bytes->size() >= kHeaderSize && std::memcmp(b, kMagic, 8) == 0 &&
                       Get64(b + 24) == Check(b, 24);
    if (!whole) {
        if (bytes->size() >= 8 && std::memcmp(b, kMagic, 8) != 0) return Rollback::None;  // not ours
        ::unlink(path.c_str());
        SyncFolderOf(path);
        return Rollback::None;
    }
    if (Get64(b + 8) != recordSize) return Rollback::Failed;
    const auto originalSize = static_cast<off_t>(Get64(b + 16));
    // The old records, newest first, so a record overwritten twice gets its first content back;
    // an entry cut short was being noted, so its record was not overwritten yet.
    std::vector<std::pair<std::uint64_t, const std::uint8_t*>> olds;
    const std::size_t entrySize = 16 + recordSize;
    for (std::size_t at = kHeaderSize; at + entrySize <= bytes->size(); at += entrySize) {
        if (Get64(b + at + 8 + recordSize) != Check(b + at, 8 + recordSize)) break;
        olds.emplace_back(Get64(b + at), b + at + 8);
    }
    bool ok = true;
    for (auto it = olds.rbegin(); it != olds.rend(); ++it)
        ok = ok && WriteAt(fd, it->second, recordSize, static_cast<off_t>(it->first * recordSize));
    ok = ok && ::ftruncate(fd, originalSize) == 0 && ::fsync(fd) == 0;
    if (!ok) return Rollback::Failed;
    ::unlink(path.c_str());
    SyncFolderOf(path);
    return Rollback::Done;
}

}  // namespace qf
