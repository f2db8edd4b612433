// layouts ...: the page layouts library (QFFPAGE.DAT of the program directory) and .PAG files.
#include <ostream>

#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionOperations.h"
#include "layouts/LayoutLibrary.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli layouts list                      the layouts in file order with their positions\n"
    "  quernfold-cli layouts export INDEX FILE.PAG     write one layout to a .PAG file\n"
    "  quernfold-cli layouts import FILE.PAG           add the layout of a .PAG file\n"
    "  quernfold-cli layouts delete INDEX              delete one layout; later ones move down,\n"
    "                                                  the default stays on its layout\n"
    "  quernfold-cli layouts extract FILE.QF3 SLOT     add the layout of a stored puzzle\n"
    "  quernfold-cli layouts default --out FILE.PAG    write the built-in default layout\n"
    "  quernfold-cli layouts set-default INDEX         make it the layout of new puzzles (the\n"
    "                                                  \"Default Page\" setting, saved at once)\n";

int Default(CliContext& ctx, Args& args) {
    const auto out = args.Option("--out");
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!out) return ctx.Usage(kUsage);
    const Outcome written = ExportDefaultLayout(ctx.state.LayoutsLibrary(), *out);
    return written.IsDone() ? kExitOk : ctx.Fail(written);
}

int List(CliContext& ctx) {
    const auto entries = ListLayouts(ctx.state.LayoutsLibrary(), ctx.state.settings.defaultPage);
    if (entries.empty()) {
        ctx.Print(WarningMessage(kNoLayoutsFound));
        return kExitOk;
    }
    const std::size_t width = std::to_string(entries.size()).size();
    for (const LayoutEntry& e : entries) ctx.Line(PadLeft(std::to_string(e.position), width) + "  " + e.text);
    return kExitOk;
}

// Set Default of the layout chooser, and the settings saved as closing the program does.
int SetDefault(CliContext& ctx, std::int64_t index) {
    if (index >= static_cast<std::int64_t>(ListLayouts(ctx.state.LayoutsLibrary(), 0).size()))
        return ctx.Fail(ErrorMessage(kNoLayoutSelected));
    ctx.state.settings.defaultPage = static_cast<std::int32_t>(index);
    if (!ctx.state.SaveSettings()) return ctx.Fail(ErrorMessage("Unable to save the settings."));
    return kExitOk;
}

// A layout added to the library: its position on standard output.
int PrintPosition(CliContext& ctx, const Outcome& added) {
    if (!added.IsDone()) return ctx.Fail(added);
    ctx.Line(std::to_string(added.index));
    return kExitOk;
}

// The default stays on its layout, as in the window.
int Delete(CliContext& ctx, std::int64_t position) {
    const Outcome deleted = DeleteLayoutKeepingDefault(ctx.state.LayoutsLibrary(), position, ctx.state.settings.defaultPage);
    if (deleted.IsDone()) (void)ctx.state.SaveSettings();
    return ctx.Finish(deleted);
}

int Run(CliContext& ctx, Args& args) {
    const auto sub = args.Next();
    if (sub == "default") return Default(ctx, args);
    const auto first = args.Next();
    const auto second = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const std::string library = ctx.state.LayoutsLibrary();
    if (sub == "list" && !first) return List(ctx);
    if (sub == "export" && first && second && ParseIndex(*first))
        return ctx.Finish(ExportLayout(library, *ParseIndex(*first), *second));
    if (sub == "import" && first && !second) return PrintPosition(ctx, ImportLayout(*first, library));
    if (sub == "delete" && first && !second && ParseIndex(*first)) return Delete(ctx, *ParseIndex(*first));
    if (sub == "set-default" && first && !second && ParseIndex(*first)) return SetDefault(ctx, *ParseIndex(*first));
    if (sub == "extract" && first && second && ParseIndex(*second))
        return PrintPosition(ctx, ExtractLayout(*first, *ParseIndex(*second), library));
    return ctx.Usage(kUsage);
}

const CommandRegistrar reg({"layouts", kUsage, "the page layouts library and .PAG files", Run});

}  // namespace
}  // namespace qf::cli
