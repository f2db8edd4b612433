// The print options' rules without a window: enabling, letters, the font list, copies, the
// text exports and the preview's zoom.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "layouts/PageObjects.h"
#include "output/PreviewZoom.h"
#include "output/PrintChoices.h"
#include "output/RenderFixtures.h"
#include "output/TextExport.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

// Across 1 CAT, 3 ON, 4 TEN; down 1 COT, 2 TON.
PuzzleRecord ThreeAcrossTwoDown() { return test::MakePuzzle({"CAT.", "O#ON", "TEN."}); }

}  // namespace

TEST(PrintChoices, AnswerKeySwitchesThePartialOptionsOff) {
    PrintOptions o;
    o.partialAnswer = true;
    o.partialLetters = false;
    AnswerKeyEnabling e = EnablingOf(o);
    EXPECT_TRUE(e.partialAnswer && e.select && e.partialLetters);
    EXPECT_FALSE(e.letters);
    o.answerKey = true;
    o.partialLetters = true;
    e = EnablingOf(o);
    EXPECT_FALSE(e.partialAnswer || e.select || e.partialLetters || e.letters);
    o.answerKey = false;
    o.partialAnswer = false;
    e = EnablingOf(o);
    EXPECT_FALSE(e.select);
    EXPECT_TRUE(e.letters);
}

TEST(PrintChoices, LettersAreTrimmedAndCutTo25) {
    EXPECT_EQ(LettersFromBox("  aeiou  "), "aeiou");
    EXPECT_EQ(LettersFromBox(std::string(30, 'X')), std::string(25, 'X'));
    EXPECT_EQ(LettersFromBox("   "), "");
}

TEST(PrintChoices, FontListFollowsTheLayoutInSlotOrder) {
    PageLayoutRecord layout{};
    test::AddObject(layout, ObjectKind::Title, 0, 0, 10, 10);
    test::AddObject(layout, ObjectKind::Rectangle, 0, 0, 10, 10);
    test::AddObject(layout, ObjectKind::Puzzle, 0, 0, 10, 10);
    PageObject& text = test::AddObject(layout, ObjectKind::Text, 0, 0, 10, 10);
    text.name.Set("A long text name");  // kept to its 15 characters
    test::AddObject(layout, ObjectKind::Bitmap, 0, 0, 10, 10);
    const auto list = BuildFontList(layout);
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].caption, "Title Font");
    EXPECT_EQ(list[1].caption, "Puzzle Answer Font");
    EXPECT_EQ(list[1].role, FontRole::Text);
    EXPECT_EQ(list[2].caption, "Puzzle Clue Numbers Font");
    EXPECT_EQ(list[2].role, FontRole::Number);
    EXPECT_EQ(list[2].slot, 3);
    EXPECT_EQ(list[3].caption, "A long text nam Font");

    FontChoice chosen{"Times New Roman", 18, 0x0000FF, true, false, true, false};
    StoreFont(layout, list[2], chosen);
    EXPECT_EQ(FontOf(layout, list[2]), chosen);
    EXPECT_EQ(layout.objects[2].numberFont.size, 18);
    EXPECT_EQ(layout.objects[2].textFont.size, 12);  // the answer font is another entry
}

TEST(PrintChoices, CopiesAreWholeNumbersAboveZeroAndPlannedByThePrinter) {
    EXPECT_EQ(ParseCopies(" 5 "), 5);
    EXPECT_EQ(ParseCopies("999"), 999);
    for (const char* bad : {"0", "", "  ", "abc", "-1", "2x", "1.5"}) EXPECT_FALSE(ParseCopies(bad)) << bad;
    const Message m = InvalidCopiesMessage();
    EXPECT_EQ(m.text, "Invalid number of copies entered.");
    EXPECT_EQ(m.caption, "Error");
    EXPECT_EQ(m.focus, "CopiesBox");

    EXPECT_EQ(PlanCopies(5, 99), (CopyPlan{1, 5}));  // the printer makes them
    EXPECT_EQ(PlanCopies(5, 1), (CopyPlan{5, 1}));   // one job each
    EXPECT_EQ(PlanCopies(5, 5), (CopyPlan{5, 1}));   // not fewer than it can make: one job each
}

// "Puzzle Words" is ticked by default, and a layout without a word list printed no word bank
// without a word.
TEST(PrintChoices, TickedPartsWithoutAPlaceOnTheLayoutAreNamed) {
    auto layout = std::make_unique<PageLayoutRecord>();
    const auto set = [&](std::initializer_list<ObjectKind> kinds) {
        layout->objectCount = 0;
        for (ObjectKind k : kinds) layout->objects[static_cast<std::size_t>(layout->objectCount++)].kind = static_cast<std::int16_t>(k);
    };
    set({ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::AcrossClues, ObjectKind::DownClues, ObjectKind::BonusQuestion});
    PrintOptions o;
    EXPECT_EQ(PartsWithoutPlaceNote(o, *layout), "This page layout has no place for the Puzzle Words.");
    o.printWords = false;
    EXPECT_EQ(PartsWithoutPlaceNote(o, *layout), "");
    set({ObjectKind::Puzzle, ObjectKind::CombinedClues});
    o.printWords = true;
    EXPECT_EQ(PartsWithoutPlaceNote(o, *layout),
              "This page layout has no place for the Puzzle Title, the Puzzle Words or the Bonus Question.");
    set({ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::CombinedClues, ObjectKind::WordList, ObjectKind::BonusQuestion});
    EXPECT_EQ(PartsWithoutPlaceNote(o, *layout), "");
}

