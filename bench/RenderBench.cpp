// Rendering a page whose clue blocks must shrink to fit: every point size down to the one that
// fits is a whole layout of the blocks. On the recording surface (the layout work alone) and
// on a picture of 1275 pixels with the real fonts.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchWords.h"
#include "layouts/PageObjects.h"
#include "model/GenerationRun.h"
#include "output/PageRenderer.h"
#include "output/PuzzleEntries.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"
#include "report/RecordingSurface.h"

namespace qf::bench {
namespace {

// A generated puzzle of `words` on a square shape, with clues of several words each, laid out
// on the built-in default layout.
std::unique_ptr<PuzzleRecord> Puzzle(const std::vector<std::string>& words, int side) {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    BuildDefaultLayout(p->layout);
    p->width = p->height = static_cast<std::int16_t>(side);
    for (std::size_t i = 0; i < words.size() && i < kMaxWords; ++i) {
        p->words[i] = words[i];
        p->clues[i] = "a clue of several ordinary words that describes " + words[i] + " for the solver";
    }
    p->wordCount = static_cast<std::int16_t>(std::min<std::size_t>(words.size(), kMaxWords));
    ShapeRecord shape;
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c) shape.Cell(CellIndex(r, c)) = 1;
    RunOptions options;
    options.attempts = 3;
    options.seed = 11;
    options.threads = 1;
    RunResults results;
    BuildPuzzles(*p, shape, options, results);
    auto best = std::make_unique<PuzzleRecord>(results.Candidate(1));
    best->generated = 1;
    best->inGrid.fill(0);
    for (int i = 0; i < best->wordCount; ++i) best->inGrid[static_cast<std::size_t>(i)] = 1;
    return best;
}

void Recording(benchmark::State& state, const std::vector<std::string>* words, int side) {
    const auto puzzle = Puzzle(*words, side);
    for (auto _ : state) {
        RecordingSurface surface;
        PageLayoutRecord layout = puzzle->layout;
        const RenderResult r = RenderPage(surface, *puzzle, layout, PrintOptions{}, PrintHeadings{"Across", "Down"});
        benchmark::DoNotOptimize(r.acrossClues.fontSize);
    }
    state.counters["entries"] = EntryCount(*puzzle);
}

void Picture(benchmark::State& state, const std::vector<std::string>* words, int side) {
    const auto puzzle = Puzzle(*words, side);
    EnsureGuiApplication();
    int size = 0;
    for (auto _ : state) {
        ImageTarget target(1275);
        QPainterSurface surface(target);
        PageLayoutRecord layout = puzzle->layout;
        const RenderResult r = RenderPage(surface, *puzzle, layout, PrintOptions{}, PrintHeadings{"Across", "Down"});
        surface.Finish();
        size = r.acrossClues.fontSize;
    }
    state.counters["entries"] = EntryCount(*puzzle);
    state.counters["fitted_points"] = size;
}

BENCHMARK_CAPTURE(Recording, a_15_words, &kWords15, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recording, b_60_words, &kWords60, 25)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recording, c_200_words, &kWords200, 50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, a_15_words, &kWords15, 15)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, b_60_words, &kWords60, 25)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, c_200_words, &kWords200, 50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qf::bench

BENCHMARK_MAIN();
