#include "model/ThoroughFill.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "model/ThoroughSearch.h"

namespace qf {
namespace {

// Keeps the search's random streams apart from the attempts' streams of the same seed.
constexpr std::uint64_t kSearchSalt = 0x5448524F55474846ULL;

// Words and clues longest first, as an attempt orders them (equal lengths keep their order).
std::unique_ptr<PuzzleRecord> SortedByLength(const PuzzleRecord& working) {
    auto sorted = std::make_unique<PuzzleRecord>(working);
    const int n = working.UsedWords();
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) order[static_cast<std::size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return working.words[static_cast<std::size_t>(a)].UsedLength() > working.words[static_cast<std::size_t>(b)].UsedLength();
    });
    for (int i = 0; i < n; ++i) {
        sorted->words[static_cast<std::size_t>(i)] = working.words[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
        sorted->clues[static_cast<std::size_t>(i)] = working.clues[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])];
    }
    return sorted;
}

// The grid of kept candidate n as the search's start: its attempt run again without trimming,
// its words found among the longest-first slots and laid again in the order the attempt's
// passes laid them (a slot in order is laid exactly when its place passes at its turn).
FillState StartOf(const RunResults& results, int n, const PuzzleRecord& working, const PuzzleRecord& sorted,
                  const FillWords& words, const ShapeRecord& shape) {
    auto replay = std::make_unique<PuzzleRecord>(working);
    auto builder = std::make_unique<GridBuilder>();
    AttemptRandom random(results.seed, results.attemptNumbers[static_cast<std::size_t>(n - 1)]);
    const int placed = builder->ConstructGrid(*replay, shape, {false, results.options.quickCreate}, random);
    std::vector<std::uint8_t> taken(static_cast<std::size_t>(words.count), 0);
    std::vector<WordPlacement> places;
    for (int i = 0; i < placed; ++i) {
        for (int slot = 0; slot < words.count; ++slot) {
            const auto s = static_cast<std::size_t>(slot), j = static_cast<std::size_t>(i);
            if (taken[s] || sorted.words[s].Str() != replay->words[j].Str() || sorted.clues[s].Str() != replay->clues[j].Str())
                continue;
            taken[s] = 1;
            places.push_back({static_cast<std::uint8_t>(slot), replay->isAcross[j] == 1, replay->startCell[j]});
            break;
        }
    }
    std::sort(places.begin(), places.end(), [](const WordPlacement& a, const WordPlacement& b) { return a.slot < b.slot; });
    FillGrid grid(words, shape, working.UsedWidth(), working.UsedHeight());
    grid.Rebuild(places);
    return StateOf(grid);
}

struct Finished {
    std::unique_ptr<PuzzleRecord> record;
    PlacedFlags placed{};
    std::shared_ptr<const UnfinishedGrid> unfinished;
};

Finished FinishState(const FillState& state, const PuzzleRecord& sorted, const FillWords& words,
                     const ShapeRecord& shape, const ConstructionOptions& options) {
    Finished out;
    out.record = std::make_unique<PuzzleRecord>(sorted);
    PuzzleRecord& r = *out.record;
    r.grid.fill(kCellBlank);
    for (const WordPlacement& p : state.order) {
        const int length = words.lengths[p.slot];
        for (int t = 0; t < length; ++t)
            r.Cell(p.start + t * (p.across ? 1 : kGridSide)) = words.letters[p.slot][static_cast<std::size_t>(t)];
        r.startCell[p.slot] = p.start;
        r.letterCount[p.slot] = static_cast<std::int16_t>(length);
        r.isAcross[p.slot] = p.across ? 1 : 0;
        out.placed[p.slot] = 1;
    }
    auto unfinished = std::make_shared<UnfinishedGrid>();
    unfinished->cells = r.grid;
    out.unfinished = unfinished;
    auto builder = std::make_unique<GridBuilder>();
    builder->FinishPlaced(r, shape, options, out.placed, !state.order.empty() && state.order.front().across);
    out.placed = builder->Placed();
    return out;
}

// Most words first; among equals the earlier keeps its place; one of each grid.
void Merge(std::vector<FillState>& pool, std::vector<FillState> found) {
    pool.insert(pool.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    std::stable_sort(pool.begin(), pool.end(), [](const FillState& a, const FillState& b) { return a.count > b.count; });
    std::vector<FillState> kept;
    for (FillState& s : pool) {
        if (kept.size() == kCandidateCount) break;
        if (std::none_of(kept.begin(), kept.end(), [&](const FillState& k) { return k.cells == s.cells; }))
            kept.push_back(std::move(s));
    }
    pool = std::move(kept);
}

}  // namespace

std::string BestSoFarText(const ThoroughProgress& progress) {
    return "Best so far: " + std::to_string(progress.bestCount) + " of " + std::to_string(progress.totalWords);
}

std::int64_t ThoroughBudget(double seconds) {
    const double steps = seconds * static_cast<double>(kThoroughStepsPerSecond);
    if (!(steps >= 1)) return 1;
    if (steps > 1e15) return static_cast<std::int64_t>(1e15);
    return static_cast<std::int64_t>(steps);
}

