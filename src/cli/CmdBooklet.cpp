// booklet FILE.QF3 --out F.pdf: several puzzles of a collection in one PDF, with their answer
// keys at the back, after each puzzle or not at all, as the print draws them.
#include <ostream>

#include <unistd.h>

#include "app/BookletPuzzles.h"
#include "base/Ansi.h"
#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "layouts/LayoutLibrary.h"
#include "output/Booklet.h"
#include "output/PrintOptions.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli booklet FILE.QF3 [--category NAME | --slots N,N...] [--layout FILE.PAG]\n"
    "        [--keys back|after|none] [--letters LETTERS] [--contents] [--no-page-numbers] --out FILE.pdf\n"
    "      one PDF of the puzzles in the order the list shows them (of one category with\n"
    "      --category; the slots, from 0, in the order given with --slots), each on its own\n"
    "      layout or all on the layout of FILE.PAG (the layout decides the paper). The answer\n"
    "      keys come all at the back (the default), each after its puzzle, or not at all; each\n"
    "      is marked as the key of its puzzle. --letters fills those letters in on the puzzle\n"
    "      pages; --contents adds a first page listing the pages. A progress line goes to the\n"
    "      error stream when it is a terminal. The file is written only when the whole booklet\n"
    "      is made.\n";

bool IsPdfName(const std::string& path) {
    return path.size() > 4 && LowerAscii(path.substr(path.size() - 4)) == ".pdf";
}

std::optional<KeyPlacement> KeysOf(const std::string& text) {
    if (text == "back") return KeyPlacement::Back;
    if (text == "after") return KeyPlacement::After;
    if (text == "none") return KeyPlacement::None;
    return std::nullopt;
}

int Run(CliContext& ctx, Args& args) {
    const auto path = args.Next();
    const auto out = args.Option("--out");
    const auto categoryText = args.Option("--category");
    const auto slotsText = args.Option("--slots");
    const auto layoutFile = args.Option("--layout");
    const auto keysText = args.Option("--keys");
    const auto letters = args.Option("--letters");
    BookletOptions options;
    options.contents = args.Flag("--contents");
    options.pageNumbers = !args.Flag("--no-page-numbers");
    if (!args.Error().empty()) return ctx.Usage(kUsage);
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!path || !out || (categoryText && slotsText) || !IsPdfName(*out)) return ctx.Usage(kUsage);
    if (keysText) {
        const auto keys = KeysOf(*keysText);
        if (!keys) return ctx.Usage(kUsage);
        options.keys = *keys;
    }
    if (letters) options.letters = TrimBlanks(Utf8ToAnsi(*letters)).substr(0, kLettersCapacity);

    const CollectionListing listing = ListCollection(*path);
    if (!listing.opened) return FailText(ctx, "cannot open " + *path);
    std::vector<std::int64_t> slots;
    if (slotsText) {
        const auto given = ParseIndexList(*slotsText);
        if (!given || given->empty()) return ctx.Usage(kUsage);
        for (std::int64_t s : *given)
            if (s < 0 || s >= static_cast<std::int64_t>(listing.puzzleEntries.size()))
                return FailText(ctx, "no puzzle in slot " + std::to_string(s) + " of " + *path);
        slots = *given;
    } else {
        const std::optional<std::string> category = categoryText ? std::optional(Utf8ToAnsi(*categoryText)) : std::nullopt;
        slots = BookletSlots(listing, category);
        if (slots.empty())
            return FailText(ctx, categoryText ? "no category " + *categoryText + " in " + *path : "no puzzles in " + *path);
    }

    std::optional<PageLayoutRecord> chosen;
    if (layoutFile) {
        chosen.emplace();
        if (Outcome o = ReadLayoutExchange(*layoutFile, *chosen); !o.IsDone()) return ctx.Fail(o);
    }
    std::vector<BookletPuzzle> puzzles;
    if (Outcome o = ReadBookletPuzzles(*path, slots, chosen, puzzles); !o.IsDone()) return ctx.Fail(o);
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    const BookletResult result =
        WriteBookletPdf(*out, puzzles, ctx.state.settings, options, [&](int done, int total) {
            if (terminal) ctx.err << "\rpage " << done << " of " << total << (done == total ? "\n" : "") << std::flush;
            return true;
        });
    for (const Message& warning : result.warnings) ctx.Print(warning);
    if (!result.outcome.IsDone()) return ctx.Fail(result.outcome);
    ctx.Line(std::to_string(puzzles.size()) + " puzzles, " + std::to_string(result.pages) + " pages: " + *out);
    return kExitOk;
}

const CommandRegistrar reg({"booklet", kUsage, "print several puzzles and their answer keys as one PDF", Run});

}  // namespace
}  // namespace qf::cli
