#pragma once
// Failed writes in the tests: a snapshot of files and their folders, and a run of an operation
// with each of its write steps failing in turn (base/WriteFaults.h).
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qf::test {

// The bytes of some files (nullopt for a missing one) and the names in their folders, so that
// a stray temporary file counts as a change too.
struct FilesState {
    std::map<std::string, std::optional<std::vector<std::uint8_t>>> files;
    std::map<std::string, std::vector<std::string>> folders;
    bool operator==(const FilesState&) const = default;
};
FilesState Snapshot(const std::vector<std::string>& paths);
// What differs, for a failure message.
std::string Describe(const FilesState& before, const FilesState& after);

// Runs `operation` (true when it reports success; an IoError counts as a reported failure) with
// the step after 0, 1, 2, ... successful ones failing, until a run meets no failure. Each failed
// run must report failure and leave `watched` as they were; the last run must report success.
// Returns the number of failing runs (the write steps of the operation).
int EveryWriteFails(const std::vector<std::string>& watched, const std::function<bool()>& operation);

}  // namespace qf::test
