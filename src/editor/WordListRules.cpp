#include "editor/WordListRules.h"

#include <algorithm>

#include "base/TextHelpers.h"

namespace qf {

EditorGrid GridOfRecord(const PuzzleRecord& record) {
    EditorGrid grid;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kEditorRows); ++i) {
        grid.words[i] = record.words[i].Str();
        grid.clues[i] = record.clues[i].Str();
        grid.used[i] = record.inGrid[i] != 0;
    }
    return grid;
}

EditorTexts TextsOfRecord(const PuzzleRecord& record) {
    return {record.title.Str(), record.category.Str(), record.bonusQuestion.Str()};
}

CreateEntries EntriesOf(const EditorTexts& texts, const EditorGrid& grid, const std::string& attempts) {
    CreateEntries entries;
    entries.title = texts.title;
    entries.category = texts.category;
    entries.bonusQuestion = texts.bonusQuestion;
    entries.attempts = attempts;
    entries.words = grid.words;
    entries.clues = grid.clues;
    return entries;
}

void SetValues(const EditorTexts& texts, const EditorGrid& grid, PuzzleRecord& working) {
    FillCreateRecord(EntriesOf(texts, grid, {}), working);
}

bool PuzzleDiffers(const PuzzleRecord& a, const PuzzleRecord& b) {
    if (!(a.bonusQuestion.Str() == b.bonusQuestion.Str() && a.title.Str() == b.title.Str() &&
          a.category.Str() == b.category.Str()))
        return true;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kMaxWords); ++i) {
        if (a.words[i].length != b.words[i].length || a.words[i].Str() != b.words[i].Str()) return true;
        if (a.clues[i].length != b.clues[i].length || a.clues[i].Str() != b.clues[i].Str()) return true;
    }
    const PageLayoutRecord& x = a.layout;
    const PageLayoutRecord& y = b.layout;
    return !(x.name.Str() == y.name.Str() && x.paperName.Str() == y.paperName.Str() && x.pageWidth == y.pageWidth &&
             x.pageHeight == y.pageHeight && x.pixelWidth == y.pixelWidth && x.pixelHeight == y.pixelHeight &&
             x.inches == y.inches && x.objectCount == y.objectCount && x.portrait == y.portrait && x.zoom == y.zoom);
}

std::string CellEditText(int column, std::string_view text) {
    const std::size_t limit = column == kWordColumn ? kWordCapacity : column == kClueColumn ? kClueCapacity : text.size();
    return std::string(text.substr(0, std::min(limit, text.size())));
}

void DeleteGridRow(EditorGrid& grid, int row) {
    if (row < 1 || row > kEditorRows) return;
    for (int k = row - 1; k + 1 < kEditorRows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        grid.used[i] = grid.used[i + 1];
        grid.words[i] = grid.words[i + 1];
        grid.clues[i] = grid.clues[i + 1];
    }
    grid.used.back() = false;
    grid.words.back().clear();
    grid.clues.back().clear();
}

Outcome DeleteAllWords(EditorGrid& grid, Prompter& prompter) {
    if (grid.WordCount() == 0) return Outcome::Refused(ErrorMessage(kAllWordsCleared));
    if (prompter.Ask(WarningMessage(kRemoveAllQuestion), Question::YesNo) != Answer::Yes) return Outcome::Cancelled();
    for (auto& word : grid.words) word.clear();
    for (auto& clue : grid.clues) clue.clear();
    return Outcome::Done();
}

Outcome CheckTitleAndCategory(const EditorTexts& texts) {
    if (TrimBlanks(texts.title).empty())
        return Outcome::Refused(ErrorMessage("No title specified.  Please correct.").Focus(WordListControls::kTitle));
    if (TrimBlanks(texts.category).empty())
        return Outcome::Refused(ErrorMessage("No category specified.  Please correct.").Focus(WordListControls::kCategory));
    return Outcome::Done();
}

bool EntriesDiffer(const EditorTexts& texts, const EditorGrid& grid, const EditorTexts& opened,
                   const EditorGrid& openedGrid) {
    const auto differ = [](const std::string& a, const std::string& b) { return TrimBlanks(a) != TrimBlanks(b); };
    if (differ(texts.title, opened.title) || differ(texts.category, opened.category) ||
        differ(texts.bonusQuestion, opened.bonusQuestion))
        return true;
    for (std::size_t i = 0; i < grid.words.size(); ++i)
        if (differ(grid.words[i], openedGrid.words[i]) || differ(grid.clues[i], openedGrid.clues[i])) return true;
    return false;
}

}  // namespace qf
