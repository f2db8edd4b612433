#pragma once
// Files of fixed-size records without a header (collections, shapes, layouts). Each operation
// opens the file, works on whole records and closes it. An open that fails is the caller's to
// report with its own message; a read, write, seek or truncation that fails after a successful
// open throws IoError, which ends the command and is reported once by the general error report.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "base/Message.h"

namespace qf {

class IoError : public std::runtime_error {
public:
    IoError(const std::string& what, const std::string& path);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The general error report of an input/output error (caption "Error").
Message GeneralIoMessage(const IoError& error);

class RecordFile {
public:
    enum class Mode {
        Read,    // read only; fails when missing
        Update,  // read and write; created empty when missing
        Create,  // read and write; created or emptied
        Modify,  // read and write; fails when missing
    };

    // nullopt when the file cannot be opened (or created) in that mode.
    static std::optional<RecordFile> Open(const std::string& path, std::size_t recordSize, Mode mode);

    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    ~RecordFile();

    // Whole records only: a trailing partial record is not counted.
    std::int64_t Count() const;
    std::int64_t SizeInBytes() const;
    std::size_t RecordSize() const { return recordSize_; }
    const std::string& Path() const { return path_; }

    // Reads `out.size()` bytes (at most one record) from record `index` at `offsetInRecord`.
    // A short read (past the end, or into a partial record) throws IoError.
    void Read(std::int64_t index, std::span<std::uint8_t> out, std::size_t offsetInRecord = 0) const;
    void Write(std::int64_t index, std::span<const std::uint8_t> record);
    // Writes after the last whole record; returns the new record's index.
    std::int64_t Append(std::span<const std::uint8_t> record);
    void Truncate(std::int64_t records);
    // Flushes to disk and closes; a failure throws IoError.
    void Close();

private:
    RecordFile(int fd, std::string path, std::size_t recordSize);
    int fd_ = -1;
    std::string path_;
    std::size_t recordSize_ = 0;
};

// Rewrites `path` without record `index`, through a temporary file in the same folder and a
// rename, so a crash halfway leaves the old file whole. nullopt when the file cannot be opened
// for reading and writing; otherwise the number of records left. An index outside the file
// throws IoError (the old file is kept).
std::optional<std::int64_t> RemoveRecord(const std::string& path, std::size_t recordSize, std::int64_t index);

}  // namespace qf
