#pragma once
// A fresh folder for one test, removed afterwards.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qf::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void WriteFile(const std::string& path, const std::string& contents);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string ReadFileText(const std::string& path);

// Runs quernfold-cli (QF_CLI) with `args` in folder `cwd`, with the environment variables of
// `env` set on top of the test's; returns its exit code and output.
struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};
CliResult RunCli(const std::vector<std::string>& args, const std::string& cwd,
                 const std::vector<std::pair<std::string, std::string>>& env = {});

// As RunCli, with every file the tool writes limited to `kib` KiB (the shell's ulimit -f, with
// the signal of an oversized write ignored): a write past the limit fails as on a full disk.
CliResult RunCliWithFileLimit(const std::vector<std::string>& args, const std::string& cwd, long kib,
                              const std::vector<std::pair<std::string, std::string>>& env = {});

// As RunCli, as the unprivileged user "nobody" (uid and gid 65534); only root can do this.
CliResult RunCliAsNobody(const std::vector<std::string>& args, const std::string& cwd,
                         const std::vector<std::pair<std::string, std::string>>& env = {});

}  // namespace qf::test
