#pragma once
// The answers and clues of a crossword made elsewhere, for the word list editor's import.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Outcome.h"

namespace qf {

// Reads an ipuz, .puz or .xd file (chosen by its ending) into pairs of word and clue. Nothing
// when the file has no crossword ending (it is then a text list); a refusal, with the entries
// untouched, when the file is damaged.
std::optional<Outcome> ReadCrosswordEntries(const std::string& path,
                                            std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace qf
