// paths: where the program's shipped files and the user's own files are.
#include "app/FileLocations.h"
#include "cli/CliCommand.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli paths       the program folder, the user's libraries, word lists, settings\n"
    "                            file and collections folder\n";

int Run(CliContext& ctx, Args& args) {
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    for (const FileLocation& l : FileLocations(ctx.state.dirs)) ctx.out << l.what << ": " << l.path << '\n';
    return kExitOk;
}

const CommandRegistrar reg({"paths", kUsage, "show where the program and the user's files are", Run});

}  // namespace
}  // namespace qf::cli
