#pragma once
// Words and clues taken from a crossword made elsewhere (ipuz, .puz, .xd), so that it can be
// built again in a shape of ours. Every file is read as hostile: a damaged or foreign file is
// refused with a message that says so, and nothing is taken from it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "exchange/PuzzleExport.h"

namespace qf {

struct ImportedEntry {
    std::string word;  // Windows-1252; an answer of several words keeps its blanks where the file has them
    std::string clue;
};

// "Unable to read the crossword file: " followed by the reason and a full stop.
std::string CrosswordUnreadable(const std::string& reason);

// The across entries and then the down entries, each in number order. Refused (caption
// "Error") when the file cannot be read, is larger than 4 MiB, or is not a sound crossword.
Outcome ReadCrosswordFile(const std::string& path, ExchangeFormat format, std::vector<ImportedEntry>& out);

// The same from the file's contents.
Outcome ParseIpuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);
Outcome ParsePuz(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);
Outcome ParseXd(std::span<const std::uint8_t> bytes, std::vector<ImportedEntry>& out);

}  // namespace qf
