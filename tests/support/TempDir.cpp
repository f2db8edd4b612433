#include "support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <sys/wait.h>

namespace qf::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "qftest-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

namespace {
std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}
}  // namespace

namespace {

// Runs `prefix` (words placed before the tool, already quoted) and the tool with `args`.
CliResult RunCliWith(const std::string& prefix, const std::vector<std::string>& args, const std::string& cwd,
                     const std::vector<std::pair<std::string, std::string>>& env) {
    const char* cli = std::getenv("QF_CLI");
    if (!cli) throw std::runtime_error("QF_CLI is not set");
    TempDir scratch;
    std::string cmd = "cd " + Quote(cwd) + " && env";
    for (const auto& [name, value] : env) cmd += " " + Quote(name + "=" + value);
    cmd += " " + prefix + Quote(cli);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " >" + Quote(scratch.File("out")) + " 2>" + Quote(scratch.File("err")) + " </dev/null";
    const int status = std::system(cmd.c_str());
    CliResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = ReadFileText(scratch.File("out"));
    r.err = ReadFileText(scratch.File("err"));
    return r;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& cwd,
                 const std::vector<std::pair<std::string, std::string>>& env) {
    return RunCliWith("", args, cwd, env);
}

CliResult RunCliWithFileLimit(const std::vector<std::string>& args, const std::string& cwd, long kib,
                              const std::vector<std::pair<std::string, std::string>>& env) {
    const std::string shell = "trap '' XFSZ; ulimit -f " + std::to_string(kib) + "; exec \"$@\"";
    return RunCliWith("bash -c " + Quote(shell) + " limited ", args, cwd, env);
}

CliResult RunCliAsNobody(const std::vector<std::string>& args, const std::string& cwd,
                         const std::vector<std::pair<std::string, std::string>>& env) {
    return RunCliWith("setpriv --reuid=65534 --regid=65534 --clear-groups ", args, cwd, env);
}

}  // namespace qf::test
