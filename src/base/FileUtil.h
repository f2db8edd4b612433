#pragma once
// Small file operations the readers and writers share. None of them throws.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace qf {

bool FileExists(const std::string& path);

// The file a path finally names: symbolic links are followed (also one that points nowhere yet,
// so that a file is created where the link points). nullopt for a loop of links.
std::optional<std::string> ResolveLinks(std::string path);

// The bytes of a regular file. nullopt when it is missing, is not a regular file (a folder, a
// device, a pipe), cannot be read, or holds more than `limit` bytes.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t limit = std::numeric_limits<std::size_t>::max());

// The first `count` bytes of a regular file, or all of it when it is shorter (the exchange files
// tell a short file by its length). nullopt as for ReadWholeFile.
std::optional<std::vector<std::uint8_t>> ReadFileHead(const std::string& path, std::size_t count);

// Two paths naming the same file: equal without regard to letter case, or the same file on disk
// (through links, hard or symbolic).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace qf
