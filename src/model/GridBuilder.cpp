#include "model/GridBuilder.h"

#include <cstring>
#include <memory>

#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::uint8_t kBlank = kCellBlank;

GridBuilder::Pair LoadPair(const std::uint64_t* masks) {
    GridBuilder::Pair pair;
    std::memcpy(&pair, masks, sizeof pair);
    return pair;
}


}  // namespace

int GridBuilder::ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                               RandomSource& random) {
    rec_ = &record;
    shape_ = &shape;
    random_ = &random;
    options_ = options;
    wordCount_ = record.UsedWords();
    width_ = record.UsedWidth();
    height_ = record.UsedHeight();

    SortByLength();
    BuildLetters();
    record.grid.fill(kBlank);
    ResetMasks();
    occupied_ = 0;
    placed_.fill(0);
    firstWord_ = true;
    firstAcross_ = false;

    int pass = 0;
    int previous = 0;
    for (;;) {
        ++pass;
        for (int i = 1; i <= wordCount_; ++i) {
            if (pass == 1 || placed_[i - 1] == 0) PlaceWord(i);
        }
        if (options_.quickCreate && pass == 2) break;
        int count = 0;
        for (int i = 1; i <= wordCount_; ++i) count += placed_[i - 1];
        if (count == previous) break;
        previous = count;
    }
    if (unfinished_) {
        unfinished_->cells = record.grid;
        unfinished_->passes = pass;
    }
    Finish();
    return record.wordCount;
}

// Longest first; words of equal length keep their order. Only Words and Clues move.
void GridBuilder::SortByLength() {
    PuzzleRecord& r = *rec_;
    std::array<std::uint8_t, kMaxWords> order{};
    for (int i = 0; i < wordCount_; ++i) {
        const auto length = r.words[i].UsedLength();
        int j = i;
        while (j > 0 && r.words[order[j - 1]].UsedLength() < length) {
            order[j] = order[j - 1];
            --j;
        }
        order[j] = static_cast<std::uint8_t>(i);
    }
    bool moved = false;
    for (int i = 0; i < wordCount_ && !moved; ++i) moved = order[i] != i;
    if (!moved) return;
    for (int i = 0; i < wordCount_; ++i) {
        wordCopy_[i] = r.words[i];
        clueCopy_[i] = r.clues[i];
    }
    for (int i = 0; i < wordCount_; ++i) {
        r.words[i] = wordCopy_[order[i]];
        r.clues[i] = clueCopy_[order[i]];
    }
}

void GridBuilder::BuildLetters() {
    idOf_.fill(0);
    letterKinds_ = 0;
    std::array<bool, 256> seen{};
    for (int i = 0; i < wordCount_; ++i) {
        const auto& word = rec_->words[i];
        int n = 0;
        for (std::size_t c = 0; c < word.UsedLength(); ++c) {
            if (word.chars[c] == ' ') continue;
            const auto letter = static_cast<std::uint8_t>(UpperLetter(word.chars[c]));
            if (!seen[letter]) {
                seen[letter] = true;
                idOf_[letter] = static_cast<std::uint8_t>(letterKinds_++);
            }
            letters_[i][n] = letter;
            letterIds_[i][n] = idOf_[letter];
            ++n;
        }
        lengths_[i] = static_cast<std::uint8_t>(n);
    }
}

void GridBuilder::ResetMasks() {
    occupiedRow_.fill(0);
    occupiedColumn_.fill(0);
    for (int id = 0; id < letterKinds_; ++id) {
        letterRow_[id].fill(0);
        letterColumn_[id].fill(0);
    }
    // Unusable cells never take a letter: blocked both ways from the start. A run's attempts
    // share one shape, so its masks are kept until the shape changes.
    if (!shapeKnown_ || shapeCells_ != shape_->cells) {
        shapeCells_ = shape_->cells;
        shapeKnown_ = true;
        shapeAcross_.fill(0);
        shapeDown_.fill(0);
        for (int row = 1; row <= kGridSide; ++row) {
            for (int c = 1; c <= kGridSide; ++c) {
                if (shapeCells_[CellIndex(row, c) - 1] != 0) continue;
                shapeAcross_[row] |= Mask{1} << c;
                shapeDown_[c] |= Mask{1} << row;
            }
        }
    }
    blockedAcross_ = shapeAcross_;
    blockedDown_ = shapeDown_;
}

void GridBuilder::PlaceWord(int slot) {
    placed_[slot - 1] = 1;
    minCrossings_ = 2;
    int tries = 0;
    int direction = random_->Below(2) + 1;
    across_.valid = down_.valid = false;  // the grid changes only when a word is placed
    for (;;) {
        const bool done = direction == 1 ? PlaceAcross(slot) : PlaceDown(slot);
        direction = direction == 1 ? 2 : 1;
        ++tries;
        if (done) break;
        if (tries == 2) {
            const int floor = firstWord_ ? 0 : 1;
            if (minCrossings_ > floor) {
                --minCrossings_;
                tries = 0;
            } else {
                placed_[slot - 1] = 0;
                break;
            }
        }
    }
    firstWord_ = false;
}

