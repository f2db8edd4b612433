#pragma once
// A small generated puzzle made in code, with every kind of cell the exports meet:
//
//     S U N # .      1 across SUN      1 down "SO X" (typed with a blank)
//     O # O . .      3 across X-RAY    2 down NOR
//     X - R A Y
//
// '#' is a blank cell inside the shape, '.' a cell outside it; the dash stands in a cell.
#include <memory>
#include <string>

#include "model/PuzzleRecord.h"

namespace qf::test {

inline void PlaceWord(PuzzleRecord& p, int slot, const std::string& word, const std::string& clue, int row,
                      int column, int letters, int number, bool across) {
    const auto i = static_cast<std::size_t>(slot - 1);
    p.Word(slot).Set(word);
    p.Clue(slot).Set(clue);
    p.startCell[i] = static_cast<std::int16_t>(row * kGridSide + column + 1);
    p.letterCount[i] = static_cast<std::int16_t>(letters);
    p.number[i] = static_cast<std::int16_t>(number);
    p.isAcross[i] = across ? 1 : 0;
    p.inGrid[i] = 1;
}

inline std::unique_ptr<PuzzleRecord> SmallPuzzle() {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->title.Set("Caf\xE9 Words");  // Windows-1252 e acute
    p->category.Set("Tests");
    p->bonusQuestion.Set("Which word has a dash?");
    p->width = 5;
    p->height = 3;
    const char* rows[] = {"SUN# ", "O#O  ", "X-RAY"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            const char ch = rows[r][c];
            p->Cell(r * kGridSide + c + 1) = ch == ' ' ? kCellOutside : ch == '#' ? kCellBlank : static_cast<std::uint8_t>(ch);
        }
    PlaceWord(*p, 1, "SUN", "It rises in the east", 0, 0, 3, 1, true);
    PlaceWord(*p, 2, "X-RAY", "A picture of bones", 2, 0, 5, 3, true);
    PlaceWord(*p, 3, "SO X", "Stockings, made up", 0, 0, 3, 1, false);
    PlaceWord(*p, 4, "NOR", "Neither's partner", 0, 2, 3, 2, false);
    p->Word(5).Set("EXTRA");  // left out of the grid
    p->Clue(5).Set("More than enough");
    p->wordCount = 4;
    p->acrossCount = 2;
    p->downCount = 2;
    p->generated = 1;
    return p;
}

}  // namespace qf::test
