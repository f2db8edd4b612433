#include "cli/WordFileEntries.h"

#include "editor/WordTextImport.h"
#include "exchange/CrosswordImport.h"

namespace qf::cli {

Outcome ReadEntries(CliContext& ctx, const std::string& wordsPath, char separator, CreateEntries& entries) {
    std::vector<std::string> lines;
    const auto crossword = FormatOfFile(wordsPath);
    if (crossword && *crossword != ExchangeFormat::Html) {
        // A crossword's answers and clues, joined by a character that neither can hold.
        std::vector<ImportedEntry> imported;
        if (Outcome read = ReadCrosswordFile(wordsPath, *crossword, imported); !read.IsDone()) return read;
        separator = '\x1F';
        for (const ImportedEntry& e : imported) lines.push_back(e.word + separator + e.clue);
    } else {
        const Outcome read = ReadImportFile(wordsPath, lines);
        if (!read.IsDone()) return read;
        if (!read.message.Empty()) ctx.GetPrompter().Inform(read.message);  // characters replaced by "?"
    }
    EditorGrid grid;
    const Outcome imported =
        ImportIntoGrid(grid, lines, WordTextKind::WordsAndClues, std::string(1, separator), ctx.GetPrompter());
    if (!imported.IsDone()) return imported;
    entries.words = grid.words;
    entries.clues = grid.clues;
    return Outcome::Done();
}

}  // namespace qf::cli
