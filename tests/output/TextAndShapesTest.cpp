// One-line texts, text blocks, the word list, shapes, pictures and the warnings after the page.
#include <gtest/gtest.h>

#include <QImage>

#include "layouts/PageObjects.h"
#include "output/RenderFixtures.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

constexpr double kEm = 1.0 / 6;  // 12 points on the recording surface
const std::vector<std::string> kSmall = {"CAT", "A#O", "BOX"};  // words CAT, BOX, CAB, TOX

TEST(OneLineText, AlignedCentredVerticallyAndShrunkToTwoPoints) {
    const PuzzleRecord p = MakePuzzle(kSmall);  // title "Test Puzzle": 5.4 em
    PageLayoutRecord layout = LetterLayout();
    PageObject& title = AddObject(layout, ObjectKind::Title, 48, 48, 360, 72);  // 6.5 x 0.5 inches
    title.alignment = kAlignCentre;
    title.useBorder = 1;
    title.transparent = 0;
    RecordingSurface s;
    Render(s, p, layout);
    ASSERT_EQ(s.Texts().size(), 1u);
    const SurfaceCall t = s.Texts()[0];
    EXPECT_EQ(t.text, "Test Puzzle");
    EXPECT_DOUBLE_EQ(t.args[0], 1 + (6.5 - 5.4 * kEm) / 2);
    EXPECT_DOUBLE_EQ(t.args[1], 1.5 - 0.25 + (0.8 - 0.2) * kEm / 2);
    EXPECT_FALSE(t.transparent);
    EXPECT_EQ(s.CallsOf("LineTo").size(), 4u);  // the border, after the text
    EXPECT_EQ(s.Calls().back().op, "LineTo");

    title.alignment = kAlignRight;
    s.Clear();
    Render(s, p, layout);
    EXPECT_DOUBLE_EQ(s.Texts()[0].args[0], 1 + 6.5 - 5.4 * kEm);
    title.alignment = kAlignLeft;
    s.Clear();
    Render(s, p, layout);
    EXPECT_DOUBLE_EQ(s.Texts()[0].args[0], 1);

    // Shrinks while the text is at least as wide or as high as the object; not below 2 points.
    title.rect = {48, 48, 48 + 24, 72};  // half an inch wide: 5.4 em < 0.5 from 6 points
    s.Clear();
    RenderResult r = Render(s, p, layout);
    EXPECT_EQ(r.fittedFontSize[0], 6);
    title.rect = {48, 48, 49, 49};
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.fittedFontSize[0], 2);
    EXPECT_TRUE(r.warnings.empty());  // a title gives no warning
    title.makeFit = 0;
    s.Clear();
    EXPECT_EQ(Render(s, p, layout).fittedFontSize[0], 12);
}

TEST(OneLineText, AnAnswerKeyIsMarkedUnderItsTitleOnlyWhenAsked) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::Title, 48, 48, 360, 72);  // bottom at 1.5 inches
    PrintOptions o;
    o.answerKey = true;
    RecordingSurface s;
    Render(s, p, layout, o);
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"Test Puzzle"}));  // off by default: the page as it was
    o.markAnswerKey = true;
    s.Clear();
    Render(s, p, layout, o);
    ASSERT_EQ(TextsDrawn(s), (std::vector<std::string>{"Test Puzzle", "Answer Key"}));
    EXPECT_GT(s.Texts()[1].args[1], 1.5);  // under the title
    EXPECT_EQ(s.Texts()[1].font.size, 6);  // half of the 12 points, not below 6
    o.answerKey = false;  // a blank puzzle is no key
    s.Clear();
    Render(s, p, layout, o);
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"Test Puzzle"}));
}

