// Words placed by the generation run (999 attempts) and by the thorough fill (1 s of steps) on
// realistic word lists, every thorough grid checked by the reference kept in the tests, and the
// shape suggested for the lists that do not fit. A plain program: it prints the table of
// README.md. `--steps` measures the steps per second instead.
//
//   ThoroughBench [--lists N] [--only WORDS/SHAPE] [--wordlists DIR] [--steps] [--suggest] [--detail] [--seconds S]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "base/ByteCodec.h"
#include "model/CreateCheck.h"
#include "model/ReferenceConstruction.h"
#include "model/ShapeSuggestion.h"
#include "model/ThoroughFill.h"
#include "shapes/ShapeFiles.h"

namespace qf::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Words = std::vector<std::string>;

ShapeRecord Square(int side) {
    ShapeRecord shape;
    shape.name.Set("Square " + std::to_string(side));
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int row = 1; row <= side; ++row) {
        for (int c = 1; c <= side; ++c) shape.Cell(CellIndex(row, c)) = 1;
    }
    return shape;
}

// The word lists of the folder (WORD:clue lines) by size, and every plain word of 3 to 15
// letters among them, for lists of the same kind.
struct Library {
    std::map<int, std::vector<Words>> lists;
    Words pool;
};

Library ReadLists(const fs::path& dir) {
    Library lib;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".txt" && e.path().filename().string()[0] == 'n') files.push_back(e.path());
    }
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".txt" && e.path().filename().string().rfind("theme", 0) == 0) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        std::ifstream in(file);
        Words words;
        for (std::string line; std::getline(in, line);) {
            const std::string word = line.substr(0, line.find(':'));
            if (word.size() < 3 || word.size() > 15) continue;
            if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) continue;
            words.push_back(word);
            if (std::find(lib.pool.begin(), lib.pool.end(), word) == lib.pool.end()) lib.pool.push_back(word);
        }
        if (file.filename().string()[0] == 'n') lib.lists[static_cast<int>(words.size())].push_back(words);
    }
    return lib;
}

// `count` lists of `size` words no longer than `longest`: the folder's own first, then drawn.
std::vector<Words> ListsOf(const Library& lib, int size, int count, int longest) {
    std::vector<Words> out;
    if (auto it = lib.lists.find(size); it != lib.lists.end()) {
        for (const Words& w : it->second) {
            if (static_cast<int>(out.size()) < count &&
                std::all_of(w.begin(), w.end(), [&](const std::string& s) { return static_cast<int>(s.size()) <= longest; }))
                out.push_back(w);
        }
    }
    Words pool;
    for (const auto& w : lib.pool) {
        if (static_cast<int>(w.size()) <= longest) pool.push_back(w);
    }
    std::mt19937_64 rng(static_cast<std::uint64_t>(size) * 7919 + static_cast<std::uint64_t>(longest));
    while (static_cast<int>(out.size()) < count && static_cast<int>(pool.size()) >= size) {
        std::shuffle(pool.begin(), pool.end(), rng);
        out.emplace_back(pool.begin(), pool.begin() + size);
    }
    return out;
}

PuzzleRecord WordRecord(const Words& words, const ShapeRecord& shape) {
    PuzzleRecord record = NewPuzzleRecord();
    for (std::size_t i = 0; i < words.size(); ++i) {
        record.words[i].Set(words[i]);
        record.clues[i].Set("clue " + std::to_string(i + 1));
    }
    record.wordCount = static_cast<std::int16_t>(words.size());
    record.width = shape.width;
    record.height = shape.height;
    return record;
}

// The most words of the list (shortest first) whose letters, less the crossings that join them
// (one fewer than the words), fit in the shape's cells.
int LetterBound(Words words, int cells) {
    std::sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    int letters = 0, k = 0;
    for (const auto& w : words) {
        letters += static_cast<int>(w.size());
        if (letters - k > cells) break;
        ++k;
    }
    return k;
}

// Whether every grid the search kept is the grid the reference builds from its placements.
bool OracleAccepts(const PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options,
                   const RunResults& results, const ThoroughReport& report) {
    for (int n = 1; n <= kCandidateCount; ++n) {
        const auto& order = report.orders[static_cast<std::size_t>(n - 1)];
        if (order.empty()) continue;
        std::vector<test::ReferencePlacement> places;
        for (const WordPlacement& p : order) places.push_back({p.slot + 1, p.start, p.across});
        auto replay = std::make_unique<PuzzleRecord>(working);
        PlacedFlags placed{};
        const int score = test::ReferenceReplayPlacements(*replay, shape, {options.shrink, options.quickCreate}, places, placed);
        if (score != results.scores[static_cast<std::size_t>(n - 1)] || EncodeRecord(*replay) != EncodeRecord(results.Candidate(n)) ||
            placed != results.placed[static_cast<std::size_t>(n - 1)])
            return false;
    }
    return true;
}

