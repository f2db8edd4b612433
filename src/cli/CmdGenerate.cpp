// generate: Create and a generation run from a word list file, then Save of one candidate
// into a collection, as the word list editor and the candidate form do.
#include <charconv>
#include <string>
#include <filesystem>
#include <ostream>

#include "app/ListPuzzle.h"
#include "base/Ansi.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/GenerateBatch.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "model/CandidateChoice.h"
#include "model/CreateCheck.h"
#include "model/ExclusionReasons.h"
#include "model/GenerationRun.h"
#include "model/ShapeSuggestion.h"
#include "model/ThoroughFill.h"
#include "model/Variants.h"
#include "shapes/ShapeFiles.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli generate --words FILE --shape FILE.LAY|INDEX --collection FILE.QF3\n"
    "        [--title T] [--category C] [--bonus Q] [--attempts N] [--shrink] [--quick]\n"
    "        [--seed S] [--sep C] [--pick K | --variants K] [--thorough [--budget SECONDS]]\n"
    "      Builds a puzzle from a word list (one entry a line: word, separator, clue; default\n"
    "      separator \":\"; UTF-8 or Windows-1252) inside a shape (a .LAY file, or a record index\n"
    "      of the shapes library QFFLAY.DAT), prints the kept candidates, each with the words it\n"
    "      left out and why, and appends candidate K (default 1, the best fit) to the collection.\n"
    "      Attempts default to 1; title and category to the word file's name and \"General\".\n"
    "      The same --seed gives the same puzzle. A word file ending in .ipuz, .puz or .xd is a\n"
    "      crossword made elsewhere: its answers and clues are taken.\n"
    "      --thorough goes on after the attempts with a search that lays more words in the same\n"
    "      shape (SECONDS of search on a 2-core machine, default 1, counted in steps, so the same\n"
    "      --seed and budget give the same puzzle anywhere); when words are still left out, it\n"
    "      names them and the first larger shape of the shapes library that holds them all.\n"
    "      --variants K (2 to 26) stores K puzzles of the same words in different grids, titled\n"
    "      \"Title (A)\", \"Title (B)\" ..., from runs of the seeds S, S+1 ..., and prints what\n"
    "      each left out; when the shape gives fewer different grids, nothing is stored.\n"
    "  quernfold-cli generate --batch FILE.csv|FOLDER --collection FILE.QF3 [--shape FILE.LAY|INDEX]\n"
    "        [--category C] [--attempts N] [--seed S] [--shrink] [--quick] [--sep C]\n"
    "      One puzzle from each list: the rows of a CSV file (words file, title, category,\n"
    "      shape, attempts, seed; empty cells take the options, a list's seed S plus its number\n"
    "      from 0) or the *.txt word files of a folder, in name order. Each is stored with its\n"
    "      best grid, left-out words and all, and gets a line of result; a list that cannot be\n"
    "      built is not stored, and then the exit status is 1.\n";

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Seconds as typed: digits with an optional fraction, from 0.001 to 3600.
bool ParseSeconds(const std::string& text, double& seconds) {
    const auto dot = text.find('.');
    const std::string whole = text.substr(0, dot), fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if (whole.empty() || whole.find_first_not_of("0123456789") != std::string::npos || whole.size() > 4) return false;
    if (dot != std::string::npos && (fraction.empty() || fraction.find_first_not_of("0123456789") != std::string::npos))
        return false;
    seconds = std::stod("0" + whole + (fraction.empty() ? "" : "." + fraction.substr(0, 6)));
    return seconds >= 0.001 && seconds <= 3600;
}

// The library's shapes in file order, with their record indexes.
std::vector<ShapeRecord> LibraryShapes(const std::string& libraryPath, std::vector<std::int64_t>& indexes) {
    std::vector<ShapeRecord> shapes;
    const auto entries = ListShapes(libraryPath);
    if (!entries) return shapes;
    for (const ShapeEntry& e : *entries) {
        ShapeRecord shape;
        if (!ReadShape(libraryPath, e.index, shape).IsDone()) continue;
        shapes.push_back(shape);
        indexes.push_back(e.index);
    }
    return shapes;
}

