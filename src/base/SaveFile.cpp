#include "base/SaveFile.h"

#include <cerrno>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/FileUtil.h"
#include "base/Leftovers.h"
#include "base/RollbackJournal.h"
#include "base/WriteFaults.h"

namespace qf {
namespace {

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// One write step, which the tests can make fail.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t n, off_t at) {
    while (n > 0) {
        if (faults::WriteFails()) return false;
        const ssize_t put = ::pwrite(fd, data, n, at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        data += put;
        n -= static_cast<std::size_t>(put);
        at += put;
    }
    return true;
}

bool Flush(int fd) { return !faults::WriteFails() && ::fsync(fd) == 0; }

// Putting the old content back must not be stopped by the tests' failing step: it models a full
// disk, and the old bytes fit where they were.
void PutBack(int fd, const std::vector<std::uint8_t>& old) {
    std::size_t done = 0;
    while (done < old.size()) {
        const ssize_t put = ::pwrite(fd, old.data() + done, old.size() - done, static_cast<off_t>(done));
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) break;
        done += static_cast<std::size_t>(put);
    }
    (void)::ftruncate(fd, static_cast<off_t>(old.size()));
    (void)::fsync(fd);
}

std::optional<std::vector<std::uint8_t>> ReadAll(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return std::nullopt;
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

}  // namespace

SaveFile::SaveFile(std::string path) : path_(std::move(path)) {}

SaveFile::~SaveFile() {
    if (!committed_) Discard();
}

void SaveFile::Discard() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool SaveFile::Open() {
    const auto real = ResolveLinks(path_);
    if (!real) return false;
    real_ = *real;
    RemoveLeftovers(real_);
    struct stat st {};
    const bool exists = ::stat(real_.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return false;
    if (exists) {
        if (!S_ISREG(st.st_mode)) return false;
        // A read-only file stays as it is, even for a user whom the system would let write it.
        if ((st.st_mode & 0222) == 0 || ::access(real_.c_str(), W_OK) != 0) return false;
    }
    const bool folderWritable = ::access(Folder(real_).c_str(), W_OK | X_OK) == 0;
    if (exists && (st.st_nlink > 1 || !folderWritable)) {
        inPlace_ = true;
    } else if (!OpenBeside(exists, st.st_uid, st.st_gid, st.st_mode)) {
        if (!exists) return false;
        inPlace_ = true;  // the owner or mode could not be kept on a new file
    }
    if (inPlace_) {
        fd_ = ::open(real_.c_str(), O_RDWR | O_CLOEXEC);
        if (fd_ < 0) return false;
    }
    return true;
}

bool SaveFile::OpenBeside(bool exists, unsigned uid, unsigned gid, unsigned mode) {
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = TemporaryNameFor(real_);
        // A new file gets the mode a plain create would give it (the umask applies).
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        temp_.clear();
        return false;
    }
    // Held while the file exists: RemoveLeftovers takes only the files of writers that are gone.
    (void)::flock(fd_, LOCK_EX | LOCK_NB);
    if (!exists) return true;
    struct stat made {};
    bool kept = ::fstat(fd_, &made) == 0;
    if (kept && (made.st_uid != uid || made.st_gid != gid)) kept = ::fchown(fd_, uid, gid) == 0;
    if (kept) kept = ::fchmod(fd_, mode & 07777) == 0;  // after chown, which may clear set-id bits
    if (!kept) Discard();
    return kept;
}

bool SaveFile::Write(std::span<const std::uint8_t> bytes) {
    if (failed_ || committed_ || fd_ < 0) return false;
    if (inPlace_) {
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
        return true;
    }
    failed_ = !WriteAll(fd_, bytes.data(), bytes.size(), static_cast<off_t>(written_));
    if (!failed_) written_ += bytes.size();
    return !failed_;
}

bool SaveFile::Commit() {
    if (failed_ || committed_ || fd_ < 0) {
        Discard();
        return false;
    }
    const bool ok = inPlace_ ? CommitInPlace() : CommitBeside();
    if (!ok) {
        failed_ = true;
        Discard();
        return false;
    }
    committed_ = true;
    return true;
}

bool SaveFile::CommitBeside() {
    if (!Flush(fd_)) return false;
    if (::close(std::exchange(fd_, -1)) != 0) return false;
    if (faults::WriteFails() || ::rename(temp_.c_str(), real_.c_str()) != 0) return false;
    temp_.clear();
    // The rename itself reaches the disk with the folder.
    SyncFolderOf(real_);
    return true;
}

bool SaveFile::CommitInPlace() {
    const auto old = ReadAll(fd_);
    if (!old) return false;
    // Claim the room first, so that a full disk is found before the old content is touched.
    if (pending_.size() > old->size()) {
        const int err = ::posix_fallocate(fd_, 0, static_cast<off_t>(pending_.size()));
        if (err == ENOSPC || err == EFBIG || err == EDQUOT) {
            (void)::ftruncate(fd_, static_cast<off_t>(old->size()));
            return false;
        }
    }
    const bool ok = WriteAll(fd_, pending_.data(), pending_.size(), 0) &&
                    ::ftruncate(fd_, static_cast<off_t>(pending_.size())) == 0 && Flush(fd_);
    if (!ok) {
        PutBack(fd_, *old);
        return false;
    }
    ::close(std::exchange(fd_, -1));
    return true;
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    SaveFile file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}

}  // namespace qf
