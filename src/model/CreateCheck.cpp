#include "model/CreateCheck.h"

#include <algorithm>

#include "base/TextHelpers.h"

namespace qf {
namespace {

// A shape without one usable cell: the shape's fault, not the words' nor the layout's.
constexpr const char* kShapeHasNoCells =
    "The selected puzzle shape has no usable cells.  Please choose or draw another shape.";


constexpr std::size_t kClueReadLimit = 255;  // what the clue cell hands over

const char* const kNoTitle = "No title specified.  Please correct.";
const char* const kNoWords = "No words have been entered.  Please correct.";
const char* const kLargeShape =
    "You have selected a puzzle shape with large dimensions.  Be advised that you may need to select a "
    "\"Page Layout\" that has a very large area for the puzzle in order for the puzzle to appear in a normal size.";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

int ShapeSide(int value) { return std::clamp(value, 0, kGridSide); }

}  // namespace

int LongestRun(const ShapeRecord& shape, int width, int height) {
    width = ShapeSide(width);
    height = ShapeSide(height);
    int longest = 0;
    for (int row = 1; row <= height; ++row) {
        int run = 0;
        for (int c = 1; c <= width; ++c) {
            run = shape.Usable(row, c) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    for (int c = 1; c <= width; ++c) {
        int run = 0;
        for (int row = 1; row <= height; ++row) {
            run = shape.Usable(row, c) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

void FillCreateRecord(const CreateEntries& entries, PuzzleRecord& working) {
    working.bonusQuestion.Set(TrimBlanks(entries.bonusQuestion));
    working.title.Set(TrimBlanks(entries.title));
    working.category.Set(TrimBlanks(entries.category));
    int count = 0;
    for (int row = 0; row < kEditorRows; ++row) {
        const std::string word = TrimBlanks(entries.words[row]);
        if (word.empty()) continue;
        working.words[count].Set(word);
        working.clues[count].Set(TrimBlanks(entries.clues[row]));
        ++count;
    }
    for (int slot = count; slot < kMaxWords; ++slot) {
        working.words[slot].Set("");
        working.clues[slot].Set("");
    }
    working.wordCount = static_cast<std::int16_t>(count);
}

int ValidAttempts(std::string_view typed) {
    const std::int64_t attempts = ReadLeadingDigits(typed);
    return attempts < 1 || attempts > kMaxAttemptsOption ? 0 : static_cast<int>(attempts);
}

CreateCheckResult CheckCreate(const CreateEntries& entries, const ShapeRecord& shape, PuzzleRecord& working) {
    CreateCheckResult result;
    if (TrimBlanks(entries.title).empty()) {
        result.error = ErrorMessage(kNoTitle).Focus(WordListControls::kTitle);
        return result;
    }
    if (TrimBlanks(entries.category).empty()) {
        result.error = ErrorMessage(kNoCategory).Focus(WordListControls::kCategory);
        return result;
    }
    const bool anyWord = std::any_of(entries.words.begin(), entries.words.end(),
                                     [](const std::string& w) { return !TrimBlanks(w).empty(); });
    if (!anyWord) {
        result.error = ErrorMessage(kNoWords);
        return result;
    }
    result.attempts = ValidAttempts(entries.attempts);
    if (result.attempts == 0) {
        result.error = ErrorMessage(kBadAttempts).Focus(WordListControls::kAttempts);
        return result;
    }

    working.width = static_cast<std::int16_t>(ShapeSide(shape.width));
    working.height = static_cast<std::int16_t>(ShapeSide(shape.height));
    const int maxDimension = std::max<int>(working.width, working.height);
    if (maxDimension > kLargeShapeSide) result.warning = WarningMessage(kLargeShape);
    result.longestRun = LongestRun(shape, working.width, working.height);

    FillCreateRecord(entries, working);

    if (result.longestRun == 0) {
        result.error = ErrorMessage(kShapeHasNoCells);
        return result;
    }

    // The editor row of each stored word, for the focus.
    std::array<int, kMaxWords> rowOf{};
    for (int row = 0, slot = 0; row < kEditorRows; ++row) {
        if (!TrimBlanks(entries.words[row]).empty()) rowOf[slot++] = row + 1;
    }
    for (int slot = 0; slot < working.wordCount; ++slot) {
        const std::string word = working.words[slot].Str();
        const int length = static_cast<int>(word.size());
        if (length > maxDimension) {
            result.error = ErrorMessage("Word is greater than puzzle dimension size of " +
                                        std::to_string(maxDimension) + " characters in " + Quoted(word) + ".")
                               .Focus(WordListControls::kGrid, rowOf[slot], kWordColumn);
        } else if (length > result.longestRun) {
            result.error = ErrorMessage("The maximum word length as provided by the selected layout is " +
                                        std::to_string(result.longestRun) +
                                        ".  The following word is greater than the maximum word length: " +
                                        Quoted(word) + ".  You will need to correct the word or change the layout.")
                               .Focus(WordListControls::kGrid, rowOf[slot], kWordColumn)
                               .WithBeep(Beep::Exclamation);
        }
        if (!result.error.Empty()) return result;
    }

    for (int row = 0; row < kEditorRows; ++row) {
        const std::string word = TrimBlanks(entries.words[row]);
        if (word.empty()) continue;
        const std::string clue = TrimBlanks(std::string_view(entries.clues[row]).substr(
            0, std::min(entries.clues[row].size(), kClueReadLimit)));
        if (clue.size() > static_cast<std::size_t>(kClueCapacity)) {
            result.error = ErrorMessage("The length of the clue for the word " + Quoted(word) + " is " +
                                        std::to_string(clue.size() - kClueCapacity) +
                                        " characters longer than the maximum clue size of " +
                                        std::to_string(kClueCapacity) + ".")
                               .Focus(WordListControls::kGrid, row + 1, kClueColumn);
            return result;
        }
    }
    return result;
}

}  // namespace qf
