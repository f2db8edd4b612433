#pragma once
// A collection file (.QF3): puzzles stored one after the other as 69623-byte slots, no header.
// Slot k (from 0) starts at byte k * 69623; a trailing partial slot is not a puzzle.
// Open failures come back as refused Outcomes with the operation's message; an input/output
// error after a successful open throws IoError (base/RecordFile.h).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Outcome.h"
#include "model/PuzzleRecord.h"

namespace qf {

inline constexpr std::size_t kSlotSize = PuzzleRecord::kStoredSize;

inline constexpr const char* kUnableToLoadPuzzle = "Unable to load puzzle.";              // printing
inline constexpr const char* kUnableToAccessWordList = "Unable to access Word List file.";  // modify, copy
inline constexpr const char* kUnableToSavePuzzle = "Unable to save puzzle.";

// Number of whole slots; nullopt when the file cannot be opened for reading.
std::optional<std::int64_t> CountSlots(const std::string& path);

// Reads slot `slot` into `record`. Open failure: {openFailureText, "Error"}. A slot outside the
// file (or the partial trailing one) throws IoError.
Outcome ReadPuzzle(const std::string& path, std::int64_t slot, PuzzleRecord& record,
                   std::string_view openFailureText = kUnableToLoadPuzzle);

// Writes `record` at `slot` (slot == number of slots appends), creating the file when missing.
// Open failure: "Unable to save puzzle." (caption "Error"). A slot past the end throws IoError.
Outcome WritePuzzle(const std::string& path, std::int64_t slot, const PuzzleRecord& record);

// Appends `record` after the last whole slot, creating the file when missing; the outcome's
// index is the new slot. Open failure: "Unable to save puzzle." (caption "Error").
Outcome AppendPuzzle(const std::string& path, const PuzzleRecord& record);

// Stores several puzzles in one change, all of them or none: the first at slot `replace` when
// given (an existing slot), the rest, or all when not given, after the last whole slot. The
// outcome's index is the first one's slot. Open failure as AppendPuzzle's.
Outcome StorePuzzles(const std::string& path, std::optional<std::int64_t> replace,
                     const std::vector<const PuzzleRecord*>& records);

}  // namespace qf
