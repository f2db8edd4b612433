// text FILE.QF3 SLOT --clues|--words --out FILE.txt: the clue or word list the preview saves.
#include <memory>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "output/PrintOptions.h"
#include "output/TextExport.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli text FILE.QF3 SLOT --clues|--words --out FILE.txt\n"
    "      the numbered clues or words of a built puzzle, across then down, as the preview's\n"
    "      \"Export Clues\" and \"Export Words\" write them (CR LF line ends)\n";

int Run(CliContext& ctx, Args& args) {
    const bool clues = args.Flag("--clues");
    const bool words = args.Flag("--words");
    const auto out = args.Option("--out");
    const auto path = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!path || !slot || !out || clues == words) return ctx.Usage(kUsage);
    const auto count = CountSlots(*path);
    if (!count) return ctx.Fail(ErrorMessage(kUnableToLoadPuzzle));
    if (*slot >= *count) return FailText(ctx, "no puzzle in slot " + std::to_string(*slot) + " of " + *path);
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (Outcome o = ReadPuzzle(*path, *slot, *puzzle, kUnableToLoadPuzzle); !o.IsDone()) return ctx.Fail(o);
    // The lists come from the grid's numbers, which a puzzle never built has not.
    if (!puzzle->generated) return ctx.Fail(WarningMessage(kNeverGeneratedText));
    const Outcome written = WriteTextExport(*out, *puzzle, clues ? TextExportKind::Clues : TextExportKind::Words);
    return written.IsDone() ? kExitOk : ctx.Fail(written);
}

const CommandRegistrar reg({"text", kUsage, "write a built puzzle's clue or word list as a text file", Run});

}  // namespace
}  // namespace qf::cli
