#pragma once
// Small file operations the record files share.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qf {

bool FileExists(const std::string& path);
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the same folder and renames it over `path`, so a crash
// halfway leaves the old file whole. Returns false (and leaves `path` as it was) on failure.
bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace qf
