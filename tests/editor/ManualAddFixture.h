#pragma once
// A built puzzle of 6 x 5 cells: CAT across in row 2 from column 2, TOE down from its T.
//
//   . . . . . .      row 1: cell 4 is kept free before TOE
//   . C A T . .      row 2: cells 51 and 55 are kept free around CAT
//   . . . O . .
//   . . . E . .
//   . . . . . .      row 5: cell 204 is kept free after TOE
#include <memory>

#include "model/PuzzleRecord.h"

namespace qf::test {

inline std::unique_ptr<PuzzleRecord> CatAndToe() {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->title = "Pets";
    p->category = "Animals";
    p->width = 6;
    p->height = 5;
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 6; ++c) p->Cell(CellIndex(r, c)) = kCellBlank;
    p->Cell(52) = 'C';
    p->Cell(53) = 'A';
    p->Cell(54) = 'T';
    p->Cell(104) = 'O';
    p->Cell(154) = 'E';
    p->wordCount = 2;
    p->acrossCount = 1;
    p->downCount = 1;
    p->Word(1) = "Cat";
    p->Clue(1) = "Purrs";
    p->startCell[0] = 52;
    p->letterCount[0] = 3;
    p->isAcross[0] = 1;
    p->number[0] = 1;
    p->Word(2) = "Toe";
    p->Clue(2) = "On a foot";
    p->startCell[1] = 54;
    p->letterCount[1] = 3;
    p->isAcross[1] = 0;
    p->number[1] = 2;
    p->inGrid[0] = p->inGrid[1] = 1;
    p->generated = 1;
    return p;
}

}  // namespace qf::test
