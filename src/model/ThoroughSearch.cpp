#include "model/ThoroughSearch.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace qf {
namespace {

double Unit(AttemptRandom& random) { return static_cast<double>(random.Next() >> 11) * 0x1.0p-53; }

int Below(AttemptRandom& random, int n) { return random.Below(n); }

// Keeps the four best different grids: most words first, then the first found.
void Offer(std::vector<FillState>& best, const FillState& state) {
    for (const FillState& kept : best) {
        if (kept.cells == state.cells) return;
    }
    auto at = std::find_if(best.begin(), best.end(), [&](const FillState& kept) { return state.count > kept.count; });
    if (at == best.end() && best.size() >= 4) return;
    best.insert(at, state);
    if (best.size() > 4) best.pop_back();
}

class Chain {
public:
    Chain(const FillWords& words, const std::vector<double>& difficulty, const ShapeRecord& shape, int width,
          int height, AttemptRandom random)
        : words_(words), difficulty_(difficulty), grid_(words, shape, width, height), random_(random) {}

    long steps = 0;

    FillGrid& Grid() { return grid_; }

    // Lays every word left out that finds a crossing place, hardest first, in up to three
    // sweeps (a word laid late may give an earlier one its crossing).
    void Recreate() {
        pool_.clear();
        for (int slot = 0; slot < words_.count; ++slot) {
            if (!grid_.IsPlaced(slot)) pool_.push_back({difficulty_[static_cast<std::size_t>(slot)] + 1.5 * Unit(random_), slot});
        }
        std::sort(pool_.begin(), pool_.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        for (int sweep = 0; sweep < 3; ++sweep) {
            bool laid = false;
            for (const auto& [key, slot] : pool_) {
                if (grid_.IsPlaced(slot)) continue;
                if (grid_.PlacedCount() == 0) {
                    steps += grid_.EmptyPlaces(slot, candidates_);
                    if (candidates_.empty()) continue;
                    grid_.Place(candidates_[static_cast<std::size_t>(Below(random_, static_cast<int>(candidates_.size())))].place);
                    laid = true;
                    continue;
                }
                steps += grid_.CrossingPlaces(slot, candidates_);
                if (candidates_.empty()) continue;
                const FillGrid::Candidate* chosen = nullptr;
                double bestScore = -1;
                for (const auto& c : candidates_) {
                    const double score = c.crossings + 0.9 * Unit(random_);
                    if (score > bestScore) {
                        bestScore = score;
                        chosen = &c;
                    }
                }
                grid_.Place(chosen->place);
                laid = true;
            }
            if (!laid) break;
        }
    }

    // The order of `current` without some of its words: those with a cell near a random cell of
    // the grid, or a few taken at random. At least one word stays.
    std::vector<Placement> Ruin(const FillState& current) {
        const auto& order = current.order;
        const int n = static_cast<int>(order.size());
        std::vector<Placement> kept;
        if (n <= 1) return order;
        std::vector<std::uint8_t> drop(static_cast<std::size_t>(n), 0);
        if (Below(random_, 2) == 0) {
            const Placement& p = order[static_cast<std::size_t>(Below(random_, n))];
            const int t = Below(random_, words_.lengths[p.slot]);
            const int centre = p.start + t * (p.across ? 1 : kGridSide);
            const int row = (centre - 1) / kGridSide, column = (centre - 1) % kGridSide;
            const int radius = 1 + Below(random_, 3);
            for (int i = 0; i < n; ++i) {
                const Placement& q = order[static_cast<std::size_t>(i)];
                for (int u = 0; u < words_.lengths[q.slot] && !drop[static_cast<std::size_t>(i)]; ++u) {
                    const int k = q.start + u * (q.across ? 1 : kGridSide);
                    const int r = (k - 1) / kGridSide, c = (k - 1) % kGridSide;
                    if (std::abs(r - row) <= radius && std::abs(c - column) <= radius) drop[static_cast<std::size_t>(i)] = 1;
                }
            }
        } else {
            const int k = 1 + Below(random_, std::min(4, n - 1));
            for (int j = 0; j < k; ++j) drop[static_cast<std::size_t>(Below(random_, n))] = 1;
        }
        if (std::all_of(drop.begin(), drop.end(), [](std::uint8_t d) { return d != 0; })) drop[0] = 0;
        for (int i = 0; i < n; ++i) {
            if (!drop[static_cast<std::size_t>(i)]) kept.push_back(order[static_cast<std::size_t>(i)]);
        }
        return kept;
    }

private:
    const FillWords& words_;
    const std::vector<double>& difficulty_;
    FillGrid grid_;
    AttemptRandom random_;
    std::vector<std::pair<double, int>> pool_;
    std::vector<FillGrid::Candidate> candidates_;
};

}  // namespace

std::vector<double> WordDifficulty(const FillWords& words) {
    std::array<double, 256> counts{};
    for (int i = 0; i < words.count; ++i) {
        for (int t = 0; t < words.lengths[static_cast<std::size_t>(i)]; ++t) counts[words.letters[i][static_cast<std::size_t>(t)]] += 1;
    }
    const double most = std::max(1.0, *std::max_element(counts.begin(), counts.end()));
    std::vector<double> difficulty(static_cast<std::size_t>(words.count));
    for (int i = 0; i < words.count; ++i) {
        double d = words.lengths[static_cast<std::size_t>(i)];
        for (int t = 0; t < words.lengths[static_cast<std::size_t>(i)]; ++t)
            d += 1.0 - counts[words.letters[i][static_cast<std::size_t>(t)]] / most;
        difficulty[static_cast<std::size_t>(i)] = d;
    }
    return difficulty;
}

FillState StateOf(const FillGrid& grid) { return {grid.Order(), grid.PlacedCount(), grid.Cells()}; }

ChainResult RunChain(const FillWords& words, const std::vector<double>& difficulty, const ShapeRecord& shape,
                     int width, int height, const FillState& start, long budget, AttemptRandom random,
                     const std::function<bool()>& stop) {
    ChainResult result;
    auto chain = std::make_unique<Chain>(words, difficulty, shape, width, height, random);
    chain->steps += chain->Grid().Rebuild(start.order);
    chain->Recreate();
    FillState current = StateOf(chain->Grid());
    Offer(result.best, current);
    while (chain->steps < budget && current.count < words.count) {
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        chain->steps += chain->Grid().Rebuild(chain->Ruin(current));
        chain->Recreate();
        if (chain->Grid().PlacedCount() >= current.count) {
            current = StateOf(chain->Grid());
            Offer(result.best, current);
        }
    }
    result.steps = chain->steps;
    return result;
}

}  // namespace qf
