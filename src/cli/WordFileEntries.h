#pragma once
// A word file read as the word list editor's import reads it: plain text (UTF-8 or
// Windows-1252, one entry a line: word, separator, clue) or a crossword made elsewhere.
#include <string>

#include "base/Outcome.h"
#include "cli/CliCommand.h"
#include "model/CreateCheck.h"

namespace qf::cli {

// The word file's lines taken as the import takes words and clues, in file order.
Outcome ReadEntries(CliContext& ctx, const std::string& wordsPath, char separator, CreateEntries& entries);

}  // namespace qf::cli
