#pragma once
// What a rendering leaves behind besides the drawn page: the warnings, the fitted font sizes,
// and the line breaks and block metrics that the metafile export draws from again.
#include <array>
#include <string>
#include <vector>

#include "base/Message.h"
#include "layouts/PageLayoutRecord.h"

namespace qf {

inline constexpr int kMaxTextLines = 100;
inline constexpr int kMaxClueLines = 7;

// The report status display: its format (page number, then two status lines) and its last line.
inline constexpr const char* kReportStatusFormat = "Printing Page %p\r%0\r%1";
inline constexpr const char* kReportCanceledText = "Puzzle Generation Canceled!";
inline constexpr const char* kReportDoneText = "Puzzle Generated!";
inline constexpr const char* kReportTitle = "Test Report";  // the print job's name

inline constexpr const char* kBitmapsMissingText =
    "One or more bitmaps in the layout design could not be located.";
inline constexpr const char* kCluesDidNotFitText =
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the "
    "page layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue fonts.";
inline constexpr const char* kWordsDidNotFitText =
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the "
    "page layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle words.";
inline constexpr const char* kTextDidNotFitText =
    "Text would not fit in allocated space.  You will need to change the alotted text space on the page "
    "layout, change the font size for the text or select the \"Make It Fit\" attribute for the text object.";

// One entry of a clue block as laid out.
struct PlacedClue {
    int slot = 0;                    // word slot of the entry
    int number = 0;
    std::vector<std::string> lines;  // the clue's pieces, at most 7, untrimmed as broken
    bool breakable = true;           // false when a word of the clue is wider than the column
    int column = 0;                  // 1-based; 0 when the entry was not placed (not drawn)
    int row = 0;                     // 1-based row of its first line
};

// A heading of the combined block: its box and row.
struct PlacedHeading {
    std::string text;
    int column = 0;  // 0 when it was not placed
    int row = 0;
    double boxLeft = 0;
    double boxRight = 0;
};

// Metrics of a clue block or of the combined block.
struct ClueBlockMetrics {
    bool present = false;
    int objectSlot = 0;  // 1-based slot of the layout object
    int fontSize = 0;    // the fitted size
    int columns = 0;
    int rowsPerColumn = 0;
    double rowHeight = 0;
    double numberWidth = 0;
    double columnGap = 0;
    double leftMargin = 0;
    double clueTextWidth = 0;
    bool fits = true;
    std::vector<PlacedClue> entries;  // combined: across entries, then down entries
    PlacedHeading acrossHeading;      // combined block only
    PlacedHeading downHeading;
};

struct WordListMetrics {
    bool present = false;
    int objectSlot = 0;
    int fontSize = 0;
    int columns = 0;
    int rowsPerColumn = 0;
    int rowsInUse = 0;                 // rows each column takes: the words spread evenly over the columns
    double rowHeight = 0;
    double leftMargin = 0;
    double columnWidth = 0;
    bool fits = true;
    std::vector<std::string> words;    // sorted, as stored
    std::vector<int> printedLengths;   // per word: characters drawn, 0 when left empty or not drawn
};

struct TextBlockMetrics {
    bool present = false;
    int fontSize = 0;
    double lineHeight = 0;
    std::vector<std::string> lines;  // the recorded pieces, at most 100
    bool fits = true;
};

struct RenderResult {
    double pageWidth = 0;   // inches
    double pageHeight = 0;
    double scale = 0;       // inches per layout unit
    int entryCount = 0;     // N
    std::array<int, kMaxPageObjects> fittedFontSize{};  // per object slot (1-based slot at [slot - 1])
    std::array<TextBlockMetrics, kMaxPageObjects> texts{};
    ClueBlockMetrics acrossClues;
    ClueBlockMetrics downClues;
    ClueBlockMetrics combinedClues;
    WordListMetrics wordList;
    bool aborted = false;
    bool bitmapsMissing = false;
    bool cluesDidNotFit = false;
    bool wordsDidNotFit = false;
    std::array<bool, kMaxPageObjects + 1> textDidNotFit{};
    std::vector<Message> warnings;  // in the order they are given, caption "Warning"
};

}  // namespace qf
