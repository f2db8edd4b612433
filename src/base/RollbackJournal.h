#pragma once
// The rollback record of a change to a record file: ".NAME.~undo" beside the file, holding the
// file's length before the change and the old content of every record the change overwrites.
// It is on disk (synced, with its folder) before the file is touched, and removed once the
// change is on disk, so a kill or a power cut at any instant leaves either no record (the file
// is old or wholly new) or a record from which the old file is put back on the next open.
// Whoever writes or rolls back holds the file's lock (base/RecordFile.cpp).
#include <cstdint>
#include <span>
#include <string>

namespace qf {

class RollbackJournal {
public:
    RollbackJournal() = default;
    ~RollbackJournal();  // leaves the record where it is: only Finish removes it
    RollbackJournal(const RollbackJournal&) = delete;
    RollbackJournal& operator=(const RollbackJournal&) = delete;

    static std::string PathFor(const std::string& file);

    // Writes and syncs the record of a change to `file`; false (nothing left behind) when that
    // failed, e.g. on a full disk. Where no record can be created at all (a folder we cannot
    // write) it returns true without one (Active() false): the change is then undone after a
    // failure, but not after a kill.
    bool Begin(const std::string& file, std::size_t recordSize, std::int64_t originalSize);
    // Adds the old content of record `index` before it is overwritten; false when that failed.
    bool Note(std::int64_t index, std::span<const std::uint8_t> old);
    // The change is on disk: removes the record and syncs the folder.
    bool Finish();
    bool Active() const { return fd_ >= 0; }

private:
    std::string path_;
    std::string folder_;
    std::size_t recordSize_ = 0;
    std::int64_t size_ = 0;  // bytes written to the record
    int fd_ = -1;
};

enum class Rollback {
    None,        // no record of an interrupted change
    Done,        // the file was put back as it was before the change
    Failed,      // a record is there but the file could not be put back
};

// Puts the file open on `fd` back as an interrupted change found its record, then removes the
// record. The caller holds the file's lock, so the change is not one still being written.
Rollback RollBackInterrupted(int fd, const std::string& file, std::size_t recordSize);

// Syncs the folder of `path`, so that a rename or removal in it survives a power cut.
void SyncFolderOf(const std::string& path);

}  // namespace qf
