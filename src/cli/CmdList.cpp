// list FILE.QF3: the categories and, under each, its titles with their slot indexes.
#include <ostream>

#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionListing.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli list FILE.QF3   the categories (sorted without regard to case) and under\n"
    "                                each its titles, sorted the same way, with their slot indexes\n";

int Run(CliContext& ctx, Args& args) {
    const auto path = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!path) return ctx.Usage(kUsage);
    const CollectionListing listing = ListCollection(*path);
    if (!listing.opened) return FailText(ctx, "cannot open " + *path);
    const std::size_t width = std::to_string(listing.puzzleEntries.size()).size();
    for (const ListRow& category : CategoryRows(listing)) {
        ctx.Line(category.text);
        for (const ListRow& title : TitleRows(listing, static_cast<int>(category.value)))
            ctx.Line("  " + PadLeft(std::to_string(title.value), width) + "  " + title.text);
    }
    return kExitOk;
}

const CommandRegistrar reg({"list", kUsage, "list the puzzles of a collection by category", Run});

}  // namespace
}  // namespace qf::cli