void ThoroughFill(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& runOptions,
                  const ThoroughOptions& options, RunResults& results, ThoroughReport& report,
                  const ThoroughProgressCallback& progress, const std::atomic<bool>* abort,
                  const ProgressCallback& runProgress) {
    BuildPuzzles(working, shape, runOptions, results, runProgress, abort);
    report = ThoroughReport{};
    report.describedBest = results.scores[0];
    results.searchGrids.fill(nullptr);
    const int total = working.UsedWords();
    const auto sorted = SortedByLength(working);
    const FillWords words = FillWordsOf(*sorted);
    const std::vector<double> difficulty = WordDifficulty(words);
    const int width = working.UsedWidth(), height = working.UsedHeight();

    std::vector<FillState> pool;
    for (int n = 1; n <= kCandidateCount; ++n) {
        if (results.scores[static_cast<std::size_t>(n - 1)] > 0) Merge(pool, {StartOf(results, n, working, *sorted, words, shape)});
    }
    if (pool.empty()) pool.push_back(FillState{});
    if (progress) progress({pool.front().count, total, 0});

    const auto deadline = options.clockCap ? std::optional(std::chrono::steady_clock::now() + *options.clockCap)
                                           : std::nullopt;
    std::atomic<bool> stopped{false};
    const auto stop = [&] {
        if ((abort && abort->load()) || (deadline && std::chrono::steady_clock::now() >= *deadline)) stopped = true;
        return stopped.load();
    };
    const long chainBudget =
        static_cast<long>(std::max<std::int64_t>(1, options.steps / (kThoroughChains * kThoroughRounds)));
    int threads = options.threads > 0 ? options.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, kThoroughChains);
    const bool complete = results.scores[kCandidateCount - 1] == total;  // the run left nothing to do
    for (int round = 0; round < kThoroughRounds && !complete && !results.aborted; ++round) {
        if (pool.size() == kCandidateCount && pool.back().count == total) break;
        std::vector<ChainResult> found(kThoroughChains);
        std::atomic<int> next{0};
        const auto work = [&] {
            for (int k = next++; k < kThoroughChains; k = next++) {
                const FillState& start = pool[static_cast<std::size_t>(k) % pool.size()];
                found[static_cast<std::size_t>(k)] =
                    RunChain(words, difficulty, shape, width, height, start, chainBudget,
                             AttemptRandom(results.seed ^ kSearchSalt, round * kThoroughChains + k + 1), stop);
            }
        };
        std::vector<std::thread> workers;
        for (int t = 1; t < threads; ++t) workers.emplace_back(work);
        work();
        for (auto& w : workers) w.join();
        for (ChainResult& chain : found) {
            report.steps += chain.steps;
            Merge(pool, std::move(chain.best));
        }
        if (progress) progress({pool.front().count, total, round + 1});
        if (stopped) {
            report.cutShort = true;
            break;
        }
    }
    if (results.aborted) report.cutShort = true;

    // The run's candidates and the search's grids, ranked together; the run's first among equals.
    struct Entry {
        int score;
        int described;  // 1..4, or 0 for a search grid
        const FillState* state;
    };
    std::vector<Entry> entries;
    for (int n = 1; n <= kCandidateCount; ++n) {
        if (results.scores[static_cast<std::size_t>(n - 1)] > 0) entries.push_back({results.scores[static_cast<std::size_t>(n - 1)], n, nullptr});
    }
    for (const FillState& s : pool) {
        if (s.count > 0) entries.push_back({s.count, 0, &s});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.score > b.score; });

    std::vector<Finished> kept;
    std::vector<int> keptNumbers;
    std::vector<std::vector<WordPlacement>> keptOrders;
    const ConstructionOptions construction{runOptions.shrink, runOptions.quickCreate};
    for (const Entry& e : entries) {
        if (kept.size() == kCandidateCount) break;
        Finished f;
        if (e.described > 0) {
            const auto i = static_cast<std::size_t>(e.described - 1);
            f.record = std::make_unique<PuzzleRecord>(results.Candidate(e.described));
            f.placed = results.placed[i];
        } else {
            f = FinishState(*e.state, *sorted, words, shape, construction);
        }
        if (std::any_of(kept.begin(), kept.end(), [&](const Finished& k) { return SameGrid(*k.record, *f.record); }))
            continue;
        keptNumbers.push_back(e.described > 0 ? results.attemptNumbers[static_cast<std::size_t>(e.described - 1)] : 0);
        keptOrders.push_back(e.described > 0 ? std::vector<WordPlacement>{} : e.state->order);
        kept.push_back(std::move(f));
    }
    results.scores.fill(0);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        results.scores[i] = kept[i].record->wordCount;
        (*results.candidates)[i] = *kept[i].record;
        results.placed[i] = kept[i].placed;
        results.attemptNumbers[i] = keptNumbers[i];
        results.searchGrids[i] = kept[i].unfinished;
        report.orders[i] = keptOrders[i];
    }
    if (results.scores[0] < total) {
        for (int t = 0; t < total; ++t) {
            if (results.placed[0][static_cast<std::size_t>(t)] != 1)
                report.blocking.push_back(results.Candidate(1).words[static_cast<std::size_t>(t)].Str());
        }
    }
}

}  // namespace qf
