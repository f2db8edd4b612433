// The finishing steps of an attempt: trim, convert, order the slots and number them.
#include <algorithm>

#include "base/TextHelpers.h"
#include "model/GridBuilder.h"

namespace qf {
namespace {

constexpr std::uint8_t kBlank = kCellBlank;

// Sorts slots [from, to) by `key`; equal keys keep their order, as the neighbour exchanges of
// the program's sorts leave them.
template <typename Slot, typename Key>
void SortSlots(Slot* slots, int from, int to, Key key) {
    for (int i = from; i < to; ++i) slots[i].position = static_cast<std::uint8_t>(i);
    std::sort(slots + from, slots + to, [&](const Slot& a, const Slot& b) {
        return key(a) != key(b) ? key(a) < key(b) : a.position < b.position;
    });
}

bool HoldsLetter(std::uint8_t cell) { return cell != kCellOutside && cell != kBlank; }

}  // namespace

int GridBuilder::FinishPlaced(PuzzleRecord& record, const ShapeRecord& shape, const ConstructionOptions& options,
                              const PlacedFlags& placed, bool firstAcross) {
    rec_ = &record;
    shape_ = &shape;
    options_ = options;
    wordCount_ = record.UsedWords();
    width_ = record.UsedWidth();
    height_ = record.UsedHeight();
    placed_ = placed;
    firstAcross_ = firstAcross;
    Finish();
    return record.wordCount;
}

void GridBuilder::Finish() {
    if (options_.shrink) ShrinkBottomRight();
    ConvertCells();
    const int placedCount = OrderSlots();
    if (options_.shrink) ShrinkTopLeft(placedCount);
    rec_->width = static_cast<std::int16_t>(width_);
    rec_->height = static_cast<std::int16_t>(height_);
}

void GridBuilder::ShrinkBottomRight() {
    const auto& g = rec_->grid;
    for (int row = height_; row >= 2; --row) {
        bool blank = true;
        for (int c = 1; c <= width_ && blank; ++c) blank = g[CellIndex(row, c) - 1] == kBlank;
        if (!blank) break;
        --height_;
    }
    for (int c = width_; c >= 2; --c) {
        bool blank = true;
        for (int row = 1; row <= kGridSide && blank; ++row) blank = g[CellIndex(row, c) - 1] == kBlank;
        if (!blank) break;
        --width_;
    }
}

void GridBuilder::ConvertCells() {
    auto& g = rec_->grid;
    for (int k = 0; k < kGridCells; ++k) {
        if (shape_->cells[k] == 0) {
            g[k] = kCellOutside;
        } else if (g[k] != kBlank) {
            g[k] = static_cast<std::uint8_t>(UpperLetter(static_cast<char>(g[k])));
        }
    }
}

// Placed words first, numbering by start cell, across before down, each group by number.
// Works on small slot descriptions and moves the words and clues once at the end.
int GridBuilder::OrderSlots() {
    PuzzleRecord& r = *rec_;
    const int n = wordCount_;
    int placedCount = 0;
    for (int i = 0; i < n; ++i) placedCount += placed_[i];
    int front = 0, back = placedCount;
    for (int i = 0; i < n; ++i) {
        const SlotInfo info{r.startCell[i], r.letterCount[i], r.number[i], r.isAcross[i], placed_[i],
                            static_cast<std::uint8_t>(i), 0};
        slots_[info.placed ? front++ : back++] = info;
    }
    SlotInfo* s = slots_.data();
    SortSlots(s, 0, placedCount, [](const SlotInfo& x) { return x.start; });
    int number = 0;
    for (int i = 0; i < placedCount; ++i) {
        if (i == 0 || s[i].start != s[i - 1].start) ++number;
        s[i].number = static_cast<std::int16_t>(number);
    }
    // Down words sink behind the across words by neighbour exchanges, which leave the across
    // words in order but shuffle the down words. The sort by number below puts the down words
    // in order again, except those of one number: only when two down words share a start cell
    // does the shuffle show, and only then is it done exchange by exchange.
    bool sharedDownStart = false;
    for (int i = 0, downsHere = 0; i < placedCount && !sharedDownStart; ++i) {
        if (i > 0 && s[i].start != s[i - 1].start) downsHere = 0;  // sorted by start: runs of one cell
        downsHere += s[i].across == 0 ? 1 : 0;
        sharedDownStart = downsHere > 1;
    }
    if (!sharedDownStart) {
        int out = 0;
        for (int i = 0; i < placedCount; ++i) {
            if (s[i].across == 1) scratch_[out++] = s[i];
        }
        for (int i = 0; i < placedCount; ++i) {
            if (s[i].across == 0) scratch_[out++] = s[i];
        }
        std::copy(scratch_.begin(), scratch_.begin() + placedCount, s);
    } else {
        for (int i = 0; i < placedCount; ++i) {
            for (int j = placedCount - 1; j > i; --j) {
                if (s[j - 1].across == 0) std::swap(s[j - 1], s[j]);
            }
        }
    }
    int acrossCount = 0;
    for (int i = 0; i < placedCount; ++i) acrossCount += s[i].across == 1 ? 1 : 0;
    SortSlots(s, 0, acrossCount, [](const SlotInfo& x) { return x.number; });
    SortSlots(s, acrossCount, placedCount, [](const SlotInfo& x) { return x.number; });

    for (int i = 0; i < n; ++i) {
        wordCopy_[i] = r.words[i];
        clueCopy_[i] = r.clues[i];
    }
    for (int i = 0; i < n; ++i) {
        const SlotInfo& info = s[i];
        r.words[i] = wordCopy_[info.origin];
        r.clues[i] = clueCopy_[info.origin];
        r.startCell[i] = info.start;
        r.letterCount[i] = info.count;
        r.number[i] = info.number;
        r.isAcross[i] = info.across;
        placed_[i] = info.placed;
    }
    r.wordCount = static_cast<std::int16_t>(placedCount);
    r.acrossCount = static_cast<std::int16_t>(acrossCount);
    r.downCount = static_cast<std::int16_t>(placedCount - acrossCount);
    return placedCount;
}

// Drops the empty rows above the grid when the first word went across, else the empty columns
// to its left. The cells left at the end of the array lie outside the new rectangle.
void GridBuilder::ShrinkTopLeft(int placedCount) {
    auto& g = rec_->grid;
    int gap = 0;
    if (firstAcross_) {
        int firstRow = 0;
        for (int row = 1; row <= kGridSide && firstRow == 0; ++row) {
            for (int c = 1; c <= kGridSide; ++c) {
                if (HoldsLetter(g[CellIndex(row, c) - 1])) {
                    firstRow = row;
                    break;
                }
            }
        }
        if (firstRow <= 1) return;
        gap = (firstRow - 1) * kGridSide;
        height_ -= firstRow - 1;
    } else {
        int firstColumn = 0;
        for (int c = 1; c <= kGridSide && firstColumn == 0; ++c) {
            for (int row = 1; row <= kGridSide; ++row) {
                if (HoldsLetter(g[CellIndex(row, c) - 1])) {
                    firstColumn = c;
                    break;
                }
            }
        }
        if (firstColumn <= 1) return;
        gap = firstColumn - 1;
        width_ -= firstColumn - 1;
    }
    for (int k = 0; k < kGridCells - gap; ++k) g[k] = g[k + gap];
    for (int i = 0; i < placedCount; ++i) rec_->startCell[i] = static_cast<std::int16_t>(rec_->startCell[i] - gap);
}

}  // namespace qf
