#include "model/ShapeSuggestion.h"

#include <algorithm>
#include <memory>
#include <string>

#include "base/TextHelpers.h"
#include "model/CreateCheck.h"

namespace qf {

int UsableCells(const ShapeRecord& shape) {
    const int width = std::clamp<int>(shape.width, 0, kGridSide), height = std::clamp<int>(shape.height, 0, kGridSide);
    int cells = 0;
    for (int row = 1; row <= height; ++row) {
        for (int c = 1; c <= width; ++c) cells += shape.Usable(row, c) ? 1 : 0;
    }
    return cells;
}

ShapeSuggestion SuggestShape(const PuzzleRecord& working, const ShapeRecord& current,
                             const std::vector<ShapeRecord>& library, const RunOptions& runOptions,
                             const ThoroughOptions& options) {
    ShapeSuggestion suggestion;
    const int total = working.UsedWords();
    int letters = 0, longest = 0;
    for (int i = 1; i <= total; ++i) {
        int length = 0;
        for (char c : working.Word(i).Str()) length += c != ' ' ? 1 : 0;
        letters += length;
        longest = std::max(longest, length);
    }
    // A word that shares no letter with any other can cross none of them in any shape.
    std::vector<std::string> wordLetters;
    for (int i = 1; i <= total; ++i) {
        std::string letters = UpperLetters(working.Word(i).Str());
        std::erase(letters, ' ');
        wordLetters.push_back(letters);
    }
    for (std::size_t i = 0; i < wordLetters.size() && total > 1; ++i) {
        bool shares = false;
        for (std::size_t j = 0; j < wordLetters.size() && !shares; ++j) {
            shares = j != i && wordLetters[i].find_first_of(wordLetters[j]) != std::string::npos;
        }
        if (!shares) return suggestion;
    }
    const int currentCells = UsableCells(current);
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(library.size()); ++i) {
        const ShapeRecord& s = library[static_cast<std::size_t>(i)];
        if (s.width < 1 || s.width > kGridSide || s.height < 1 || s.height > kGridSide) continue;
        const int cells = UsableCells(s);
        if (cells <= currentCells || 2 * cells < letters || LongestRun(s, s.width, s.height) < longest) continue;
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return UsableCells(library[static_cast<std::size_t>(a)]) < UsableCells(library[static_cast<std::size_t>(b)]);
    });
    auto record = std::make_unique<PuzzleRecord>();
    for (const int i : order) {
        const ShapeRecord& shape = library[static_cast<std::size_t>(i)];
        *record = working;
        record->width = shape.width;
        record->height = shape.height;
        RunResults results;
        ThoroughReport report;
        ThoroughFill(*record, shape, runOptions, options, results, report);
        ++suggestion.tried;
        if (results.scores[0] == total) {
            suggestion.index = i;
            suggestion.placed = total;
            break;
        }
    }
    return suggestion;
}

}  // namespace qf