// What the search added, what still stops a complete grid and the larger shape for it.
void PrintThorough(CliContext& ctx, const RunResults& results, const ThoroughReport& report,
                   const PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& run,
                   const ThoroughOptions& thorough) {
    const int total = working.UsedWords();
    ctx.Line("Thorough fill: " + std::to_string(results.scores[0]) + " of " + std::to_string(total) +
             " words (the attempts alone: " + std::to_string(report.describedBest) + ")");
    if (report.blocking.empty()) return;
    std::string names;
    for (const std::string& word : report.blocking) names += (names.empty() ? "" : ", ") + word;
    ctx.Line("Words that stop a complete grid: " + names);
    std::vector<std::int64_t> indexes;
    const std::vector<ShapeRecord> library = LibraryShapes(ctx.state.ShapesLibrary(), indexes);
    const ShapeSuggestion suggestion = SuggestShape(working, shape, library, run, thorough);
    if (suggestion.index < 0) {
        ctx.Line("No larger shape of the shapes library holds them all.");
    } else {
        const auto i = static_cast<std::size_t>(suggestion.index);
        ctx.Line("A larger shape that holds them all: " + ShapeListText(library[i]) + " (--shape " +
                 std::to_string(indexes[i]) + ")");
    }
}

// Each kept candidate with its score, and under it every word it left out and why.
void PrintCandidates(CliContext& ctx, const RunResults& results, const PuzzleRecord& start, const ShapeRecord& shape) {
    const int totalWords = start.UsedWords();
    for (int n = 1; n <= kCandidateCount; ++n) {
        if (results.scores[n - 1] < 1) continue;
        ctx.Line(std::string(kCandidateLabels[n - 1]) + ": " + std::to_string(results.scores[n - 1]) + " of " +
                 std::to_string(totalWords) + " words");
        for (const Exclusion& left : ExplainExclusions(results, n, start, shape))
            ctx.Line("  left out " + left.word + (left.reason.empty() ? "" : ": " + left.reason));
    }
}

// Variants of the word list, appended together as puzzles of their own: "Title (A): 12 of 13 words"
// and its left-out words, one line each.
int StoreVariants(CliContext& ctx, PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options,
                  int count, const std::string& collection) {
    const std::vector<Variant> made = MakeVariants(working, shape, options, count);
    if (static_cast<int>(made.size()) < count)
        return FailText(ctx, "only " + std::to_string(made.size()) + " different grids of these words in this shape");
    std::vector<const PuzzleRecord*> records;
    for (const Variant& v : made) records.push_back(v.puzzle.get());
    if (Outcome o = StorePuzzles(collection, std::nullopt, records); !o.IsDone()) return ctx.Fail(o);
    const int total = working.wordCount;
    for (const Variant& v : made) {
        ctx.Line(v.puzzle->title.Str() + ": " + std::to_string(total - static_cast<int>(v.leftOut.size())) + " of " +
                 std::to_string(total) + " words");
        for (const std::string& word : v.leftOut) ctx.Line("  left out " + word);
    }
    return kExitOk;
}