TEST(OneLineText, HeadingsAndTheBonusQuestion) {
    PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::AcrossHeader, 48, 48, 192, 72);
    AddObject(layout, ObjectKind::DownHeader, 48, 96, 192, 120);
    PageObject& bonus = AddObject(layout, ObjectKind::BonusQuestion, 48, 144, 360, 168);
    bonus.useBorder = 1;
    RecordingSurface s;
    RenderPage(s, p, layout, PrintOptions{}, PrintHeadings{"Quer", "Hoch"});
    // An empty bonus question draws nothing, not even its border.
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"Quer", "Hoch"}));
    EXPECT_TRUE(s.CallsOf("LineTo").empty());

    p.bonusQuestion = "Which animal?";
    s.Clear();
    RenderPage(s, p, layout, PrintOptions{}, PrintHeadings{"Quer", "Hoch"});
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"Quer", "Hoch", "Which animal?"}));
    EXPECT_EQ(ObjectText(layout.objects[2]), "Which animal?");
    EXPECT_EQ(s.CallsOf("LineTo").size(), 4u);

    PrintOptions o;
    o.printClues = false;
    o.printBonus = false;
    s.Clear();
    RenderPage(s, p, layout, o, PrintHeadings{"Quer", "Hoch"});
    EXPECT_TRUE(s.Calls().empty());
}

TEST(TextBlock, LineBreaksWrappingAndFit) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    PageObject& text = AddObject(layout, ObjectKind::Text, 48, 48, 144, 96);  // 2 x 1 inch: 6 rows
    // "aaaa" is 1/3 inch and a blank 1/24: five words (1.83 inch) fit in 2 inches, six (2.21) do not.
    SetObjectText(text, "aaaa aaaa aaaa aaaa aaaa aaaa\r\nbb\r\n  cc");
    RecordingSurface s;
    RenderResult r = Render(s, p, layout);
    EXPECT_EQ(r.texts[0].lines,
              (std::vector<std::string>{"aaaa aaaa aaaa aaaa aaaa", " aaaa", "\r\nbb", "\r\n  cc"}));
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"aaaa aaaa aaaa aaaa aaaa", "aaaa", "bb", "cc"}));
    const std::vector<SurfaceCall> t = s.Texts();
    EXPECT_DOUBLE_EQ(t[0].args[0], 1);
    EXPECT_DOUBLE_EQ(t[0].args[1], 1 + 0.8 * kEm);
    EXPECT_DOUBLE_EQ(t[2].args[1], 1 + 2 * kEm + 0.8 * kEm);
    EXPECT_TRUE(r.warnings.empty());

    // A line break first closes the first line empty: the text starts on the second row (the
    // break was once swallowed and the text started on the first).
    SetObjectText(text, "\r\nbb");
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.texts[0].lines, (std::vector<std::string>{"", "\r\nbb"}));
    ASSERT_EQ(s.Texts().size(), 2u);
    EXPECT_EQ(s.Texts()[1].text, "bb");
    EXPECT_DOUBLE_EQ(s.Texts()[1].args[1], 1 + kEm + 0.8 * kEm);

    // Seven lines in six rows: shrunk until they fit; without the flag, drawn whole and flagged.
    SetObjectText(text, "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng");
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.texts[0].fontSize, 10);  // 1 inch / (10/72) = 7.2 rows
    EXPECT_TRUE(r.texts[0].fits);
    text.makeFit = 0;
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(s.Texts().size(), 7u);
    EXPECT_TRUE(r.textDidNotFit[0]);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].text,
              "Text would not fit in allocated space.  You will need to change the alotted text space on the page "
              "layout, change the font size for the text or select the \"Make It Fit\" attribute for the text "
              "object.");

    // One word wider than the object never fits; shrinking stops at 3 points.
    text.makeFit = 1;
    SetObjectText(text, std::string(200, 'w'));
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.texts[0].fontSize, 3);
    EXPECT_EQ(layout.objects[0].fittedFontSize, 3);
    EXPECT_FALSE(r.texts[0].fits);
}

