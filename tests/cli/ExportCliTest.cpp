// quernfold-cli export: every sample puzzle in every open format and as a solving page, and
// the command's refusals, which leave the files as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "collections/CollectionFile.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::ReadFileText;
using test::RunCli;
using test::TempDir;

std::string Sample() { return std::string(std::getenv("QUERNFOLD_PROGRAM_DIR")) + "/SAMPLE.QF3"; }

TEST(ExportCliTest, EverySamplePuzzleInEveryFormat) {
    TempDir dir;
    const auto count = CountSlots(Sample());
    ASSERT_TRUE(count && *count >= 1);
    for (std::int64_t slot = 0; slot < *count; ++slot) {
        auto record = std::make_unique<PuzzleRecord>();
        ASSERT_TRUE(ReadPuzzle(Sample(), slot, *record).IsDone());
        for (const char* ext : {"ipuz", "puz", "xd", "html"}) {
            const std::string out = dir.File("p" + std::to_string(slot) + "." + ext);
            const auto r = RunCli({"export", Sample(), std::to_string(slot), "--out", out}, dir.Path());
            ASSERT_EQ(r.exitCode, 0) << slot << " " << ext << ": " << r.err;
            EXPECT_TRUE(r.err.empty()) << r.err;
            const std::string text = ReadFileText(out);
            ASSERT_FALSE(text.empty()) << out;
            if (std::string(ext) == "puz") {
                EXPECT_EQ(text.substr(2, 11), "ACROSS&DOWN");
                EXPECT_EQ(static_cast<unsigned char>(text[0x2C]), record->width);
                EXPECT_NE(text.find(record->title.Str() + '\0'), std::string::npos);
            } else if (std::string(ext) == "xd") {
                EXPECT_EQ(text.rfind("Title: " + record->title.Str() + "\n", 0), 0u);
                EXPECT_NE(text.find("\n\n\nA"), std::string::npos);  // the clues, across first
            }
        }
    }
}

TEST(ExportCliTest, UsageAndRefusals) {
    TempDir dir;
    auto r = RunCli({"export", Sample(), "0", "--out", dir.File("p.pdf")}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("quernfold-cli export FILE.QF3 SLOT"), std::string::npos);
    r = RunCli({"export", Sample(), "0"}, dir.Path());
    EXPECT_EQ(r.exitCode, 2);
    r = RunCli({"export", Sample(), "9999", "--out", dir.File("p.puz")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("no puzzle in slot 9999"), std::string::npos);
    r = RunCli({"export", dir.File("none.QF3"), "0", "--out", dir.File("p.puz")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Unable to load puzzle."), std::string::npos);
    r = RunCli({"export", Sample(), "0", "--out", dir.File("no/folder/p.ipuz")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Unable to write the exported puzzle."), std::string::npos);
}

// A crossword made elsewhere gives the generator its answers and clues; a damaged one is
// refused before anything is written.
TEST(ExportCliTest, GenerateTakesTheWordsOfACrosswordFile) {
    TempDir dir;
    auto source = std::make_unique<PuzzleRecord>();
    ASSERT_TRUE(ReadPuzzle(Sample(), 3, *source).IsDone());
    for (const char* ext : {"ipuz", "puz", "xd"}) {
        const std::string file = dir.File(std::string("made-elsewhere.") + ext);
        ASSERT_EQ(RunCli({"export", Sample(), "3", "--out", file}, dir.Path()).exitCode, 0);
        const std::string out = dir.File(std::string("rebuilt-") + ext + ".QF3");
        const auto r = RunCli({"--yes", "generate", "--words", file, "--shape", "1", "--collection", out, "--seed", "7"}, dir.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err;
        auto rebuilt = std::make_unique<PuzzleRecord>();
        ASSERT_TRUE(ReadPuzzle(out, 0, *rebuilt).IsDone());
        EXPECT_EQ(rebuilt->title.Str(), "made-elsewhere");
        // The same words and clues, whichever the generator placed.
        std::vector<std::string> before, after;
        for (int i = 1; i <= kMaxWords; ++i) {
            if (!source->Word(i).Empty()) before.push_back(source->Word(i).Str() + "|" + source->Clue(i).Str());
            if (!rebuilt->Word(i).Empty()) after.push_back(rebuilt->Word(i).Str() + "|" + rebuilt->Clue(i).Str());
        }
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before) << ext;
    }

    std::string damaged = ReadFileText(dir.File("made-elsewhere.puz"));
    damaged[damaged.size() - 5] ^= 1;
    test::WriteFile(dir.File("damaged.puz"), damaged);
    const auto r = RunCli({"generate", "--words", dir.File("damaged.puz"), "--shape", "0", "--collection",
                           dir.File("never.QF3")}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Unable to read the crossword file: its checksums do not match."), std::string::npos) << r.err;
    EXPECT_FALSE(CountSlots(dir.File("never.QF3")).has_value());
}

}  // namespace
}  // namespace qf
