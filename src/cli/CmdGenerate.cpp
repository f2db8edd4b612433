// generate: Create and a generation run from a word list file, then Save of one candidate
// into a collection, as the word list editor and the candidate form do.
#include <charconv>
#include <filesystem>
#include <ostream>

#include "base/Ansi.h"
#include "cli/CliCommand.h"
#include "collections/CollectionFile.h"
#include "editor/WordTextImport.h"
#include "exchange/CrosswordImport.h"
#include "layouts/LayoutLibrary.h"
#include "model/CandidateChoice.h"
#include "model/CreateCheck.h"
#include "model/ExclusionReasons.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeFiles.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli generate --words FILE --shape FILE.LAY|INDEX --collection FILE.QF3\n"
    "        [--title T] [--category C] [--bonus Q] [--attempts N] [--shrink] [--quick]\n"
    "        [--seed S] [--sep C] [--pick K]\n"
    "      Builds a puzzle from a word list (one entry a line: word, separator, clue; default\n"
    "      separator \":\"; UTF-8 or Windows-1252) inside a shape (a .LAY file, or a record index\n"
    "      of the shapes library QFFLAY.DAT), prints the kept candidates, each with the words it\n"
    "      left out and why, and appends candidate K (default 1, the best fit) to the collection.\n"
    "      Attempts default to 1; title and category to the word file's name and \"General\".\n"
    "      The same --seed gives the same puzzle. A word file ending in .ipuz, .puz or .xd is a\n"
    "      crossword made elsewhere: its answers and clues are taken.\n";

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
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

// The word file's lines taken as the import takes words and clues, in file order.
Outcome ReadEntries(CliContext& ctx, const std::string& wordsPath, char separator, CreateEntries& entries) {
    std::vector<std::string> lines;
    const auto crossword = FormatOfFile(wordsPath);
    if (crossword && *crossword != ExchangeFormat::Html) {
        // A crossword's answers and clues, joined by a character that neither can hold.
        std::vector<ImportedEntry> imported;
        if (Outcome read = ReadCrosswordFile(wordsPath, *crossword, imported); !read.IsDone()) return read;
        separator = '\x1F';
        for (const ImportedEntry& e : imported) lines.push_back(e.word + separator + e.clue);
    } else {
        const Outcome read = ReadImportFile(wordsPath, lines);
        if (!read.IsDone()) return read;
        if (!read.message.Empty()) ctx.GetPrompter().Inform(read.message);  // characters replaced by "?"
    }
    EditorGrid grid;
    const Outcome imported =
        ImportIntoGrid(grid, lines, WordTextKind::WordsAndClues, std::string(1, separator), ctx.GetPrompter());
    if (!imported.IsDone()) return imported;
    entries.words = grid.words;
    entries.clues = grid.clues;
    return Outcome::Done();
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
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!wordsPath || !shapeSpec || !collection) return ctx.Usage(kUsage);

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
    const std::string separator = sepText ? Utf8ToAnsi(*sepText) : ":";
    if (separator.size() != 1 || separator == " ") {
        ctx.err << "quernfold-cli: --sep takes one character\n";
        return ctx.Usage(kUsage);
    }

    ShapeRecord shape;
    if (Outcome o = ReadShapeByIndexOrFile(ctx.state.ShapesLibrary(), *shapeSpec, shape); !o.IsDone()) return ctx.Fail(o);

    CreateEntries entries;
    if (Outcome o = ReadEntries(ctx, *wordsPath, separator[0], entries); !o.IsDone()) return ctx.Fail(o);
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
    RunResults& results = ctx.state.lastRun;
    BuildPuzzles(working, shape, options, results);
    const int totalWords = working.wordCount;
    PrintCandidates(ctx, results, working, shape);

    if (Outcome o = ChooseCandidate(results, pick, totalWords, ctx.GetPrompter(), working); !o.IsDone())
        return ctx.Fail(o);
    if (Outcome o = AppendPuzzle(*collection, working); !o.IsDone()) return ctx.Fail(o);
    return kExitOk;
}

const CommandRegistrar reg({"generate", kUsage, "build a puzzle from a word list and add it to a collection", Generate});

}  // namespace
}  // namespace qf::cli
