// The tool on a full disk (a file-size limit that lets a write fail halfway): every command that
// fails says so, and leaves every file byte for byte as it was, with nothing left beside it.
#include <gtest/gtest.h>

#include "cli/CliFixtures.h"

namespace qf {
namespace {

using test::KiBAfter;
using test::ProgramCopy;
using test::RunCli;
using test::RunCliWithFileLimit;
using test::Snapshot;

constexpr std::size_t kSlot = 69623;
constexpr std::size_t kLayout = 28868;

// Runs the command under the limit; it must fail and leave `watched` unchanged.
void ExpectFailsAndChangesNothing(const std::vector<std::string>& args, const std::string& cwd, long kib,
                                  const std::vector<std::string>& watched, const test::Env& env) {
    const auto before = Snapshot(watched);
    const auto r = RunCliWithFileLimit(args, cwd, kib, env);
    EXPECT_EQ(r.exitCode, 1) << args[0] << " " << args[1] << "\n" << r.err;
    EXPECT_FALSE(r.err.empty()) << args[0] << " failed without a word";
    const auto after = Snapshot(watched);
    EXPECT_TRUE(before == after) << args[0] << " " << args[1] << " changed:\n" << test::Describe(before, after);
}

TEST(FullDiskCli, AppendsAddEverythingOrNothing) {
    ProgramCopy program;
    test::TempDir dir;
    const auto env = program.Environment();
    const std::string sample = program.File("SAMPLE.QF3");
    const std::string dst = dir.File("dst.QF3");
    ASSERT_EQ(RunCli({"copy", sample, "4", "--into", dst}, dir.Path(), env).exitCode, 0);

    // Three puzzles, of which only the first fits.
    ExpectFailsAndChangesNothing({"copy", sample, "0,1,2", "--into", dst}, dir.Path(), KiBAfter(dst, 2 * kSlot),
                                 {sample, dst}, env);
    ExpectFailsAndChangesNothing({"copy", sample, "0", "--into", dst}, dir.Path(), KiBAfter(dst, kSlot), {dst}, env);

    test::WriteFile(dir.File("words.txt"), "CAT:feline\nDOG:barks\nCOW:milk giver\n");
    ExpectFailsAndChangesNothing({"generate", "--words", "words.txt", "--shape", "0", "--collection", dst, "--seed", "1"},
                                 dir.Path(), KiBAfter(dst, kSlot), {dst}, env);

    test::WriteBytes(dir.File("old.QFD"), [] {
        std::vector<std::uint8_t> b{'Q', 'F', 'D', 0};
        const auto record = test::OldPuzzleRecord("Old one");
        b.insert(b.end(), record.begin(), record.end());
        return b;
    }());
    ExpectFailsAndChangesNothing({"convert-old", "old.QFD", "--into", dst}, dir.Path(), KiBAfter(dst, kSlot), {dst}, env);

    std::vector<std::uint8_t> oldPuzzles;
    for (const char* t : {"One", "Two", "Three"}) {
        const auto record = test::OldPuzzleRecord(t);
        oldPuzzles.insert(oldPuzzles.end(), record.begin(), record.end());
    }
    test::WriteBytes(dir.File("QFFUPUZZ.DAT"), oldPuzzles);
    const std::string oldGroup = program.File("OLDPUZZ.QF3");
    ASSERT_EQ(RunCli({"copy", sample, "0", "--into", oldGroup}, dir.Path(), env).exitCode, 0);
    ExpectFailsAndChangesNothing({"convert-old", "QFFUPUZZ.DAT"}, dir.Path(), KiBAfter(oldGroup, 2 * kSlot),
                                 {dir.File("QFFUPUZZ.DAT"), oldGroup}, env);

    const std::string shapes = program.File("QFFLAY.DAT");
    const auto library = ReadWholeFile(shapes).value();
    test::WriteBytes(dir.File("QFFULAY.DAT"), {library.begin(), library.begin() + 20 * 2555});
    ExpectFailsAndChangesNothing({"convert-old", "QFFULAY.DAT"}, dir.Path(), KiBAfter(shapes, 10 * 2555),
                                 {dir.File("QFFULAY.DAT"), shapes}, env);

    const std::string layouts = program.File("QFFPAGE.DAT");
    ASSERT_EQ(RunCli({"layouts", "export", "0", "one.PAG"}, dir.Path(), env).exitCode, 0);
    ExpectFailsAndChangesNothing({"layouts", "import", "one.PAG"}, dir.Path(), KiBAfter(layouts, kLayout), {layouts}, env);
    ExpectFailsAndChangesNothing({"layouts", "extract", dst, "0"}, dir.Path(), KiBAfter(layouts, kLayout), {layouts, dst},
                                 env);
    ASSERT_EQ(RunCli({"shapes", "export", "0", "one.LAY"}, dir.Path(), env).exitCode, 0);
    ExpectFailsAndChangesNothing({"shapes", "import", "one.LAY"}, dir.Path(), KiBAfter(shapes, 2555), {shapes}, env);

    // With room enough the same commands do their work.
    ASSERT_EQ(RunCli({"copy", sample, "0,1,2", "--into", dst}, dir.Path(), env).exitCode, 0);
    EXPECT_EQ(test::FileSize(dst), 4 * kSlot);
}

TEST(FullDiskCli, WholeFilesAreReplacedOnlyByWholeNewOnes) {
    ProgramCopy program;
    test::TempDir dir;
    const auto env = program.Environment();
    const std::string sample = program.File("SAMPLE.QF3");
    for (const char* name : {"page.png", "page.pdf", "page.svg", "old.PAG", "old.LAY"})
        test::WriteFile(dir.File(name), std::string("an earlier ") + name);
    for (const char* out : {"page.png", "page.pdf", "page.svg"})
        ExpectFailsAndChangesNothing({"render", sample, "0", "--out", out}, dir.Path(), 4, {dir.File(out)}, env);
    ExpectFailsAndChangesNothing({"layouts", "export", "2", "old.PAG"}, dir.Path(), 8,
                                 {dir.File("old.PAG"), program.File("QFFPAGE.DAT")}, env);
    ExpectFailsAndChangesNothing({"shapes", "export", "3", "old.LAY"}, dir.Path(), 1,
                                 {dir.File("old.LAY"), program.File("QFFLAY.DAT")}, env);
    ExpectFailsAndChangesNothing({"layouts", "default", "--out", "old.PAG"}, dir.Path(), 8, {dir.File("old.PAG")}, env);

    // A rewrite without one slot goes beside the collection first: there is no room for it.
    const std::string copy = dir.File("copy.QF3");
    ASSERT_EQ(RunCli({"copy", sample, "0,1,2", "--into", copy}, dir.Path(), env).exitCode, 0);
    ExpectFailsAndChangesNothing({"delete", copy, "0"}, dir.Path(), 100, {copy}, env);

    // The settings file that cannot be written is left as it was, without a word.
    ASSERT_EQ(RunCli({"settings", "save"}, dir.Path(), env).exitCode, 0);
    test::WriteFile(dir.File("QFOLD3.INI"), test::ReadFileText(dir.File("QFOLD3.INI")) + "[Mine]\nA very long key=" +
                                                std::string(3000, 'v') + "\n");
    const auto before = Snapshot({dir.File("QFOLD3.INI")});
    const auto r = RunCliWithFileLimit({"settings", "save"}, dir.Path(), 2, env);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_TRUE(before == Snapshot({dir.File("QFOLD3.INI")}));

    // With room, every output is written whole.
    for (const char* out : {"page.png", "page.pdf", "page.svg"})
        ASSERT_EQ(RunCli({"render", sample, "0", "--out", out}, dir.Path(), env).exitCode, 0) << out;
    EXPECT_EQ(test::ReadFileText(dir.File("page.pdf")).substr(0, 5), "%PDF-");
    EXPECT_NE(test::ReadFileText(dir.File("page.svg")).find("</svg>"), std::string::npos);
    EXPECT_EQ(test::ReadFileText(dir.File("page.png")).substr(1, 3), "PNG");
}

}  // namespace
}  // namespace qf
