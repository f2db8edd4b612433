// delete FILE.QF3 SLOT: removes one puzzle; later slots move down by one.
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionOperations.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage = "  quernfold-cli delete FILE.QF3 SLOT   delete the puzzle at slot SLOT (from 0)\n";

int Run(CliContext& ctx, Args& args) {
    const auto path = args.Next();
    const auto slotText = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const auto slot = slotText ? ParseIndex(*slotText) : std::nullopt;
    if (!path || !slot) return ctx.Usage(kUsage);
    if (!DeletePuzzleSlot(*path, *slot).IsDone()) return FailText(ctx, "cannot open " + *path + " for writing");
    return kExitOk;
}

const CommandRegistrar reg({"delete", kUsage, "delete one puzzle of a collection", Run});

}  // namespace
}  // namespace qf::cli
