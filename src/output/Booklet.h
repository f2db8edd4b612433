#pragma once
// A booklet: the pages of several puzzles in one PDF, in the order given, each on its own
// layout's paper, with the answer keys after each puzzle or all at the back (or none), an
// optional contents page and page numbers. Drawn by the page renderer, as a print draws them.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Message.h"
#include "base/Outcome.h"
#include "base/Settings.h"
#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "report/Surface.h"

namespace qf {

enum class KeyPlacement { Back, After, None };

struct BookletPuzzle {
    std::unique_ptr<PuzzleRecord> puzzle;
    PageLayoutRecord layout;  // the puzzle's own, or the one chosen for the whole booklet
};

struct BookletOptions {
    KeyPlacement keys = KeyPlacement::Back;
    bool contents = false;     // a first page listing the titles and their pages
    bool pageNumbers = true;   // "Page N" in the bottom right-hand corner of every page
    std::string letters;       // filled in on the puzzle pages, as the print's partial letters
};

// One page of the booklet: the contents, or a puzzle's page or its answer key.
struct BookletPage {
    enum class Kind { Contents, Puzzle, Key } kind = Kind::Puzzle;
    std::size_t puzzle = 0;  // index into the puzzles, for Puzzle and Key
};

// The pages in order for `puzzles` puzzles.
std::vector<BookletPage> PlanBooklet(std::size_t puzzles, const BookletOptions& options);

// Text of the contents page's lines: "Title", "Answer Key: Title" with their page numbers.
inline constexpr const char* kContentsHeading = "Contents";
inline constexpr const char* kKeyPrefix = "Answer Key: ";

// Told after each page; answering false stops the booklet (Cancelled).
using BookletProgress = std::function<bool(int pagesDone, int pagesTotal)>;

struct BookletResult {
    Outcome outcome;
    int pages = 0;
    std::vector<Message> warnings;  // what the pages' renderings warned of, each once
};

// Draws the booklet on `surface` (a device of many pages). The print options are those of the
// settings, with headings and boxes from each page's layout; a puzzle without a grid is refused
// before anything is drawn.
BookletResult DrawBooklet(Surface& surface, std::vector<BookletPuzzle>& puzzles, const Settings& settings,
                          const BookletOptions& options, const BookletProgress& progress = {});

// The booklet as a PDF file, written beside and renamed: a failed or cancelled booklet leaves
// no file under `path` (and an existing one as it was).
BookletResult WriteBookletPdf(const std::string& path, std::vector<BookletPuzzle>& puzzles, const Settings& settings,
                              const BookletOptions& options, const BookletProgress& progress = {});

}  // namespace qf
