// The web page: its lines exactly, the picture's name beside it, and the page and picture
// written both or neither.
#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

#include <sys/stat.h>

#include "base/FileUtil.h"
#include "layouts/PageObjects.h"
#include "output/HtmlExport.h"
#include "output/PagePictures.h"
#include "output/RenderFixtures.h"
#include "report/FontMeasure.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

const char* kGenerator = "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenhall / Quernfold 97\">";

std::string Lines(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& l : lines) all += l + "\r\n";
    return all;
}

TEST(HtmlPage, EmptyBlocksLeaveOnlyThePicture) {
    HtmlPage page;
    page.title = "Crossword Puzzle";
    EXPECT_EQ(HtmlLines(page, "PUZZLE.JPG"),
              (std::vector<std::string>{"<HTML>", " <HEAD>", "  <TITLE>Crossword Puzzle</TITLE>", kGenerator,
                                        " </HEAD>", " <BODY>",
                                        "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>",
                                        " </BODY>", "</HTML>"}));
}

TEST(HtmlPage, EveryBlockAndRuleInPageOrderWithItsTags) {
    Settings settings;
    settings.webTitle = "  Weekly <Puzzle>  ";
    settings.secondHeader = {"Level & Two\r\nsecond line", false, true, false, 2};
    settings.firstFooter = {"Footer one", true, true, true, 7};
    settings.secondFooter = {"Footer two", false, false, true, 1};
    settings.horizontalUpper = true;
    settings.horizontalLower = true;
    const HtmlPage page = HtmlPageFromSettings(settings);  // the first header as the defaults have it
    EXPECT_EQ(page.title, "Weekly <Puzzle>");
    EXPECT_EQ(HtmlLines(page, "WEEK.JPG"),
              (std::vector<std::string>{
                  "<HTML>", " <HEAD>", "  <TITLE>Weekly <Puzzle></TITLE>", kGenerator, " </HEAD>", " <BODY>",
                  "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>",
                  "  <I><FONT SIZE=2>Level & Two\r\nsecond line</FONT></I><P>",
                  "  <HR><P>",
                  "  <CENTER><IMG SRC=\"WEEK.JPG\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>",
                  "  <HR><P>",
                  "  <CENTER><I><B><FONT SIZE=7>Footer one</FONT></B></I></CENTER><P>",
                  "  <CENTER><FONT SIZE=1>Footer two</FONT></CENTER><P>",
                  " </BODY>", "</HTML>"}));
    // A title of 100 characters is written whole; a longer one is cut to 100.
    settings.webTitle = std::string(100, 'T');
    EXPECT_EQ(HtmlLines(HtmlPageFromSettings(settings), "X.JPG")[2], "  <TITLE>" + std::string(100, 'T') + "</TITLE>");
    HtmlPage stored = HtmlPageFromSettings(settings);
    stored.title = std::string(120, 'U');
    StoreHtmlPage(stored, settings);
    EXPECT_EQ(settings.webTitle, std::string(100, 'U'));
}

TEST(HtmlPage, PictureNameBesideThePage) {
    EXPECT_EQ(HtmlPictureName("/home/t/PUZZLE.htm"), "PUZZLE.JPG");
    EXPECT_EQ(HtmlPictureName("week.HTM"), "week.JPG");
    EXPECT_EQ(HtmlPictureName("/x/page.html"), "page.hJPG");  // the last three characters
    // A page named like its picture would be overwritten by it: the picture gets a name of its own.
    EXPECT_EQ(HtmlPictureName("/x/page.jpg"), "page.jpg.JPG");
    // The link names the file even where its name holds characters a link cannot.
    HtmlPage page;
    EXPECT_EQ(HtmlLines(page, "a\"b #1?\xC3\xA9.JPG")[6],
              "  <CENTER><IMG SRC=\"a%22b%20%231%3F%C3%A9.JPG\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>");
}

struct RenderedPage {
    PuzzleRecord puzzle = MakePuzzle({"CAT", "A#O", "BOX"});
    PageLayoutRecord layout = LetterLayout();
    PrintOptions options;
    PrintHeadings headings{"Across", "Down"};
    RenderResult result;
    RenderedPage() {
        AddObject(layout, ObjectKind::Title, 48, 48, 360, 96);
        AddObject(layout, ObjectKind::Puzzle, 48, 120, 240, 312);
        AddObject(layout, ObjectKind::BonusQuestion, 48, 360, 360, 400);
        RecordingSurface s;
        result = RenderPage(s, puzzle, layout, options, headings);
    }
    ExportPage Page() const { return {puzzle, layout, options, headings, result}; }
};

