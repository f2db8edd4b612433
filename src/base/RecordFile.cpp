#include "base/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include "base/FileNotices.h"
#include "base/FileUtil.h"
#include "base/Leftovers.h"
#include "base/SaveFile.h"
#include "base/WriteFaults.h"

namespace qf {
namespace {

// How long a change waits for another process changing the same file before it gives up.
constexpr int kLockWaitMs = 30000;

std::string ErrnoText(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void ReadExactly(int fd, std::uint8_t* out, std::size_t n, off_t at, const std::string& path) {
    while (n > 0) {
        const ssize_t got = ::pread(fd, out, n, at);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw IoError(ErrnoText("read failed"), path);
        if (got == 0) throw IoError("read beyond end of file", path);
        out += got;
        n -= static_cast<std::size_t>(got);
        at += got;
    }
}

// Writes every byte or returns false with errno set; `faulty` lets the tests' countdown fail it.
bool WriteExactly(int fd, const std::uint8_t* in, std::size_t n, off_t at, bool faulty) {
    while (n > 0) {
        if (faulty && faults::WriteFails()) return false;
        const ssize_t put = ::pwrite(fd, in, n, at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            if (put == 0) errno = EIO;
            return false;
        }
        in += put;
        n -= static_cast<std::size_t>(put);
        at += put;
    }
    return true;
}

off_t Offset(std::int64_t index, std::size_t recordSize) {
    return static_cast<off_t>(index) * static_cast<off_t>(recordSize);
}

bool SameInode(int fd, const std::string& path) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// Takes the lock that every change of the file holds, waiting while another process changes it.
// A file replaced by a rewrite while we waited is opened again, so the change goes to the file
// the path now names. False when the lock was not had in time or the file is gone.
bool LockForChange(int& fd, const std::string& path, int flags) {
    for (int waited = 0;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (SameInode(fd, path)) return true;
            ::close(fd);
            fd = ::open(path.c_str(), flags & ~(O_CREAT | O_EXCL));
            if (fd < 0) return false;
            continue;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return true;  // a file system without locks: nothing to wait for
        if (waited >= kLockWaitMs) return false;
        ::usleep(20000);
        waited += 20;
    }
}

void TellRolledBack(const std::string& path) {
    AddFileNotice(WarningMessage("The last change to " + NameOf(path) +
                                 " was interrupted before it was finished, so it has been undone: the file holds "
                                 "what it held before that change."));
}

// Puts back the file after a change that a kill or a power cut interrupted. A reader rolls back
// only when nobody holds the lock, so a change still being written is never undone.
Rollback RecoverForReading(const std::string& path, std::size_t recordSize) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Rollback::None;
    Rollback result = Rollback::None;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && SameInode(fd, path)) result = RollBackInterrupted(fd, path, recordSize);
    ::close(fd);
    return result;
}

}  // namespace

IoError::IoError(const std::string& what, const std::string& path)
    : std::runtime_error("I/O error: " + what + " (" + path + ")"), path_(path) {}

IoError::IoError(const std::string& message, const std::string& path, bool)
    : std::runtime_error(message), path_(path) {}

DamagedFileError::DamagedFileError(const std::string& path)
    : IoError(NameOf(path) +
                  " is damaged or is not a file of this kind: its length is not a whole number of records.  "
                  "Nothing was written to it.  Its whole records can still be read; copy them into a new file.",
              path, true) {}

Message GeneralIoMessage(const IoError& error) { return ErrorMessage(error.what()); }

