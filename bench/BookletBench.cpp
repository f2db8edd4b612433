// A class set: a booklet of 40 puzzles of 20 words each, with their 40 answer keys at the back,
// written as one PDF file (80 pages), as `quernfold-cli booklet` writes it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include <unistd.h>

#include "BenchWords.h"
#include "layouts/PageObjects.h"
#include "model/GenerationRun.h"
#include "output/Booklet.h"

namespace qf::bench {
namespace {

constexpr int kPuzzles = 40;

std::unique_ptr<PuzzleRecord> Puzzle(int n) {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    BuildDefaultLayout(p->layout);
    p->title = "Unit puzzle " + std::to_string(n);
    p->width = p->height = 15;
    const std::vector<std::string>& words = kWords200;
    for (int i = 0; i < 20; ++i) {
        const std::string& word = words[static_cast<std::size_t>((n * 20 + i) % static_cast<int>(words.size()))];
        p->words[static_cast<std::size_t>(i)] = word;
        p->clues[static_cast<std::size_t>(i)] = "a clue of several ordinary words for " + word;
    }
    p->wordCount = 20;
    ShapeRecord shape;
    shape.width = shape.height = 15;
    for (int k = 1; k <= 15 * 50; ++k) shape.Cell(k) = (k - 1) % 50 < 15 ? 1 : 0;
    RunOptions options;
    options.attempts = 20;
    options.seed = static_cast<std::uint64_t>(n);
    options.threads = 1;
    RunResults results;
    BuildPuzzles(*p, shape, options, results);
    auto best = std::make_unique<PuzzleRecord>(results.Candidate(1));
    best->generated = 1;
    return best;
}

void BookletOfForty(benchmark::State& state) {
    std::vector<BookletPuzzle> puzzles;
    for (int n = 1; n <= kPuzzles; ++n) {
        auto p = Puzzle(n);
        const PageLayoutRecord layout = p->layout;
        puzzles.push_back({std::move(p), layout});
    }
    const std::string path = "/tmp/qf-booklet-bench-" + std::to_string(::getpid()) + ".pdf";
    const Settings settings;
    for (auto _ : state) {
        const BookletResult r = WriteBookletPdf(path, puzzles, settings, BookletOptions{});
        if (!r.outcome.IsDone() || r.pages != 2 * kPuzzles) state.SkipWithError("booklet not written");
    }
    std::remove(path.c_str());
    state.counters["pages"] = 2 * kPuzzles;
}
BENCHMARK(BookletOfForty)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qf::bench

BENCHMARK_MAIN();
