#include "model/Variants.h"

#include <algorithm>

#include "base/TextHelpers.h"
#include "model/CandidateChoice.h"

namespace qf {

std::string VariantTitle(const std::string& title, int k) {
    const std::string suffix = std::string(" (") + static_cast<char>('A' + std::clamp(k, 0, kMaxVariants - 1)) + ")";
    std::string cut = title.substr(0, static_cast<std::size_t>(kTitleCapacity) - suffix.size());
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
    return cut + suffix;
}

namespace {

Variant VariantOf(const PuzzleRecord& working, const RunResults& results, int n, int letter) {
    Variant v{std::make_unique<PuzzleRecord>(working), ExcludedWords(results, n, working.wordCount)};
    TakeCandidate(results, n, *v.puzzle);
    v.puzzle->title = VariantTitle(working.title.Str(), letter);
    return v;
}

// Runs from `seed` on, adding to `variants` until there are `count` or twice `count` runs were made.
void AddVariants(std::vector<Variant>& variants, PuzzleRecord& working, const ShapeRecord& shape, RunOptions run,
                 int count, std::optional<std::uint64_t> seed, const VariantProgress& progress,
                 const std::atomic<bool>* abort) {
    run.seed = seed;
    const ProgressCallback pump = [&](const RunProgress&) {
        if (progress) progress(static_cast<int>(variants.size()));
    };
    for (int tries = 0; static_cast<int>(variants.size()) < count && tries < 2 * count; ++tries) {
        if (abort && abort->load()) return;
        RunResults results;
        BuildPuzzles(working, shape, run, results, pump, abort);
        if (results.aborted) return;
        if (!seed) seed = results.seed;  // the clock's, when none was given
        run.seed = *seed + static_cast<std::uint64_t>(tries) + 1;
        for (int n = 1; n <= kCandidateCount; ++n) {
            if (results.scores[static_cast<std::size_t>(n - 1)] < 1) break;
            const PuzzleRecord& grid = results.Candidate(n);
            if (std::any_of(variants.begin(), variants.end(), [&](const Variant& v) { return SameGrid(*v.puzzle, grid); }))
                continue;
            variants.push_back(VariantOf(working, results, n, static_cast<int>(variants.size())));
            break;
        }
        if (progress) progress(static_cast<int>(variants.size()));
    }
}

}  // namespace

std::vector<Variant> MakeVariants(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options,
                                  int count) {
    std::vector<Variant> variants;
    AddVariants(variants, working, shape, options, std::clamp(count, 1, kMaxVariants), options.seed, {}, nullptr);
    return variants;
}

RunOptions VariantRunOptions(const RunResults& results) {
    RunOptions run;
    run.attempts = std::clamp(std::max(results.attemptCounter, results.attemptsMade), 1, 999);
    run.shrink = results.options.shrink;
    run.quickCreate = results.options.quickCreate;
    run.seed = results.seed + 1;
    return run;
}

std::vector<Variant> MakeVariantsFrom(const RunResults& results, int n, PuzzleRecord& working, const ShapeRecord& shape,
                                      int count, const VariantProgress& progress, const std::atomic<bool>* abort) {
    std::vector<Variant> variants;
    variants.push_back(VariantOf(working, results, n, 0));
    const RunOptions run = VariantRunOptions(results);
    AddVariants(variants, working, shape, run, std::clamp(count, 1, kMaxVariants), run.seed, progress, abort);
    return variants;
}

VariantsReport ReportVariants(const std::vector<Variant>& variants, int asked, int totalWords) {
    const int made = static_cast<int>(variants.size());
    if (made < 2)
        return {InfoMessage("These words fit this shape in only one way, so there are no variants to make.",
                            kVariantsCaption),
                false};
    std::string text;
    if (made < asked)
        text = "Only " + std::to_string(made) + " different grids of these words fit this shape.\n\n";
    for (const Variant& v : variants) {
        text += v.puzzle->title.Str() + ": " + std::to_string(totalWords - static_cast<int>(v.leftOut.size())) +
                " of " + std::to_string(totalWords) + " words";
        for (std::size_t i = 0; i < v.leftOut.size(); ++i) text += (i == 0 ? " (left out: " : ", ") + v.leftOut[i];
        text += v.leftOut.empty() ? "\n" : ")\n";
    }
    text += "\nSave these " + std::to_string(made) + " puzzles?";
    return {Message(Severity::Information, text, kVariantsCaption), true};
}

}  // namespace qf
