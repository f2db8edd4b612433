#include "app/Tips.h"

#include <array>

namespace qf {
namespace {

// Windows-1252, like every text of the program; "&&" stands for one ampersand.
constexpr std::array<const char*, kTipCount> kTips = {
    "You can spell check your words and clues using an American, British, Spanish, Italian, French, German, "
    "Dutch or Swedish dictionary.",
    "You can add words or exclude words from each of the spell checking dictionaries.",
    "You can look up definitions of words using a 50,000 word American or British thesaurus.",
    "You can specify \"word separator\" characters that can be used to split up multi-word answers.  These "
    "characters will show up in the puzzle.",
    "You can specify fonts to use for input fields, labels and buttons. User specified fonts for input fields "
    "greatly facilitates foreign language input.",
    "You can change the puzzle title and category after it has been created.",
    "You can change the clues to the puzzle after it has been created.",
    "You can add new words and clues, placing the words manually in the location you desire after the puzzle has "
    "been created.",
    "You can change the puzzle layout or change the bonus question after the puzzle has been created.",
    "You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them with "
    "others (import && export)",
    "You can export your created puzzles in a variety of graphic formats so that the puzzles can readily be used "
    "in Word Processors, Desktop Publishers, etc.",
    "You can choose to print the puzzle with some of the answers filled in to give a \"head start\".",
    "You can choose to print the puzzle with certain letters showing up in the puzzle.  Great for hints.",
    "You can choose and override any fonts for any section of puzzle print out.  This includes size, color and "
    "style.",
    "You can choose to have text printed in a \"transparent\" mode so that underlying graphics and bitmaps will "
    "show through.",
    "You can choose to have borders placed around clues, titles, headers, text, shapes and specify the width and "
    "color.",
    "You can choose to have the numbered letters in the puzzle print out either vertical or horizontal.",
    "You can choose to print a list of the words in the puzzle on the printout as a guide or as clues.",
    "You can add bonus questions to the puzzles--good for extra credit.",
    "You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with fancy bitmaps or add "
    "your own informative text.",
    "You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you want them, the size "
    "you want them, the color you want them and more!",
    "You can instruct the program to \"Auto Fit\" fonts into the designated areas you have specified for clues, "
    "titles, words, text, etc.",
    "You can export a puzzle as a ready to use Web Page (in HTML format)",
    "You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle creation window.",
    "You can choose to print the puzzle as a \"skeleton\" puzzle where just the blocks containing words are "
    "printed.",
    "You can choose the number of columns to use for printing clues in each designated area for the clues.",
    "You can create your own puzzle page layouts from scratch or from an existing layout.  You can also share them "
    "with others (import && export)",
    "You can have the best 4 puzzle creation fits displayed and you can choose from them for your desired puzzle.  "
    "Double clicking on one one of them will zoom in for a closer look.",
    "You can export the words and clues of a puzzle to a delimited text file, ready to be read by a spreadsheet, a "
    "database or any other program.",
    "You can maintain multiple sets of crosswords files.  Import and export puzzles among the files.",
    "You can import a word list, clue list or combined word and clue list from a text file.",
};

}  // namespace

const char* TipSource(int number) {
    if (number < 1 || number > kTipCount) return "";
    return kTips[static_cast<std::size_t>(number - 1)];
}

std::string TipText(int number) {
    std::string shown;
    for (const char* c = TipSource(number); *c; ++c) {
        shown += *c;
        if (c[0] == '&' && c[1] == '&') ++c;
    }
    return shown;
}

int FirstTip(RandomSource& random) { return random.Below(kTipCount) + 1; }

int NextTip(int number) { return number >= kTipCount || number < 1 ? 1 : number + 1; }

}  // namespace qf
