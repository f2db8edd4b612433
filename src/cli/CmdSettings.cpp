// settings dump | settings save
#include <ostream>

#include "cli/CliCommand.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli settings dump   print every setting as [Section] Key=Value, in file order,\n"
    "                                as the program holds them after starting up\n"
    "  quernfold-cli settings save   read QFOLD3.INI (quernfold-cli paths shows where) and write it back,\n"
    "                                as starting and closing the program does (a spelling or\n"
    "                                thesaurus language whose files are missing is corrected;\n"
    "                                a file that cannot be written, such as a read-only one,\n"
    "                                is left alone without a word, as the program leaves it)\n";

int Run(CliContext& ctx, Args& args) {
    const auto sub = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (sub == "dump") {
        ctx.out << DumpSettings(ctx.state.settings);
        return kExitOk;
    }
    if (sub == "save") {
        // As at the program's close, a file that cannot be written is left alone, without a word.
        (void)ctx.state.SaveSettings();
        return kExitOk;
    }
    return ctx.Usage(kUsage);
}

const CommandRegistrar reg({"settings", kUsage, "show or rewrite the settings file (QFOLD3.INI)", Run});

}  // namespace
}  // namespace qf::cli