TEST(WordList, SortedInColumnsWithOverflow) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    PageObject& list = AddObject(layout, ObjectKind::WordList, 48, 48, 144, 72);  // 2 x 0.5 inch: 3 rows
    list.columns = 2;
    RecordingSurface s;
    RenderResult r = Render(s, p, layout);
    EXPECT_EQ(r.wordList.words, (std::vector<std::string>{"BOX", "CAB", "CAT", "TOX"}));
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"BOX", "CAB", "CAT", "TOX"}));
    const double margin = kEm / 8;
    const double columnWidth = (2 - margin) / 2;
    // Four words in two columns of three rows: two in each (column 1 once took three and column
    // 2 one, and a short list filled one column of four).
    const std::vector<SurfaceCall> t = s.Texts();
    EXPECT_EQ(r.wordList.rowsInUse, 2);
    EXPECT_DOUBLE_EQ(t[1].args[0], 1 + margin);  // CAB: second row of column 1
    EXPECT_DOUBLE_EQ(t[1].args[1], 1 + kEm + 0.8 * kEm);
    EXPECT_DOUBLE_EQ(t[2].args[0], 1 + margin + columnWidth);  // CAT: first row of column 2
    EXPECT_DOUBLE_EQ(t[2].args[1], 1 + 0.8 * kEm);
    EXPECT_DOUBLE_EQ(t[3].args[0], 1 + margin + columnWidth);
    EXPECT_DOUBLE_EQ(t[3].args[1], 1 + kEm + 0.8 * kEm);
    EXPECT_TRUE(r.warnings.empty());

    // One column of three rows for four words: the first three are drawn, and a warning.
    list.columns = 1;
    list.makeFit = 0;
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(TextsDrawn(s), (std::vector<std::string>{"BOX", "CAB", "CAT"}));
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].text,
              "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on "
              "the page layout, change the font size for the words or select the \"Make It Fit\" attribute for the "
              "puzzle words.");
    // With the flag: four rows in half an inch from 9 points (0.5 / 0.125).
    list.makeFit = 1;
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(r.wordList.fontSize, 9);
    EXPECT_EQ(s.Texts().size(), 4u);
    EXPECT_TRUE(r.warnings.empty());

    // A word wider than its column keeps its place but is left out, and is reported.
    list.makeFit = 0;
    list.rect = {48, 48, 48 + 10, 240};
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_TRUE(s.Texts().empty());
    EXPECT_EQ(r.wordList.printedLengths, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_TRUE(r.wordsDidNotFit);

    // Upper case decides the order, and accented letters come after Z.
    PuzzleRecord accented = MakePuzzle(kSmall);
    accented.Word(1) = "\xE9" "cu";
    accented.Word(2) = "box";
    list.rect = {48, 48, 240, 240};
    s.Clear();
    r = Render(s, accented, layout);
    EXPECT_EQ(r.wordList.words, (std::vector<std::string>{"box", "CAB", "TOX", "\xE9" "cu"}));
}

TEST(Shapes, RectanglesCirclesAndBorders) {
    const PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    PageObject& box = AddObject(layout, ObjectKind::Rectangle, 48, 48, 96, 96);
    box.fillShape = 1;
    box.fillColor = 0x00AA00;
    box.useBorder = 1;
    box.borderWidth = 2;
    PageObject& circle = AddObject(layout, ObjectKind::Circle, 96, 96, 192, 144);
    circle.useBorder = 1;
    circle.fillShape = 1;
    RecordingSurface s;
    Render(s, p, layout);
    ASSERT_EQ(s.CallsOf("FillRect").size(), 1u);
    EXPECT_EQ(s.CallsOf("FillRect")[0].args, (std::vector<double>{1, 1, 2, 2}));
    EXPECT_EQ(s.CallsOf("FillRect")[0].brush, 0x00AA00);
    // Two outlines, the second one pixel (0.01 inch) further out.
    const auto moves = s.CallsOf("MoveTo");
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0].args, (std::vector<double>{1, 1}));
    EXPECT_EQ(moves[1].args, (std::vector<double>{0.99, 0.99}));
    EXPECT_EQ(s.CallsOf("FillEllipse")[0].args, (std::vector<double>{2, 2, 4, 3}));
    EXPECT_EQ(s.CallsOf("EllipseOutline")[0].args, (std::vector<double>{2, 2, 4, 3}));
}