struct Cell {
    int words;
    ShapeRecord shape;
};

struct Args {
    int lists = 20;
    std::string only;
    fs::path wordlists;
    bool steps = false;
    bool suggest = false;
    bool detail = false;  // a line per list on standard error
    double seconds = 1;   // the thorough fill's budget
};

void RunTable(const Args& args, const Library& lib, const std::vector<Cell>& cells, const std::vector<ShapeRecord>& library) {
    std::printf("| words | shape | run 999: mean (min-max) | all placed | thorough 1 s: mean (min-max) | all placed |"
                " fewer | oracle | letters/cells | bound | s/list |%s\n", args.suggest ? " suggested (holds all) |" : "");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|%s\n", args.suggest ? "---|" : "");
    for (const Cell& cell : cells) {
        const std::string name = cell.shape.name.Str();
        if (!args.only.empty() && args.only != std::to_string(cell.words) + "/" + name) continue;
        const int usable = UsableCells(cell.shape);
        const int longest = LongestRun(cell.shape, cell.shape.width, cell.shape.height);
        const auto lists = ListsOf(lib, cell.words, args.lists, longest);
        double sumRun = 0, sumThorough = 0, sumDemand = 0, sumBound = 0, seconds = 0;
        int minRun = 999, maxRun = 0, minTh = 999, maxTh = 0, allRun = 0, allTh = 0, fewer = 0, rejected = 0;
        int suggestedHold = 0, suggestedTried = 0;
        std::map<std::string, int> suggestedNames;
        for (std::size_t i = 0; i < lists.size(); ++i) {
            PuzzleRecord working = WordRecord(lists[i], cell.shape);
            RunOptions run;
            run.attempts = 999;
            run.seed = 1000 + i;
            RunResults results;
            ThoroughReport report;
            ThoroughOptions thorough;
            thorough.steps = ThoroughBudget(args.seconds);
            const auto t0 = Clock::now();
            ThoroughFill(working, cell.shape, run, thorough, results, report);
            seconds += std::chrono::duration<double>(Clock::now() - t0).count();
            const int n = cell.words, d = report.describedBest, t = results.scores[0];
            sumRun += d;
            sumThorough += t;
            minRun = std::min(minRun, d), maxRun = std::max(maxRun, d);
            minTh = std::min(minTh, t), maxTh = std::max(maxTh, t);
            allRun += d == n ? 1 : 0;
            allTh += t == n ? 1 : 0;
            fewer += t < d ? 1 : 0;
            rejected += OracleAccepts(working, cell.shape, run, results, report) ? 0 : 1;
            if (args.detail) {
                std::string left;
                for (const auto& w : report.blocking) left += " " + w;
                std::fprintf(stderr, "%d/%s list %zu: run %d, thorough %d, steps %lld; left out:%s\n", n, name.c_str(), i + 1,
                             d, t, static_cast<long long>(report.steps), left.c_str());
            }
            int letters = 0;
            for (const auto& w : lists[i]) letters += static_cast<int>(w.size());
            sumDemand += static_cast<double>(letters - (n - 1)) / usable;
            sumBound += std::min(n, LetterBound(lists[i], usable));
            if (args.suggest && t < n) {
                ++suggestedTried;
                const ShapeSuggestion s = SuggestShape(working, cell.shape, library, run, thorough);
                if (s.index >= 0) {
                    suggestedHold += s.placed == n ? 1 : 0;
                    ++suggestedNames[library[static_cast<std::size_t>(s.index)].name.Str()];
                } else {
                    ++suggestedNames["none"];
                }
            }
        }
        const double count = static_cast<double>(lists.size());
        std::printf("| %d | %s | %.1f (%d-%d) | %d/%zu | %.1f (%d-%d) | %d/%zu | %d | %zu/%zu | %.2f | %.1f | %.2f |",
                    cell.words, name.c_str(), sumRun / count, minRun, maxRun, allRun, lists.size(), sumThorough / count,
                    minTh, maxTh, allTh, lists.size(), fewer, lists.size() - static_cast<std::size_t>(rejected), lists.size(),
                    sumDemand / count, sumBound / count, seconds / count);
        if (args.suggest) {
            std::string text;
            for (const auto& [shapeName, times] : suggestedNames) text += shapeName + " x" + std::to_string(times) + " ";
            std::printf(" %s(%d/%d) |", text.c_str(), suggestedHold, suggestedTried);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
}

// Steps per second of the whole search on every core, on lists that never complete (so the
// whole budget is spent), over the table's cases of that kind: a step's cost grows with the
// grid and the list, so one case alone would set the second for that case only.
void MeasureSteps(const Library& lib) {
    struct Case {
        int words, side;
    };
    const Case cases[] = {{30, 15}, {60, 21}, {60, 25}, {120, 25}, {120, 31}, {200, 31}, {200, 42}};
    std::int64_t allSteps = 0;
    double allCpu = 0;
    for (const Case& c : cases) {
        const ShapeRecord shape = Square(c.side);
        const auto lists = ListsOf(lib, c.words, 3, c.side);
        std::int64_t steps = 0;
        const std::clock_t cpu0 = std::clock();
        for (std::size_t i = 0; i < lists.size(); ++i) {
            PuzzleRecord working = WordRecord(lists[i], shape);
            RunOptions run;
            run.attempts = 1;
            run.seed = 7 + i;
            RunResults results;
            ThoroughReport report;
            ThoroughOptions thorough;
            thorough.steps = 20'000'000;
            ThoroughFill(working, shape, run, thorough, results, report);
            steps += report.steps;
        }
        // Other work on the machine takes cores from the search: the processor time shows what
        // the search itself got, and two cores of it make a second of the 2-core machine.
        const double cpu = static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
        std::printf("%d words in %d x %d: %lld steps in %.2f s of processor time, %.0f per second of 2 cores\n", c.words,
                    c.side, c.side, static_cast<long long>(steps), cpu, 2 * static_cast<double>(steps) / cpu);
        allSteps += steps;
        allCpu += cpu;
    }
    std::printf("all: %.0f steps per second of 2 cores\n", 2 * static_cast<double>(allSteps) / allCpu);
}

}  // namespace
}  // namespace qf::bench

