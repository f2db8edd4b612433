#include "model/ThoroughSearch.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace qf {
namespace {

constexpr int kLateMoves = 50;     // how far back late acceptance looks
constexpr int kEjectionDepth = 3;  // words made room for in one move, each for one the last took out

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
    bool Chance(double p) { return p > 0 && Unit(random_) < p; }
    int Pick(int n) { return Below(random_, n); }

    // Lays every word left out that finds a crossing place, hardest first, sweeping again while
    // a sweep lays one (a word laid late may give an earlier one its crossing). After the first
    // chain grid only places near what changed since the last grid are tested: elsewhere every
    // word left out had already failed.
    void Recreate(bool everywhere) {
        pool_.clear();
        for (int slot = 0; slot < words_.count; ++slot) {
            if (!grid_.IsPlaced(slot)) pool_.push_back({difficulty_[static_cast<std::size_t>(slot)] + 1.5 * Unit(random_), slot});
        }
        std::sort(pool_.begin(), pool_.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        if (everywhere) near_.Clear();
        for (int sweep = 0; sweep < words_.count; ++sweep) {
            bool laid = false;
            for (const auto& [key, slot] : pool_) {
                if (grid_.IsPlaced(slot)) continue;
                if (grid_.PlacedCount() == 0) {
                    steps += grid_.EmptyPlaces(slot, candidates_);
                    if (candidates_.empty()) continue;
                    Lay(candidates_[static_cast<std::size_t>(Below(random_, static_cast<int>(candidates_.size())))].place);
                    laid = true;
                    continue;
                }
                const bool anywhere = sweep == 0 && (everywhere || taken_[static_cast<std::size_t>(slot)]);
                steps += grid_.CrossingPlaces(slot, candidates_, anywhere ? nullptr : &near_);
                if (candidates_.empty()) continue;
                const FillGrid::Candidate* chosen = nullptr;
                double bestScore = -1e9;
                for (const auto& c : candidates_) {
                    // Most crossings, then least room taken from the words to come, then chance.
                    const double score = c.crossings - 0.3 * grid_.Waste(c.place) + 0.9 * Unit(random_);
                    if (score > bestScore) {
                        bestScore = score;
                        chosen = &c;
                    }
                }
                Lay(chosen->place);
                laid = true;
            }
            if (!laid) break;
        }
    }

    // Marks the cells where the grid differs from `before` as changed, and the words `before`
    // held that the grid does not as taken out: those may go anywhere.
    void MarkChangesFrom(const FillState& before) {
        near_.Clear();
        const auto& cells = grid_.Cells();
        for (int k = 1; k <= kGridCells; ++k) {
            if (cells[static_cast<std::size_t>(k - 1)] != before.cells[static_cast<std::size_t>(k - 1)]) near_.Mark(k);
        }
        taken_.fill(0);
        for (const WordPlacement& p : before.order) {
            if (!grid_.IsPlaced(p.slot)) taken_[p.slot] = 1;
        }
    }

    // The order of `current` without some of its words: those with a cell near a random cell of
    // the grid, or a few taken at random. At least one word stays.
    std::vector<WordPlacement> Ruin(const FillState& current) {
        const auto& order = current.order;
        const int n = static_cast<int>(order.size());
        std::vector<WordPlacement> kept;
        if (n <= 1) return order;
        std::vector<std::uint8_t> drop(static_cast<std::size_t>(n), 0);
        if (Below(random_, 2) == 0) {
            const WordPlacement& p = order[static_cast<std::size_t>(Below(random_, n))];
            const int t = Below(random_, words_.lengths[p.slot]);
            const int centre = p.start + t * (p.across ? 1 : kGridSide);
            const int row = (centre - 1) / kGridSide, column = (centre - 1) % kGridSide;
            const int radius = 1 + Below(random_, 3);
            for (int i = 0; i < n; ++i) {
                const WordPlacement& q = order[static_cast<std::size_t>(i)];
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

    // Makes room for a word left out: among the places where it meets a letter of its own, the
    // one that clashes with the fewest words and letters (at most three words, sparing a word it
    // crosses: short words find a new place more easily), and the order of `current` without
    // those words and with it laid last. Empty when there is none.
    std::vector<WordPlacement> Eject(const FillState& current, int only = -1) {
        const auto& order = current.order;
        std::vector<int> left;
        if (only >= 0) {
            left.assign(1, only);
        } else {
            std::array<std::uint8_t, kMaxWords> laid{};
            for (const WordPlacement& p : order) laid[p.slot] = 1;
            for (int slot = 0; slot < words_.count; ++slot) {
                if (!laid[static_cast<std::size_t>(slot)]) left.push_back(slot);
            }
        }
        if (left.empty() || order.empty()) return {};
        const int slot = left[static_cast<std::size_t>(Below(random_, static_cast<int>(left.size())))];

        // Which words lie on each cell, across and down (index into `order`, -1 for none); only
        // the entries the last call set are cleared.
        for (const int i : owned_) owner_[static_cast<std::size_t>(i)] = -1;
        owned_.clear();
        for (std::size_t i = 0; i < order.size(); ++i) {
            const WordPlacement& p = order[i];
            for (int t = 0; t < words_.lengths[p.slot]; ++t) {
                const int at = 2 * (p.start + t * (p.across ? 1 : kGridSide) - 1) + (p.across ? 0 : 1);
                owner_[static_cast<std::size_t>(at)] = static_cast<std::int16_t>(i);
                owned_.push_back(at);
            }
        }
        const auto& cells = current.cells;
        const auto& w = words_.letters[static_cast<std::size_t>(slot)];
        const int length = words_.lengths[static_cast<std::size_t>(slot)];
        std::vector<int> bestClash;
        WordPlacement bestPlace{};
        double bestScore = 1e9;
        std::vector<int> clash;
        // Letters lie only within the grid's height: its rows' cells in index order.
        for (int k = 1; k <= CellIndex(grid_.Height(), kGridSide); ++k) {
            const std::uint8_t letter = cells[static_cast<std::size_t>(k - 1)];
            if (letter == kCellBlank) continue;
            for (int t = 0; t < length; ++t) {
                if (w[static_cast<std::size_t>(t)] != letter) continue;
                for (const bool across : {true, false}) {
                    if (across && (k - 1) % kGridSide - t < 0) continue;  // the start would leave the row
                    if (owner_[static_cast<std::size_t>(2 * (k - 1) + (across ? 0 : 1))] >= 0) continue;  // lies that way already
                    const int step = across ? 1 : kGridSide;
                    const int s = k - t * step;
                    const WordPlacement p{static_cast<std::uint8_t>(slot), across, static_cast<std::int16_t>(s)};
                    ++steps;
                    const int crossing = owner_[static_cast<std::size_t>(2 * (k - 1) + (across ? 1 : 0))];
                    if (!Clashes(p, cells, crossing, clash) || clash.empty()) continue;
                    // A letter of the words taken out weighs a sixteenth of a word.
                    double letters = 0;
                    for (const int o : clash) letters += words_.lengths[order[static_cast<std::size_t>(o)].slot];
                    const double score = static_cast<double>(clash.size()) + letters / 16.0 + Unit(random_);
                    if (score < bestScore) {
                        bestScore = score;
                        bestClash = clash;
                        bestPlace = p;
                    }
                }
            }
        }
        if (bestClash.empty()) return {};
        std::vector<WordPlacement> kept;
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (std::find(bestClash.begin(), bestClash.end(), static_cast<int>(i)) == bestClash.end()) kept.push_back(order[i]);
        }
        kept.push_back(bestPlace);
        return kept;
    }

private:
    void Lay(const WordPlacement& p) {
        grid_.Place(p);
        near_.Mark(p, words_.lengths[p.slot]);
    }

    // The words (indexes into the order) that keep `p` from passing its test. False, as soon as
    // it is known, when the place is outside the shape or its bounds, or when more than three
    // words or the word `spared` stand in the way: such a place is never taken.
    bool Clashes(const WordPlacement& p, const std::array<std::uint8_t, kGridCells>& cells, int spared,
                 std::vector<int>& clash) const {
        clash.clear();
        if (!grid_.InBounds(p)) return false;
        bool refused = false;
        const auto note = [&](int o) {
            if (o < 0 || std::find(clash.begin(), clash.end(), o) != clash.end()) return;
            clash.push_back(o);
            if (o == spared || clash.size() > 3) refused = true;
        };
        const auto add = [&](int k) {
            note(owner_[static_cast<std::size_t>(2 * (k - 1))]);
            note(owner_[static_cast<std::size_t>(2 * (k - 1) + 1)]);
        };
        const auto letterAt = [&](int k) { return cells[static_cast<std::size_t>(k - 1)] != kCellBlank; };
        const auto& w = words_.letters[p.slot];
        const int length = words_.lengths[p.slot];
        const int step = p.across ? 1 : kGridSide;
        const int first = p.start, last = p.start + (length - 1) * step;
        const int column = (first - 1) % kGridSide + 1;
        if (p.across) {
            if (column != 1 && letterAt(first - 1)) add(first - 1);
            if ((last - 1) % kGridSide + 1 != kGridSide && letterAt(last + 1)) add(last + 1);
        } else {
            if (first > kGridSide && letterAt(first - kGridSide)) add(first - kGridSide);
            if (last <= kGridCells - kGridSide && letterAt(last + kGridSide)) add(last + kGridSide);
        }
        for (int t = 0; t < length; ++t) {
            const int k = p.start + t * step;
            if (!grid_.Usable(k)) return false;
            const std::uint8_t here = cells[static_cast<std::size_t>(k - 1)];
            if (here != kCellBlank) {
                const int same = owner_[static_cast<std::size_t>(2 * (k - 1) + (p.across ? 0 : 1))];
                if (here != w[static_cast<std::size_t>(t)]) {
                    add(k);
                } else {
                    note(same);  // would lie along a word the same way
                }
            } else if (p.across) {
                if (k > kGridSide && letterAt(k - kGridSide)) add(k - kGridSide);
                if (k <= kGridCells - kGridSide && letterAt(k + kGridSide)) add(k + kGridSide);
            } else {
                if (column != 1 && letterAt(k - 1)) add(k - 1);
                if (column != kGridSide && letterAt(k + 1)) add(k + 1);
            }
            if (refused) return false;
        }
        return !refused;
    }

    std::array<std::int16_t, 2 * kGridCells> owner_ = [] {
        std::array<std::int16_t, 2 * kGridCells> all{};
        all.fill(-1);
        return all;
    }();
    std::vector<int> owned_;  // the entries of owner_ set
    const FillWords& words_;
    const std::vector<double>& difficulty_;
    FillGrid grid_;
    AttemptRandom random_;
    std::vector<std::pair<double, int>> pool_;
    std::vector<FillGrid::Candidate> candidates_;
    ChangeMask near_;
    std::array<std::uint8_t, kMaxWords> taken_{};
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
    chain->Recreate(true);
    FillState current = StateOf(chain->Grid());
    Offer(result.best, current);
    // Late acceptance: a new grid is taken when it holds at least as many words as the current
    // one or as the current one of kLateMoves moves ago, so the chain can step down a word to
    // leave a grid all of whose neighbours hold fewer.
    std::array<int, kLateMoves> late;
    late.fill(current.count);
    for (long move = 0; chain->steps < budget && current.count < words.count; ++move) {
        if (stop && stop()) {
            result.stopped = true;
            break;
        }
        // Mostly room made for one word left out; else words taken out around a cell or at random.
        std::vector<WordPlacement> next;
        if (chain->Chance(0.8)) next = chain->Eject(current);
        if (next.empty()) next = chain->Ruin(current);
        chain->steps += chain->Grid().Rebuild(next);
        chain->MarkChangesFrom(current);
        chain->Recreate(false);
        for (int depth = 1; depth < kEjectionDepth && chain->Grid().PlacedCount() < current.count; ++depth) {
            // A word this move took out and could not lay again: room is made for it in turn.
            std::vector<int> lost;
            for (const WordPlacement& p : current.order) {
                if (!chain->Grid().IsPlaced(p.slot)) lost.push_back(p.slot);
            }
            if (lost.empty()) break;
            const FillState trial = StateOf(chain->Grid());
            next = chain->Eject(trial, lost[static_cast<std::size_t>(chain->Pick(static_cast<int>(lost.size())))]);
            if (next.empty()) break;
            chain->steps += chain->Grid().Rebuild(next);
            chain->MarkChangesFrom(trial);
            chain->Recreate(false);
        }
        const int count = chain->Grid().PlacedCount();
        int& then = late[static_cast<std::size_t>(move % kLateMoves)];
        if (count >= current.count || count >= then) {
            current = StateOf(chain->Grid());
            Offer(result.best, current);
        }
        then = std::max(then, current.count);
    }
    result.steps = chain->steps;
    return result;
}

}  // namespace qf
