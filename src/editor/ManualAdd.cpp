#include "editor/ManualAdd.h"

#include <algorithm>
#include <numeric>

#include "base/TextHelpers.h"
#include "model/PlacedWords.h"

namespace qf {
namespace {

bool IsLetter(std::uint8_t cell) { return cell != kCellOutside && cell != kCellBlank; }

int RowOf(int cell) { return (cell - 1) / kGridSide + 1; }
int ColumnOf(int cell) { return (cell - 1) % kGridSide + 1; }

void Protect(ManualAddGrid& grid, int cell) {
    if (cell >= 1 && cell <= kGridCells) grid.isProtected[static_cast<std::size_t>(cell - 1)] = true;
}

// One word slot's fields, moved together when the slots are sorted.
struct Slot {
    ShortString<kWordCapacity> word;
    ShortString<kClueCapacity> clue;
    std::int16_t start, letters, number;
    std::uint8_t across, inGrid;
    int origin;
};

}  // namespace

ManualAddGrid ManualAddGrid::Of(const PuzzleRecord& record) {
    ManualAddGrid grid;
    grid.start = record.grid;
    grid.width = record.UsedWidth();
    grid.height = record.UsedHeight();
    for (int i = 1; i <= PlacedWordCount(record); ++i) {
        const auto slot = static_cast<std::size_t>(i - 1);
        const int s = record.startCell[slot];
        const int length = record.letterCount[slot];
        if (s < 1 || s > kGridCells || length < 0 || length > kGridSide) continue;  // no place in the grid
        if (record.isAcross[slot] == 1) {
            if (ColumnOf(s) > 1) Protect(grid, s - 1);
            if (ColumnOf(s) + length <= grid.width) Protect(grid, s + length);
        } else {
            if (RowOf(s) > 1) Protect(grid, s - kGridSide);
            if (RowOf(s) + length <= grid.height) Protect(grid, s + kGridSide * length);
        }
    }
    return grid;
}

bool ManualAddGrid::Protected(int cell) const {
    return cell >= 1 && cell <= kGridCells && isProtected[static_cast<std::size_t>(cell - 1)];
}

bool ManualAddGrid::Editable(int cell) const {
    if (cell < 1 || cell > kGridCells || ColumnOf(cell) > width || RowOf(cell) > height) return false;
    return start[static_cast<std::size_t>(cell - 1)] == kCellBlank && !Protected(cell);
}

int ManualCellSize(int pictureWidth, int pictureHeight, int width, int height) {
    if (width < 1 || height < 1) return 0;
    return std::max(0, std::min(pictureWidth / width - 1, pictureHeight / height - 1));
}

int CellAtPoint(int x, int y, int cellSize, int width, int height) {
    if (cellSize < 1 || x < 1 || y < 1) return 0;
    const int column = (x - 1) / cellSize + 1;
    const int row = (y - 1) / cellSize + 1;
    if (column > width || row > height) return 0;
    return (row - 1) * kGridSide + column;
}

char AcceptedLetter(std::string_view typed) {
    const std::string text = TrimBlanks(typed);
    if (text.size() != 1) return 0;
    const char c = UpperLetter(text[0]);
    return c >= 'A' && c <= 'Z' ? c : 0;
}

std::vector<NewWord> FindNewWords(const PuzzleRecord& edited) {
    const int width = edited.UsedWidth();
    const int height = edited.UsedHeight();
    auto at = [&](int row, int column) -> std::uint8_t {
        if (row < 1 || column < 1 || row > height || column > width) return kCellOutside;
        return edited.Cell((row - 1) * kGridSide + column);
    };
    auto known = [&](int cell, bool across) {
        const int first = across ? 1 : std::min(edited.UsedAcross(), PlacedWordCount(edited)) + 1;
        const int last = across ? std::min(edited.UsedAcross(), PlacedWordCount(edited)) : PlacedWordCount(edited);
        for (int i = first; i <= last; ++i)
            if (edited.startCell[static_cast<std::size_t>(i - 1)] == cell) return true;
        return false;
    };
    std::vector<NewWord> found;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            if (!IsLetter(at(r, c))) continue;
            const int cell = (r - 1) * kGridSide + c;
            const bool startsAcross = (c == 1 || !IsLetter(at(r, c - 1))) && c != width && IsLetter(at(r, c + 1));
            const bool startsDown = (r == 1 || !IsLetter(at(r - 1, c))) && r != height && IsLetter(at(r + 1, c));
            for (const bool across : {true, false}) {
                if (!(across ? startsAcross : startsDown) || known(cell, across)) continue;
                NewWord word{cell, across, {}};
                for (int rr = r, cc = c; IsLetter(at(rr, cc)); across ? ++cc : ++rr)
                    word.letters += static_cast<char>(at(rr, cc));
                found.push_back(std::move(word));
            }
        }
    }
    return found;
}

WordCase AddedWordCase(std::int32_t caseSetting) {
    return caseSetting == 1 ? WordCase::Upper : caseSetting == 2 ? WordCase::Lower : WordCase::FirstCapital;
}

