#include "model/GenerationRun.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace qf {
namespace {

constexpr int kMaxAttempts = 999;

struct AttemptSlot {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
    PlacedFlags placed{};
    int score = 0;
    int attempt = 0;  // the attempt this slot holds or is computing
    bool ready = false;
};

// Attempts computed ahead by worker threads, handed out strictly in attempt order. A worker
// may run at most `ring` attempts ahead of the one being ranked, so an abort wastes little.
class AttemptPipeline {
public:
    AttemptPipeline(const PuzzleRecord& saved, const ShapeRecord& shape, const ConstructionOptions& options,
                    std::uint64_t seed, int limit, int threads)
        : saved_(saved), shape_(shape), options_(options), seed_(seed), limit_(limit),
          ring_(static_cast<std::size_t>(2 * threads + 2)) {
        for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { Work(); });
    }
    ~AttemptPipeline() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        freed_.notify_all();
        for (auto& worker : workers_) worker.join();
    }
    AttemptPipeline(const AttemptPipeline&) = delete;
    AttemptPipeline& operator=(const AttemptPipeline&) = delete;

    const AttemptSlot& Wait(int n) {
        AttemptSlot& slot = SlotOf(n);
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return slot.attempt == n && slot.ready; });
        return slot;
    }
    void Release(int n) {
        {
            std::lock_guard lock(mutex_);
            consumed_ = n;
        }
        freed_.notify_all();
    }

private:
    AttemptSlot& SlotOf(int n) { return ring_[static_cast<std::size_t>(n) % ring_.size()]; }

    void Work() {
        auto builder = std::make_unique<GridBuilder>();
        const int ring = static_cast<int>(ring_.size());
        for (;;) {
            AttemptSlot* slot = nullptr;
            int n = 0;
            {
                std::unique_lock lock(mutex_);
                freed_.wait(lock, [&] { return stop_ || next_ > limit_ || next_ <= consumed_ + ring; });
                if (stop_ || next_ > limit_) return;
                n = next_++;
                slot = &SlotOf(n);
                slot->attempt = n;
                slot->ready = false;
            }
            *slot->record = saved_;
            AttemptRandom random(seed_, n);
            slot->score = builder->ConstructGrid(*slot->record, shape_, options_, random);
            slot->placed = builder->Placed();
            {
                std::lock_guard lock(mutex_);
                slot->ready = true;
            }
            ready_.notify_all();
        }
    }

    const PuzzleRecord& saved_;
    const ShapeRecord& shape_;
    const ConstructionOptions options_;
    const std::uint64_t seed_;
    const int limit_;
    std::vector<AttemptSlot> ring_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable ready_, freed_;
    int next_ = 1;
    int consumed_ = 0;
    bool stop_ = false;
};

// The same hand-out on the calling thread: each attempt computed when asked for.
class AttemptInline {
public:
    AttemptInline(const PuzzleRecord& saved, const ShapeRecord& shape, const ConstructionOptions& options,
                  std::uint64_t seed)
        : saved_(saved), shape_(shape), options_(options), seed_(seed), builder_(std::make_unique<GridBuilder>()) {}

    const AttemptSlot& Wait(int n) {
        *slot_.record = saved_;
        AttemptRandom random(seed_, n);
        slot_.score = builder_->ConstructGrid(*slot_.record, shape_, options_, random);
        slot_.placed = builder_->Placed();
        slot_.attempt = n;
        return slot_;
    }
    void Release(int) {}

private:
    const PuzzleRecord& saved_;
    const ShapeRecord& shape_;
    const ConstructionOptions options_;
    const std::uint64_t seed_;
    std::unique_ptr<GridBuilder> builder_;
    AttemptSlot slot_;
};

template <typename Source>
void RunAttempts(Source& source, int limit, int totalWords, RunResults& results, const ProgressCallback& progress,
                 const std::atomic<bool>* abort) {
    int& counter = results.attemptCounter;
    do {
        ++counter;
        if (limit > 1 && progress) progress({kStatusAttempt + std::to_string(counter), {}, false, false});
        const int n = counter;
        const AttemptSlot& attempt = source.Wait(n);
        ++results.attemptsMade;
        RankAttempt(results, *attempt.record, attempt.placed, attempt.score, n);
        source.Release(n);
        if (results.scores[kCandidateCount - 1] == totalWords) counter = limit;  // four complete grids
        if (limit > 1 && abort != nullptr && abort->load()) results.aborted = true;
    } while (counter < limit && !results.aborted);
}

}  // namespace

bool SameGrid(const PuzzleRecord& a, const PuzzleRecord& b) {
    return a.width == b.width && a.height == b.height && a.grid == b.grid;
}

int RankAttempt(RunResults& results, const PuzzleRecord& attempt, const PlacedFlags& placed, int score,
                int attemptNumber) {
    // A grid already kept is no second choice: only different grids are offered.
    for (int slot = 0; slot < kCandidateCount; ++slot)
        if (results.scores[slot] > 0 && SameGrid((*results.candidates)[slot], attempt)) return 0;
    for (int slot = 0; slot < kCandidateCount; ++slot) {
        if (score <= results.scores[slot]) continue;
        for (int j = kCandidateCount - 1; j > slot; --j) {
            results.scores[j] = results.scores[j - 1];
            (*results.candidates)[j] = (*results.candidates)[j - 1];
            results.placed[j] = results.placed[j - 1];
            results.attemptNumbers[j] = results.attemptNumbers[j - 1];
        }
        results.scores[slot] = score;
        (*results.candidates)[slot] = attempt;
        results.placed[slot] = placed;
        results.attemptNumbers[slot] = attemptNumber;
        return slot + 1;
    }
    return 0;
}

void BuildPuzzles(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options, RunResults& results,
                  const ProgressCallback& progress, const std::atomic<bool>* abort) {
    const auto saved = std::make_unique<PuzzleRecord>(working);
    results.aborted = false;
    results.seed = options.seed ? *options.seed : ClockSeed();
    const int limit = std::clamp(options.attempts, 1, kMaxAttempts);
    const int totalWords = saved->UsedWords();
    results.scores.fill(0);
    results.attemptCounter = 0;
    results.attemptsMade = 0;

    const ConstructionOptions construction{options.shrink, options.quickCreate};
    results.options = construction;
    int threads = options.threads > 0 ? options.threads : static_cast<int>(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, limit);
    if (threads == 1) {
        AttemptInline source(*saved, shape, construction, results.seed);
        RunAttempts(source, limit, totalWords, results, progress, abort);
    } else {
        AttemptPipeline source(*saved, shape, construction, results.seed, limit, threads);
        RunAttempts(source, limit, totalWords, results, progress, abort);
    }

    if (limit > 1 && progress) {
        const std::string counter = std::to_string(results.attemptCounter);
        if (results.aborted) {
            progress({kStatusAborted + counter, {}, true, true});
        } else {
            progress({kStatusAttempt + counter, kStatusCompleted, true, false});
        }
    }
    working = *saved;
}

}  // namespace qf