std::optional<RecordFile> RecordFile::Open(const std::string& path, std::size_t recordSize, Mode mode) {
    const auto real = ResolveLinks(path);
    if (!real) return std::nullopt;
    RemoveLeftovers(*real);
    // Not blocking: a pipe given as a record file must not hang the open.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
        case Mode::Read: flags |= O_RDONLY; break;
        case Mode::Update: flags |= O_RDWR; break;
        case Mode::Modify: flags |= O_RDWR; break;
    }
    int fd = ::open(path.c_str(), flags, 0666);
    bool created = false;
    if (fd < 0 && errno == ENOENT && mode == Mode::Update) {
        // Made here: a failed edit removes it again (base/RecordEdit).
        fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
        created = fd >= 0;
        if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), flags | O_CREAT, 0666);
    }
    if (fd < 0) return std::nullopt;
    struct stat st {};
    // A folder or device is no record file; a read-only file stays read-only also for a user
    // whom the system would let write it.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || (mode != Mode::Read && (st.st_mode & 0222) == 0)) {
        ::close(fd);
        return std::nullopt;
    }
    if (mode != Mode::Read && !LockForChange(fd, path, flags)) {
        if (fd >= 0) ::close(fd);
        return std::nullopt;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    RecordFile file(fd, path, *real, recordSize, created);
    const Rollback rollback =
        mode == Mode::Read ? RecoverForReading(*real, recordSize) : RollBackInterrupted(fd, *real, recordSize);
    if (rollback == Rollback::Done) TellRolledBack(path);
    if (mode != Mode::Read) {
        // Writing over the record of an interrupted change would lose the way back to the old file.
        if (rollback == Rollback::Failed) throw IoError("an interrupted change could not be undone", path);
        if (file.SizeInBytes() % static_cast<std::int64_t>(recordSize) != 0) throw DamagedFileError(path);
    }
    return file;
}

RecordFile::RecordFile(int fd, std::string path, std::string real, std::size_t recordSize, bool created)
    : fd_(fd), path_(std::move(path)), real_(std::move(real)), recordSize_(recordSize), created_(created) {}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      path_(std::move(other.path_)),
      real_(std::move(other.real_)),
      recordSize_(other.recordSize_),
      created_(other.created_) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        real_ = std::move(other.real_);
        recordSize_ = other.recordSize_;
        created_ = other.created_;
    }
    return *this;
}

RecordFile::~RecordFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t RecordFile::SizeInBytes() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) throw IoError(ErrnoText("size unknown"), path_);
    return static_cast<std::int64_t>(st.st_size);
}

std::int64_t RecordFile::Count() const { return SizeInBytes() / static_cast<std::int64_t>(recordSize_); }

bool RecordFile::Whole() const { return SizeInBytes() % static_cast<std::int64_t>(recordSize_) == 0; }

void RecordFile::Read(std::int64_t index, std::span<std::uint8_t> out, std::size_t offsetInRecord) const {
    if (index < 0 || offsetInRecord + out.size() > recordSize_) throw IoError("seek outside the file", path_);
    // The record must lie wholly in the file, so a partial trailing record reads as an error.
    if (index >= Count()) throw IoError("read beyond end of file", path_);
    ReadExactly(fd_, out.data(), out.size(), Offset(index, recordSize_) + static_cast<off_t>(offsetInRecord), path_);
}

void RecordFile::WillRead(std::int64_t first, std::int64_t count, std::size_t offsetInRecord,
                          std::size_t length) const {
    const std::int64_t end = std::min(first + count, Count());
    for (std::int64_t k = std::max<std::int64_t>(first, 0); k < end; ++k)
        (void)::posix_fadvise(fd_, Offset(k, recordSize_) + static_cast<off_t>(offsetInRecord),
                              static_cast<off_t>(length), POSIX_FADV_WILLNEED);
}

bool RecordFile::InMemory(std::int64_t index, std::size_t offsetInRecord, std::size_t length) const {
    if (index < 0 || index >= Count() || offsetInRecord + length > recordSize_) return false;
    std::vector<std::uint8_t> probe(length);
    iovec part{probe.data(), length};
    const off_t at = Offset(index, recordSize_) + static_cast<off_t>(offsetInRecord);
    return ::preadv2(fd_, &part, 1, at, RWF_NOWAIT) == static_cast<ssize_t>(length);
}

