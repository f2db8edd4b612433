// show FILE.QF3 SLOT: one puzzle as text (title, category, size, grid, clues, left-out words).
#include <memory>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "collections/PuzzleText.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli show FILE.QF3 SLOT   title, category, size, the grid ('#' an empty square,\n"
    "                                     '.' outside the shape), the numbered clues and the\n"
    "                                     words left out\n";

int Run(CliContext& ctx, Args& args) {
    const auto path = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!path || !slot) return ctx.Usage(kUsage);
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Outcome o = ReadPuzzle(*path, *slot, *puzzle, kUnableToLoadPuzzle); !o.IsDone()) return ctx.Fail(o);
    for (const std::string& line : PuzzleAsText(*puzzle)) ctx.Line(line);
    return kExitOk;
}

const CommandRegistrar reg({"show", kUsage, "print one puzzle of a collection as text", Run});

}  // namespace
}  // namespace qf::cli
