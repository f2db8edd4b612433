#pragma once
// What the fuzz targets share: the readers take paths, so each input is written to a file in a
// scratch folder of the process (in memory where /dev/shm exists) and read back from there.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace qf::fuzz {

inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/qffuzz-XXXXXX");
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return folder;
}

inline std::string ScratchFile(const std::string& name) { return ScratchFolder() + "/" + name; }

// Writes the input as the file `name` of the scratch folder and returns its path.
inline std::string InputFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFile(name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) std::abort();
    for (std::size_t done = 0; done < size;) {
        const ssize_t put = ::write(fd, data + done, size - done);
        if (put <= 0) std::abort();
        done += static_cast<std::size_t>(put);
    }
    ::close(fd);
    return path;
}

// A finding that is not a crash: a property the readers promise does not hold.
#define QF_FUZZ_CHECK(condition) \
    do {                         \
        if (!(condition)) std::abort(); \
    } while (0)

}  // namespace qf::fuzz