ManualAddition AddTypedWords(PuzzleRecord& edited, std::int32_t caseSetting, const AskClue& askClue) {
    ManualAddition addition;
    const std::vector<NewWord> found = FindNewWords(edited);
    if (found.empty()) {
        addition.notice = InfoMessage(kNoChangesDetected, kCaptionNotice);
        return addition;
    }
    addition.changed = true;
    addition.origins = IdentityOrigins();
    for (const NewWord& word : found) {
        // No slot beyond the 200th: the rest of the new words are left out, and said so once.
        if (!RoomForWord(edited)) {
            addition.notice = WarningMessage(kTooManyWordsToAdd);
            break;
        }
        const std::string clue = askClue(word.letters);
        AddNewWord(edited, word, clue, AddedWordCase(caseSetting), &addition.origins);
    }
    RenumberWords(edited, &addition.origins);
    return addition;
}

std::string CasedWord(std::string_view letters, WordCase wordCase) {
    if (wordCase == WordCase::Upper) return std::string(letters);
    std::string word = LowerAscii(letters);
    if (wordCase == WordCase::FirstCapital && !word.empty()) word[0] = UpperLetter(word[0]);
    return word;
}

SlotOrigins IdentityOrigins() {
    SlotOrigins origins(kMaxWords);
    std::iota(origins.begin(), origins.end(), 1);
    return origins;
}

bool RoomForWord(const PuzzleRecord& record) {
    return record.UsedWords() < kMaxWords && record.words[kMaxWords - 1].Empty();
}

bool AddNewWord(PuzzleRecord& record, const NewWord& word, std::string_view clue, WordCase wordCase,
                SlotOrigins* origins) {
    if (!RoomForWord(record)) return false;
    // The new word follows the placed ones; the left-out words and the empty slots after them move
    // up one, so nothing stored is overwritten (slot 200 is empty, checked above).
    const int n = PlacedWordCount(record) + 1;
    for (int i = kMaxWords; i > n; --i) {
        const auto to = static_cast<std::size_t>(i - 1);
        const auto from = to - 1;
        record.words[to] = record.words[from];
        record.clues[to] = record.clues[from];
        record.startCell[to] = record.startCell[from];
        record.letterCount[to] = record.letterCount[from];
        record.number[to] = record.number[from];
        record.isAcross[to] = record.isAcross[from];
        record.inGrid[to] = record.inGrid[from];
        if (origins) (*origins)[to] = (*origins)[from];
    }
    const auto slot = static_cast<std::size_t>(n - 1);
    record.wordCount = static_cast<std::int16_t>(record.UsedWords() + 1);
    record.words[slot] = CasedWord(word.letters, wordCase).substr(0, kWordCapacity);
    record.letterCount[slot] = static_cast<std::int16_t>(word.letters.size());
    record.clues[slot] = TrimBlanks(clue).substr(0, kClueCapacity);
    record.startCell[slot] = static_cast<std::int16_t>(word.startCell);
    record.number[slot] = 0;
    record.isAcross[slot] = word.across ? 1 : 0;
    record.inGrid[slot] = 1;
    if (origins) (*origins)[slot] = 0;
    return true;
}

void RenumberWords(PuzzleRecord& record, SlotOrigins* origins) {
    // Only the placed words: the start cells of left-out words mean nothing.
    const int count = PlacedWordCount(record);
    std::vector<Slot> slots;
    for (int i = 0; i < count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        slots.push_back({record.words[s], record.clues[s], record.startCell[s], record.letterCount[s],
                         record.number[s], record.isAcross[s], record.inGrid[s], origins ? (*origins)[s] : 0});
    }
    std::stable_sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.start < b.start; });
    std::int16_t number = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (i == 0 || slots[i].start != slots[i - 1].start) ++number;
        slots[i].number = number;
    }
    std::stable_partition(slots.begin(), slots.end(), [](const Slot& s) { return s.across == 1; });
    const auto across = static_cast<std::size_t>(
        std::count_if(slots.begin(), slots.end(), [](const Slot& s) { return s.across == 1; }));
    auto byNumber = [](const Slot& a, const Slot& b) { return a.number < b.number; };
    std::stable_sort(slots.begin(), slots.begin() + static_cast<std::ptrdiff_t>(across), byNumber);
    std::stable_sort(slots.begin() + static_cast<std::ptrdiff_t>(across), slots.end(), byNumber);
    for (std::size_t s = 0; s < slots.size(); ++s) {
        record.words[s] = slots[s].word;
        record.clues[s] = slots[s].clue;
        record.startCell[s] = slots[s].start;
        record.letterCount[s] = slots[s].letters;
        record.number[s] = slots[s].number;
        record.isAcross[s] = slots[s].across;
        record.inGrid[s] = slots[s].inGrid;
        if (origins) (*origins)[s] = slots[s].origin;
    }
    record.acrossCount = static_cast<std::int16_t>(across);
    record.downCount = static_cast<std::int16_t>(slots.size() - across);
}

EditorGrid RowsAfterAddition(const EditorGrid& typed, const PuzzleRecord& added, const SlotOrigins& origins) {
    EditorGrid rows;
    for (std::size_t r = 0; r < rows.words.size() && r < origins.size(); ++r) {
        const int from = origins[r];
        if (from >= 1 && static_cast<std::size_t>(from) <= typed.words.size()) {
            const auto f = static_cast<std::size_t>(from - 1);
            rows.words[r] = typed.words[f];
            rows.clues[r] = typed.clues[f];
            rows.used[r] = typed.used[f];
        } else if (r < added.words.size()) {
            rows.words[r] = added.words[r].Str();
            rows.clues[r] = added.clues[r].Str();
            rows.used[r] = true;
        }
    }
    return rows;
}

}  // namespace qf
