#pragma once
// Puzzles and layouts built in code for the renderer's tests.
#include <functional>
#include <string>
#include <vector>

#include "output/PageRenderer.h"
#include "report/RecordingSurface.h"

namespace qf::test {

// A generated puzzle from grid rows: '.' outside the shape, '#' an empty square, letters. Every
// run of two or more letters is a word, numbered as the construction numbers them; across words
// come first, then down words, each in number order. Clues are "Clue for WORD" unless `clue` says.
PuzzleRecord MakePuzzle(const std::vector<std::string>& rows,
                        const std::function<std::string(const std::string& word)>& clue = {});

// A Letter page of 408 x 528 units (48 to the inch) with no objects; landscape swaps the sides.
PageLayoutRecord LetterLayout(bool portrait = true);

// Adds an object with the defaults of a new object, the rectangle in layout units, a 12-point
// text font and no border.
PageObject& AddObject(PageLayoutRecord& layout, ObjectKind kind, int left, int top, int right, int bottom);

// Renders on the recording surface with the given options and headings "Across" / "Down".
RenderResult Render(RecordingSurface& surface, const PuzzleRecord& puzzle, PageLayoutRecord& layout,
                    const PrintOptions& options = {});

// Texts drawn, in order.
std::vector<std::string> TextsDrawn(const RecordingSurface& surface);

}  // namespace qf::test
