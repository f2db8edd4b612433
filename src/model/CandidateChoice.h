#pragma once
// What the candidate form does with a run's results, without the form: the candidates' labels,
// the words each one placed or left out, and the record that Save stores.
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "model/GenerationRun.h"

namespace qf {

inline constexpr const char* kCandidateLabels[kCandidateCount] = {"Best Fit", "Second Best Fit", "Third Best Fit",
                                                                   "Fourth Best Fit"};
inline constexpr const char* kCreatedPuzzleCaption = "Created Puzzle";
inline constexpr const char* kSaveAnywayQuestion = "One or more words did not fit into the puzzle.  Save Puzzle anyway?";

// Words of slots 1..totalWords of candidate n (1..4) that it placed, or left out, in slot order.
std::vector<std::string> IncludedWords(const RunResults& results, int n, int totalWords);
std::vector<std::string> ExcludedWords(const RunResults& results, int n, int totalWords);

// "3 Included Words", "1 Included Word", "0 Excluded Words".
std::string IncludedLabel(std::size_t count);
std::string ExcludedLabel(std::size_t count);

// Candidate n as Save stores it: generated, version tag set, InGrid from its placed flags.
void TakeCandidate(const RunResults& results, int n, PuzzleRecord& working);

// Save of candidate n (1..4) of a run whose word list held `totalWords` words: refused with
// "There is no Second Best Fit to save." when the run kept no such candidate; when it left
// words out, the question "...  Save Puzzle anyway?" (caption "Warning"), whose No cancels.
// Done: `working` holds the candidate as it is to be stored.
Outcome ChooseCandidate(const RunResults& results, int n, int totalWords, Prompter& prompter, PuzzleRecord& working);

}  // namespace qf
