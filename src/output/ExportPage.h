#pragma once
// One rendered page as the exports take it: the puzzle, the print's working copy of its layout
// (with the font sizes the rendering fitted), the print choices and headings, and what the
// rendering measured.
#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"
#include "output/PrintOptions.h"
#include "output/RenderResult.h"

namespace qf {

struct ExportPage {
    const PuzzleRecord& puzzle;
    const PageLayoutRecord& layout;
    const PrintOptions& options;
    const PrintHeadings& headings;
    const RenderResult& rendering;
};

}  // namespace qf
