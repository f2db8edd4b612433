#include "editor/WordTextExport.h"

#include <algorithm>

#include "base/SaveFile.h"
#include "base/TextHelpers.h"

namespace qf {

std::string WordAndClueLine(std::string_view word, std::string_view clue, std::string_view separatorText) {
    std::string separator = TrimBlanks(separatorText);
    if (separator.empty()) separator = ":";
    return PadRight(TrimBlanks(word), kExportWordWidth) + separator + " " + TrimBlanks(clue);
}

std::vector<ExportItem> ExportItems(const EditorGrid& grid, WordTextKind kind, std::string_view separatorText) {
    std::vector<ExportItem> items;
    for (std::size_t r = 0; r < grid.words.size(); ++r) {
        const std::string word = TrimBlanks(grid.words[r]);
        const std::string clue = TrimBlanks(grid.clues[r]);
        std::string text;
        switch (kind) {
            case WordTextKind::Words: text = word; break;
            case WordTextKind::Clues: text = clue; break;
            case WordTextKind::WordsAndClues:
                if (!word.empty() || !clue.empty()) text = WordAndClueLine(word, clue, separatorText);
                break;
        }
        if (!text.empty()) items.push_back({std::move(text), grid.used[r]});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const ExportItem& a, const ExportItem& b) { return ListOrderLess(a.text, b.text); });
    return items;
}

void SortAsListBox(std::vector<std::string>& items) {
    std::stable_sort(items.begin(), items.end(),
                     [](const std::string& a, const std::string& b) { return ListOrderLess(a, b); });
}

Outcome WriteExportFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!WriteWholeFile(path, std::span<const std::uint8_t>(bytes, text.size())))
        return Outcome::Refused(ErrorMessage(kUnableToCreateExportFile));
    return Outcome::Done();
}

FileDialogRequest ExportWordListRequest(const Settings& settings) {
    return {"Save Word/Clue List", "text (*.txt)|*.txt", "txt", settings.lastExportWordFile, true, true};
}

}  // namespace qf
