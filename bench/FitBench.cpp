// Shrinking to fit from extreme stored sizes: a page whose clue blocks, word list and text
// object all start at 1000 points with "make it fit" on. The step-by-step search lays every
// block out again at each point down to the one that fits; the search that passes over sizes
// whose rows cannot hold the entries must give the same page, only sooner.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "BenchWords.h"
#include "layouts/PageObjects.h"
#include "output/PageRenderer.h"
#include "output/PuzzleEntries.h"
#include "output/RenderContext.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"
#include "report/RecordingSurface.h"

namespace qf::bench {
namespace {

// A generated-looking puzzle of 200 entries (100 across, 100 down) with clues of several words.
std::unique_ptr<PuzzleRecord> Puzzle() {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->width = p->height = 50;
    for (std::size_t i = 0; i < kMaxWords; ++i) {
        const std::string& word = kWords200[i % kWords200.size()];
        p->words[i] = word;
        p->clues[i] = "a clue of several ordinary words that describes " + word + " for the solver";
        p->number[i] = static_cast<std::int16_t>(i % 100 + 1);
        p->startCell[i] = static_cast<std::int16_t>(i + 1);
        p->letterCount[i] = 1;
        p->isAcross[i] = i < 100 ? 1 : 0;
        p->inGrid[i] = 1;
    }
    p->wordCount = kMaxWords;
    p->acrossCount = p->downCount = 100;
    p->generated = 1;
    BuildDefaultLayout(p->layout);
    PageLayoutRecord& layout = p->layout;
    // The default's six objects, then a word list and a text object; every block at 1000 points.
    const auto add = [&](ObjectKind kind, std::array<std::int32_t, 4> rect, const std::string& text) {
        PageObject o = NewPageObject(kind, layout, HeadingLabels{});
        o.rect = rect;
        SetObjectText(o, text);
        layout.objects[static_cast<std::size_t>(layout.objectCount++)] = o;
    };
    add(ObjectKind::WordList, {48, 488, 360, 520}, "");
    add(ObjectKind::Text, {372, 48, 400, 480}, "Solve the puzzle, then read the shaded squares.\r\nGood luck!");
    for (int k = 0; k < layout.objectCount; ++k) {
        PageObject& o = layout.objects[static_cast<std::size_t>(k)];
        o.makeFit = 1;
        if (o.Kind() != ObjectKind::Title && o.Kind() != ObjectKind::Puzzle) o.textFont.size = 1000;
    }
    return p;
}

// What the layout fuzz target found: blocks a few units wide reaching two thousand million units
// below the page. Their rows are many at every size, but no word fits their width.
std::unique_ptr<PuzzleRecord> NarrowAndTall() {
    auto p = Puzzle();
    for (int k = 0; k < p->layout.objectCount; ++k) {
        PageObject& o = p->layout.objects[static_cast<std::size_t>(k)];
        if (o.Kind() == ObjectKind::Title || o.Kind() == ObjectKind::Puzzle) continue;
        o.rect[2] = o.rect[0] + 4;
        o.rect[3] = 2147483647;
    }
    return p;
}

void Run(benchmark::State& state, bool shortcuts, bool picture, bool narrow = false) {
    const auto puzzle = narrow ? NarrowAndTall() : Puzzle();
    if (picture) EnsureGuiApplication();
    SetFitShortcuts(shortcuts);
    int fitted = 0;
    for (auto _ : state) {
        PageLayoutRecord layout = puzzle->layout;
        const PrintHeadings headings{"Across", "Down"};
        if (picture) {
            ImageTarget target(1275);
            QPainterSurface surface(target);
            fitted = RenderPage(surface, *puzzle, layout, PrintOptions{}, headings).acrossClues.fontSize;
            surface.Finish();
        } else {
            RecordingSurface surface;
            fitted = RenderPage(surface, *puzzle, layout, PrintOptions{}, headings).acrossClues.fontSize;
        }
    }
    SetFitShortcuts(true);
    state.counters["fitted_points"] = fitted;
}

void Recording(benchmark::State& state, bool shortcuts) { Run(state, shortcuts, false); }
void Picture(benchmark::State& state, bool shortcuts) { Run(state, shortcuts, true); }
void NarrowPicture(benchmark::State& state, bool shortcuts) { Run(state, shortcuts, true, true); }

BENCHMARK_CAPTURE(Recording, passing_over, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Recording, step_by_step, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, passing_over, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Picture, step_by_step, false)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(NarrowPicture, passing_over, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(NarrowPicture, step_by_step, false)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace qf::bench

BENCHMARK_MAIN();
