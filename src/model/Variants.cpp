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

std::vector<Variant> MakeVariants(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options,
                                  int count) {
    std::vector<Variant> variants;
    count = std::clamp(count, 1, kMaxVariants);
    RunOptions run = options;
    std::uint64_t seed = 0;
    const int totalWords = working.wordCount;
    for (int tries = 0; static_cast<int>(variants.size()) < count && tries < 2 * count; ++tries) {
        RunResults results;
        BuildPuzzles(working, shape, run, results);
        if (tries == 0) seed = results.seed;  // the clock's, when none was given
        run.seed = seed + static_cast<std::uint64_t>(tries) + 1;
        for (int n = 1; n <= kCandidateCount; ++n) {
            if (results.scores[static_cast<std::size_t>(n - 1)] < 1) break;
            const PuzzleRecord& grid = results.Candidate(n);
            if (std::any_of(variants.begin(), variants.end(), [&](const Variant& v) { return SameGrid(*v.puzzle, grid); }))
                continue;
            Variant v{std::make_unique<PuzzleRecord>(working), ExcludedWords(results, n, totalWords)};
            TakeCandidate(results, n, *v.puzzle);
            v.puzzle->title = VariantTitle(working.title.Str(), static_cast<int>(variants.size()));
            variants.push_back(std::move(v));
            break;
        }
    }
    return variants;
}

}  // namespace qf
