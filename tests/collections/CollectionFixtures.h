#pragma once
// Collections made in code for the tests: puzzles with a category and title, files of slots,
// and a prompter that answers from a script and records what it was told.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "base/Prompter.h"
#include "support/Scripted.h"
#include "collections/CollectionFile.h"
#include "support/Bytes.h"
#include "support/TempDir.h"

namespace qf::test {

// A record whose every byte is random (so copies are checked byte for byte) with the given
// category and title.
inline std::unique_ptr<PuzzleRecord> MakePuzzle(const std::string& category, const std::string& title,
                                                std::uint32_t seed = 1) {
    auto p = std::make_unique<PuzzleRecord>();
    DecodeRecord(std::span<const std::uint8_t>(RandomBytes(kSlotSize, seed)), *p);
    p->category = category;
    p->title = title;
    return p;
}

inline std::vector<std::uint8_t> SlotBytes(const PuzzleRecord& p) { return EncodeRecord(p); }

// Writes a collection whose slot k holds (categories[k], titles[k]); returns its bytes.
inline std::vector<std::uint8_t> WriteCollection(const std::string& path,
                                                 const std::vector<std::pair<std::string, std::string>>& entries) {
    std::vector<std::uint8_t> bytes;
    std::uint32_t seed = 100;
    for (const auto& [category, title] : entries) {
        const auto one = SlotBytes(*MakePuzzle(category, title, seed++));
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    WriteBytes(path, bytes);
    return bytes;
}

inline std::vector<std::uint8_t> FileBytes(const std::string& path) {
    auto bytes = ReadWholeFile(path);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

inline std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t slot) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(slot * kSlotSize),
            bytes.begin() + static_cast<std::ptrdiff_t>((slot + 1) * kSlotSize)};
}

}  // namespace qf::test
