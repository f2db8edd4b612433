#pragma once
// Shapes, word lists and forced random choices for the construction tests.
#include <deque>
#include <string>
#include <vector>

#include "model/GridBuilder.h"

namespace qf::test {

// Hands out planned values in order; once they run out, 0 for a direction (across first)
// and n / 2 for a band. Records every range asked for.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> planned = {}) : planned_(std::move(planned)) {}
    int Below(int n) override;
    std::vector<int> asked;  // the n of every call, in order

private:
    std::deque<int> planned_;
};

ShapeRecord RectangleShape(int width, int height);
// Marks the listed cells ("row,col") unusable.
void Block(ShapeRecord& shape, int row, int column);

// A record ready for an attempt: words (Windows-1252) in slots 1.., clues "clue i", the
// shape's width and height.
PuzzleRecord WordRecord(const std::vector<std::string>& words, const ShapeRecord& shape);

// The letters of the grid row, columns 1..width; ' ' for blank, '.' for outside.
std::string GridRow(const PuzzleRecord& record, int row, int width);

// Common English words of 3 to 15 letters, for realistic lists.
const std::vector<std::string>& Vocabulary();

}  // namespace qf::test
