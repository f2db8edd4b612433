// quernfold-cli render: the printed page as PNG, PDF or SVG, driven as a user would; and every
// sample puzzle on every shipped layout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "collections/CollectionFile.h"
#include "layouts/LayoutExchange.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "cli/CliPuzzles.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::ReadFileText;
using test::SmallPuzzle;
using test::RunCli;
using test::TempDir;

// Width and height of a PNG file, from its header.
std::pair<int, int> PngSize(const std::string& bytes) {
    auto be32 = [&](std::size_t at) {
        int v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    if (bytes.size() < 24 || bytes.substr(1, 3) != "PNG") return {0, 0};
    return {be32(16), be32(20)};
}

const char* kNeverGenerated =
    "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from the menu and "
    "create the puzzle first";

TEST(RenderCli, WritesPngPdfAndSvg) {
    TempDir dir;
    ASSERT_TRUE(AppendPuzzle(dir.File("p.QF3"), *SmallPuzzle()).IsDone());
    auto r = RunCli({"render", "p.QF3", "0", "--out", "page.png"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(PngSize(ReadFileText(dir.File("page.png"))), (std::pair<int, int>{1275, 1650}));

    r = RunCli({"render", "p.QF3", "0", "--out", "key.PNG", "--width", "600", "--answer-key", "--skeleton",
                "--box-color", "FF0000", "--no-title", "--no-words"},
               dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(PngSize(ReadFileText(dir.File("key.PNG"))), (std::pair<int, int>{600, 776}));

    r = RunCli({"render", "p.QF3", "0", "--out", "page.pdf", "--partial-words", "1,4", "--partial-letters", "o"},
               dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string pdf = ReadFileText(dir.File("page.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [0 0 612"), std::string::npos);  // Letter, 8.5 inches wide

    r = RunCli({"render", "p.QF3", "0", "--out", "page.svg"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string svg = ReadFileText(dir.File("page.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("Clue of CAT"), std::string::npos);
}

TEST(RenderCli, AnotherLayoutAndItsWarnings) {
    TempDir dir;
    auto puzzle = SmallPuzzle();
    // A landscape layout whose picture is missing.
    PageLayoutRecord& layout = puzzle->layout;
    layout.portrait = 0;
    layout.pixelWidth = 528;
    layout.pixelHeight = 408;
    PageObject picture = NewPageObject(ObjectKind::Bitmap, layout, HeadingLabels{});
    picture.rect = {10, 10, 50, 50};
    picture.bitmapFile = dir.File("gone.bmp");
    layout.objects[static_cast<std::size_t>(layout.objectCount++)] = picture;
    ASSERT_TRUE(WriteLayoutExchangeFile(dir.File("wide.PAG"), layout));
    ASSERT_TRUE(AppendPuzzle(dir.File("p.QF3"), *SmallPuzzle()).IsDone());

    auto r = RunCli({"render", "p.QF3", "0", "--out", "wide.png", "--layout", "wide.PAG"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "One or more bitmaps in the layout design could not be located.\n");
    EXPECT_EQ(PngSize(ReadFileText(dir.File("wide.png"))), (std::pair<int, int>{1275, 985}));

    test::WriteFile(dir.File("bad.PAG"), "PAG1.0 too short");
    r = RunCli({"render", "p.QF3", "0", "--out", "x.png", "--layout", "bad.PAG"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Page layout file is corrupt or incompatible.  Import aborted.\n");
}

TEST(RenderCli, RefusalsAndUsage) {
    TempDir dir;
    auto fresh = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    ASSERT_TRUE(AppendPuzzle(dir.File("p.QF3"), *fresh).IsDone());
    auto r = RunCli({"render", "p.QF3", "0", "--out", "x.png"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, std::string(kNeverGenerated) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));

    r = RunCli({"render", "p.QF3", "1", "--out", "x.png"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    r = RunCli({"render", "none.QF3", "0", "--out", "x.png"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to load puzzle.\n");

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"render", "p.QF3", "0", "--out", "x.gif"},
          {"render", "p.QF3", "0"},
          {"render", "p.QF3", "0", "--out", "x.png", "--box-color", "red"},
          {"render", "p.QF3", "0", "--out", "x.png", "--partial-words", "0"},
          {"render", "p.QF3", "0", "--out", "x.png", "--partial-words", "201"},
          {"render", "p.QF3", "0", "--out", "x.png", "--width", "0"},
          {"render", "p.QF3", "0", "--out", "x.png", "--frobnicate"}}) {
        r = RunCli(bad, dir.Path());
        EXPECT_EQ(r.exitCode, 2) << bad.back();
    }
}

// Every puzzle of the shipped sample collection on every shipped layout, as the preview shows it.
TEST(RenderCli, EverySamplePuzzleOnEveryShippedLayout) {
    const char* programDir = std::getenv("QUERNFOLD_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::string sample = std::string(programDir) + "/SAMPLE.QF3";
    const std::string library = std::string(programDir) + "/" + kLayoutsFileName;
    const auto puzzles = CountSlots(sample);
    const auto layouts = CountLayouts(library);
    ASSERT_TRUE(puzzles && *puzzles > 0) << sample << " is missing or empty: build the data targets";
    ASSERT_TRUE(layouts && *layouts > 0) << library << " is missing or empty: build the data targets";
    TempDir dir;
    for (std::int64_t l = 0; l < *layouts; ++l) {
        auto layout = std::make_unique<PageLayoutRecord>();
        ASSERT_TRUE(ReadLayout(library, l, *layout).IsDone());
        ASSERT_TRUE(WriteLayoutExchangeFile(dir.File("layout.PAG"), *layout));
        for (std::int64_t p = 0; p < *puzzles; ++p) {
            const std::string out = "page" + std::to_string(l) + "_" + std::to_string(p) + ".png";
            const auto r = RunCli({"render", sample, std::to_string(p), "--out", out, "--layout", "layout.PAG",
                                   "--answer-key", "--width", "400"},
                                  dir.Path());
            EXPECT_EQ(r.exitCode, 0) << "layout " << l << ", puzzle " << p << ": " << r.err;
            EXPECT_EQ(r.err, "") << "layout " << l << ", puzzle " << p;
            EXPECT_EQ(PngSize(ReadFileText(dir.File(out))).first, 400);
        }
    }
}

}  // namespace
}  // namespace qf
