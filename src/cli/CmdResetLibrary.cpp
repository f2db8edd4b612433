// reset-library shapes|layouts: the user's library replaced by the shipped copy, the replaced one
// kept beside it as NAME.old.
#include "base/UserLibrary.h"
#include "cli/CliCommand.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli reset-library shapes|layouts   replace your library with the shipped one (the\n"
    "                                               old one is kept as QFFLAY.DAT.old or QFFPAGE.DAT.old)\n";

int Run(CliContext& ctx, Args& args) {
    const auto which = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!which || (*which != "shapes" && *which != "layouts")) return ctx.Usage(kUsage);
    return ctx.Finish(ResetUserLibrary(ctx.state.dirs, *which == "shapes" ? kShapesFileName : kLayoutsFileName));
}

const CommandRegistrar reg({"reset-library", kUsage, "replace your shapes or layouts library with the shipped one", Run});

}  // namespace
}  // namespace qf::cli