TEST(HtmlExport, PageAndPictureWrittenTogetherWithAndWithoutABonusQuestion) {
    EnsureGuiApplication();
    TempDir dir;
    std::vector<std::string> pictures;
    for (const char* bonus : {"", "What do they share?"}) {
        RenderedPage r;
        r.puzzle.bonusQuestion = bonus;
        r.result = RenderPage(*std::make_unique<RecordingSurface>(), r.puzzle, r.layout, r.options, r.headings);
        HtmlPage page;
        page.title = "Crossword Puzzle";
        page.blocks[0] = {"My Puzzle", true, false, true, 4};
        const std::string path = dir.File("PUZZLE.htm");
        ASSERT_TRUE(SaveHtmlExport(r.Page(), page, 320, 60, PixelFormat::TrueColor, path).IsDone());
        EXPECT_EQ(ReadFileText(path), Lines({"<HTML>", " <HEAD>", "  <TITLE>Crossword Puzzle</TITLE>", kGenerator,
                                             " </HEAD>", " <BODY>",
                                             "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>",
                                             "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>",
                                             " </BODY>", "</HTML>"}));
        const QImage picture(QString::fromStdString(dir.File("PUZZLE.JPG")), "JPG");
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.width(), 320);
        EXPECT_EQ(picture.height(), 414);  // the Letter page's proportions
        pictures.push_back(ReadFileText(dir.File("PUZZLE.JPG")));
    }
    EXPECT_NE(pictures[0], pictures[1]);  // the second page shows its question
}

TEST(HtmlExport, AFailureLeavesBothFilesAsTheyWere) {
    EnsureGuiApplication();
    TempDir dir;
    RenderedPage r;
    HtmlPage page;
    // The page's folder is missing: the page cannot be made and no picture is written.
    Outcome o = SaveHtmlExport(r.Page(), page, 200, 50, PixelFormat::TrueColor, dir.File("none/P.htm"));
    ASSERT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, "Unable to create html file.");
    EXPECT_EQ(o.message.caption, "Error");
    EXPECT_FALSE(FileExists(dir.File("none/P.JPG")));

    // The picture cannot be written (its name is a folder): the old page stays as it was.
    WriteFile(dir.File("P.htm"), "old page");
    std::filesystem::create_directory(dir.File("P.JPG"));
    o = SaveHtmlExport(r.Page(), page, 200, 50, PixelFormat::TrueColor, dir.File("P.htm"));
    ASSERT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, "Unable to create export file.");
    EXPECT_EQ(ReadFileText(dir.File("P.htm")), "old page");

    // A picture that could not be made is no page either.
    o = WriteHtmlExport(dir.File("Q.htm"), page, {});
    EXPECT_TRUE(o.IsRefused());
    EXPECT_FALSE(FileExists(dir.File("Q.htm")));
    EXPECT_FALSE(FileExists(dir.File("Q.JPG")));
}

TEST(PagePictures, BitmapAndJpegOfThePageAtTheWidth) {
    EnsureGuiApplication();
    TempDir dir;
    RenderedPage r;
    ASSERT_TRUE(SavePagePicture(r.Page(), 640, {PictureKind::Bitmap, PixelFormat::Colors256, 50}, dir.File("p.bmp"))
                    .IsDone());
    const QImage bmp(QString::fromStdString(dir.File("p.bmp")), "BMP");
    ASSERT_FALSE(bmp.isNull());
    EXPECT_EQ(bmp.width(), 640);
    EXPECT_EQ(bmp.height(), 828);
    EXPECT_EQ(bmp.format(), QImage::Format_Indexed8);
    const auto small = PagePictureBytes(r.Page(), 640, {PictureKind::Jpeg, PixelFormat::TrueColor, 10});
    const auto large = PagePictureBytes(r.Page(), 640, {PictureKind::Jpeg, PixelFormat::TrueColor, 90});
    EXPECT_LT(small.size(), large.size());
    // The layout handed in keeps the sizes of the rendering it came from.
    EXPECT_EQ(r.layout.objects[0].fittedFontSize, r.result.fittedFontSize[0]);
    EXPECT_TRUE(PagePictureBytes(r.Page(), 0, {}).empty());
    EXPECT_TRUE(SavePagePicture(r.Page(), kMaxPixelWidth + 1, {}, dir.File("q.bmp")).IsRefused());
    EXPECT_FALSE(FileExists(dir.File("q.bmp")));
}

}  // namespace
}  // namespace qf::test
