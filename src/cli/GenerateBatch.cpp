#include "cli/GenerateBatch.h"

#include <filesystem>

#include "app/BatchList.h"
#include "app/ListPuzzle.h"
#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "cli/CliFiles.h"
#include "collections/CollectionFile.h"
#include "shapes/ShapeFiles.h"

namespace qf::cli {
namespace {

// Builds and stores the puzzle of one list; its line of result, or the refusal.
Outcome BuildOne(CliContext& ctx, const BatchItem& item, std::uint64_t seed, const BatchDefaults& d, std::string& line) {
    const std::string shapeSpec = item.shape.empty() ? d.shape.value_or("") : item.shape;
    if (shapeSpec.empty()) return Outcome::Refused(ErrorMessage("No shape: give one in the list or with --shape."));
    ShapeRecord shape;
    if (Outcome o = ReadShapeByIndexOrFile(ctx.state.ShapesLibrary(), shapeSpec, shape); !o.IsDone()) return o;
    ListPuzzleRequest request;
    request.words = item.words;
    request.title = item.title;
    request.category = Utf8ToAnsi(item.category.empty() ? d.category : item.category);
    request.attempts = item.attempts.empty() ? d.attempts : item.attempts;
    request.shrink = d.shrink;
    request.quick = d.quick;
    request.seed = seed;
    request.separator = d.separator;
    ListPuzzle made;
    if (Outcome o = BuildListPuzzle(ctx.state, ctx.GetPrompter(), request, shape, made); !o.IsDone()) return o;
    if (Outcome o = AppendPuzzle(d.collection, *made.puzzle); !o.IsDone()) return o;
    line = made.Line();
    return Outcome::Done();
}

}  // namespace

int GenerateBatch(CliContext& ctx, const std::string& batch, const BatchDefaults& defaults) {
    std::vector<BatchItem> items;
    std::error_code error;
    if (std::filesystem::is_directory(batch, error)) {
        if (Outcome o = ListBatchFolder(batch, items); !o.IsDone()) return ctx.Fail(o);
    } else {
        const auto text = ReadWholeFile(batch);
        if (!text) return FailText(ctx, "cannot read " + batch);
        const std::string folder = std::filesystem::path(batch).parent_path().string();
        if (Outcome o = ParseBatchCsv(std::string(text->begin(), text->end()), folder.empty() ? "." : folder, items);
            !o.IsDone())
            return ctx.Fail(o);
    }
    int failed = 0;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const BatchItem& item = items[k];
        std::string line;
        const Outcome built = BuildOne(ctx, item, item.seed.value_or(defaults.seed + k), defaults, line);
        if (built.IsDone()) {
            ctx.Line(line);
        } else {
            ++failed;
            ctx.Line(item.words + ": not stored: " + built.message.text);
        }
    }
    if (failed > 0) return FailText(ctx, std::to_string(failed) + " of " + std::to_string(items.size()) + " lists not stored");
    return kExitOk;
}

}  // namespace qf::cli
