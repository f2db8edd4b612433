#include "model/FillGrid.h"

#include "base/TextHelpers.h"

namespace qf {
namespace {

constexpr std::uint8_t kBlank = kCellBlank;


}  // namespace

void ChangeMask::Clear() {
    rows_.fill(0);
    columns_.fill(0);
}

void ChangeMask::Mark(int k) {
    const int r = CellRow(k), c = CellColumn(k);
    const std::uint64_t across = 7ULL << (c - 1) >> 1, down = 7ULL << (r - 1) >> 1;  // c - 1..c + 1, r - 1..r + 1
    rows_[static_cast<std::size_t>(r)] |= across;
    rows_[static_cast<std::size_t>(r - 1)] |= 1ULL << (c - 1);
    rows_[static_cast<std::size_t>(r + 1)] |= 1ULL << (c - 1);
    columns_[static_cast<std::size_t>(c)] |= down;
    columns_[static_cast<std::size_t>(c - 1)] |= 1ULL << (r - 1);
    columns_[static_cast<std::size_t>(c + 1)] |= 1ULL << (r - 1);
}

void ChangeMask::Mark(const WordPlacement& p, int length) {
    for (int t = 0; t < length; ++t) Mark(p.start + t * (p.across ? 1 : kGridSide));
}

FillWords FillWordsOf(const PuzzleRecord& sorted) {
    FillWords words;
    words.count = sorted.UsedWords();
    for (int i = 0; i < words.count; ++i) {
        int n = 0;
        for (char c : sorted.words[static_cast<std::size_t>(i)].Str()) {
            if (c != ' ') words.letters[i][static_cast<std::size_t>(n++)] = static_cast<std::uint8_t>(UpperLetter(c));
        }
        words.lengths[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
    }
    return words;
}

FillGrid::FillGrid(const FillWords& words, const ShapeRecord& shape, int width, int height)
    : words_(words), shape_(shape), width_(width), height_(height) {
    Clear();
}

void FillGrid::Clear() {
    for (const int k : occupied_) byLetter_[cells_[static_cast<std::size_t>(k - 1)]].clear();
    cells_.fill(kBlank);
    directions_.fill(0);
    occupied_.clear();
    order_.clear();
    placed_.fill(0);
}

bool FillGrid::InBounds(const WordPlacement& p) const {
    const int length = words_.lengths[p.slot];
    if (length == 0 || p.start < 1 || p.start > kGridCells) return false;
    const int row = CellRow(p.start), c = CellColumn(p.start);
    if (p.across) return row <= height_ && c + length - 1 <= width_;
    return c <= width_ && row + length - 1 <= height_;
}

int FillGrid::Test(const WordPlacement& p) const {
    if (!InBounds(p)) return -1;
    const auto& w = words_.letters[p.slot];
    const int length = words_.lengths[p.slot];
    const int s = p.start;
    const auto cell = [&](int k) { return cells_[static_cast<std::size_t>(k - 1)]; };
    if (p.across) {
        if (CellColumn(s) != 1 && cell(s - 1) != kBlank) return -1;
        const int last = s + length - 1;
        if (CellColumn(last) != kGridSide && cell(last + 1) != kBlank) return -1;
    } else {
        if (s > kGridSide && cell(s - kGridSide) != kBlank) return -1;
        const int last = s + (length - 1) * kGridSide;
        if (last <= kGridCells - kGridSide && cell(last + kGridSide) != kBlank) return -1;
    }
    const int step = p.across ? 1 : kGridSide;
    const int column = CellColumn(s);
    int crossings = 0;
    for (int t = 0; t < length; ++t) {
        const int k = s + t * step;
        if (shape_.cells[static_cast<std::size_t>(k - 1)] == 0) return -1;
        const std::uint8_t here = cell(k);
        if (here != kBlank) {
            if (here != w[static_cast<std::size_t>(t)]) return -1;
            ++crossings;
        } else if (p.across) {
            if (k > kGridSide && cell(k - kGridSide) != kBlank) return -1;
            if (k <= kGridCells - kGridSide && cell(k + kGridSide) != kBlank) return -1;
        } else {
            if (column != 1 && cell(k - 1) != kBlank) return -1;
            if (column != kGridSide && cell(k + 1) != kBlank) return -1;
        }
    }
    return crossings;
}

void FillGrid::Place(const WordPlacement& p) {
    const auto& w = words_.letters[p.slot];
    const int length = words_.lengths[p.slot];
    const int step = p.across ? 1 : kGridSide;
    for (int t = 0; t < length; ++t) {
        const auto k = static_cast<std::size_t>(p.start + t * step - 1);
        if (cells_[k] == kBlank) {
            cells_[k] = w[static_cast<std::size_t>(t)];
            occupied_.push_back(static_cast<int>(k) + 1);
            byLetter_[cells_[k]].push_back(static_cast<std::int16_t>(k + 1));
        }
        directions_[k] |= p.across ? 1 : 2;
    }
    placed_[p.slot] = 1;
    order_.push_back(p);
}

long FillGrid::Rebuild(const std::vector<WordPlacement>& order) {
    Clear();
    long tests = 0;
    std::vector<WordPlacement> waiting = order;
    bool laid = true;
    while (laid && !waiting.empty()) {
        laid = false;
        std::size_t kept = 0;
        for (const WordPlacement& p : waiting) {
            ++tests;
            const int crossings = Test(p);
            if (crossings >= (order_.empty() ? 0 : 1)) {
                Place(p);
                laid = true;
            } else {
                waiting[kept++] = p;
            }
        }
        waiting.resize(kept);
    }
    return tests;
}

int FillGrid::Waste(const WordPlacement& p) const {
    const int length = words_.lengths[p.slot];
    const int step = p.across ? 1 : kGridSide;
    int waste = 0;
    const auto freeCell = [&](int k, bool inLine) {
        if (k < 1 || k > kGridCells || !inLine) return 0;
        const auto i = static_cast<std::size_t>(k - 1);
        const int row = CellRow(k), c = CellColumn(k);
        return row <= height_ && c <= width_ && shape_.cells[i] != 0 && cells_[i] == kBlank ? 1 : 0;
    };
    for (int t = 0; t < length; ++t) {
        const int k = p.start + t * step;
        if (cells_[static_cast<std::size_t>(k - 1)] != kBlank) continue;
        if (p.across) {
            waste += freeCell(k - kGridSide, true) + freeCell(k + kGridSide, true);
        } else {
            waste += freeCell(k - 1, CellColumn(k) != 1) + freeCell(k + 1, CellColumn(k) != kGridSide);
        }
    }
    return waste;
}

long FillGrid::CrossingPlaces(int slot, std::vector<Candidate>& out, const ChangeMask* near) {
    out.clear();
    const auto& w = words_.letters[static_cast<std::size_t>(slot)];
    const int length = words_.lengths[static_cast<std::size_t>(slot)];
    if (++stamp_ == 0) {
        seen_.fill(0);
        stamp_ = 1;
    }
    long tests = 1;
    for (int t = 0; t < length; ++t) {
        for (const int k : byLetter_[w[static_cast<std::size_t>(t)]]) {
            const std::uint8_t dirs = directions_[static_cast<std::size_t>(k - 1)];
            if (dirs == 3) continue;  // crossed both ways already
            const bool across = dirs == 2;
            // Staying on the line of the word laid here: the start must not leave it.
            if (across && CellColumn(k) - t < 1) continue;
            const int s = k - t * (across ? 1 : kGridSide);
            if (s < 1) continue;
            const WordPlacement p{static_cast<std::uint8_t>(slot), across, static_cast<std::int16_t>(s)};
            auto& mark = seen_[static_cast<std::size_t>((across ? 0 : kGridCells) + s - 1)];
            if (mark == stamp_) continue;
            mark = stamp_;
            if (near && !near->Touches(p, length)) continue;
            ++tests;
            const int crossings = Test(p);
            if (crossings >= 1) out.push_back({p, crossings});
        }
    }
    return tests;
}

long FillGrid::EmptyPlaces(int slot, std::vector<Candidate>& out) {
    out.clear();
    long tests = 1;
    for (int row = 1; row <= height_; ++row) {
        for (int c = 1; c <= width_; ++c) {
            for (const bool across : {true, false}) {
                const WordPlacement p{static_cast<std::uint8_t>(slot), across, static_cast<std::int16_t>(CellIndex(row, c))};
                ++tests;
                if (Test(p) == 0) out.push_back({p, 0});
            }
        }
    }
    return tests;
}

}  // namespace qf
