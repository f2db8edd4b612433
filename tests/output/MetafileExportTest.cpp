// The metafile's page: drawn again from what the last rendering measured, every text placed by
// its top-left corner, in the fitted sizes, with the objects' own headings and no pictures.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "base/FileUtil.h"
#include "layouts/PageObjects.h"
#include "output/MetafileExport.h"
#include "output/RenderFixtures.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

const std::vector<std::string> kSmall = {"CAT", "A#O", "BOX"};  // words CAT, BOX, CAB, TOX
constexpr double kInch = 1.0 / 48;                             // layout units of LetterLayout

struct Rendered {
    PuzzleRecord puzzle;
    PageLayoutRecord layout;
    PrintOptions options;
    PrintHeadings headings{"ACROSS!", "DOWN!"};  // the print's own headings: not the metafile's
    RenderResult result;

    Rendered(const std::vector<std::string>& rows, PageLayoutRecord l) : puzzle(MakePuzzle(rows)), layout(l) {}
    void Render() {
        RecordingSurface s;
        result = RenderPage(s, puzzle, layout, options, headings);
    }
    ExportPage Page() const { return {puzzle, layout, options, headings, result}; }
    RecordingSurface Metafile() const {
        RecordingSurface s;
        DrawMetafilePage(s, Page());
        return s;
    }
};

double Em(int points) { return points / 72.0; }

const SurfaceCall* FindText(const RecordingSurface& s, const std::string& text) {
    for (const SurfaceCall& c : s.Calls())
        if (c.op == "Text" && c.text == text) return &c;
    return nullptr;
}

TEST(MetafilePage, OneLineTextsTopLeftInTheirFittedSizeWithTheObjectsOwnHeadings) {
    PageLayoutRecord layout = LetterLayout();
    PageObject& title = AddObject(layout, ObjectKind::Title, 48, 48, 168, 72);  // 2.5 x 0.5 inches
    title.textFont.size = 72;
    title.makeFit = 1;
    title.alignment = kAlignCentre;
    PageObject& across = AddObject(layout, ObjectKind::AcrossHeader, 48, 96, 240, 120);
    SetObjectText(across, "Across Words");
    Rendered r(kSmall, layout);
    r.Render();
    const int fitted = r.layout.objects[0].fittedFontSize;
    ASSERT_GT(fitted, 2);
    ASSERT_LT(fitted, 72);

    const RecordingSurface s = r.Metafile();
    // The page is filled white first, at its full size.
    ASSERT_FALSE(s.Calls().empty());
    EXPECT_EQ(s.Calls()[0].op, "FillRect");
    EXPECT_EQ(s.Calls()[0].args, (std::vector<double>{0, 0, 8.5, 11}));
    EXPECT_EQ(s.Calls()[0].brush, kColorWhite);

    const SurfaceCall* t = FindText(s, "Test Puzzle");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->font.size, fitted);  // not shrunk again, not the stored 72
    const double em = Em(fitted);
    const double top = 1.25 - em / 2;  // the object's middle less half the text's height
    EXPECT_DOUBLE_EQ(t->args[1], top + 0.8 * em);  // the recording surface draws the top-left at its ascent
    EXPECT_DOUBLE_EQ(t->args[0], 1 + (2.5 - 5.4 * em) / 2);
    // The heading object's own text, not the print's heading.
    EXPECT_NE(FindText(s, "Across Words"), nullptr);
    EXPECT_EQ(FindText(s, "ACROSS!"), nullptr);
}

TEST(MetafilePage, ClueLinesComeFromTheRenderingNotFromANewBreaking) {
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::AcrossClues, 48, 48, 240, 144);  // 4 x 2 inches
    Rendered r(kSmall, layout);
    r.Render();
    ClueBlockMetrics& m = r.result.acrossClues;
    ASSERT_TRUE(m.present);
    ASSERT_EQ(m.entries.size(), 2u);
    m.entries[1].lines = {"Kept as", " the page broke it "};
    const RecordingSurface s = r.Metafile();
    const double em = Em(12);
    const SurfaceCall* number = FindText(s, "3.");
    ASSERT_NE(number, nullptr);
    const int row = m.entries[1].row;
    EXPECT_DOUBLE_EQ(number->args[0], 1 + m.leftMargin);
    EXPECT_DOUBLE_EQ(number->args[1], 1 + (row - 1) * m.rowHeight + 0.8 * em);  // the row's top
    const SurfaceCall* second = FindText(s, "the page broke it");
    ASSERT_NE(second, nullptr);
    EXPECT_DOUBLE_EQ(second->args[0], 1 + m.leftMargin + m.numberWidth);
    EXPECT_DOUBLE_EQ(second->args[1], 1 + row * m.rowHeight + 0.8 * em);
    EXPECT_EQ(FindText(s, "Clue for BOX"), nullptr);
    // An entry the page could not place is not drawn in the metafile either.
    r.result.acrossClues.entries[0].column = 0;
    EXPECT_EQ(FindText(r.Metafile(), "1."), nullptr);
}