bool GridBuilder::PlaceAcross(int slot) {
    if (firstWord_) {
        const int r = random_->Below(height_);
        if (occupied_ == 0 && minCrossings_ > 0) return false;  // nothing to cross yet
        return ScanRows(r + 1, height_, slot) || ScanRows(1, r, slot);
    }
    if (minCrossings_ < 1) return ScanRows(1, height_, slot);
    if (occupied_ == 0) return false;
    if (!across_.valid) FindAcross(slot, across_);
    return TakeBest(across_, slot, true);
}

bool GridBuilder::PlaceDown(int slot) {
    if (firstWord_) {
        const int r = random_->Below(width_);
        if (occupied_ == 0 && minCrossings_ > 0) return false;
        return ScanColumns(r + 1, width_, slot) || ScanColumns(1, r, slot);
    }
    if (minCrossings_ < 1) return ScanColumns(1, width_, slot);
    if (occupied_ == 0) return false;
    if (!down_.valid) FindDown(slot, down_);
    return TakeBest(down_, slot, false);
}

bool GridBuilder::TakeBest(const Best& best, int slot, bool across) {
    const int s = minCrossings_ >= 2 ? best.twoCrossings : best.oneCrossing;
    if (s == 0) return false;
    Write(s, slot, across);
    return true;
}

bool GridBuilder::ScanRows(int from, int to, int slot) {
    const int length = lengths_[slot - 1];
    if (length == 0) return false;  // a word without letters has no place
    for (int row = from; row <= to; ++row) {
        for (int c = 1; c <= width_ - length + 1; ++c) {
            const int s = CellIndex(row, c);
            if (TestAcross(s, slot) >= minCrossings_) {
                Write(s, slot, true);
                return true;
            }
        }
    }
    return false;
}

bool GridBuilder::ScanColumns(int from, int to, int slot) {
    const int length = lengths_[slot - 1];
    if (length == 0) return false;
    for (int row = 1; row <= height_ - length + 1; ++row) {
        for (int c = from; c <= to; ++c) {
            const int s = CellIndex(row, c);
            if (TestDown(s, slot) >= minCrossings_) {
                Write(s, slot, false);
                return true;
            }
        }
    }
    return false;
}

int GridBuilder::TestAcross(int s, int slot) const {
    const auto& g = rec_->grid;
    const auto& w = letters_[slot - 1];
    const int length = lengths_[slot - 1];
    // The cells just before and after the word must be free (unless at the array's edge).
    if (CellColumn(s) != 1 && g[s - 2] != kBlank) return -1;
    const int last = s + length - 1;
    if (CellColumn(last) != kGridSide && g[last] != kBlank) return -1;
    int crossings = 0;
    for (int t = 0; t < length; ++t) {
        const int k = s + t;
        const std::uint8_t cell = g[k - 1];
        if (shape_->cells[k - 1] == 0) return -1;
        if (cell != kBlank) {
            if (cell != w[t]) return -1;
            ++crossings;
        } else {
            if (k - kGridSide >= 1 && g[k - kGridSide - 1] != kBlank) return -1;
            if (k + kGridSide <= kGridCells && g[k + kGridSide - 1] != kBlank) return -1;
        }
    }
    return crossings;
}

int GridBuilder::TestDown(int s, int slot) const {
    const auto& g = rec_->grid;
    const auto& w = letters_[slot - 1];
    const int length = lengths_[slot - 1];
    if (s > kGridSide && g[s - kGridSide - 1] != kBlank) return -1;
    const int last = s + (length - 1) * kGridSide;
    if (last < kGridCells - kGridSide + 1 && g[last + kGridSide - 1] != kBlank) return -1;
    const int column = CellColumn(s);
    int crossings = 0;
    for (int t = 0; t < length; ++t) {
        const int k = s + t * kGridSide;
        const std::uint8_t cell = g[k - 1];
        if (shape_->cells[k - 1] == 0) return -1;
        if (cell != kBlank) {
            if (cell != w[t]) return -1;
            ++crossings;
        } else {
            if (column != 1 && g[k - 2] != kBlank) return -1;
            if (column != kGridSide && g[k] != kBlank) return -1;
        }
    }
    return crossings;
}

