#include "cli/GenerateBatch.h"

#include <filesystem>

#include "app/BatchList.h"
#include "base/Ansi.h"
#include "base/FileUtil.h"
#include "cli/CliFiles.h"
#include "cli/WordFileEntries.h"
#include "collections/CollectionFile.h"
#include "layouts/LayoutLibrary.h"
#include "model/CandidateChoice.h"
#include "model/CreateCheck.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeFiles.h"

namespace qf::cli {
namespace {

// Builds and stores the puzzle of one list; its line of result, or the refusal.
Outcome BuildOne(CliContext& ctx, const BatchItem& item, std::uint64_t seed, const BatchDefaults& d, std::string& line) {
    const std::string shapeSpec = item.shape.empty() ? d.shape.value_or("") : item.shape;
    if (shapeSpec.empty()) return Outcome::Refused(ErrorMessage("No shape: give one in the list or with --shape."));
    ShapeRecord shape;
    if (Outcome o = ReadShapeByIndexOrFile(ctx.state.ShapesLibrary(), shapeSpec, shape); !o.IsDone()) return o;
    CreateEntries entries;
    if (Outcome o = ReadEntries(ctx, item.words, d.separator, entries); !o.IsDone()) return o;
    entries.title = !item.title.empty() ? Utf8ToAnsi(item.title)
                                        : Utf8ToAnsi(std::filesystem::path(item.words).stem().string());
    entries.category = Utf8ToAnsi(item.category.empty() ? d.category : item.category);
    entries.attempts = item.attempts.empty() ? d.attempts : item.attempts;
    PuzzleRecord working = NewPuzzleRecord();
    LoadPageLayout(ctx.state.LayoutsLibrary(), ctx.state.settings.defaultPage, working.layout);
    const CreateCheckResult check = CheckCreate(entries, shape, working);
    if (!check.Ok()) return Outcome::Refused(check.error);
    RunOptions options;
    options.attempts = check.attempts;
    options.shrink = d.shrink;
    options.quickCreate = d.quick;
    options.seed = seed;
    RunResults results;
    BuildPuzzles(working, shape, options, results);
    const int total = working.wordCount;
    const std::vector<std::string> left = ExcludedWords(results, 1, total);
    TakeCandidate(results, 1, working);
    if (Outcome o = AppendPuzzle(d.collection, working); !o.IsDone()) return o;
    line = working.title.Str() + ": " + std::to_string(total - static_cast<int>(left.size())) + " of " +
           std::to_string(total) + " words";
    if (!left.empty()) {
        line += "; left out";
        for (std::size_t k = 0; k < left.size(); ++k) line += (k == 0 ? " " : ", ") + left[k];
    }
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
