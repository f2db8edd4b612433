// quernfold-cli booklet: several puzzles and their keys in one PDF, read back page by page with
// poppler's own reader; what is refused writes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "cli/CliPuzzles.h"
#include "collections/CollectionFile.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::RunCli;
using test::SmallPuzzle;
using test::TempDir;

// The text of each page of a PDF, as pdftotext gives it (pages end with a form feed).
std::vector<std::string> PdfPages(const std::string& path) {
    std::vector<std::string> pages;
    std::FILE* reader = ::popen(("pdftotext -layout '" + path + "' - 2>/dev/null").c_str(), "r");
    if (reader == nullptr) return pages;
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, reader)) > 0;) text.append(buffer, n);
    ::pclose(reader);
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\f', from)) != std::string::npos; from = at + 1)
        pages.push_back(text.substr(from, at - from));
    return pages;
}

bool Has(const std::string& page, const std::string& what) { return page.find(what) != std::string::npos; }

// "Zebra Crossing" and "Apples" in "Roads" and "Fruit", a third, "Bananas", also in "Fruit"
// and on a landscape page. List order: Fruit (Apples, Bananas), then Roads (Zebra Crossing).
struct ThreePuzzles {
    ThreePuzzles() {
        auto landscape = SmallPuzzle("Bananas");
        landscape->category = "Fruit";
        landscape->layout.portrait = 0;
        std::swap(landscape->layout.pixelWidth, landscape->layout.pixelHeight);
        auto zebra = SmallPuzzle("Zebra Crossing");
        zebra->category = "Roads";
        auto apples = SmallPuzzle("Apples");
        apples->category = "Fruit";
        for (const PuzzleRecord* p : {zebra.get(), landscape.get(), apples.get()})
            if (!AppendPuzzle(dir.File("set.QF3"), *p).IsDone()) ADD_FAILURE() << "not written";
    }
    TempDir dir;
};

TEST(BookletCli, PuzzlesInListOrderWithTheirKeysAtTheBackOrAfterEach) {
    ThreePuzzles set;
    auto r = RunCli({"booklet", "set.QF3", "--out", "book.pdf"}, set.dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "3 puzzles, 6 pages: book.pdf\n");
    std::vector<std::string> pages = PdfPages(set.dir.File("book.pdf"));
    ASSERT_EQ(pages.size(), 6u);
    const char* titles[] = {"Apples", "Bananas", "Zebra Crossing", "Apples", "Bananas", "Zebra Crossing"};
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(Has(pages[k], titles[k]));
        EXPECT_TRUE(Has(pages[k], "Page " + std::to_string(k + 1)));
        EXPECT_EQ(Has(pages[k], "Answer Key"), k >= 3);  // each key marked as its puzzle's key
        EXPECT_TRUE(Has(pages[k], "Clue of CAT"));
    }
    const std::string pdf = test::ReadFileText(set.dir.File("book.pdf"));
    EXPECT_NE(pdf.find("/MediaBox [0 0 792"), std::string::npos);  // the landscape page keeps its paper
    EXPECT_NE(pdf.find("/MediaBox [0 0 612"), std::string::npos);

    r = RunCli({"booklet", "set.QF3", "--keys", "after", "--slots", "0,2", "--contents", "--out", "two.pdf"},
               set.dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    pages = PdfPages(set.dir.File("two.pdf"));
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_TRUE(Has(pages[0], "Contents"));
    EXPECT_TRUE(Has(pages[0], "Answer Key: Zebra Crossing"));
    EXPECT_TRUE(Has(pages[1], "Zebra Crossing") && !Has(pages[1], "Answer Key"));
    EXPECT_TRUE(Has(pages[2], "Zebra Crossing") && Has(pages[2], "Answer Key"));
    EXPECT_TRUE(Has(pages[3], "Apples") && !Has(pages[3], "Answer Key"));
    EXPECT_TRUE(Has(pages[4], "Apples") && Has(pages[4], "Answer Key"));

    r = RunCli({"booklet", "set.QF3", "--category", "fruit", "--keys", "none", "--no-page-numbers", "--out", "f.pdf"},
               set.dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    pages = PdfPages(set.dir.File("f.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Apples") && !Has(pages[0], "Page 1"));
    EXPECT_TRUE(Has(pages[1], "Bananas"));
}

TEST(BookletCli, RefusalsWriteNothingAndUsageErrorsSayHow) {
    ThreePuzzles set;
    auto unbuilt = SmallPuzzle("Unbuilt");
    unbuilt->generated = 0;
    ASSERT_TRUE(AppendPuzzle(set.dir.File("set.QF3"), *unbuilt).IsDone());
    test::WriteFile(set.dir.File("old.pdf"), "the last booklet");

    auto r = RunCli({"booklet", "set.QF3", "--out", "old.pdf"}, set.dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("A puzzle has never been generated"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(Unbuilt)"), std::string::npos) << r.err;
    EXPECT_EQ(test::ReadFileText(set.dir.File("old.pdf")), "the last booklet");

    r = RunCli({"booklet", "set.QF3", "--slots", "1,9", "--out", "x.pdf"}, set.dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "quernfold-cli: no puzzle in slot 9 of set.QF3\n");
    r = RunCli({"booklet", "set.QF3", "--category", "Birds", "--out", "x.pdf"}, set.dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "quernfold-cli: no category Birds in set.QF3\n");
    EXPECT_FALSE(std::filesystem::exists(set.dir.File("x.pdf")));

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"booklet", "set.QF3", "--out", "x.png"},
          {"booklet", "set.QF3", "--keys", "front", "--out", "x.pdf"},
          {"booklet", "set.QF3", "--category", "Fruit", "--slots", "0", "--out", "x.pdf"},
          {"booklet", "set.QF3"},
          {"booklet", "set.QF3", "--out", "x.pdf", "--shiny"}}) {
        r = RunCli(wrong, set.dir.Path());
        EXPECT_EQ(r.exitCode, 2) << wrong.back();
        EXPECT_NE(r.err.find("quernfold-cli booklet FILE.QF3"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(set.dir.File("x.pdf")));
}

}  // namespace
}  // namespace qf
