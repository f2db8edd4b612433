// How long the window's thread goes without serving an event while the progress form runs
// 999 attempts of 200 words: a zero timer of that thread ticks whenever its event loop turns,
// and the gaps between ticks are measured for the whole run. Figures: README.md.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "BenchWords.h"
#include "model/forms/CreationAttempts.h"

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

void ServedEventGaps(benchmark::State& state) {
    const ShapeRecord shape = Square(50);
    auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    for (std::size_t i = 0; i < kWordsOneLonely.size(); ++i) working->words[i].Set(kWordsOneLonely[i]);
    working->wordCount = static_cast<std::int16_t>(kWordsOneLonely.size());
    working->width = shape.width;
    working->height = shape.height;
    RunOptions options;
    options.attempts = 999;
    options.seed = 20261208;

    double worstMs = 0, sumMs = 0;
    std::int64_t gaps = 0;
    for (auto _ : state) {
        RunResults results;
        TCreationAttempts form(FormLook{}, *working, shape, options, results);
        QEventLoop loop;
        QObject::connect(&form, &TCreationAttempts::RunEnded, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        qint64 last = -1;
        QTimer tick;
        tick.setInterval(0);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (!form.Running()) return;
            const qint64 now = clock.nsecsElapsed();
            if (last >= 0) {
                const double gap = static_cast<double>(now - last) / 1e6;
                worstMs = std::max(worstMs, gap);
                sumMs += gap;
                ++gaps;
            }
            last = now;
        });
        clock.start();
        form.show();
        tick.start();
        loop.exec();
        tick.stop();
        if (results.attemptsMade != 999) throw std::logic_error("the run ended early");
    }
    state.counters["worst_gap_ms"] = worstMs;
    state.counters["mean_gap_ms"] = gaps > 0 ? sumMs / static_cast<double>(gaps) : 0.0;
    state.counters["served_events"] = static_cast<double>(gaps);
}
BENCHMARK(ServedEventGaps)->Name("progress_form_999_attempts_200_words_50x50")->Unit(benchmark::kMillisecond)
    ->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace qf::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
