// quernfold-cli render to the preview's exports: bitmap, JPEG, the two metafiles (read back by
// independent converters) and the web page with its picture.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "base/Ansi.h"
#include "collections/CollectionFile.h"
#include "output/TextExport.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::ReadFileText;
using test::RunCli;
using test::TempDir;

std::string Sample() { return std::string(std::getenv("QUERNFOLD_PROGRAM_DIR")) + "/SAMPLE.QF3"; }

// The texts of an SVG's text elements, in order, run together (a converter may write a string
// whole or a letter at a time).
std::string SvgText(const std::string& svg) {
    std::string all;
    for (std::size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
        const std::size_t open = svg.find('>', at);
        const std::size_t close = svg.find("</text>", open);
        if (open == std::string::npos || close == std::string::npos) break;
        std::string text = svg.substr(open + 1, close - open - 1);
        if (text.rfind("<![CDATA[", 0) == 0) text = text.substr(9, text.size() - 12);
        all += text;
    }
    return all;
}

// Runs a converter; its exit code.
int Convert(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }

int BitsPerPixel(const std::string& bmp) { return bmp.size() > 28 ? static_cast<unsigned char>(bmp[28]) : 0; }

TEST(ExportsCli, BitmapAndJpegAtTheWidthColoursAndQuality) {
    TempDir dir;
    auto r = RunCli({"render", Sample(), "0", "--out", "page.bmp"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("page.bmp"))).width(), 640);  // "Pixel Width"
    EXPECT_EQ(BitsPerPixel(ReadFileText(dir.File("page.bmp"))), 24);
    r = RunCli({"render", Sample(), "0", "--out", "small.BMP", "--width", "500", "--colors", "256"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(BitsPerPixel(ReadFileText(dir.File("small.BMP"))), 8);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("small.BMP"))).width(), 500);

    r = RunCli({"render", Sample(), "0", "--out", "good.jpg", "--quality", "95"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli({"render", Sample(), "0", "--out", "poor.JPG", "--quality", "5"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_LT(ReadFileText(dir.File("poor.JPG")).size(), ReadFileText(dir.File("good.jpg")).size());
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("poor.JPG"))).width(), 640);
}

TEST(ExportsCli, MetafilesReadBackByIndependentConverters) {
    TempDir dir;
    auto puzzle = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(ReadPuzzle(Sample(), 0, *puzzle).IsDone());
    const std::string title = AnsiToUtf8(puzzle->title.Str());
    const std::string clue = AnsiToUtf8(puzzle->Clue(1).Str());
    const std::string firstWord = clue.substr(0, clue.find(' '));
    ASSERT_FALSE(firstWord.empty());

    auto r = RunCli({"render", Sample(), "0", "--out", "page.emf"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(Convert("emf2svg-conv -i '" + dir.File("page.emf") + "' -o '" + dir.File("emf.svg") + "'"), 0);
    std::string svg = ReadFileText(dir.File("emf.svg"));
    EXPECT_NE(svg.find("width=\"816"), std::string::npos);
    std::string text = SvgText(svg);
    EXPECT_NE(text.find(title), std::string::npos) << text.substr(0, 200);
    EXPECT_NE(text.find(firstWord), std::string::npos);

    r = RunCli({"render", Sample(), "0", "--out", "page.wmf", "--answer-key"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(Convert("wmf2svg -o '" + dir.File("wmf.svg") + "' '" + dir.File("page.wmf") + "'"), 0);
    text = SvgText(ReadFileText(dir.File("wmf.svg")));
    EXPECT_NE(text.find(title), std::string::npos) << text.substr(0, 200);
    EXPECT_NE(text.find(firstWord), std::string::npos);
}

TEST(ExportsCli, WebPageWithItsPictureBeside) {
    TempDir dir;
    test::WriteFile(dir.File("QFOLD3.INI"), "[HTML]\nWeb Title=Birds\nFirst Header=\nHorizontal Lower=Yes\n");
    auto r = RunCli({"render", Sample(), "0", "--out", "birds.htm", "--width", "300", "--quality", "40"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileText(dir.File("birds.htm")),
              "<HTML>\r\n <HEAD>\r\n  <TITLE>Birds</TITLE>\r\n"
              "  <META NAME=\"GENERATOR\" CONTENT=\"Brackenhall / Quernfold 97\">\r\n </HEAD>\r\n <BODY>\r\n"
              "  <CENTER><IMG SRC=\"birds.JPG\" ALT=\"Quernfold 97 Puzzle\"></CENTER><P>\r\n  <HR><P>\r\n"
              " </BODY>\r\n</HTML>\r\n");
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("birds.JPG")), "JPG").width(), 300);
}

TEST(ExportsCli, RefusalsAndUsage) {
    TempDir dir;
    auto r = RunCli({"render", Sample(), "0", "--out", "missing/page.bmp"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to create export file.\n");
    r = RunCli({"render", Sample(), "0", "--out", "missing/page.htm"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to create html file.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"render", Sample(), "0", "--out", "x.bmp", "--quality", "50"},
          {"render", Sample(), "0", "--out", "x.jpg", "--quality", "101"},
          {"render", Sample(), "0", "--out", "x.jpg", "--quality", "0"},
          {"render", Sample(), "0", "--out", "x.jpg", "--colors", "8"},
          {"render", Sample(), "0", "--out", "x.emf", "--colors", "256"},
          {"render", Sample(), "0", "--out", "x.png", "--quality", "50"}}) {
        r = RunCli(bad, dir.Path());
        EXPECT_EQ(r.exitCode, 2) << bad[4] << " " << bad[5];
        EXPECT_FALSE(std::filesystem::exists(dir.File(bad[4])));
    }
}

TEST(ExportsCli, TextListsAreThePreviewsOwn) {
    TempDir dir;
    auto puzzle = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(ReadPuzzle(Sample(), 0, *puzzle).IsDone());
    for (const auto& [flag, kind] : {std::pair{"--clues", TextExportKind::Clues}, std::pair{"--words", TextExportKind::Words}}) {
        const auto r = RunCli({"text", Sample(), "0", flag, "--out", "list.txt"}, dir.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err;
        ASSERT_TRUE(WriteTextExport(dir.File("preview.txt"), *puzzle, kind).IsDone());
        EXPECT_EQ(ReadFileText(dir.File("list.txt")), ReadFileText(dir.File("preview.txt"))) << flag;
    }
    EXPECT_EQ(RunCli({"text", Sample(), "0", "--clues", "--words", "--out", "x.txt"}, dir.Path()).exitCode, 2);
    EXPECT_EQ(RunCli({"text", Sample(), "0", "--clues"}, dir.Path()).exitCode, 2);
    const auto missing = RunCli({"text", Sample(), "0", "--words", "--out", "missing/x.txt"}, dir.Path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Unable to create export file.\n");
}

}  // namespace
}  // namespace qf