void RecordFile::Close() {
    if (fd_ < 0) return;
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) throw IoError(ErrnoText("close failed"), path_);
}

RecordEdit::RecordEdit(RecordFile& file) : file_(file) {
    originalSize_ = file.SizeInBytes();
    // Never write after a partial record: it is not ours to cut or to cover.
    if (originalSize_ % static_cast<std::int64_t>(file.RecordSize()) != 0) throw DamagedFileError(file.Path());
}

RecordEdit::~RecordEdit() {
    if (!done_) Undo();
}

void RecordEdit::BeginJournal() {
    if (journalTried_) return;
    journalTried_ = true;
    if (!journal_.Begin(file_.real_, file_.RecordSize(), originalSize_))
        throw IoError(ErrnoText("write failed"), file_.Path());
}

void RecordEdit::Write(std::int64_t index, std::span<const std::uint8_t> record) {
    const std::size_t size = file_.RecordSize();
    // Never leave a gap of undefined records: only an existing record or the next one is written.
    if (index < 0 || record.size() != size || index > file_.Count()) throw IoError("seek outside the file", file_.Path());
    BeginJournal();
    if (index < file_.Count() && Offset(index + 1, size) <= originalSize_) {
        std::vector<std::uint8_t> old(size);
        ReadExactly(file_.fd_, old.data(), size, Offset(index, size), file_.Path());
        if (journal_.Active() && !journal_.Note(index, old)) throw IoError(ErrnoText("write failed"), file_.Path());
        overwritten_.emplace_back(index, std::move(old));
    }
    if (!WriteExactly(file_.fd_, record.data(), size, Offset(index, size), true))
        throw IoError(ErrnoText("write failed"), file_.Path());
}

std::int64_t RecordEdit::Append(std::span<const std::uint8_t> record) {
    const std::int64_t index = file_.Count();
    Write(index, record);
    return index;
}

void RecordEdit::Commit() {
    // The change is done once it is on disk and its rollback record is gone.
    if (faults::WriteFails() || ::fsync(file_.fd_) != 0 || !journal_.Finish()) {
        const std::string why = ErrnoText("write failed");
        Undo();
        done_ = true;
        throw IoError(why, file_.Path());
    }
    done_ = true;
}

void RecordEdit::Undo() noexcept {
    // Newest first, so a record written twice gets its first content back.
    const int fd = file_.fd_;
    for (auto it = overwritten_.rbegin(); it != overwritten_.rend(); ++it)
        (void)WriteExactly(fd, it->second.data(), it->second.size(), Offset(it->first, file_.RecordSize()), false);
    (void)::ftruncate(fd, static_cast<off_t>(originalSize_));
    (void)::fsync(fd);
    (void)journal_.Finish();
    // A file this command created is not left behind empty.
    if (file_.created_ && originalSize_ == 0) ::unlink(file_.Path().c_str());
}

std::optional<std::int64_t> RemoveRecord(const std::string& path, std::size_t recordSize, std::int64_t index) {
    // Opened for changing, so the rewrite holds the file's lock until the new file is in place.
    auto file = RecordFile::Open(path, recordSize, RecordFile::Mode::Modify);
    if (!file) return std::nullopt;
    SaveFile out(path);
    if (!out.Open()) return std::nullopt;  // a read-only file, even to a user the system lets write
    const std::int64_t n = file->Count();
    if (index < 0 || index >= n) throw IoError("read beyond end of file", path);
    std::vector<std::uint8_t> buffer(recordSize);
    for (std::int64_t j = 0; j < n; ++j) {
        if (j == index) continue;
        file->Read(j, buffer);
        if (!out.Write(buffer)) throw IoError(ErrnoText("write failed"), path);
    }
    if (!out.Commit()) throw IoError(ErrnoText("write failed"), path);
    file->Close();
    return n - 1;
}

}  // namespace qf
