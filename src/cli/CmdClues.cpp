// clues: suggestions for the words of a list, the list with its empty clues filled, and the
// check of its clues, as the word list editor's Suggest Clue, Fill Empty Clues and Check Clues.
#include <memory>
#include <ostream>

#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "editor/ClueCheck.h"
#include "editor/ClueDictionary.h"
#include "editor/ClueFill.h"
#include "editor/SpellSession.h"
#include "editor/WordListRules.h"
#include "editor/WordNet.h"
#include "editor/WordTextImport.h"
#include "layouts/LayoutLibrary.h"
#include "output/ClueFit.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli clues FILE [--fill] [--check]\n"
    "  quernfold-cli clues FILE.QF3 SLOT [--fill] [--check]\n"
    "      The words of a word file (one entry a line: WORD:clue) or of a puzzle of a collection.\n"
    "      Without options: each word with its clue suggestions (definitions from WordNet,\n"
    "      synonyms from the thesaurus of the Thesaurus setting), the most common sense first.\n"
    "      --fill   prints the list as a word file, the clues given kept and each empty one\n"
    "               filled with the first suggestion where there is one\n"
    "      --check  prints one line per problem of the clues (an answer given away by its own\n"
    "               clue, another answer inside a clue, an answer twice, an empty clue, a clue\n"
    "               longer than the clue blocks of the layout hold at their font: the puzzle's\n"
    "               layout, or the default one for a word file) and exits 1 when there is\n"
    "               any; with --fill, the filled list is checked\n";

Outcome ReadWordFile(CliContext& ctx, const std::string& path, EditorGrid& grid) {
    std::vector<std::string> lines;
    const Outcome read = ReadImportFile(path, lines);
    if (!read.IsDone()) return read;
    if (!read.message.Empty()) ctx.GetPrompter().Inform(read.message);  // characters replaced by "?"
    return ImportIntoGrid(grid, lines, WordTextKind::WordsAndClues, ":", ctx.GetPrompter());
}

void PrintSuggestions(CliContext& ctx, const EditorGrid& grid, const ClueSources& sources) {
    for (const std::string& cell : grid.words) {
        const std::string word = TrimBlanks(cell);
        if (word.empty()) continue;
        ctx.Line(word + ":");
        const auto suggestions = SuggestClues(word, sources);
        if (suggestions.empty()) ctx.Line("  " + NoSuggestionText(word));
        for (const ClueSuggestion& s : suggestions)
            ctx.Line("  " + (s.partOfSpeech.empty() ? std::string() : "(" + s.partOfSpeech + ") ") + s.clue);
    }
}

int Run(CliContext& ctx, Args& args) {
    const bool fill = args.Flag("--fill");
    const bool check = args.Flag("--check");
    const auto path = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!path) return ctx.Usage(kUsage);

    EditorGrid grid;
    // The layout whose clue blocks the clues must fit: the puzzle's own, or the default one a new
    // puzzle takes.
    auto layout = std::make_unique<PageLayoutRecord>();
    if (slotText) {
        const auto slot = ParseIndex(*slotText);
        if (!slot) return ctx.Usage(kUsage);
        auto puzzle = std::make_unique<PuzzleRecord>();
        if (Outcome o = ReadPuzzle(*path, *slot, *puzzle, kUnableToLoadPuzzle); !o.IsDone()) return ctx.Fail(o);
        grid = GridOfRecord(*puzzle);
        *layout = puzzle->layout;
    } else {
        if (Outcome o = ReadWordFile(ctx, *path, grid); !o.IsDone()) return ctx.Fail(o);
        LoadPageLayout(ctx.state.LayoutsLibrary(), ctx.state.settings.defaultPage, *layout);
    }

    const Settings& settings = ctx.state.settings;
    ClueDictionary dictionary({WordNetFolder(), ctx.state.dirs.program, SpellCheckLanguage(settings),
                               ThesaurusLookupLanguage(settings), settings.caseSensitivity});
    // The check stands without a dictionary: it then knows the regular inflections only.
    const Outcome opened = dictionary.Open();
    if (!opened.IsDone() && (fill || !check)) return ctx.Fail(opened);

    if (!fill && !check) {
        PrintSuggestions(ctx, grid, dictionary.Sources());
        return kExitOk;
    }
    if (fill) {
        const ClueFillResult filled = FillEmptyClues(grid, dictionary.Sources());
        for (std::size_t r = 0; r < grid.words.size(); ++r)
            if (!TrimBlanks(grid.words[r]).empty()) ctx.Line(TrimBlanks(grid.words[r]) + ":" + TrimBlanks(grid.clues[r]));
        if (!filled.leftEmpty.empty()) ctx.err << "quernfold-cli: " << FillSummary(filled).text << "\n";
    }
    if (!check) return kExitOk;
    const auto problems = CheckClues(grid, dictionary.Dictionary(), MakeClueFit(*layout));
    for (const ClueProblem& p : problems) ctx.Line(p.text);
    return problems.empty() ? kExitOk : kExitFailed;
}

const CommandRegistrar reg({"clues", kUsage, "suggest, fill and check the clues of a word list", Run});

}  // namespace
}  // namespace qf::cli
