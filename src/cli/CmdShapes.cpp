// shapes ...: the shapes library (QFFLAY.DAT of the program directory) and .LAY files.
#include <ostream>

#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "shapes/ShapeFiles.h"
#include "shapes/ShapeList.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli shapes list                     the shapes, sorted as the shape lists show them,\n"
    "                                                each with its record index\n"
    "  quernfold-cli shapes export INDEX FILE.LAY    write one shape to a .LAY file\n"
    "  quernfold-cli shapes import FILE.LAY          add the shape of a .LAY file\n"
    "  quernfold-cli shapes delete INDEX             delete one shape; later ones move down\n";

int List(CliContext& ctx) {
    auto entries = ListShapes(ctx.state.ShapesLibrary());
    if (!entries || entries->empty()) {
        ctx.Print(WarningMessage(kNoShapesFound));
        return kExitOk;
    }
    SortShapeEntries(*entries);
    const std::size_t width = std::to_string(entries->size()).size();
    for (const ShapeEntry& e : *entries) ctx.Line(PadLeft(std::to_string(e.index), width) + "  " + e.text);
    return kExitOk;
}

// "Last Shape" follows its record, as in the windows; a deleted one falls back to the first of the list.
int Delete(CliContext& ctx, std::int64_t index) {
    const std::string library = ctx.state.ShapesLibrary();
    const Outcome deleted = DeleteShape(library, index);
    if (!deleted.IsDone()) return ctx.Fail(deleted);
    std::int64_t last = LastShapeAfterDelete(ctx.state.settings.lastShape, index);
    if (last < 0) {
        const ShapeList list = LoadShapeList(library, ShapeListOwner::Manager, 0);
        last = list.items.empty() ? 0 : list.items.front().index;
        if (!list.items.empty()) ctx.Print(StartShapeFellBack(list.items.front().text));
    }
    ctx.state.settings.lastShape = static_cast<std::int32_t>(last);
    (void)ctx.state.SaveSettings();
    return kExitOk;
}

int Run(CliContext& ctx, Args& args) {
    const auto sub = args.Next();
    const auto first = args.Next();
    const auto second = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    const std::string library = ctx.state.ShapesLibrary();
    if (sub == "list" && !first) return List(ctx);
    if (sub == "export" && first && second && ParseIndex(*first)) {
        ShapeRecord current;
        return ctx.Finish(ExportShape(library, *ParseIndex(*first), *second, current));
    }
    if (sub == "import" && first && !second) {
        ShapeRecord current;
        const Outcome imported = ImportShape(*first, library, current);
        if (!imported.IsDone()) return ctx.Fail(imported);
        ctx.Line(std::to_string(imported.index) + "  " + ShapeListText(current));
        return kExitOk;
    }
    if (sub == "delete" && first && !second && ParseIndex(*first)) return Delete(ctx, *ParseIndex(*first));
    return ctx.Usage(kUsage);
}

const CommandRegistrar reg({"shapes", kUsage, "the puzzle shapes library and .LAY files", Run});

}  // namespace
}  // namespace qf::cli
