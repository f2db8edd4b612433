// Speed of the construction attempt (fast builder against the step-by-step reference) and of
// a whole generation run. Figures and the command that produced them: README.md.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "BenchWords.h"
#include "model/GenerationRun.h"
#include "model/ReferenceConstruction.h"

namespace qf::bench {
namespace {

ShapeRecord Square(int side) {
    ShapeRecord shape;
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int row = 1; row <= side; ++row) {
        for (int c = 1; c <= side; ++c) shape.Cell(CellIndex(row, c)) = 1;
    }
    return shape;
}

PuzzleRecord WordRecord(const std::vector<std::string>& words, const ShapeRecord& shape) {
    PuzzleRecord record = NewPuzzleRecord();
    for (std::size_t i = 0; i < words.size(); ++i) record.words[i].Set(words[i]);
    record.wordCount = static_cast<std::int16_t>(words.size());
    record.width = shape.width;
    record.height = shape.height;
    return record;
}

enum class Kind { Fast, Reference };

void Attempts(benchmark::State& state, Kind kind, const std::vector<std::string>* words, int side) {
    const ShapeRecord shape = Square(side);
    const PuzzleRecord saved = WordRecord(*words, shape);
    GridBuilder builder;
    PlacedFlags placed{};
    int attempt = 0;
    std::int64_t words_placed = 0;
    for (auto _ : state) {
        PuzzleRecord record = saved;  // each attempt starts from the saved copy, as in a run
        AttemptRandom random(20261208, ++attempt);
        const int score = kind == Kind::Fast
                              ? builder.ConstructGrid(record, shape, {}, random)
                              : test::ReferenceConstructGrid(record, shape, {}, random, placed);
        benchmark::DoNotOptimize(score);
        words_placed += score;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["placed"] = static_cast<double>(words_placed) / static_cast<double>(state.iterations());
}

BENCHMARK_CAPTURE(Attempts, a_fast_15_words_15x15, Kind::Fast, &kWords15, 15);
BENCHMARK_CAPTURE(Attempts, a_reference_15_words_15x15, Kind::Reference, &kWords15, 15);
BENCHMARK_CAPTURE(Attempts, b_fast_60_words_25x25, Kind::Fast, &kWords60, 25);
BENCHMARK_CAPTURE(Attempts, b_reference_60_words_25x25, Kind::Reference, &kWords60, 25);
BENCHMARK_CAPTURE(Attempts, c_fast_200_words_50x50, Kind::Fast, &kWords200, 50);
BENCHMARK_CAPTURE(Attempts, c_reference_200_words_50x50, Kind::Reference, &kWords200, 50);

// 999 attempts of 200 words in 50 x 50; FUZZ crosses nothing, so the run never ends early.
void WholeRun(benchmark::State& state) {
    const ShapeRecord shape = Square(50);
    PuzzleRecord working = WordRecord(kWordsOneLonely, shape);
    const int threads = static_cast<int>(state.range(0));
    RunResults results;
    for (auto _ : state) {
        BuildPuzzles(working, shape, {999, false, false, 20261208, threads}, results);
        if (results.attemptsMade != 999) throw std::logic_error("the run ended early");
    }
    state.SetItemsProcessed(state.iterations() * 999);
    state.counters["best"] = results.scores[0];
}
BENCHMARK(WholeRun)->Name("d_run_999_attempts_200_words_50x50/threads")->Arg(1)->Arg(2)
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace qf::bench

BENCHMARK_MAIN();
