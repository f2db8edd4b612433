// The print option values and what opening the print options derives from a layout.
#include <gtest/gtest.h>

#include "layouts/PageObjects.h"
#include "output/PrintOptions.h"
#include "output/RenderFixtures.h"

namespace qf::test {
namespace {

TEST(PrintOptions, DefaultsComeFromTheReportsSettings) {
    Settings s;
    PrintOptions o = PrintOptionsFromSettings(s);
    EXPECT_TRUE(o.printTitle && o.printBody && o.printClues && o.printWords && o.printBonus);
    EXPECT_FALSE(o.answerKey || o.partialAnswer || o.partialLetters);
    EXPECT_TRUE(o.useBoxes);
    EXPECT_EQ(o.boxColor, 0);
    EXPECT_EQ(o.wordSepChar, ' ');
    s.letters = "   abcdefghijklmnopqrstuvwxyz  ";
    s.wordSepOther = true;
    s.wordSepChar = '~';
    s.printWords = false;
    o = PrintOptionsFromSettings(s);
    EXPECT_EQ(o.letters, "abcdefghijklmnopqrstuvwxy");  // trimmed, cut to 25
    EXPECT_TRUE(o.wordSepOther);
    EXPECT_EQ(o.wordSepChar, '~');
    EXPECT_FALSE(o.printWords);
    for (bool selected : o.partialSelection) EXPECT_FALSE(selected);
}

TEST(PrintOptions, HeadingsAndBoxesFollowTheLayout) {
    Settings s;
    s.acrossLabel = "Horizontal";
    s.downLabel = "Vertical";
    PageLayoutRecord layout = LetterLayout();
    PrintOptions o;
    PrintHeadings h = DerivePrintOverrides(layout, s, o);
    EXPECT_EQ(h.across, "Horizontal");
    EXPECT_EQ(h.down, "Vertical");

    PageObject& grid = AddObject(layout, ObjectKind::Puzzle, 0, 0, 10, 10);
    grid.transparent = 1;  // skeleton
    grid.fillColor = 0x0000FF;
    SetObjectText(AddObject(layout, ObjectKind::AcrossHeader, 0, 0, 1, 1), "Accross");
    h = DerivePrintOverrides(layout, s, o);
    EXPECT_FALSE(o.useBoxes);
    EXPECT_EQ(o.boxColor, 0x0000FF);
    EXPECT_EQ(h.across, "Accross");
    EXPECT_EQ(h.down, "Vertical");

    PageLayoutRecord combined = LetterLayout();
    PageObject& c = AddObject(combined, ObjectKind::CombinedClues, 0, 0, 1, 1);
    SetObjectText(c, "Quer:Hoch");
    h = DerivePrintOverrides(combined, s, o);
    EXPECT_EQ(h.across, "Quer");
    EXPECT_EQ(h.down, "Hoch");
    SetObjectText(c, "Clues");
    h = DerivePrintOverrides(combined, s, o);
    EXPECT_EQ(h.across, "");
    EXPECT_EQ(h.down, "Clues");
}

}  // namespace
}  // namespace qf::test
