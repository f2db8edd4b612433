#include "model/CandidateChoice.h"

#include <algorithm>

namespace qf {
namespace {

std::vector<std::string> WordsWithFlag(const RunResults& results, int n, int totalWords, std::uint8_t flag) {
    std::vector<std::string> out;
    if (n < 1 || n > kCandidateCount) return out;
    const PuzzleRecord& candidate = results.Candidate(n);
    const int last = std::clamp(totalWords, 0, kMaxWords);
    for (int t = 0; t < last; ++t) {
        if ((results.placed[n - 1][t] == 1) == (flag == 1)) out.push_back(candidate.words[t].Str());
    }
    return out;
}

std::string CountLabel(std::size_t count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

std::vector<std::string> IncludedWords(const RunResults& results, int n, int totalWords) {
    return WordsWithFlag(results, n, totalWords, 1);
}

std::vector<std::string> ExcludedWords(const RunResults& results, int n, int totalWords) {
    return WordsWithFlag(results, n, totalWords, 0);
}

std::string IncludedLabel(std::size_t count) { return CountLabel(count, "Included Word"); }
std::string ExcludedLabel(std::size_t count) { return CountLabel(count, "Excluded Word"); }

void TakeCandidate(const RunResults& results, int n, PuzzleRecord& working) {
    working = results.Candidate(n);
    working.generated = 1;
    working.version.Set(kRecordVersion);
    working.inGrid.fill(0);
    for (int t = 0; t < working.UsedWords(); ++t) working.inGrid[t] = results.placed[n - 1][t];
}

Outcome ChooseCandidate(const RunResults& results, int n, int totalWords, Prompter& prompter, PuzzleRecord& working) {
    if (n < 1 || n > kCandidateCount || results.scores[n - 1] < 1)
        return Outcome::Refused(
            ErrorMessage("There is no " + std::string(kCandidateLabels[std::clamp(n, 1, kCandidateCount) - 1]) +
                         " to save."));
    if (!ExcludedWords(results, n, totalWords).empty() &&
        prompter.Ask(WarningMessage(kSaveAnywayQuestion), Question::YesNo) != Answer::Yes)
        return Outcome::Cancelled();
    TakeCandidate(results, n, working);
    return Outcome::Done();
}

}  // namespace qf
