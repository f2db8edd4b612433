#pragma once
// The puzzles of a booklet, read from a collection: the slots asked for, in the order given,
// each with its own page layout or the one chosen for the whole booklet.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "collections/CollectionListing.h"
#include "output/Booklet.h"

namespace qf {

// The slots of a collection in the order its lists show them: categories, then titles, each
// sorted as the lists sort them; only one category's when `category` is given (any letter case).
std::vector<std::int64_t> BookletSlots(const CollectionListing& listing, const std::optional<std::string>& category);

inline constexpr const char* kNoPuzzlesForBooklet = "No puzzles have been selected for the booklet.";
// The answer keys' choices, in the order the booklet window offers them.
inline constexpr const char* kKeyPlacementCaptions[] = {"At the back", "After each puzzle", "None"};

// The save dialog of a booklet: a PDF named after the collection, in its folder.
FileDialogRequest BookletFileRequest(const std::string& collection);

// "Booklet written: 12 pages." for a booklet done.
Message BookletWritten(int pages);

// Reads the puzzles of `slots` of `collection`. Refused (nothing read) when one cannot be read.
Outcome ReadBookletPuzzles(const std::string& collection, const std::vector<std::int64_t>& slots,
                           const std::optional<PageLayoutRecord>& layout, std::vector<BookletPuzzle>& puzzles);

}  // namespace qf
