// export FILE.QF3 SLOT --out FILE.ipuz|FILE.puz|FILE.xd|FILE.html: one puzzle in an open
// crossword format, or as a page to solve it in a browser.
#include <memory>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "exchange/PuzzleExport.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli export FILE.QF3 SLOT --out FILE.ipuz|FILE.puz|FILE.xd|FILE.html\n"
    "      writes the puzzle of SLOT (from 0) as ipuz, Across Lite .puz or .xd, or as a page\n"
    "      that solves it in a web browser; the word separators shown are those of QFOLD3.INI.\n";

int Run(CliContext& ctx, Args& args) {
    const auto collection = args.Next();
    const auto slotText = args.Next();
    const auto out = args.Option("--out");
    if (!args.Error().empty()) return ctx.Usage(kUsage);
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!collection || !slot || !out) return ctx.Usage(kUsage);
    const auto format = FormatOfFile(*out);
    if (!format) return ctx.Usage(kUsage);

    const auto count = CountSlots(*collection);
    if (!count) return ctx.Fail(ErrorMessage(kUnableToLoadPuzzle));
    if (*slot >= *count) return FailText(ctx, "no puzzle in slot " + std::to_string(*slot) + " of " + *collection);
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Outcome o = ReadPuzzle(*collection, *slot, *puzzle); !o.IsDone()) return ctx.Fail(o);
    const Outcome written = ExportPuzzleFile(*puzzle, ShownSeparators(ctx.state.settings), *format, *out);
    if (!written.IsDone()) return ctx.Fail(written);
    return kExitOk;
}

const CommandRegistrar reg({"export", kUsage, "write a puzzle as ipuz, .puz, .xd or a solving page", Run});

}  // namespace
}  // namespace qf::cli
