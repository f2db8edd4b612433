#include "collections/PuzzleStart.h"

#include "base/TextHelpers.h"
#include "layouts/LayoutLibrary.h"

namespace qf {

void StartNewPuzzle(PuzzleRecord& working, const std::string& layoutsLibrary, std::int64_t defaultPage) {
    for (int i = 1; i <= kMaxWords; ++i) {
        working.Word(i) = "";
        working.Clue(i) = "";
        working.inGrid[static_cast<std::size_t>(i - 1)] = 0;
    }
    working.category = "";
    working.title = "";
    working.bonusQuestion = "";
    working.width = working.height = 15;
    working.wordCount = 0;
    working.generated = 0;
    LoadPageLayout(layoutsLibrary, defaultPage, working.layout);
}

void StartCopyOfPuzzle(PuzzleRecord& working) {
    working.title = MakeCopyName(working.title.Str(), kTitleCapacity);
    working.inGrid.fill(0);
}

}  // namespace qf
