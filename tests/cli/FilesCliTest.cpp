// quernfold-cli list, show, delete, copy, shapes, layouts and convert-old, driven as a user would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/ByteCodec.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionListing.h"
#include "collections/OldVersions.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "shapes/ShapeFiles.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::RunCli;
using test::TempDir;

// Points the tool at another program directory for the life of one test.
class ProgramDir {
public:
    explicit ProgramDir(const std::string& dir) {
        if (const char* old = std::getenv("QUERNFOLD_PROGRAM_DIR")) old_ = old;
        setenv("QUERNFOLD_PROGRAM_DIR", dir.c_str(), 1);
    }
    ~ProgramDir() {
        if (old_) setenv("QUERNFOLD_PROGRAM_DIR", old_->c_str(), 1);
        else unsetenv("QUERNFOLD_PROGRAM_DIR");
    }

private:
    std::optional<std::string> old_;
};

std::unique_ptr<PuzzleRecord> Named(const std::string& category, const std::string& title) {
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->category = category;
    p->title = title;
    return p;
}

// A 3 by 3 puzzle: CAT across and COW down from the corner, DOG left out.
std::unique_ptr<PuzzleRecord> Farm() {
    auto p = Named("Animals", "Farm");
    p->width = p->height = 3;
    const char* rows[] = {"CAT", "O\0\0", "W \0"};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) p->Cell(CellIndex(r, c)) = static_cast<std::uint8_t>(rows[r - 1][c - 1]);
    const char* words[][2] = {{"CAT", "feline"}, {"COW", "milk giver"}, {"DOG", "barks"}};
    for (int i = 1; i <= 3; ++i) {
        p->Word(i) = words[i - 1][0];
        p->Clue(i) = words[i - 1][1];
    }
    p->wordCount = 2;
    p->acrossCount = p->downCount = 1;
    p->startCell[0] = p->startCell[1] = 1;
    p->number[0] = p->number[1] = 1;
    p->letterCount[0] = p->letterCount[1] = 3;
    p->isAcross[0] = 1;
    p->inGrid[0] = p->inGrid[1] = 1;
    p->generated = 1;
    p->version = "3.1a";
    return p;
}

void Append(const std::string& path, const PuzzleRecord& p) { ASSERT_TRUE(AppendPuzzle(path, p).IsDone()); }

TEST(FilesCli, ListSortsCategoriesAndTitlesWithoutCase) {
    TempDir dir;
    const std::string path = dir.File("C.QF3");
    for (const auto& [c, t] : std::vector<std::pair<const char*, const char*>>{
             {"Sports", "tennis"}, {"animals", "Cats"}, {"Sports", "Archery"}, {"Birds", "owls"}})
        Append(path, *Named(c, t));
    const auto r = RunCli({"list", path}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "animals\n  1  Cats\nBirds\n  3  owls\nSports\n  2  Archery\n  0  tennis\n");

    const auto missing = RunCli({"list", dir.File("NONE.QF3")}, dir.Path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(RunCli({"list"}, dir.Path()).exitCode, 2);
}

TEST(FilesCli, ShowPrintsTheGridCluesAndLeftOutWords) {
    TempDir dir;
    const std::string path = dir.File("F.QF3");
    Append(path, *Named("Misc", "Not yet"));
    Append(path, *Farm());
    const auto r = RunCli({"show", path, "1"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Title: Farm\nCategory: Animals\nSize: 3 x 3\nGrid:\n  C A T\n  O . .\n  W # .\n"
              "Across:\n  1. feline  [CAT]\nDown:\n  1. milk giver  [COW]\nLeft out: 1\n  DOG  barks\n");

    auto failed = RunCli({"show", dir.File("NONE.QF3"), "0"}, dir.Path());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "Unable to load puzzle.\n");
    failed = RunCli({"show", path, "2"}, dir.Path());  // beyond the last slot: the general error report
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("I/O error"), std::string::npos);
    EXPECT_EQ(RunCli({"show", path, "one"}, dir.Path()).exitCode, 2);
}