// All start positions of two neighbouring lines at once (a vector of two masks). Bit c of a
// mask stands for the position starting at cell c of the line; a cell at offset t from the
// start is bit c + t, hence the shifts by t.
void GridBuilder::LineStarts(int slot, const LineMasks& occupiedLines, const LineMasks& blockedLines,
                             const LetterLines& letterLines, int line, Mask range, Pair& one, Pair& two) const {
    const int length = lengths_[slot - 1];
    const auto& ids = letterIds_[slot - 1];
    const Pair occupied = LoadPair(&occupiedLines[line]);
    // The cells just before and after the word must be free.
    Pair bad = (occupied << 1) | (occupied >> length);
    const Pair blockedBlank = LoadPair(&blockedLines[line]) & ~occupied;
    Pair once{0, 0}, twice{0, 0};  // locals: the outputs might alias the letter masks
    for (int t = 0; t < length; ++t) {
        const Pair mismatch = occupied & ~LoadPair(&letterLines[ids[t]][line]);
        bad |= (blockedBlank | mismatch) >> t;
        const Pair crossing = occupied >> t;
        twice |= once & crossing;
        once |= crossing;
    }
    const Pair pass = Pair{range, range} & ~bad;
    one = once & pass;
    two = twice & pass;
}

void GridBuilder::FindAcross(int slot, Best& best) const {
    best = Best{true, 0, 0};
    const int length = lengths_[slot - 1];
    const int lastColumn = width_ - length + 1;
    if (length == 0 || lastColumn < 1) return;
    const Mask range = ((Mask{1} << (lastColumn + 1)) - 1) & ~Mask{1};
    for (int row = 1; row <= height_; row += 2) {
        if ((occupiedRow_[row] | occupiedRow_[row + 1]) == 0) continue;  // nothing to cross here
        Pair one, two;
        LineStarts(slot, occupiedRow_, blockedAcross_, letterRow_, row, range, one, two);
        for (int i = 0; i < 2 && row + i <= height_; ++i) {
            if (one[i] != 0 && best.oneCrossing == 0) best.oneCrossing = CellIndex(row + i, __builtin_ctzll(one[i]));
            if (two[i] != 0) {
                best.twoCrossings = CellIndex(row + i, __builtin_ctzll(two[i]));
                return;
            }
        }
    }
}

// Down positions are scanned row by row through the columns, so the first one is the smallest
// start cell over all columns.
void GridBuilder::FindDown(int slot, Best& best) const {
    best = Best{true, 0, 0};
    const int length = lengths_[slot - 1];
    const int lastRow = height_ - length + 1;
    if (length == 0 || lastRow < 1) return;
    const Mask range = ((Mask{1} << (lastRow + 1)) - 1) & ~Mask{1};
    for (int c = 1; c <= width_; c += 2) {
        if ((occupiedColumn_[c] | occupiedColumn_[c + 1]) == 0) continue;
        Pair one, two;
        LineStarts(slot, occupiedColumn_, blockedDown_, letterColumn_, c, range, one, two);
        for (int i = 0; i < 2 && c + i <= width_; ++i) {
            if (one[i] != 0) {
                const int s = CellIndex(__builtin_ctzll(one[i]), c + i);
                if (best.oneCrossing == 0 || s < best.oneCrossing) best.oneCrossing = s;
            }
            if (two[i] != 0) {
                const int s = CellIndex(__builtin_ctzll(two[i]), c + i);
                if (best.twoCrossings == 0 || s < best.twoCrossings) best.twoCrossings = s;
            }
        }
    }
}

void GridBuilder::Write(int s, int slot, bool across) {
    auto& g = rec_->grid;
    const auto& w = letters_[slot - 1];
    const auto& ids = letterIds_[slot - 1];
    const int length = lengths_[slot - 1];
    const int step = across ? 1 : kGridSide;
    for (int t = 0; t < length; ++t) {
        const int k = s + t * step;
        if (g[k - 1] != kBlank) continue;
        g[k - 1] = w[t];
        ++occupied_;
        const int row = CellRow(k), c = CellColumn(k);
        const Mask rowBit = Mask{1} << row, columnBit = Mask{1} << c;
        occupiedRow_[row] |= columnBit;
        occupiedColumn_[c] |= rowBit;
        letterRow_[ids[t]][row] |= columnBit;
        letterColumn_[ids[t]][c] |= rowBit;
        // Its neighbours may no longer be blank cells of a word running alongside it.
        blockedAcross_[row - 1] |= columnBit;
        blockedAcross_[row + 1] |= columnBit;
        blockedDown_[c - 1] |= rowBit;
        blockedDown_[c + 1] |= rowBit;
    }
    rec_->startCell[slot - 1] = static_cast<std::int16_t>(s);
    rec_->letterCount[slot - 1] = static_cast<std::int16_t>(length);
    rec_->isAcross[slot - 1] = across ? 1 : 0;
    if (firstWord_) firstAcross_ = across;
}

int ConstructGrid(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                  RandomSource& random, PlacedFlags& placed) {
    auto builder = std::make_unique<GridBuilder>();
    const int score = builder->ConstructGrid(record, shape, options, random);
    placed = builder->Placed();
    return score;
}

}  // namespace qf
