#include "exchange/PuzzleExport.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "exchange/ExchangeFixtures.h"
#include "output/PrintOptions.h"
#include "support/TempDir.h"

namespace qf {
namespace {

TEST(PuzzleExportTest, FormatByExtension) {
    EXPECT_EQ(FormatOfFile("a/b.ipuz"), ExchangeFormat::Ipuz);
    EXPECT_EQ(FormatOfFile("B.PUZ"), ExchangeFormat::Puz);
    EXPECT_EQ(FormatOfFile("c.xd"), ExchangeFormat::Xd);
    EXPECT_EQ(FormatOfFile("d.HTML"), ExchangeFormat::Html);
    EXPECT_EQ(FormatOfFile("d.htm"), ExchangeFormat::Html);
    EXPECT_FALSE(FormatOfFile("e.pdf"));
    EXPECT_FALSE(FormatOfFile("folder.puz/file"));
    EXPECT_FALSE(FormatOfFile("noextension"));
}

TEST(PuzzleExportTest, SuggestedNameIsTheTitleWithoutWhatFileSystemsRefuse) {
    const std::pair<std::string, std::string> rows[] = {
        {"Sunday", "Sunday.ipuz"},
        {"A/B\\C: *?\"<>|", "A B C.ipuz"},   // refused characters, then the trailing blanks dropped
        {"Tab\there", "Tab here.ipuz"},      // control characters
        {"Caf\xE9 Noir", "Caf  Noir.ipuz"},  // beyond ASCII: the title is Windows-1252
        {"Ends. . .", "Ends.ipuz"},
        {"", "Puzzle.ipuz"},
        {"...", "Puzzle.ipuz"},
    };
    for (const auto& [title, name] : rows) EXPECT_EQ(SuggestedExportName(title), name) << title;
    EXPECT_EQ(ExportPuzzleAsRequest("Sunday").initialPath, "Sunday.ipuz");
}

TEST(PuzzleExportTest, WritesEachFormatAndARefusalChangesNothing) {
    test::TempDir dir;
    const auto record = test::SmallPuzzle();
    for (const char* name : {"p.ipuz", "p.puz", "p.xd", "p.html"}) {
        const Outcome o = ExportPuzzleFile(*record, "-", *FormatOfFile(name), dir.File(name));
        ASSERT_TRUE(o.IsDone()) << name;
        EXPECT_EQ(o.message.text, kExportedText);
        EXPECT_FALSE(test::ReadFileText(dir.File(name)).empty()) << name;
    }

    // A word laid over another: the formats that number the grid themselves refuse it.
    auto overlaid = test::SmallPuzzle();
    test::PlaceWord(*overlaid, 5, "SUN", "Star", 0, 0, 3, 1, true);
    overlaid->wordCount = 5;
    overlaid->acrossCount = 3;
    const std::string before = test::ReadFileText(dir.File("p.puz"));
    for (const char* name : {"p.puz", "p.xd"}) {
        const std::string old = test::ReadFileText(dir.File(name));
        const Outcome o = ExportPuzzleFile(*overlaid, "", *FormatOfFile(name), dir.File(name));
        ASSERT_TRUE(o.IsRefused()) << name;
        EXPECT_EQ(o.message.text, kExportNumberingText);
        EXPECT_EQ(test::ReadFileText(dir.File(name)), old) << name;
    }
    EXPECT_TRUE(ExportPuzzleFile(*overlaid, "", ExchangeFormat::Ipuz, dir.File("o.ipuz")).IsDone());

    overlaid->generated = 0;
    const Outcome never = ExportPuzzleFile(*overlaid, "", ExchangeFormat::Html, dir.File("n.html"));
    ASSERT_TRUE(never.IsRefused());
    EXPECT_EQ(never.message.text, kNeverGeneratedText);
    EXPECT_TRUE(test::ReadFileText(dir.File("n.html")).empty());

    const Outcome unwritable = ExportPuzzleFile(*record, "", ExchangeFormat::Puz, dir.File("missing/p.puz"));
    ASSERT_TRUE(unwritable.IsRefused());
    EXPECT_EQ(unwritable.message.text, kExportWriteFailedText);
    EXPECT_EQ(test::ReadFileText(dir.File("p.puz")), before);
}

TEST(PuzzleExportTest, ShownSeparatorsFollowTheSettings) {
    Settings s;
    EXPECT_EQ(ShownSeparators(s), "");
    s.wordSepDash = s.wordSepStar = true;
    EXPECT_EQ(ShownSeparators(s), "-*");
    s.wordSepOther = true;
    EXPECT_EQ(ShownSeparators(s), "-*");  // the user's character is still a blank
    s.wordSepChar = '!';
    EXPECT_EQ(ShownSeparators(s), "-*!");
}

}  // namespace
}  // namespace qf
