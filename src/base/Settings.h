#pragma once
// The program-wide options kept in QFOLD3.INI. Read once at start-up, written once at close.
// Text values are Windows-1252, as the rest of the program's text.
#include <array>
#include <cstdint>
#include <string>

#include "base/Directories.h"

namespace qf {

inline constexpr const char* kSettingsFileName = "QFOLD3.INI";

struct InterfaceFont {
    std::string name = "Arial";
    bool bold = false;
    bool italic = false;
    std::int32_t color = 0;
};

struct HtmlLine {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool center = false;
    std::int32_t fontSize = 3;
};

struct Settings {
    // Misc
    std::string lastImportPuzzleFile, lastExportPuzzleFile;
    std::string lastImportShapeFile, lastExportShapeFile;
    std::string lastImportLayoutFile, lastExportLayoutFile;
    std::string lastImportWordFile, lastExportWordFile;
    std::string lastExportBitmapFile, lastExportJpegFile, lastExportEmfFile, lastExportWmfFile;
    std::string lastExportHtmlFile, lastExportTextFile;
    std::string lastGroup;
    std::array<std::string, 5> lastFiles;  // "Last File 1" .. "Last File 5", most recent first
    std::int32_t windowSize = 0;  // Automatic for a new settings file
    bool backgroundBitmap = true;
    std::int32_t dictionary = 1;
    std::int32_t userDictionary = 1;
    std::int32_t thesaurus = 1;
    std::int32_t userThesaurus = 1;
    bool showTips = true;
    bool puzzlePicture = false;  // the selected puzzle's picture beside the main window's lists

    // HTML
    HtmlLine firstHeader{"My Puzzle", true, false, true, 4};
    HtmlLine secondHeader;
    HtmlLine firstFooter;
    HtmlLine secondFooter;
    bool horizontalUpper = false;
    bool horizontalLower = false;
    std::string webTitle = "Crossword Puzzle";

    // Create Options
    bool shrink = false;
    bool quickBuild = false;
    bool thoroughFill = false;  // a thorough fill after the attempts
    std::int32_t attempts = 1;
    char sepChar = ':';
    std::int32_t importOption = 1;
    std::int32_t exportOption = 3;
    std::int32_t caseSensitivity = 3;
    std::int32_t lastShape = 1;
    std::array<std::string, 12> intKeys{"0225", "0233", "0237", "0243", "0241", "0246",
                                        "0250", "0228", "0229", "0224", "0232", "0242"};

    // Page Layout
    std::int32_t zoom = 2;
    std::int32_t pageDesignerLeft = 0, pageDesignerTop = 0;
    std::int32_t pageDesignerWidth = 640, pageDesignerHeight = 480;
    std::int32_t defaultPage = 0;

    // Reports
    bool defaultPrinter = true;
    std::int32_t printerIndex = 0;
    std::int32_t reportViewLeft = 0, reportViewTop = 0;
    std::int32_t reportViewWidth = 640, reportViewHeight = 480;
    std::int32_t pixelWidth = 640;
    std::int32_t jpegQuality = 50;
    std::int32_t pixelFormat = 1;
    std::int32_t boxColor = 0;
    bool useBoxes = true;
    bool answerKey = false;
    bool markAnswerKey = false;  // "Answer Key" printed under the title of an answer key
    bool partialAnswer = false;
    bool partialLetters = false;
    std::string letters;
    bool printTitle = true, printBody = true, printClues = true, printWords = true, printBonus = true;
    std::string acrossLabel = "Across";
    std::string downLabel = "Down";
    char wordSepChar = ' ';
    bool wordSepDash = false, wordSepSlash = false, wordSepPlus = false, wordSepStar = false,
         wordSepOther = false;

    // Edit Font, Label Font, Button Font
    InterfaceFont editFont, labelFont, buttonFont;
};

// The settings file's path: in the settings folder (the working directory unless installed).
std::string SettingsPath(const Directories& dirs);

// Every key's default; "Last Group" and the last-file keys depend on the working directory.
Settings DefaultSettings(const Directories& dirs);

// Missing keys, a missing file and an unreadable file all give the defaults; nothing is reported.
Settings LoadSettings(const Directories& dirs);

// Writes every key, section by section; other keys and sections in the file stay as they are.
// Returns false when the file could not be written (the program does not report it).
bool SaveSettings(const Settings& settings, const Directories& dirs);

// Every key as "[Section] Key=Value", in the order SaveSettings writes them.
std::string DumpSettings(const Settings& settings);

bool ReadYesNo(const std::string& value);
std::string WriteYesNo(bool value);

}  // namespace qf
