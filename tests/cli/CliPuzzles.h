#pragma once
// Puzzles for the tool's tests, built in code.
#include <memory>
#include <string>

#include "layouts/PageObjects.h"
#include "model/PuzzleRecord.h"

namespace qf::test {

// A 3 x 3 puzzle: across CAT (1), BOX (3); down CAB (1), TOX (2); on the built-in default layout.
inline std::unique_ptr<PuzzleRecord> SmallPuzzle(const std::string& title = "Small") {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    BuildDefaultLayout(p->layout);
    p->title = title;
    p->width = p->height = 3;
    const char* rows[] = {"CAT", "A O", "BOX"};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) p->Cell(CellIndex(r, c)) = static_cast<std::uint8_t>(rows[r - 1][c - 1]);
    struct W {
        const char* word;
        int start, number, across;
    } words[] = {{"CAT", 1, 1, 1}, {"BOX", 101, 3, 1}, {"CAB", 1, 1, 0}, {"TOX", 3, 2, 0}};
    for (int i = 0; i < 4; ++i) {
        p->words[i] = words[i].word;
        p->clues[i] = std::string("Clue of ") + words[i].word;
        p->startCell[i] = static_cast<std::int16_t>(words[i].start);
        p->letterCount[i] = 3;
        p->number[i] = static_cast<std::int16_t>(words[i].number);
        p->isAcross[i] = static_cast<std::uint8_t>(words[i].across);
        p->inGrid[i] = 1;
    }
    p->wordCount = 4;
    p->acrossCount = 2;
    p->downCount = 2;
    p->generated = 1;
    return p;
}

}  // namespace qf::test