TEST(Bitmaps, StretchedTiledAndMissing) {
    TempDir dir;
    const std::string bmp = dir.File("logo.bmp");
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(bmp), "BMP"));

    const PuzzleRecord p = MakePuzzle(kSmall);
    PageLayoutRecord layout = LetterLayout();
    PageObject& picture = AddObject(layout, ObjectKind::Bitmap, 48, 48, 144, 96);
    picture.bitmapFile = bmp;
    picture.useBorder = 1;
    RecordingSurface s;
    RenderResult r = Render(s, p, layout);
    ASSERT_EQ(s.CallsOf("Picture").size(), 1u);
    EXPECT_EQ(s.CallsOf("Picture")[0].args, (std::vector<double>{1, 1, 3, 2}));
    EXPECT_EQ(s.CallsOf("LineTo").size(), 4u);
    EXPECT_TRUE(r.warnings.empty());

    // Tiled over the page from its corner: 8.5 / 2 -> 5 across, 11 / 1 -> 11 down; no border.
    picture.transparent = 1;
    s.Clear();
    Render(s, p, layout);
    const auto tiles = s.CallsOf("Picture");
    ASSERT_EQ(tiles.size(), 55u);
    EXPECT_EQ(tiles[0].args, (std::vector<double>{0, 0, 2, 1}));
    EXPECT_EQ(tiles[6].args, (std::vector<double>{2, 1, 4, 2}));
    EXPECT_TRUE(s.CallsOf("LineTo").empty());

    // A missing file, or one that is not a picture: one warning, the rest still drawn.
    PageObject& missing = AddObject(layout, ObjectKind::Bitmap, 0, 0, 10, 10);
    missing.bitmapFile = dir.File("gone.bmp");
    const std::string junk = dir.File("junk.bmp");
    WriteFile(junk, "not a picture");
    AddObject(layout, ObjectKind::Bitmap, 0, 0, 10, 10).bitmapFile = junk;
    s.Clear();
    r = Render(s, p, layout);
    EXPECT_EQ(s.CallsOf("Picture").size(), 55u);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].text, "One or more bitmaps in the layout design could not be located.");
    EXPECT_EQ(r.warnings[0].caption, "Warning");
}

TEST(Warnings, EachKindOnceInItsOrder) {
    const PuzzleRecord p = MakePuzzle(kSmall, [](const std::string&) { return std::string(40, 'a'); });
    PageLayoutRecord layout = LetterLayout();
    for (int i = 0; i < 2; ++i) {
        PageObject& text = AddObject(layout, ObjectKind::Text, 0, 0, 10, 10);
        SetObjectText(text, "wide words that cannot fit");
        text.makeFit = 0;
    }
    AddObject(layout, ObjectKind::WordList, 0, 0, 48, 5).makeFit = 0;
    AddObject(layout, ObjectKind::AcrossClues, 0, 0, 48, 48).makeFit = 0;
    AddObject(layout, ObjectKind::DownClues, 0, 0, 48, 48).makeFit = 0;
    AddObject(layout, ObjectKind::Bitmap, 0, 0, 10, 10).bitmapFile = "/nonexistent/picture.bmp";
    RecordingSurface s;
    const RenderResult r = Render(s, p, layout);
    std::vector<std::string> texts;
    for (const Message& m : r.warnings) texts.push_back(m.text.substr(0, 20));
    EXPECT_EQ(texts, (std::vector<std::string>{"One or more bitmaps ", "Puzzle Clues would n", "Puzzle Words would n",
                                               "Text would not fit i"}));
    EXPECT_TRUE(r.textDidNotFit[0]);
    EXPECT_TRUE(r.textDidNotFit[1]);

    // Aborted after the third object: the pictures were reported before the page, nothing else.
    int asked = 0;
    RecordingSurface aborted;
    const RenderResult a =
        RenderPage(aborted, p, layout, PrintOptions{}, PrintHeadings{}, [&] { return ++asked > 3; });
    EXPECT_TRUE(a.aborted);
    EXPECT_EQ(asked, 4);
    ASSERT_EQ(a.warnings.size(), 1u);
    EXPECT_EQ(a.warnings[0].text, "One or more bitmaps in the layout design could not be located.");
}

}  // namespace
}  // namespace qf::test
