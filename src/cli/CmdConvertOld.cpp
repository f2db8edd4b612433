// convert-old FILE: files of the earlier 16-bit version. A puzzles file (QFFUPUZZ.DAT) goes into
// OLDPUZZ.QF3 (beside the program when portable, in the collections' folder when installed), a
// shapes file (QFFULAY.DAT) into the user's shapes library,
// and a single-puzzle .QFD file into the collection given by --into.
#include <filesystem>
#include <memory>
#include <ostream>

#include "base/TextHelpers.h"
#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "collections/OldVersions.h"

namespace qf::cli {
namespace {

constexpr const char* kUsage =
    "  quernfold-cli convert-old QFFUPUZZ.DAT          append its puzzles to OLDPUZZ.QF3 (see\n"
    "                                                  quernfold-cli paths)\n"
    "  quernfold-cli convert-old QFFULAY.DAT           append its shapes to the shapes library\n"
    "  quernfold-cli convert-old FILE.QFD --into DST.QF3   append its puzzle to DST\n";

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int Run(CliContext& ctx, Args& args) {
    const auto into = args.Option("--into");
    const auto file = args.Next();
    if (int rc = RequireEmpty(ctx, args, kUsage); rc != kExitOk) return rc;
    if (!file) return ctx.Usage(kUsage);
    const OldVersionPaths paths{ctx.state.LayoutsLibrary(), ctx.state.settings.defaultPage};
    auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    const std::string upper = Upper(*file);
    if (upper.size() >= 4 && upper.ends_with(".QFD")) {
        if (!into) return ctx.Usage(kUsage);
        if (Outcome o = Import16Bit(*file, *into, paths, *working); !o.IsDone()) return ctx.Fail(o);
        ctx.Line(working->category.Str() + ": " + working->title.Str());
        return kExitOk;
    }
    if (into) return ctx.Usage(kUsage);
    const std::string name = Upper(std::filesystem::path(*file).filename().string());
    if (name == kOldShapesFileName) {
        if (Outcome o = AddOldShapesFile(*file, ctx.state.ShapesLibrary()); !o.IsDone()) return ctx.Fail(o);
        ctx.Print(InfoMessage(kShapesAdded, kCaptionOk));
        return kExitOk;
    }
    // Only the old puzzles file is taken as one: any other file would be read as old puzzles.
    if (name != kOldPuzzlesFileName) {
        ctx.err << "quernfold-cli: " << *file << " is not QFFUPUZZ.DAT, QFFULAY.DAT or a .QFD file\n";
        return ctx.Usage(kUsage);
    }
    const std::string target = ctx.state.dirs.MadeCollection(kOldPuzzlesCollectionName);
    if (Outcome o = ConvertOldPuzzlesFile(*file, target, paths, *working); !o.IsDone()) return ctx.Fail(o);
    ctx.Print(OldGroupCreated(ctx.state.dirs, target));
    return kExitOk;
}

const CommandRegistrar reg({"convert-old", kUsage, "convert files of the earlier 16-bit version", Run});

}  // namespace
}  // namespace qf::cli
