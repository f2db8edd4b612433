#include "app/CrosswordEntries.h"

#include "exchange/CrosswordImport.h"
#include "exchange/PuzzleExport.h"

namespace qf {

std::optional<Outcome> ReadCrosswordEntries(const std::string& path,
                                            std::vector<std::pair<std::string, std::string>>& entries) {
    const std::optional<ExchangeFormat> format = FormatOfFile(path);
    if (!format || *format == ExchangeFormat::Html) return std::nullopt;
    std::vector<ImportedEntry> imported;
    const Outcome read = ReadCrosswordFile(path, *format, imported);
    if (!read.IsDone()) return read;
    for (const ImportedEntry& entry : imported) entries.emplace_back(entry.word, entry.clue);
    return read;
}

}  // namespace qf
