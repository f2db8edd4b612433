// A .PAG file: read as the import reads it, listed, and a small puzzle rendered on it as the
// render command does, onto a small picture with the real fonts, every stored size and
// rectangle as the file has them.
#include <memory>

#include "FuzzInput.h"
#include "layouts/LayoutLibrary.h"
#include "output/PageRenderer.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace {

// A 3 by 3 puzzle: CAT across and COW down.
const qf::PuzzleRecord& Puzzle() {
    static const qf::PuzzleRecord p = [] {
        qf::PuzzleRecord r = qf::NewPuzzleRecord();
        r.width = r.height = 3;
        const char* rows[] = {"CAT", "O  ", "W  "};
        for (int row = 1; row <= 3; ++row)
            for (int c = 1; c <= 3; ++c) r.Cell(qf::CellIndex(row, c)) = static_cast<std::uint8_t>(rows[row - 1][c - 1]);
        r.Word(1) = "CAT";
        r.Clue(1) = "feline that purrs";
        r.Word(2) = "COW";
        r.Clue(2) = "milk giver";
        r.wordCount = 2;
        r.acrossCount = r.downCount = 1;
        r.startCell[0] = r.startCell[1] = 1;
        r.number[0] = r.number[1] = 1;
        r.letterCount[0] = r.letterCount[1] = 3;
        r.isAcross[0] = 1;
        r.inGrid[0] = r.inGrid[1] = 1;
        r.generated = 1;
        r.title = "Farm";
        r.bonusQuestion = "Which one moos?";
        return r;
    }();
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qf;
    const std::string path = fuzz::InputFile("FUZZ.PAG", data, size);
    auto layout = std::make_unique<PageLayoutRecord>();
    if (!ReadLayoutExchange(path, *layout).IsDone()) return 0;
    QF_FUZZ_CHECK(LayoutEntryText(*layout, true).size() < 200);
    // Pictures would be looked for on this machine's disk: the fuzzer's names are not paths to open.
    for (PageObject& o : layout->objects) o.bitmapFile = "";
    EnsureGuiApplication();
    PrintOptions options;
    options.answerKey = size % 2;
    ImageTarget target(64);
    QPainterSurface surface(target);
    const RenderResult result = RenderPage(surface, Puzzle(), *layout, options, PrintHeadings{"Across", "Down"});
    QF_FUZZ_CHECK(result.warnings.size() <= 4);
    (void)surface.Finish();
    return 0;
}
