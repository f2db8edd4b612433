// Fill Empty Clues on 200 ordinary school words (tests/editor/SchoolWords.h): the first
// suggestion of each row from WordNet's definitions and the American thesaurus, with the data
// opened once beforehand as the editor keeps it; and the opening itself, which the first
// suggestion command of an editor pays.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "base/Directories.h"
#include "editor/ClueFill.h"
#include "editor/SpellLanguages.h"
#include "editor/ThesaurusData.h"
#include "editor/WordNet.h"
#include "editor/SchoolWords.h"

namespace qf::bench {
namespace {

// The program directory the build writes the thesaurus descriptors into: the benchmark's own folder.
std::string ProgramDir() {
    if (const char* set = std::getenv("QUERNFOLD_PROGRAM_DIR")) return set;
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

EditorGrid SchoolGrid() {
    EditorGrid grid;
    for (std::size_t i = 0; i < test::kSchoolWords.size(); ++i) grid.words[i] = test::kSchoolWords[i];
    return grid;
}

void BM_FillEmptyClues200(benchmark::State& state) {
    const auto wordNet = WordNet::Open(WordNetFolder());
    const auto thesaurus = LoadThesaurusFile(JoinPath(ProgramDir(), ThesaurusFileName(1)));
    if (!wordNet || !thesaurus) {
        state.SkipWithError("no WordNet data or thesaurus");
        return;
    }
    const ClueSources sources{wordNet.get(), thesaurus.get(), 3};
    std::size_t filled = 0;
    for (auto _ : state) {
        EditorGrid grid = SchoolGrid();
        filled = FillEmptyClues(grid, sources).filled.size();
        benchmark::DoNotOptimize(grid);
    }
    state.counters["filled"] = static_cast<double>(filled);
}
BENCHMARK(BM_FillEmptyClues200)->Unit(benchmark::kMillisecond);

void BM_OpenDictionary(benchmark::State& state) {
    for (auto _ : state) {
        auto wordNet = WordNet::Open(WordNetFolder());
        auto thesaurus = LoadThesaurusFile(JoinPath(ProgramDir(), ThesaurusFileName(1)));
        benchmark::DoNotOptimize(wordNet);
        benchmark::DoNotOptimize(thesaurus);
    }
}
BENCHMARK(BM_OpenDictionary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qf::bench

BENCHMARK_MAIN();
