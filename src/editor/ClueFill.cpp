#include "editor/ClueFill.h"

#include <algorithm>

#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::size_t kRowsNamed = 20;

std::string RowList(const std::vector<int>& rows) {
    std::string text;
    const std::size_t named = std::min(rows.size(), kRowsNamed);
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) text += (i + 1 == named && rows.size() <= kRowsNamed) ? " and " : ", ";
        text += std::to_string(rows[i]);
    }
    if (rows.size() > kRowsNamed) text += " and " + std::to_string(rows.size() - kRowsNamed) + " more";
    return text;
}

}  // namespace

ClueFillResult FillEmptyClues(EditorGrid& grid, const ClueSources& sources) {
    ClueFillResult result;
    for (int r = 0; r < kEditorRows; ++r) {
        const auto i = static_cast<std::size_t>(r);
        const std::string word = TrimBlanks(grid.words[i]);
        if (word.empty() || !TrimBlanks(grid.clues[i]).empty()) continue;
        const auto suggestions = SuggestClues(word, sources, 1);
        if (suggestions.empty()) {
            result.leftEmpty.push_back(r + 1);
            continue;
        }
        grid.clues[i] = suggestions.front().clue;
        result.filled.push_back({r + 1, grid.clues[i]});
    }
    return result;
}

Message FillSummary(const ClueFillResult& result) {
    const std::size_t n = result.filled.size();
    std::string text = (n == 1 ? std::string("1 clue was filled.") : std::to_string(n) + " clues were filled.");
    if (!result.leftEmpty.empty())
        text += std::string("  No suggestion was found for ") + (result.leftEmpty.size() == 1 ? "row " : "rows ") +
                RowList(result.leftEmpty) + ": " + (result.leftEmpty.size() == 1 ? "its clue is" : "their clues are") +
                " still empty.";
    return InfoMessage(text, "Fill Empty Clues");
}

int UndoFill(EditorGrid& grid, const ClueFillResult& result) {
    int emptied = 0;
    for (const FilledClue& f : result.filled) {
        std::string& clue = grid.clues[static_cast<std::size_t>(f.row - 1)];
        if (clue != f.clue) continue;
        clue.clear();
        ++emptied;
    }
    return emptied;
}

}  // namespace qf
