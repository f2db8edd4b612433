#pragma once
// Variants against copying: the same words and clues in several different grids, one for each
// neighbour. Variant k comes from a generation run of its own seed; it takes the run's best
// grid that differs from every earlier variant's.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Message.h"
#include "model/GenerationRun.h"

namespace qf {

inline constexpr int kMaxVariants = 26;  // lettered A to Z
inline constexpr const char* kVariantsCaption = "Variants";

// "Title (A)" for k = 0, "Title (B)" for k = 1 ...; the title cut (and its trailing blanks
// dropped) so that title and suffix stay within a title's 35 characters.
std::string VariantTitle(const std::string& title, int k);

struct Variant {
    std::unique_ptr<PuzzleRecord> puzzle;  // as Save stores it, titled as VariantTitle says
    std::vector<std::string> leftOut;      // its words not in the grid, in word list order
};

// Up to `count` (1 to 26) variants of `working` (which is left as it was): runs of `options`, the
// first with its seed (options.seed or the clock's), each next one with the seed after. A run
// whose grids all equal earlier variants' adds none; after twice as many runs as variants asked
// for, fewer variants are returned (a list that fits its shape in few ways).
std::vector<Variant> MakeVariants(PuzzleRecord& working, const ShapeRecord& shape, const RunOptions& options, int count);

// Told the variants made so far, between the attempts of each run; the calling thread's.
using VariantProgress = std::function<void(int made)>;

// The run options that repeat a finished run for further variants: its attempt limit, shrink and
// quick create, the seed after its own.
RunOptions VariantRunOptions(const RunResults& results);

// The variants of a run's word list that start with the run's candidate `n` (variant A, as the
// candidate window offers it) and go on with runs of VariantRunOptions(results), as above.
// `working` is the run's word list; it is left as it was. When `abort` turns true the variants
// made so far are returned.
std::vector<Variant> MakeVariantsFrom(const RunResults& results, int n, PuzzleRecord& working, const ShapeRecord& shape,
                                      int count, const VariantProgress& progress = {},
                                      const std::atomic<bool>* abort = nullptr);

// The question before variants are stored: each variant's title, its count of words placed and
// the words it left out, and, when fewer different grids were found than asked for, that too.
// None to store (fewer than two): a message that says so instead (`asks` false).
struct VariantsReport {
    Message message;
    bool asks = false;
};
VariantsReport ReportVariants(const std::vector<Variant>& variants, int asked, int totalWords);

}  // namespace qf
