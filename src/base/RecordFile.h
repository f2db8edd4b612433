#pragma once
// Files of fixed-size records without a header (collections, shapes, layouts). Each operation
// opens the file, works on whole records and closes it. An open that fails is the caller's to
// report with its own message; a read, write, seek or truncation that fails after a successful
// open throws IoError, which ends the command and is reported once by the general error report.
// Changes go through a RecordEdit, so that a command that fails halfway, or is killed, changes
// nothing. A file opened for changing is locked (flock) until it is closed, so two processes
// never change it at once; an open finds and undoes a change that a kill interrupted
// (base/RollbackJournal.h) and removes the temporary files of killed whole-file writes.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/Message.h"
#include "base/RollbackJournal.h"

namespace qf {

class IoError : public std::runtime_error {
public:
    IoError(const std::string& what, const std::string& path);
    const std::string& Path() const { return path_; }

protected:
    // A message of its own, not the general "I/O error: ..." text.
    IoError(const std::string& message, const std::string& path, bool);

private:
    std::string path_;
};

// A file opened for changing whose length is not a whole number of records, with no record of
// an interrupted change of ours: damaged, or not a file of this kind. It is never cut or written;
// its whole records stay readable.
class DamagedFileError : public IoError {
public:
    explicit DamagedFileError(const std::string& path);
};

// The general error report of an input/output error (caption "Error").
Message GeneralIoMessage(const IoError& error);

class RecordFile {
public:
    enum class Mode {
        Read,    // read only; fails when missing
        Update,  // read and write; created empty when missing
        Modify,  // read and write; fails when missing
    };

    // nullopt when the file cannot be opened (or created) in that mode, or another process kept
    // it locked for changing for 30 seconds. Opening for changing a file whose length is not whole
    // records throws DamagedFileError, and one whose interrupted change cannot be undone IoError.
    static std::optional<RecordFile> Open(const std::string& path, std::size_t recordSize, Mode mode);

    RecordFile(RecordFile&& other) noexcept;
    RecordFile& operator=(RecordFile&& other) noexcept;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    ~RecordFile();

    // Whole records only: a trailing partial record is not counted.
    std::int64_t Count() const;
    std::int64_t SizeInBytes() const;
    // Whether the length is a whole number of records.
    bool Whole() const;
    std::size_t RecordSize() const { return recordSize_; }
    const std::string& Path() const { return path_; }

    // Reads `out.size()` bytes (at most one record) from record `index` at `offsetInRecord`.
    // A short read (past the end, or into a partial record) throws IoError.
    void Read(std::int64_t index, std::span<std::uint8_t> out, std::size_t offsetInRecord = 0) const;
    // Tells the system that `length` bytes at `offsetInRecord` of records first .. first+count-1
    // will be read soon, so a cold disk serves them together instead of one after another. Only a
    // hint: records past the end are left out and nothing is reported.
    void WillRead(std::int64_t first, std::int64_t count, std::size_t offsetInRecord, std::size_t length) const;
    // Whether those bytes of a record are in the page cache, so reading them waits for no disk.
    bool InMemory(std::int64_t index, std::size_t offsetInRecord, std::size_t length) const;
    // Closes; a failure throws IoError.
    void Close();

private:
    friend class RecordEdit;
    RecordFile(int fd, std::string path, std::string real, std::size_t recordSize, bool created);
    int fd_ = -1;
    std::string path_;
    std::string real_;  // with its symbolic links resolved: where the rollback record goes
    std::size_t recordSize_ = 0;
    bool created_ = false;  // made by this open (Update of a missing file)
};

// Writes to one record file that happen all together or not at all. What a write overwrites and
// how long the file was are noted, in memory and in a rollback record synced beside the file
// before the file is touched; unless Commit() is reached (a write, a read of another file or the
// flush threw), the file is put back exactly as it was: overwritten records restored, appended
// ones cut off, and a file that the open created removed again. After a kill the next open puts
// it back from the rollback record. A file that is not whole records is refused
// (DamagedFileError) before anything is written.
class RecordEdit {
public:
    explicit RecordEdit(RecordFile& file);
    ~RecordEdit();
    RecordEdit(const RecordEdit&) = delete;
    RecordEdit& operator=(const RecordEdit&) = delete;

    // Writes record `index`: an existing one, or the one after the last whole record.
    void Write(std::int64_t index, std::span<const std::uint8_t> record);
    // Writes after the last whole record; returns the new record's index.
    std::int64_t Append(std::span<const std::uint8_t> record);
    // Flushes the changes to disk and removes the rollback record; when that fails they are
    // undone and IoError is thrown.
    void Commit();

private:
    void BeginJournal();
    void Undo() noexcept;

    RecordFile& file_;
    std::int64_t originalSize_ = 0;
    RollbackJournal journal_;
    bool journalTried_ = false;
    std::vector<std::pair<std::int64_t, std::vector<std::uint8_t>>> overwritten_;
    bool done_ = false;
};

// Rewrites `path` without record `index` as a whole file (base/SaveFile.h), holding the file's
// lock, so a failure or a crash halfway leaves the old file whole. nullopt when the file cannot be opened for reading
// and writing; otherwise the number of records left. An index outside the file, or a rewrite
// that fails, throws IoError (the old file is kept).
std::optional<std::int64_t> RemoveRecord(const std::string& path, std::size_t recordSize, std::int64_t index);

}  // namespace qf
