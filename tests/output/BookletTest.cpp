// The booklet's file: made whole or not at all. A booklet cancelled half-way, or refused for a
// puzzle without a grid, leaves no file under its name and an earlier one as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "output/Booklet.h"
#include "output/RenderFixtures.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

std::vector<BookletPuzzle> Puzzles(int count) {
    std::vector<BookletPuzzle> puzzles;
    for (int n = 0; n < count; ++n) {
        PageLayoutRecord layout = LetterLayout();
        AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);
        puzzles.push_back({std::make_unique<PuzzleRecord>(MakePuzzle({"CAT", "A#O", "BOX"})), layout});
    }
    return puzzles;
}

TEST(Booklet, ACancelledOrRefusedBookletLeavesNoFileAndAnEarlierOneAsItWas) {
    TempDir dir;
    const Settings settings;
    std::vector<BookletPuzzle> puzzles = Puzzles(3);
    WriteFile(dir.File("old.pdf"), "the last booklet");
    for (const std::string name : {"old.pdf", "new.pdf"}) {
        int asked = 0;
        const BookletResult cancelled =
            WriteBookletPdf(dir.File(name), puzzles, settings, {}, [&](int done, int total) {
                ++asked;
                EXPECT_EQ(total, 6);  // three puzzles, three keys
                return done < 2;     // Cancel on the second page
            });
        EXPECT_TRUE(cancelled.outcome.IsCancelled());
        EXPECT_EQ(cancelled.pages, 2);
        EXPECT_EQ(asked, 2);
    }
    EXPECT_EQ(ReadFileText(dir.File("old.pdf")), "the last booklet");
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.pdf")));

    puzzles[1].puzzle->generated = 0;
    bool drawn = false;
    const BookletResult refused = WriteBookletPdf(dir.File("new.pdf"), puzzles, settings, {}, [&](int, int) {
        drawn = true;
        return true;
    });
    EXPECT_TRUE(refused.outcome.IsRefused());
    EXPECT_FALSE(drawn);
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.pdf")));

    puzzles[1].puzzle->generated = 1;
    const BookletResult done = WriteBookletPdf(dir.File("old.pdf"), puzzles, settings, {});
    EXPECT_TRUE(done.outcome.IsDone());
    EXPECT_EQ(done.pages, 6);
    EXPECT_EQ(ReadFileText(dir.File("old.pdf")).substr(0, 5), "%PDF-");
    // Nothing but the booklet: no temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace qf::test