TEST(FilesCli, DeleteAndCopyKeepSlotsWholeAndInTitleOrder) {
    TempDir dir;
    const std::string src = dir.File("SRC.QF3");
    const std::string dst = dir.File("DST.QF3");
    for (const char* t : {"pears", "Apples", "kiwis", "Figs"}) Append(src, *Named("Fruit", t));
    const auto copied = RunCli({"copy", src, "0,1,3", "--into", dst}, dir.Path());
    ASSERT_EQ(copied.exitCode, 0) << copied.err;
    std::vector<std::string> titles;
    for (const auto& e : ListCollection(dst).puzzleEntries) titles.push_back(e.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Apples", "Figs", "pears"}));

    auto refused = RunCli({"copy", src, "0", "--into", dir.File("src.qf3")}, dir.Path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Import File cannot be the same as the currently open file.\n");
    refused = RunCli({"copy", dir.File("words.txt"), "0", "--into", dst}, dir.Path());
    EXPECT_EQ(refused.err, "The file selected is not a valid Quernfold file.\n");
    EXPECT_EQ(RunCli({"copy", src, "9", "--into", dst}, dir.Path()).exitCode, 1);
    EXPECT_EQ(ListCollection(dst).puzzleEntries.size(), 3u);

    ASSERT_EQ(RunCli({"delete", src, "1"}, dir.Path()).exitCode, 0);
    titles.clear();
    for (const auto& e : ListCollection(src).puzzleEntries) titles.push_back(e.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"pears", "kiwis", "Figs"}));
    EXPECT_EQ(RunCli({"delete", src, "3"}, dir.Path()).exitCode, 1);
    EXPECT_EQ(RunCli({"delete", dir.File("NONE.QF3"), "0"}, dir.Path()).exitCode, 1);
}

