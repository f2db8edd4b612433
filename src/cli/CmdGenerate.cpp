// generate: Create and a generation run from a word list file, then Save of one candidate
// into a collection, as the word list editor and the candidate form do.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

#include "app/Ansi.h"
#include "app/FileUtil.h"
#include "app/TextHelpers.h"
#include "cli/CliCommand.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "model/CandidateChoice.h"
#include "model/CreateCheck.h"
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
    "      of the shapes library QFFLAY.DAT), prints the kept candidates and appends candidate K\n"
    "      (default 1, the best fit) to the collection. Attempts default to 1; title and category\n"
    "      to the word file's name and \"General\". The same --seed gives the same puzzle.\n";

constexpr const char* kUnableToOpenImport = "Unable to open import file.";
constexpr std::size_t kLineReadLimit = 255;

struct Row {
    std::string word, clue;
};

// Lines as the import dialog takes them: first 255 characters, trimmed, empty ones skipped;
// the word before the first separator, the clue after it.
std::vector<Row> ParseWordList(const std::string& ansi, char separator) {
    std::vector<Row> rows;
    std::size_t start = 0;
    while (start < ansi.size()) {
        std::size_t end = ansi.find('\n', start);
        if (end == std::string::npos) end = ansi.size();
        std::string line = ansi.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = TrimBlanks(line.substr(0, std::min(line.size(), kLineReadLimit)));
        if (line.empty()) continue;
        const std::size_t at = line.find(separator);
        if (at == std::string::npos) {
            rows.push_back({line, {}});
        } else {
            rows.push_back({TrimBlanks(line.substr(0, at)), TrimBlanks(line.substr(at + 1))});
        }
    }
    return rows;
}

std::string TooManyWordsQuestion(std::size_t extra) {
    const std::string e = extra == 1 ? "word" : std::to_string(extra) + " words";
    return "Too many words selected.  Last " + e + " will not be used.  Continue?";
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    if (!AllDigits(text)) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// The shape: a record of the library when given an index and the library exists, else a .LAY file.
Message LoadShape(CliContext& ctx, const std::string& shapeArgument, ShapeRecord& shape) {
    const std::string library = ctx.dirs.ProgramFile(kShapesFileName);
    std::int64_t index = 0;
    if (AllDigits(shapeArgument) && FileExists(library) && ParseNumber(shapeArgument, index)) {
        const auto count = ListShapes(library);
        if (count && index >= static_cast<std::int64_t>(count->size())) {
            return {"No shape " + shapeArgument + " in the shapes library.", kCaptionError};
        }
        return ReadShape(library, index, shape);
    }
    return ReadShapeExchange(shapeArgument, shape);
}

void PrintCandidates(CliContext& ctx, const RunResults& results, int totalWords) {
    for (int n = 1; n <= kCandidateCount; ++n) {
        if (results.scores[n - 1] < 1) continue;
        ctx.Line(std::string(kCandidateLabels[n - 1]) + ": " + std::to_string(results.scores[n - 1]) + " of " +
                 std::to_string(totalWords) + " words");
    }
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
    if (Message m = LoadShape(ctx, *shapeSpec, shape); !m.Empty()) return ctx.Fail(m);

    const auto bytes = ReadWholeFile(*wordsPath);
    if (!bytes) return ctx.Fail({kUnableToOpenImport, kCaptionError});
    std::vector<Row> rows = ParseWordList(
        FileTextToAnsi(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())), separator[0]);
    if (rows.size() > static_cast<std::size_t>(kEditorRows)) {
        const Message question{TooManyWordsQuestion(rows.size() - kEditorRows), kCaptionWarning};
        if (ctx.GetPrompter().Ask(question, Question::YesNo) != Answer::Yes) return kExitFailed;
        rows.resize(kEditorRows);
    }

    CreateEntries entries;
    entries.title = title ? Utf8ToAnsi(*title) : Utf8ToAnsi(std::filesystem::path(*wordsPath).stem().string());
    entries.category = category ? Utf8ToAnsi(*category) : "General";
    entries.bonusQuestion = bonus ? Utf8ToAnsi(*bonus) : "";
    entries.attempts = attempts ? *attempts : "1";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        entries.words[i] = rows[i].word;
        entries.clues[i] = rows[i].clue;
    }

    PuzzleRecord working = NewPuzzleRecord();
    LoadPageLayout(ctx.dirs.ProgramFile(kLayoutsFileName), ctx.GetSettings().defaultPage, working.layout);
    const CreateCheckResult check = CheckCreate(entries, shape, working);
    if (!check.warning.Empty()) ctx.Print(check.warning);
    if (!check.Ok()) return ctx.Fail(check.error);

    RunOptions options;
    options.attempts = check.attempts;
    options.shrink = shrink;
    options.quickCreate = quick;
    if (seedText) options.seed = seed;
    RunResults results;
    BuildPuzzles(working, shape, options, results);
    const int totalWords = working.wordCount;
    PrintCandidates(ctx, results, totalWords);

    if (results.scores[pick - 1] < 1) {
        return ctx.Fail({"There is no " + std::string(kCandidateLabels[pick - 1]) + " to save.", kCaptionError});
    }
    const bool asked = !ExcludedWords(results, pick, totalWords).empty();
    const Answer answer = asked ? ctx.GetPrompter().Ask({kSaveAnywayQuestion, kCaptionWarning}, Question::YesNo)
                                : Answer::Yes;
    TakeCandidate(results, pick, working);
    if (answer != Answer::Yes) return kExitFailed;
    if (Message m = AppendPuzzle(*collection, working); !m.Empty()) return ctx.Fail(m);
    return kExitOk;
}

const CommandRegistrar reg({"generate", kUsage, "build a puzzle from a word list and add it to a collection", Generate});

}  // namespace
}  // namespace qf::cli
