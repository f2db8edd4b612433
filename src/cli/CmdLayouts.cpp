// layouts ...: the page layouts library and exchange files.
#include <ostream>

#include "cli/CliCommand.h"
#include "layouts/LayoutExchange.h"
#include "layouts/PageObjects.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli layouts default --out FILE.PAG   write the built-in default layout\n";

int Default(CliContext& ctx, Args& args) {
    const auto out = args.Option("--out");
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!out) return ctx.Usage(kUsage);
    PageLayoutRecord layout;
    layout.zoom = 1;  // the default's coordinates are those of the Small zoom
    BuildDefaultLayout(layout);
    if (!WriteLayoutExchangeFile(*out, layout)) return ctx.Fail({"Page layout could not be exported.", kCaptionError});
    return kExitOk;
}

int Run(CliContext& ctx, Args& args) {
    const auto sub = args.Next();
    if (sub == "default") return Default(ctx, args);
    return ctx.Usage(kUsage);
}

const CommandRegistrar reg({"layouts", kUsage, "the page layouts library and .PAG files", Run});

}  // namespace
}  // namespace qf::cli