TEST(FilesCli, ShapesCommandsWorkOnTheProgramDirectoryLibrary) {
    TempDir program, dir;
    ProgramDir use(program.Path());
    auto r = RunCli({"shapes", "list"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "No saved shape information could be found.\n");

    ShapeRecord s;
    s.name = "Star";
    s.width = 15;
    s.height = 12;
    ASSERT_TRUE(AppendShape(program.File("QFFLAY.DAT"), s).IsDone());
    s.name = "Dot";
    s.width = s.height = 9;
    ASSERT_TRUE(AppendShape(program.File("QFFLAY.DAT"), s).IsDone());
    r = RunCli({"shapes", "list"}, dir.Path());
    EXPECT_EQ(r.out, "0  15x12 Star\n1  9x9 Dot\n");

    r = RunCli({"shapes", "export", "1", dir.File("dot.LAY")}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Puzzle Shape Exported!\n");
    EXPECT_EQ(std::filesystem::file_size(dir.File("dot.LAY")), 2561u);
    r = RunCli({"shapes", "import", dir.File("dot.LAY")}, dir.Path());
    EXPECT_EQ(r.out, "2  9x9 Dot\n");
    test::WriteFile(dir.File("bad.LAY"), "LAX1.0");
    r = RunCli({"shapes", "import", dir.File("bad.LAY")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Puzzle shape file is corrupt or incompatible.  Import aborted.\n");
    ASSERT_EQ(RunCli({"shapes", "delete", "0"}, dir.Path()).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(program.File("QFFLAY.DAT")), 2u * 2555u);
    EXPECT_EQ(RunCli({"shapes", "frobnicate"}, dir.Path()).exitCode, 2);
}

TEST(FilesCli, LayoutsCommandsIncludingExtract) {
    TempDir program, dir;
    ProgramDir use(program.Path());
    auto r = RunCli({"layouts", "list"}, dir.Path());
    EXPECT_EQ(r.err, "No saved page layouts could be found.\n");

    auto puzzle = Farm();
    BuildDefaultLayout(puzzle->layout);
    puzzle->layout.name = "From Farm";
    Append(dir.File("F.QF3"), *puzzle);
    r = RunCli({"layouts", "extract", dir.File("F.QF3"), "0"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunCli({"layouts", "list"}, dir.Path());
    EXPECT_EQ(r.out, "0  From Farm (Letter)  <<DEFAULT>>\n");

    ASSERT_EQ(RunCli({"layouts", "export", "0", dir.File("f.PAG")}, dir.Path()).out, "Page Layout Exported!\n");
    ASSERT_EQ(RunCli({"layouts", "import", dir.File("f.PAG")}, dir.Path()).exitCode, 0);
    ASSERT_EQ(RunCli({"layouts", "delete", "0"}, dir.Path()).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(program.File("QFFPAGE.DAT")), PageLayoutRecord::kStoredSize);
    r = RunCli({"layouts", "extract", dir.File("NONE.QF3"), "0"}, dir.Path());
    EXPECT_EQ(r.err, "Unable to open puzzle.\n");
    ASSERT_EQ(RunCli({"layouts", "default", "--out", dir.File("d.PAG")}, dir.Path()).exitCode, 0);
}

TEST(FilesCli, ConvertOldPuzzlesFilesAndSinglePuzzleFiles) {
    TempDir program, dir;
    ProgramDir use(program.Path());
    std::vector<std::uint8_t> old(kOldPuzzleSize, 0);
    old[0] = 3;
    std::copy_n("Owl", 3, old.begin() + 1);
    old[36] = 11;
    test::WriteBytes(dir.File("QFFUPUZZ.DAT"), old);
    auto r = RunCli({"convert-old", dir.File("QFFUPUZZ.DAT")}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "A new puzzle group named \"OLDPUZZ.QF3\" has been created.\n");
    const auto listing = ListCollection(program.File("OLDPUZZ.QF3"));
    ASSERT_EQ(listing.puzzleEntries.size(), 1u);
    EXPECT_EQ(listing.categoryNames[0], "Version 2.0 Puzzles");

    std::vector<std::uint8_t> qfd(4 + old.size(), 0);  // "QFD", an empty text, the record
    std::copy_n("QFD", 3, qfd.begin());
    std::copy(old.begin(), old.end(), qfd.begin() + 4);
    test::WriteBytes(dir.File("owl.qfd"), qfd);
    r = RunCli({"convert-old", dir.File("owl.qfd"), "--into", dir.File("MINE.QF3")}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(CountSlots(dir.File("MINE.QF3")), 1);
    qfd.pop_back();
    test::WriteBytes(dir.File("short.QFD"), qfd);
    r = RunCli({"convert-old", dir.File("short.QFD"), "--into", dir.File("MINE.QF3")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Puzzle file is corrupt or incompatible.  Import aborted.\n");
    EXPECT_EQ(RunCli({"convert-old", dir.File("owl.qfd")}, dir.Path()).exitCode, 2);
}

}  // namespace
}  // namespace qf

namespace qf {
namespace {

// The shipped sample collection of the program directory: listed and shown like any other.
TEST(FilesCli, TheSampleCollectionListsAndShowsEveryPuzzleWhole) {
    const char* programDir = std::getenv("QUERNFOLD_PROGRAM_DIR");
    ASSERT_NE(programDir, nullptr);
    const std::string sample = std::string(programDir) + "/SAMPLE.QF3";
    TempDir dir;
    const auto list = RunCli({"list", sample}, dir.Path());
    ASSERT_EQ(list.exitCode, 0) << list.err;
    const CollectionListing listing = ListCollection(sample);
    EXPECT_GE(listing.puzzleEntries.size(), 8u);
    EXPECT_GE(listing.categoryNames.size(), 3u);
    for (const auto& category : listing.categoryNames) EXPECT_NE(list.out.find(category + "\n"), std::string::npos);

    for (const auto& entry : listing.puzzleEntries) {
        const auto show = RunCli({"show", sample, std::to_string(entry.slot)}, dir.Path());
        ASSERT_EQ(show.exitCode, 0) << show.err;
        EXPECT_EQ(show.out.rfind("Title: " + entry.title + "\n", 0), 0u);
        EXPECT_NE(show.out.find("\nGrid:\n"), std::string::npos) << entry.title;
        EXPECT_NE(show.out.find("\nAcross:\n  "), std::string::npos) << entry.title;
        EXPECT_NE(show.out.find("\nDown:\n  "), std::string::npos) << entry.title;
        EXPECT_NE(show.out.find("\nLeft out: 0\n"), std::string::npos) << entry.title;  // every word placed
        EXPECT_NE(list.out.find(std::to_string(entry.slot) + "  " + entry.title + "\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace qf
