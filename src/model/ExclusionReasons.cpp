#include "model/ExclusionReasons.h"

#include <algorithm>
#include <memory>

#include "base/TextHelpers.h"
#include "model/CreateCheck.h"

namespace qf {
namespace {

std::string GridLetters(std::string_view word) {
    std::string letters;
    for (char c : word) {
        if (c != ' ') letters.push_back(UpperLetter(c));
    }
    return letters;
}

std::uint8_t At(const UnfinishedGrid& grid, int k) { return grid.cells[static_cast<std::size_t>(k - 1)]; }
bool Blank(const UnfinishedGrid& grid, int k) { return At(grid, k) == kCellBlank; }

// The construction's test of one position: neighbours free, letters matching, cells usable.
// Returns the crossings, or -1 when the position fails.
int TestPosition(const std::string& letters, const UnfinishedGrid& grid, const ShapeRecord& shape, int s,
                 bool across) {
    const int length = static_cast<int>(letters.size());
    const int step = across ? 1 : kGridSide;
    const int side = across ? kGridSide : 1;  // the step to the cells beside the word
    int crossings = 0;
    for (int t = 1; t <= length; ++t) {
        const int k = s + (t - 1) * step;
        if (shape.Cell(k) == 0) return -1;
        const std::uint8_t cell = At(grid, k);
        if (cell != kCellBlank) {
            if (cell != static_cast<std::uint8_t>(letters[static_cast<std::size_t>(t - 1)])) return -1;
            ++crossings;
        } else {
            if (k - side >= 1 && !(across ? false : k % kGridSide == 1) && !Blank(grid, k - side)) return -1;
            if (k + side <= kGridCells && !(across ? false : k % kGridSide == 0) && !Blank(grid, k + side))
                return -1;
        }
        if (t == 1) {
            const bool atEdge = across ? k % kGridSide == 1 : k <= kGridSide;
            if (!atEdge && !Blank(grid, k - step)) return -1;
        }
        if (t == length) {
            const bool atEdge = across ? k % kGridSide == 0 : k > kGridCells - kGridSide;
            if (!atEdge && !Blank(grid, k + step)) return -1;
        }
    }
    return crossings;
}

}  // namespace

bool HasCrossingPlace(std::string_view word, const UnfinishedGrid& grid, const ShapeRecord& shape, int width,
                      int height) {
    const std::string letters = GridLetters(word);
    const int length = static_cast<int>(letters.size());
    if (length == 0) return false;
    width = std::clamp(width, 0, kGridSide);
    height = std::clamp(height, 0, kGridSide);
    for (int row = 1; row <= height; ++row) {
        for (int c = 1; c + length - 1 <= width; ++c) {
            if (TestPosition(letters, grid, shape, CellIndex(row, c), true) >= 1) return true;
        }
    }
    for (int row = 1; row + length - 1 <= height; ++row) {
        for (int c = 1; c <= width; ++c) {
            if (TestPosition(letters, grid, shape, CellIndex(row, c), false) >= 1) return true;
        }
    }
    return false;
}

ExclusionKind WhyLeftOut(std::string_view word, const UnfinishedGrid& grid, const ShapeRecord& shape, int width,
                         int height, bool quickCreate) {
    const std::string letters = GridLetters(word);
    if (static_cast<int>(letters.size()) > LongestRun(shape, width, height)) return ExclusionKind::TooLong;
    const bool shares = std::any_of(letters.begin(), letters.end(), [&](char letter) {
        return std::find(grid.cells.begin(), grid.cells.end(), static_cast<std::uint8_t>(letter)) != grid.cells.end();
    });
    if (!shares) return ExclusionKind::NoSharedLetter;
    if (quickCreate && HasCrossingPlace(word, grid, shape, width, height)) return ExclusionKind::QuickCreateStopped;
    return ExclusionKind::NoCrossingPlace;
}

std::string ExclusionText(ExclusionKind kind, int longestRun) {
    switch (kind) {
        case ExclusionKind::TooLong:
            return "Longer than the longest run of cells in the shape (" + std::to_string(longestRun) + ")";
        case ExclusionKind::NoSharedLetter: return "Shares no letter with the placed words";
        case ExclusionKind::NoCrossingPlace: return "No free place where it crosses a placed word";
        case ExclusionKind::QuickCreateStopped: return "Quick Create stopped before a free place was tried";
        case ExclusionKind::Unknown: break;
    }
    return {};
}

std::vector<Exclusion> ExplainExclusions(const RunResults& results, int n, const PuzzleRecord& start,
                                         const ShapeRecord& shape) {
    std::vector<Exclusion> out;
    if (n < 1 || n > kCandidateCount || results.scores[n - 1] < 1) return out;
    const PuzzleRecord& candidate = results.Candidate(n);
    const int total = start.UsedWords();
    for (int t = 0; t < total; ++t) {
        if (results.placed[n - 1][t] != 1) out.push_back({candidate.words[t].Str(), ExclusionKind::Unknown, {}});
    }
    if (out.empty()) return out;

    auto grid = std::make_unique<UnfinishedGrid>();
    bool quickCreate = results.options.quickCreate;
    if (results.attemptNumbers[n - 1] >= 1) {
        // The attempt again, from its own random stream, stopping to look before the finishing steps.
        auto replay = std::make_unique<PuzzleRecord>(start);
        auto builder = std::make_unique<GridBuilder>();
        builder->KeepUnfinished(grid.get());
        AttemptRandom random(results.seed, results.attemptNumbers[n - 1]);
        builder->ConstructGrid(*replay, shape, results.options, random);
        if (replay->grid != candidate.grid || replay->wordCount != candidate.wordCount) return out;
    } else if (results.searchGrids[n - 1]) {
        *grid = *results.searchGrids[n - 1];  // a thorough fill's grid: no passes to stop early
        quickCreate = false;
    } else {
        return out;
    }

    const int width = start.UsedWidth(), height = start.UsedHeight();
    const int longest = LongestRun(shape, width, height);
    for (Exclusion& e : out) {
        e.kind = WhyLeftOut(e.word, *grid, shape, width, height, quickCreate);
        e.reason = ExclusionText(e.kind, longest);
    }
    return out;
}

}  // namespace qf
