// Rendering a page whose clue blocks must shrink to fit: every point size down to the one that
// fits is a whole layout of the blocks. On the recording surface (the layout work alone) and
// on a picture of 1275 pixels with the real fonts.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchPuzzle.h"
#include "BenchWords.h"
#include "output/PageRenderer.h"
#include "output/PuzzleEntries.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"
#include "report/RecordingSurface.h"

namespace qf::bench {
namespace {

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
