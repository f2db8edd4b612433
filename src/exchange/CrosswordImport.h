#pragma once
// Words and clues taken from a crossword made elsewhere (ipuz, .puz, .xd), so that it can be
// built again in a shape of ours; each format's reader is in its own file (Ipuz, Puz, Xd).
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "exchange/ImportedEntry.h"
#include "exchange/PuzzleExport.h"

namespace qf {

// The across entries and then the down entries, each in number order. Refused (caption
// "Error") when the file cannot be read, is larger than 4 MiB, or is not a sound crossword.
Outcome ReadCrosswordFile(const std::string& path, ExchangeFormat format, std::vector<ImportedEntry>& out);

}  // namespace qf
