// layouts ...: the page layouts library (QFFPAGE.DAT of the program directory) and .PAG files.
#include <ostream>

#include "app/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/CollectionOperations.h"
#include "layouts/LayoutExchange.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli layouts list                      the layouts in file order with their positions\n"
    "  quernfold-cli layouts export INDEX FILE.PAG     write one layout to a .PAG file\n"
    "  quernfold-cli layouts import FILE.PAG           add the layout of a .PAG file\n"
    "  quernfold-cli layouts delete INDEX              delete one layout; later ones move down\n"
    "  quernfold-cli layouts extract FILE.QF3 SLOT     add the layout of a stored puzzle\n"
    "  quernfold-cli layouts default --out FILE.PAG    write the built-in default layout\n";

int Default(CliContext& ctx, Args& args) {
    const auto out = args.Option("--out");
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!out) return ctx.Usage(kUsage);
    PageLayoutRecord layout;
    layout.zoom = 1;  // the default's coordinates are those of the Small zoom
    BuildDefaultLayout(layout);
    if (!WriteLayoutExchangeFile(*out, layout)) return ctx.Fail({kLayoutNotExported, kCaptionError});
    return kExitOk;
}

int List(CliContext& ctx) {
    const auto entries = ListLayouts(LayoutsLibrary(ctx), ctx.GetSettings().defaultPage);
    if (entries.empty()) {
        ctx.Print({kNoLayoutsFound, kCaptionWarning});
        return kExitOk;
    }
    const std::size_t width = std::to_string(entries.size()).size();
    for (const LayoutEntry& e : entries) ctx.Line(PadLeft(std::to_string(e.position), width) + "  " + e.text);
    return kExitOk;
}

int Run(CliContext& ctx, Args& args) {
    const auto sub = args.Next();
    if (sub == "default") return Default(ctx, args);
    const auto first = args.Next();
    const auto second = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const std::string library = LayoutsLibrary(ctx);
    if (sub == "list" && !first) return List(ctx);
    if (sub == "export" && first && second && ParseIndex(*first)) {
        if (Message m = ExportLayout(library, *ParseIndex(*first), *second); !m.Empty()) return ctx.Fail(m);
        ctx.Print({kLayoutExported, "OK"});
        return kExitOk;
    }
    if (sub == "import" && first && !second) {
        std::int64_t position = 0;
        if (Message m = ImportLayout(*first, library, &position); !m.Empty()) return ctx.Fail(m);
        ctx.Line(std::to_string(position));
        return kExitOk;
    }
    if (sub == "delete" && first && !second && ParseIndex(*first)) {
        if (Message m = DeleteLayout(library, *ParseIndex(*first)); !m.Empty()) return ctx.Fail(m);
        return kExitOk;
    }
    if (sub == "extract" && first && second && ParseIndex(*second)) {
        std::int64_t position = 0;
        if (Message m = ExtractLayout(*first, *ParseIndex(*second), library, &position); !m.Empty()) return ctx.Fail(m);
        ctx.Line(std::to_string(position));
        return kExitOk;
    }
    return ctx.Usage(kUsage);
}

const CommandRegistrar reg({"layouts", kUsage, "the page layouts library and .PAG files", Run});

}  // namespace
}  // namespace qf::cli
