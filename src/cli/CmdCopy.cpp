// copy SRC.QF3 SLOT[,SLOT...] --into DST.QF3: appends puzzles as the import dialog does, in
// the alphabetical order of their titles.
#include <algorithm>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionListing.h"
#include "collections/CollectionOperations.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli copy SRC.QF3 SLOT[,SLOT...] --into DST.QF3\n"
    "        append the puzzles at those slots of SRC to DST (created when missing),\n"
    "        in the alphabetical order of their titles\n";

int Run(CliContext& ctx, Args& args) {
    const auto into = args.Option("--into");
    const auto source = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slots = slotText ? ParseIndexList(*slotText) : std::nullopt;
    if (!into || !source || !slots) return ctx.Usage(kUsage);
    ImportKind kind = ImportKind::Collection;
    if (Outcome o = CheckImportChoice(*source, *into, kind); !o.IsDone()) return ctx.Fail(o);
    if (kind != ImportKind::Collection) return ctx.Fail(ErrorMessage(kNotQuernfoldFile));
    const CollectionListing listing = ListCollection(*source);
    if (!listing.opened) return ctx.Fail(ErrorMessage(kUnableToImport));
    for (const std::int64_t slot : *slots)
        if (slot >= static_cast<std::int64_t>(listing.puzzleEntries.size()))
            return FailText(ctx, *source + " has no slot " + std::to_string(slot));
    return ctx.Finish(ImportPuzzles(*source, *into, SlotsInListOrder(listing, *slots)));
}

const CommandRegistrar reg({"copy", kUsage, "copy puzzles from one collection into another", Run});

}  // namespace
}  // namespace qf::cli
