#pragma once
// The main window's two lists of the open collection (categories, and the puzzles of the
// chosen category) with the reselection that follows every write. The window shows these
// rows; keeping the rules here lets the tool and the tests run them without a window.
#include <string>
#include <vector>

#include "collections/CollectionListing.h"

namespace qf {

class PuzzleLists {
public:
    // Rebuilds everything from the file and selects the first category (LoadInPuzzles).
    void LoadInPuzzles(const std::string& path);
    // Fills the puzzle rows with the category of category row `row`, honouring a pending
    // reselection (SetCategory).
    void SetCategory(int row);

    // Asks the next reload to select this category and title (both compared without case).
    void SetReselect(std::string category, std::string title);
    // The reselection after deleting the selected puzzle row: the category row's text; the
    // title of the row above, or the first row's own title when the first was deleted, or
    // none when it was the only row.
    void ReselectAfterDelete();
    // The reselection after an import: the selected rows' texts (the first rows when none is
    // selected, empty when a list is empty).
    void ReselectCurrent();

    const ListRow* SelectedCategory() const;
    const ListRow* SelectedPuzzle() const;

    CollectionListing listing;            // CategoryNames and PuzzleEntries
    std::vector<ListRow> categoryBox;     // sorted; values are category positions
    std::vector<ListRow> puzzleBox;       // sorted; values are slot indexes
    int categoryRow = -1;                 // selected rows, -1 for none
    int puzzleRow = -1;
    int currentCategoryIndex = 0;
    bool reselectPending = false;
    std::string reselectCategory;
    std::string reselectTitle;
};

}  // namespace qf