int main(int argc, char** argv) {
    using namespace qf;
    using namespace qf::bench;
    Args args;
    args.wordlists = QF_SHARED_WORDLISTS;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lists" && i + 1 < argc) args.lists = std::atoi(argv[++i]);
        else if (a == "--only" && i + 1 < argc) args.only = argv[++i];
        else if (a == "--wordlists" && i + 1 < argc) args.wordlists = argv[++i];
        else if (a == "--steps") args.steps = true;
        else if (a == "--suggest") args.suggest = true;
        else if (a == "--detail") args.detail = true;
        else if (a == "--seconds" && i + 1 < argc) args.seconds = std::atof(argv[++i]);
        else {
            std::fprintf(stderr, "usage: ThoroughBench [--lists N] [--only WORDS/SHAPE] [--wordlists DIR] [--steps] [--suggest] [--detail] [--seconds S]\n");
            return 2;
        }
    }
    const Library lib = ReadLists(args.wordlists);
    if (args.steps) {
        MeasureSteps(lib);
        return 0;
    }
    // The shipped library beside the program: the heart and the star, and the shapes to suggest.
    std::vector<ShapeRecord> library;
    const std::string libraryPath = (fs::path(argv[0]).parent_path() / kShapesFileName).string();
    if (const auto entries = ListShapes(libraryPath)) {
        for (const ShapeEntry& e : *entries) {
            ShapeRecord s;
            if (ReadShape(libraryPath, e.index, s).IsDone()) library.push_back(s);
        }
    }
    std::vector<Cell> cells = {{15, Square(15)}, {15, Square(21)}, {30, Square(15)}, {30, Square(21)}, {30, Square(25)},
                               {60, Square(21)}, {60, Square(25)}, {60, Square(31)}, {120, Square(25)},
                               {120, Square(31)}, {120, Square(42)}, {200, Square(31)}, {200, Square(42)}};
    for (const ShapeRecord& s : library) {
        if (s.name.Str() == "Heart" || s.name.Str() == "Star") {
            cells.push_back({15, s});
            cells.push_back({30, s});
        }
    }
    RunTable(args, lib, cells, library);
    return 0;
}
