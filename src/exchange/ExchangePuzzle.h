#pragma once
// A puzzle as the open crossword formats see it: a rectangle of cells (outside the shape, a
// block inside it, or a letter), the numbered entries with their clues, and the texts around
// them. Every writer of this folder starts from here, so they all agree on one reading.
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "model/PuzzleRecord.h"

namespace qf {

inline constexpr const char* kExportDamagedText =
    "This puzzle's grid is damaged: a word runs outside the grid. The puzzle cannot be exported.";

enum class CellKind { Omitted, Block, Letter };

struct ExchangeCell {
    CellKind kind = CellKind::Omitted;
    char letter = 0;     // Windows-1252, for letter cells
    int number = 0;      // the clue number printed in the cell, 0 for none
    bool given = false;  // a word separator shown in the puzzle: the solver does not type it
};

struct ExchangeEntry {
    int number = 0;
    bool across = true;
    int row = 0;  // of the first cell, from 0
    int column = 0;
    int length = 0;
    std::string clue;         // Windows-1252, as stored
    std::string answer;       // the word as typed, blanks and separators kept
    std::string letters;      // what stands in its cells
    std::string enumeration;  // "4,4" or "4-2-4" for an answer of several words, else empty
};

struct ExchangePuzzle {
    int width = 0;
    int height = 0;
    std::vector<ExchangeCell> cells;  // row by row
    std::vector<ExchangeEntry> across;
    std::vector<ExchangeEntry> down;
    std::string title;  // Windows-1252
    std::string category;
    std::string bonusQuestion;

    const ExchangeCell& At(int row, int column) const {
        return cells[static_cast<std::size_t>(row * width + column)];
    }
    // Category and bonus question as one note, lines apart; empty when both are.
    std::string Notes() const;
};

// Reads a generated puzzle. `shownSeparators` holds the word separator characters the user has
// chosen to show: cells holding one are given to the solver. Refuses a puzzle never generated
// and a damaged one.
Outcome MakeExchangePuzzle(const PuzzleRecord& record, const std::string& shownSeparators, ExchangePuzzle& out);

// The numbering the formats without numbers of their own derive from the grid: a cell is
// numbered when a run of two or more letter cells starts there, across or down.
std::vector<ExchangeEntry> GridDerivedEntries(const ExchangePuzzle& puzzle);

// True when the puzzle's own entries are exactly those its grid gives (no word laid over
// another, no run of letters that is not a word, no one-letter word).
bool NumberedLikeItsGrid(const ExchangePuzzle& puzzle);

// "4,4" for "COME INTO", "4-2-4" for "FACE-TO-FACE"; empty for a single word.
std::string Enumeration(const std::string& answer);

// A Windows-1252 byte that is a letter or a digit.
bool IsAnsiLetterOrDigit(unsigned char c);

}  // namespace qf
