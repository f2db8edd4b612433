#pragma once
// Whole files written so that nothing is lost: exports, pictures, the settings file, a library
// or collection rewritten without one of its records. The new content goes to a temporary file
// beside the real one (symbolic links are followed to it) and replaces it by a rename only once
// it is completely written and synced, with the old file's owner, group and mode; the folder is
// synced after the rename. The temporary file is named and locked as base/Leftovers.h says, so
// one left by a killed writer is removed by the next open of the file. Where a
// rename would break something (the file has other hard links, its folder cannot be written,
// its owner cannot be kept) the file is rewritten in place, and its old content is put back if
// that fails. Either way a failure leaves the old file as it was, or no file when there was none.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qf {

class SaveFile {
public:
    explicit SaveFile(std::string path);
    ~SaveFile();  // what was not committed is discarded
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // False when the file cannot be written: its folder is missing or closed to us, it is a
    // folder or a device, or it is read-only.
    bool Open();
    // Adds bytes; false once anything has failed.
    bool Write(std::span<const std::uint8_t> bytes);
    // Puts the new content in place. True only when the file now holds exactly what was written.
    bool Commit();

    // Whether the file is rewritten in place rather than replaced (known after Open).
    bool InPlace() const { return inPlace_; }

private:
    bool OpenBeside(bool exists, unsigned uid, unsigned gid, unsigned mode);
    bool CommitBeside();
    bool CommitInPlace();
    void Discard();

    std::string path_;
    std::string real_;
    std::string temp_;
    int fd_ = -1;
    std::size_t written_ = 0;  // bytes in the temporary file
    bool inPlace_ = false;
    bool failed_ = false;
    bool committed_ = false;
    std::vector<std::uint8_t> pending_;  // the content of an in-place rewrite, written at Commit
};

// Open, Write and Commit in one call.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace qf