int Generate(CliContext& ctx, Args& args) {
    const auto wordsPath = args.Option("--words");
    const auto shapeSpec = args.Option("--shape");
    const auto collection = args.Option("--collection");
    const auto title = args.Option("--title");
    const auto category = args.Option("--category");
    const auto bonus = args.Option("--bonus");
    const auto attempts = args.Option("--attempts");
    const auto seedText = args.Option("--seed");
    const auto sepText = args.Option("--sep");
    const auto pickText = args.Option("--pick");
    const bool shrink = args.Flag("--shrink");
    const bool quick = args.Flag("--quick");
    const bool thorough = args.Flag("--thorough");
    const auto budgetText = args.Option("--budget");
    const auto variantsText = args.Option("--variants");
    const auto batch = args.Option("--batch");
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (batch) {
        if (wordsPath || title || bonus || pickText || variantsText || thorough || budgetText || !collection)
            return ctx.Usage(kUsage);
    } else if (!wordsPath || !shapeSpec || !collection) {
        return ctx.Usage(kUsage);
    }

    std::uint64_t seed = 0;
    if (seedText && !ParseNumber(*seedText, seed)) {
        ctx.err << "quernfold-cli: --seed takes a whole number from 0 to 18446744073709551615\n";
        return ctx.Usage(kUsage);
    }
    int pick = 1;
    if (pickText && (!ParseNumber(*pickText, pick) || pick < 1 || pick > kCandidateCount)) {
        ctx.err << "quernfold-cli: --pick takes 1, 2, 3 or 4\n";
        return ctx.Usage(kUsage);
    }
    double budget = 1;
    if (budgetText && (!thorough || !ParseSeconds(*budgetText, budget))) {
        ctx.err << "quernfold-cli: --budget goes with --thorough and takes seconds from 0.001 to 3600\n";
        return ctx.Usage(kUsage);
    }
    int variants = 0;
    if (variantsText && (thorough || pickText || !ParseNumber(*variantsText, variants) || variants < 2 ||
                         variants > kMaxVariants)) {
        ctx.err << "quernfold-cli: --variants takes 2 to 26, without --pick or --thorough\n";
        return ctx.Usage(kUsage);
    }
    const std::string separator = sepText ? Utf8ToAnsi(*sepText) : ":";
    if (separator.size() != 1 || separator == " ") {
        ctx.err << "quernfold-cli: --sep takes one character\n";
        return ctx.Usage(kUsage);
    }
    if (batch) {
        BatchDefaults d;
        d.collection = *collection;
        d.shape = shapeSpec;
        if (category) d.category = *category;
        if (attempts) d.attempts = *attempts;
        d.seed = seedText ? seed : ClockSeed();
        d.shrink = shrink;
        d.quick = quick;
        d.separator = separator[0];
        return GenerateBatch(ctx, *batch, d);
    }

    ShapeRecord shape;
    if (Outcome o = ReadShapeByIndexOrFile(ctx.state.ShapesLibrary(), *shapeSpec, shape); !o.IsDone()) return ctx.Fail(o);

    CreateEntries entries;
    if (Outcome o = ReadWordFile(*wordsPath, separator[0], ctx.GetPrompter(), entries); !o.IsDone()) return ctx.Fail(o);
    entries.title = title ? Utf8ToAnsi(*title) : Utf8ToAnsi(std::filesystem::path(*wordsPath).stem().string());
    entries.category = category ? Utf8ToAnsi(*category) : "General";
    entries.bonusQuestion = bonus ? Utf8ToAnsi(*bonus) : "";
    entries.attempts = attempts ? *attempts : "1";

    PuzzleRecord working = NewPuzzleRecord();
    LoadPageLayout(ctx.state.LayoutsLibrary(), ctx.state.settings.defaultPage, working.layout);
    const CreateCheckResult check = CheckCreate(entries, shape, working);
    ctx.Print(check.warning);
    if (!check.Ok()) return ctx.Fail(check.error);

    RunOptions options;
    options.attempts = check.attempts;
    options.shrink = shrink;
    options.quickCreate = quick;
    if (seedText) options.seed = seed;
    if (variants > 0) return StoreVariants(ctx, working, shape, options, variants, *collection);
    RunResults& results = ctx.state.lastRun;
    ThoroughOptions search;
    search.steps = ThoroughBudget(budget);
    ThoroughReport report;
    if (thorough) {
        // One seed for the run and for the shapes tried for a suggestion.
        if (!options.seed) options.seed = ClockSeed();
        ThoroughFill(working, shape, options, search, results, report);
    } else {
        BuildPuzzles(working, shape, options, results);
    }
    const int totalWords = working.wordCount;
    PrintCandidates(ctx, results, working, shape);
    if (thorough) PrintThorough(ctx, results, report, working, shape, options, search);

    if (Outcome o = ChooseCandidate(results, pick, totalWords, ctx.GetPrompter(), working); !o.IsDone())
        return ctx.Fail(o);
    if (Outcome o = AppendPuzzle(*collection, working); !o.IsDone()) return ctx.Fail(o);
    return kExitOk;
}

const CommandRegistrar reg({"generate", kUsage, "build a puzzle from a word list and add it to a collection", Generate});

}  // namespace
}  // namespace qf::cli
