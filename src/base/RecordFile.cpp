#include "base/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qf {
namespace {

std::string ErrnoText(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

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

void WriteExactly(int fd, const std::uint8_t* in, std::size_t n, off_t at, const std::string& path) {
    while (n > 0) {
        const ssize_t put = ::pwrite(fd, in, n, at);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) throw IoError(ErrnoText("write failed"), path);
        in += put;
        n -= static_cast<std::size_t>(put);
        at += put;
    }
}

// Closes a descriptor when a step between open and hand-over throws.
struct FdGuard {
    int fd;
    ~FdGuard() { if (fd >= 0) ::close(fd); }
};

}  // namespace

IoError::IoError(const std::string& what, const std::string& path)
    : std::runtime_error("I/O error: " + what + " (" + path + ")"), path_(path) {}

Message GeneralIoMessage(const IoError& error) { return ErrorMessage(error.what()); }

std::optional<RecordFile> RecordFile::Open(const std::string& path, std::size_t recordSize, Mode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case Mode::Read: flags |= O_RDONLY; break;
        case Mode::Update: flags |= O_RDWR | O_CREAT; break;
        case Mode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
        case Mode::Modify: flags |= O_RDWR; break;
    }
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {  // a folder or device is no record file
        ::close(fd);
        return std::nullopt;
    }
    return RecordFile(fd, path, recordSize);
}

RecordFile::RecordFile(int fd, std::string path, std::size_t recordSize)
    : fd_(fd), path_(std::move(path)), recordSize_(recordSize) {}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)), recordSize_(other.recordSize_) {}

RecordFile& RecordFile::operator=(RecordFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
        recordSize_ = other.recordSize_;
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

void RecordFile::Read(std::int64_t index, std::span<std::uint8_t> out, std::size_t offsetInRecord) const {
    if (index < 0 || offsetInRecord + out.size() > recordSize_) throw IoError("seek outside the file", path_);
    const off_t at = static_cast<off_t>(index) * static_cast<off_t>(recordSize_) + static_cast<off_t>(offsetInRecord);
    // The record must lie wholly in the file, so a partial trailing record reads as an error.
    if (index >= Count()) throw IoError("read beyond end of file", path_);
    ReadExactly(fd_, out.data(), out.size(), at, path_);
}

void RecordFile::Write(std::int64_t index, std::span<const std::uint8_t> record) {
    if (index < 0 || record.size() != recordSize_) throw IoError("seek outside the file", path_);
    WriteExactly(fd_, record.data(), record.size(), static_cast<off_t>(index) * static_cast<off_t>(recordSize_), path_);
}

std::int64_t RecordFile::Append(std::span<const std::uint8_t> record) {
    const std::int64_t index = Count();
    Write(index, record);
    return index;
}

void RecordFile::Truncate(std::int64_t records) {
    if (records < 0) records = 0;
    if (::ftruncate(fd_, static_cast<off_t>(records) * static_cast<off_t>(recordSize_)) != 0)
        throw IoError(ErrnoText("truncation failed"), path_);
}

void RecordFile::Close() {
    if (fd_ < 0) return;
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) throw IoError(ErrnoText("close failed"), path_);
}

std::optional<std::int64_t> RemoveRecord(const std::string& path, std::size_t recordSize, std::int64_t index) {
    auto file = RecordFile::Open(path, recordSize, RecordFile::Mode::Modify);
    if (!file) return std::nullopt;
    const std::int64_t n = file->Count();
    if (index < 0 || index >= n) throw IoError("read beyond end of file", path);

    std::string temp = path + ".XXXXXX";
    FdGuard out{::mkstemp(temp.data())};
    if (out.fd < 0) throw IoError(ErrnoText("temporary file not created"), path);
    try {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) ::fchmod(out.fd, st.st_mode & 07777);
        std::vector<std::uint8_t> buffer(recordSize);
        std::int64_t written = 0;
        for (std::int64_t j = 0; j < n; ++j) {
            if (j == index) continue;
            file->Read(j, buffer);
            WriteExactly(out.fd, buffer.data(), buffer.size(),
                         static_cast<off_t>(written) * static_cast<off_t>(recordSize), temp);
            ++written;
        }
        if (::fsync(out.fd) != 0) throw IoError(ErrnoText("write failed"), temp);
        if (::close(std::exchange(out.fd, -1)) != 0) throw IoError(ErrnoText("write failed"), temp);
        file->Close();
        if (::rename(temp.c_str(), path.c_str()) != 0) throw IoError(ErrnoText("rename failed"), path);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    return n - 1;
}

}  // namespace qf
