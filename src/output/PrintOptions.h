#pragma once
// What the user chose to print: the values kept in section "Reports" of the settings, the
// partial answer selection and the two heading texts of this print.
#include <array>
#include <cstdint>
#include <string>

#include "base/Settings.h"
#include "layouts/PageLayoutRecord.h"
#include "model/PuzzleRecord.h"

namespace qf {

struct PrintOptions {
    bool printTitle = true;
    bool printBody = true;
    bool printClues = true;
    bool printWords = true;
    bool printBonus = true;
    bool answerKey = false;
    bool markAnswerKey = false;  // an answer key says so under its title
    bool partialAnswer = false;
    bool partialLetters = false;
    std::string letters;  // at most 25 characters, blanks trimmed
    bool useBoxes = true;
    std::int32_t boxColor = kColorBlack;
    bool wordSepDash = false;
    bool wordSepSlash = false;
    bool wordSepPlus = false;
    bool wordSepStar = false;
    bool wordSepOther = false;
    char wordSepChar = ' ';
    std::array<bool, kMaxWords> partialSelection{};  // word slot i at [i - 1]

    bool Selected(int slot) const {
        return slot >= 1 && slot <= kMaxWords && partialSelection[static_cast<std::size_t>(slot - 1)];
    }
};

inline constexpr std::size_t kLettersCapacity = 25;

// The print command refuses a puzzle that has no grid yet (caption "Warning").
inline constexpr const char* kNeverGeneratedText =
    "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from the menu "
    "and create the puzzle first";
inline constexpr std::size_t kHeadingCapacity = 25;

// The option values as the settings hold them; the selection starts cleared.
PrintOptions PrintOptionsFromSettings(const Settings& settings);
// Stores the option values back (the selection is not kept).
void StorePrintOptions(const PrintOptions& options, Settings& settings);

struct PrintHeadings {
    std::string across;
    std::string down;
};

// What showing the print options does with a layout: the headings from the default labels and
// the layout's heading and combined-clue objects, and the box options from its Puzzle object.
PrintHeadings DerivePrintOverrides(const PageLayoutRecord& layout, const Settings& settings, PrintOptions& options);

}  // namespace qf
