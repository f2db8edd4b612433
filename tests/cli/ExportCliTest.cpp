// quernfold-cli export: every sample puzzle in every open format and as a solving page, and
// the command's refusals, which leave the files as they were.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qf
