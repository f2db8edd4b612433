#pragma once
// Files for the tool's tests: a program directory with copies of the shipped libraries, old
// records of the earlier version, and a snapshot of files to compare before and after.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/FileUtil.h"
#include "support/FailedWrites.h"
#include "support/TempDir.h"

namespace qf::test {

using Env = std::vector<std::pair<std::string, std::string>>;

// A program directory holding copies of the shipped shapes and layouts libraries and the sample
// collection, so that a test may change them.
class ProgramCopy {
public:
    ProgramCopy() {
        const char* shipped = std::getenv("QUERNFOLD_PROGRAM_DIR");
        for (const char* name : {"QFFLAY.DAT", "QFFPAGE.DAT", "SAMPLE.QF3"})
            std::filesystem::copy_file(std::string(shipped) + "/" + name, dir.File(name));
    }
    std::string File(const std::string& name) const { return dir.File(name); }
    const std::string& Path() const { return dir.Path(); }
    Env Environment() const { return {{"QUERNFOLD_PROGRAM_DIR", dir.Path()}}; }
    TempDir dir;
};

// An old puzzle record (30347 bytes): a title, a grid size and nothing else.
inline std::vector<std::uint8_t> OldPuzzleRecord(const std::string& title, int size = 9) {
    std::vector<std::uint8_t> b(30347, 0);
    b[0] = static_cast<std::uint8_t>(title.size());
    std::copy(title.begin(), title.end(), b.begin() + 1);
    b[36] = static_cast<std::uint8_t>(size);
    return b;
}

inline std::size_t FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::size_t>(size);
}

// A size limit (KiB) that lets the tool write `bytes` more after a file of `size` bytes, not all.
inline long KiBAfter(const std::string& path, std::size_t bytes) {
    return static_cast<long>((FileSize(path) + bytes / 2) / 1024);
}

}  // namespace qf::test
