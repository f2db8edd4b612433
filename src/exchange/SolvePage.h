#pragma once
// The solving page: one self-contained HTML file (its style and script inside it, nothing
// fetched) that shows the grid in the puzzle's shape with both clue lists and lets a person
// solve it with a keyboard, a mouse or a touch screen, keeping the progress in the browser.
// The answers travel scrambled, so they cannot be read from the page's source at a glance.
#include <string>

#include "exchange/ExchangePuzzle.h"

namespace qf {

std::string SolvePageHtml(const ExchangePuzzle& puzzle);

// The scrambling of the answers: each byte of `text` (UTF-8) XORed with a running key drawn
// from `seed`, then Base64. The page's script undoes it the same way.
std::string ScrambleAnswers(const std::string& text, unsigned seed);
std::string UnscrambleAnswers(const std::string& base64, unsigned seed);

}  // namespace qf
