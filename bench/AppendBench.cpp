// Adding one puzzle to a collection of 10 and of 10,000 puzzles (about 700 MB): the cost must
// follow the puzzle, not the file. The collection is a sparse file of blank slots in a folder
// on disk (QF_BENCH_DIR, else the current folder), since the syncs are what an append costs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "collections/CollectionFile.h"

namespace {

std::string BenchFolder() {
    const char* dir = std::getenv("QF_BENCH_DIR");
    return dir && *dir ? dir : ".";
}

void AppendOnePuzzle(benchmark::State& state) {
    const std::int64_t slots = state.range(0);
    const std::string path = BenchFolder() + "/append-bench-" + std::to_string(::getpid()) + ".QF3";
    const std::int64_t size = slots * static_cast<std::int64_t>(qf::kSlotSize);
    auto record = std::make_unique<qf::PuzzleRecord>();
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) {
            state.SkipWithError("cannot create the collection");
            return;
        }
        std::fclose(f);
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));  // back to `slots` puzzles
        state.ResumeTiming();
        const qf::Outcome done = qf::AppendPuzzle(path, *record);
        if (!done.IsDone()) state.SkipWithError("append failed");
    }
    std::filesystem::remove(path);
    state.counters["MB"] = static_cast<double>(size) / 1e6;
}

BENCHMARK(AppendOnePuzzle)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