TEST(TextExport, AcrossEmptyLineDownWithCrLf) {
    const PuzzleRecord p = ThreeAcrossTwoDown();
    const auto clues = TextExportLines(p, TextExportKind::Clues);
    ASSERT_EQ(clues.size(), 3u + 2u + 3u);
    EXPECT_EQ(clues[0], "ACROSS");
    EXPECT_EQ(clues[1], "1. Clue for CAT");
    EXPECT_EQ(clues[4], "");
    EXPECT_EQ(clues[5], "DOWN");
    const auto words = TextExportLines(p, TextExportKind::Words);
    EXPECT_EQ(words[1], "1. CAT");
    EXPECT_EQ(words[3], "4. TEN");
    EXPECT_EQ(words[6], "1. COT");

    test::TempDir dir;
    const std::string path = dir.File("clues.txt");
    ASSERT_TRUE(WriteTextExport(path, p, TextExportKind::Words).IsDone());
    EXPECT_EQ(test::ReadFileText(path), "ACROSS\r\n1. CAT\r\n3. ON\r\n4. TEN\r\n\r\nDOWN\r\n1. COT\r\n2. TON\r\n");

    // Numbers of two digits: the shorter ones are padded so every text starts in one column
    // (the lists once went ragged past 9).
    PuzzleRecord tens = p;
    tens.number[2] = 12;
    const auto padded = TextExportLines(tens, TextExportKind::Words);
    EXPECT_EQ(padded[1], " 1. CAT");
    EXPECT_EQ(padded[3], "12. TEN");
    EXPECT_EQ(padded[6], " 1. COT");
}

TEST(TextExport, AFileThatCannotBeWrittenIsRefusedAndLeftAlone) {
    const PuzzleRecord p = ThreeAcrossTwoDown();
    test::TempDir dir;
    const Outcome missing = WriteTextExport(dir.File("no/such/folder/x.txt"), p, TextExportKind::Clues);
    ASSERT_TRUE(missing.IsRefused());
    EXPECT_EQ(missing.message.text, "Unable to create export file.");
    EXPECT_EQ(missing.message.caption, "Error");

    // A folder where the file should be: nothing is replaced.
    std::filesystem::create_directory(dir.File("taken.txt"));
    EXPECT_TRUE(WriteTextExport(dir.File("taken.txt"), p, TextExportKind::Clues).IsRefused());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.txt")));

    // The dialog starts at the file last used and remembers the new one.
    Settings settings;
    settings.lastExportTextFile = dir.File("old.txt");
    test::ScriptedChooser chooser({dir.File("new.txt")});
    EXPECT_TRUE(ExportText(p, TextExportKind::Clues, settings, chooser).IsDone());
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].title, "Export Clues");
    EXPECT_EQ(chooser.requests[0].filter, "text (*.txt)|*.txt");
    EXPECT_EQ(chooser.requests[0].initialPath, dir.File("old.txt"));
    EXPECT_TRUE(chooser.requests[0].confirmOverwrite);
    EXPECT_EQ(settings.lastExportTextFile, dir.File("new.txt"));
    EXPECT_TRUE(ExportText(p, TextExportKind::Clues, settings, chooser).IsCancelled());
}

TEST(PreviewZoom, PixelWidthAndZoomGoBothWays) {
    const PageGeometry letter{8.5, 11, 96};
    EXPECT_EQ(letter.PixelWidth(100), 816);
    EXPECT_EQ(letter.PixelWidth(200), 1632);
    for (int px : {100, 333, 640, 1000, 1275})
        EXPECT_EQ(letter.PixelWidth(letter.ZoomForPixelWidth(px)), px) << px;
    EXPECT_DOUBLE_EQ(letter.ZoomForPageWidth(408), 50);
    EXPECT_DOUBLE_EQ(letter.ZoomForWholePage(1000, 528), 50);  // the height decides
    EXPECT_DOUBLE_EQ(letter.ZoomForPixelWidth(1), kMinZoom);    // within the limits
    EXPECT_DOUBLE_EQ(letter.ZoomForPixelWidth(100000), kMaxZoom);

    EXPECT_EQ(FormatZoom(100.0 / 3), "33.33");
    EXPECT_EQ(FormatZoom(200), "200.00");
    EXPECT_EQ(ParseZoom(" 75.5 "), 75.5);
    for (const char* bad : {"abc", "", "0", "1e3", "12,5", "-5", "7.5.1"}) EXPECT_FALSE(ParseZoom(bad)) << bad;
    EXPECT_EQ(ParsePixelWidth(" 640"), 640);
    for (const char* bad : {"abc", "0", "64.5", ""}) EXPECT_FALSE(ParsePixelWidth(bad)) << bad;

    EXPECT_DOUBLE_EQ(NextZoomIn(100), 150);
    EXPECT_DOUBLE_EQ(NextZoomOut(100), 75);
    EXPECT_DOUBLE_EQ(NextZoomIn(90), 100);
}

}  // namespace qf