TEST(MetafilePage, CombinedHeadingsAreTheObjectsTwoParts) {
    PageLayoutRecord layout = LetterLayout();
    PageObject& combined = AddObject(layout, ObjectKind::CombinedClues, 48, 48, 336, 240);
    SetObjectText(combined, "Horizontal:Vertical");
    Rendered r(kSmall, layout);
    r.Render();
    RecordingSurface s = r.Metafile();
    EXPECT_NE(FindText(s, "Horizontal"), nullptr);
    EXPECT_NE(FindText(s, "Vertical"), nullptr);
    EXPECT_EQ(FindText(s, "ACROSS!"), nullptr);
    const ClueBlockMetrics& m = r.result.combinedClues;
    const SurfaceCall* h = FindText(s, "Horizontal");
    ASSERT_NE(h, nullptr);
    EXPECT_DOUBLE_EQ(h->args[1], 1 + (m.acrossHeading.row - 1) * m.rowHeight + 0.8 * Em(12));
    // Without a colon the whole text is the down heading; the across heading is empty.
    SetObjectText(r.layout.objects[0], "Clues");
    s = r.Metafile();
    EXPECT_NE(FindText(s, "Clues"), nullptr);
    EXPECT_EQ(FindText(s, "Horizontal"), nullptr);
}

TEST(MetafilePage, TextLinesOneTextHeightApartAndNoPictures) {
    PageLayoutRecord layout = LetterLayout();
    PageObject& text = AddObject(layout, ObjectKind::Text, 48, 48, 336, 240);
    SetObjectText(text, "First line\r\nSecond line\r\nThird");
    PageObject& picture = AddObject(layout, ObjectKind::Bitmap, 48, 300, 96, 348);
    picture.bitmapFile = "/nowhere/picture.bmp";
    Rendered r(kSmall, layout);
    r.Render();
    EXPECT_TRUE(HasBitmapObjects(r.layout));
    const RecordingSurface s = r.Metafile();
    const double em = Em(12);
    const double step = 0.17;  // 16.7 device pixels (at 100 to the inch) make 17 whole pixels
    for (const auto& [line, i] : {std::pair<const char*, int>{"First line", 0}, {"Second line", 1}, {"Third", 2}}) {
        const SurfaceCall* c = FindText(s, line);
        ASSERT_NE(c, nullptr) << line;
        EXPECT_NEAR(c->args[1], 1 + i * step + 0.8 * em, 1e-12) << line;
    }
    EXPECT_TRUE(s.CallsOf("Picture").empty());
    PageLayoutRecord plain = LetterLayout();
    AddObject(plain, ObjectKind::Title, 48, 48, 168, 72);
    EXPECT_FALSE(HasBitmapObjects(plain));
}

TEST(MetafilePage, GridNumbersAndLettersByTheirTopLeftCorners) {
    PageLayoutRecord layout = LetterLayout();
    PageObject& grid = AddObject(layout, ObjectKind::Puzzle, 48, 48, 192, 192);  // 3 x 3 cells of 1 inch
    grid.numberFont.size = 6;
    Rendered r(kSmall, layout);
    r.options.answerKey = true;
    r.Render();
    const RecordingSurface s = r.Metafile();
    const int letterSize = r.layout.objects[0].fittedFontSize;
    const SurfaceCall* x = FindText(s, "X");  // row 3, column 3
    ASSERT_NE(x, nullptr);
    const double em = Em(letterSize);
    EXPECT_EQ(x->font.size, letterSize);
    EXPECT_DOUBLE_EQ(x->args[0], 3 + (1 - 0.7 * em) / 2);
    EXPECT_DOUBLE_EQ(x->args[1], 3 + (1 - em) / 2 + 0.8 * em);
    const SurfaceCall* two = FindText(s, "2");  // TOX starts at row 1, column 3
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->font.size, 6);
    EXPECT_DOUBLE_EQ(two->args[0], 3 + 0.25 * Em(6));
    EXPECT_DOUBLE_EQ(two->args[1], 1 + 0.8 * Em(6));
}

TEST(MetafilePage, FileOfTheLetterPageAndAFailedWriteLeavesNothing) {
    EnsureGuiApplication();
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::Title, 48, 48, 168, 72);
    Rendered r(kSmall, layout);
    r.Render();
    const std::vector<std::uint8_t> emf = MetafileBytes(r.Page(), MetafileKind::Enhanced);
    ASSERT_GT(emf.size(), 40u);
    auto i32 = [&](std::size_t at) { return emf[at] | (emf[at + 1] << 8) | (emf[at + 2] << 16) | (emf[at + 3] << 24); };
    EXPECT_EQ(i32(16), 816);
    EXPECT_EQ(i32(20), 1056);
    EXPECT_EQ(i32(32), 25908);
    EXPECT_EQ(i32(36), 33528);

    TempDir dir;
    const std::string path = dir.File("page.wmf");
    EXPECT_TRUE(SaveMetafileFile(r.Page(), MetafileKind::Windows, path).IsDone());
    EXPECT_TRUE(FileExists(path));
    const Outcome o = SaveMetafileFile(r.Page(), MetafileKind::Enhanced, dir.File("missing/page.emf"));
    ASSERT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, "Unable to create export file.");
    EXPECT_EQ(o.message.caption, "Error");
    EXPECT_FALSE(FileExists(dir.File("missing/page.emf")));
}

}  // namespace
}  // namespace qf::test
