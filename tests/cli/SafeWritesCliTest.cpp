// Writes that keep what the user has: no export over its own library, rewrites through links
// with the owner and mode kept, a settings file that cannot be read or written left alone, and
// damaged stored text shown without its control characters.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "cli/CliFixtures.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionListing.h"

namespace qf {
namespace {

using test::ProgramCopy;
using test::RunCli;
using test::Snapshot;

struct stat Stat(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st;
}

std::vector<std::string> Titles(const std::string& path) {
    std::vector<std::string> titles;
    for (const auto& e : ListCollection(path).puzzleEntries) titles.push_back(e.title);
    return titles;
}

TEST(SafeWritesCli, ExportsNeverWriteOverTheirOwnLibrary) {
    ProgramCopy program;
    const auto env = program.Environment();
    const auto before = Snapshot({program.File("QFFLAY.DAT"), program.File("QFFPAGE.DAT")});
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    for (const Case& c : {Case{{"shapes", "export", "3", "QFFLAY.DAT"}, "puzzle shapes"},
                          Case{{"shapes", "export", "3", program.File("qfflay.dat")}, "puzzle shapes"},
                          Case{{"layouts", "export", "2", "QFFPAGE.DAT"}, "page layouts"},
                          Case{{"layouts", "default", "--out", program.File("QFFPAGE.DAT")}, "page layouts"}}) {
        const auto r = RunCli(c.args, program.Path(), env);
        EXPECT_EQ(r.exitCode, 1) << c.args[3];
        EXPECT_EQ(r.err, std::string("Export File cannot be the same as the ") + c.message + " file.\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(before == Snapshot({program.File("QFFLAY.DAT"), program.File("QFFPAGE.DAT")}));
}

TEST(SafeWritesCli, ADeleteWritesTheRealFileAndKeepsItsLinksOwnerAndMode) {
    ProgramCopy program;
    test::TempDir dir;
    const auto env = program.Environment();
    std::filesystem::create_directory(dir.File("real"));
    const std::string real = dir.File("real/C.QF3");
    ASSERT_EQ(RunCli({"copy", program.File("SAMPLE.QF3"), "0,1,2,3", "--into", real}, dir.Path(), env).exitCode, 0);
    const auto titles = Titles(real);
    ::chmod(real.c_str(), 0640);

    std::filesystem::create_symlink("real/C.QF3", dir.File("link.QF3"));
    ASSERT_EQ(RunCli({"delete", "link.QF3", "0"}, dir.Path(), env).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.QF3")));
    EXPECT_EQ(Titles(real), std::vector<std::string>(titles.begin() + 1, titles.end()));
    EXPECT_EQ(Stat(real).st_mode & 0777, 0640u);

    std::filesystem::create_hard_link(real, dir.File("hard.QF3"));
    ASSERT_EQ(RunCli({"delete", "hard.QF3", "0"}, dir.Path(), env).exitCode, 0);
    EXPECT_EQ(Titles(real), std::vector<std::string>(titles.begin() + 2, titles.end()));  // one file, two names
    EXPECT_EQ(Stat(real).st_ino, Stat(dir.File("hard.QF3")).st_ino);

    if (::geteuid() != 0) GTEST_SKIP() << "the owner and the other user need root";
    std::filesystem::remove(dir.File("hard.QF3"));
    ASSERT_EQ(::chown(real.c_str(), 1234, 5678), 0);
    ASSERT_EQ(RunCli({"delete", real, "0"}, dir.Path(), env).exitCode, 0);
    EXPECT_EQ(Stat(real).st_uid, 1234u);
    EXPECT_EQ(Stat(real).st_gid, 5678u);
    EXPECT_EQ(Titles(real), std::vector<std::string>(titles.begin() + 3, titles.end()));
}

TEST(SafeWritesCli, AnotherUserRewritesInPlaceWhereTheFolderOrTheOwnerForbidsARename) {
    if (::geteuid() != 0) GTEST_SKIP() << "running as another user needs root";
    ProgramCopy program;
    test::TempDir dir;
    const auto env = program.Environment();
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(program.Path().c_str(), 0755);
    // A folder the user cannot write, holding a collection the user may write.
    std::filesystem::create_directory(dir.File("closed"));
    const std::string mine = dir.File("closed/MINE.QF3");
    ASSERT_EQ(RunCli({"copy", program.File("SAMPLE.QF3"), "0,1", "--into", mine}, dir.Path(), env).exitCode, 0);
    ASSERT_EQ(::chown(mine.c_str(), 65534, 65534), 0);
    const auto titles = Titles(mine);
    auto r = test::RunCliAsNobody({"delete", mine, "0"}, dir.Path(), env);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Titles(mine), std::vector<std::string>(titles.begin() + 1, titles.end()));

    // A folder the user can write, holding root's collection open to all: a rename would make it theirs.
    std::filesystem::create_directory(dir.File("open"));
    ::chmod(dir.File("open").c_str(), 0777);
    const std::string shared = dir.File("open/SHARED.QF3");
    ASSERT_EQ(RunCli({"copy", program.File("SAMPLE.QF3"), "0,1", "--into", shared}, dir.Path(), env).exitCode, 0);
    ::chmod(shared.c_str(), 0666);
    r = test::RunCliAsNobody({"delete", shared, "1"}, dir.Path(), env);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Stat(shared).st_uid, 0u);
    EXPECT_EQ(Stat(shared).st_mode & 0777, 0666u);
    EXPECT_EQ(Titles(shared).size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("open")), {}), 1);
}

TEST(SafeWritesCli, ASettingsFileThatCannotBeReadOrWrittenGivesTheDefaultsAndStays) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("QFOLD3.INI"));
    auto r = RunCli({"settings", "dump"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("[Misc] Window Size=0\n"), std::string::npos);
    EXPECT_EQ(r.err, "");
    r = RunCli({"settings", "save"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("QFOLD3.INI")));
    r = RunCli({"list", dir.File("QFOLD3.INI")}, dir.Path());  // other commands start up as well
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "quernfold-cli: cannot open " + dir.File("QFOLD3.INI") + "\n");

    std::filesystem::remove(dir.File("QFOLD3.INI"));
    test::WriteFile(dir.File("QFOLD3.INI"), "[Misc]\nWindow Size=1024\n");
    ::chmod(dir.File("QFOLD3.INI").c_str(), 0444);
    r = RunCli({"settings", "save"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out + r.err, "");
    EXPECT_EQ(test::ReadFileText(dir.File("QFOLD3.INI")), "[Misc]\nWindow Size=1024\n");
    EXPECT_EQ(Stat(dir.File("QFOLD3.INI")).st_mode & 0777, 0444u);
}

TEST(SafeWritesCli, FoldersAndStrangeNamesAreRefusedForWhatTheyAre) {
    ProgramCopy program;
    test::TempDir dir;
    const auto env = program.Environment();
    for (const char* name : {"folder.LAY", "folder.PAG", "folder.QFD", "words"})
        std::filesystem::create_directory(dir.File(name));
    auto r = RunCli({"shapes", "import", "folder.LAY"}, dir.Path(), env);
    EXPECT_EQ(r.err, "Puzzle shape could not be imported.\n");
    r = RunCli({"layouts", "import", "folder.PAG"}, dir.Path(), env);
    EXPECT_EQ(r.err, "Page layout could not be imported.\n");
    r = RunCli({"convert-old", "folder.QFD", "--into", "X.QF3"}, dir.Path(), env);
    EXPECT_EQ(r.err, "Puzzle could not be imported.\n");
    r = RunCli({"generate", "--words", "words", "--shape", "0", "--collection", "X.QF3"}, dir.Path(), env);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to open import file.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("X.QF3")));

    // Only a file named as the old puzzles file is converted as one.
    test::WriteFile(dir.File("notes.txt"), std::string(40000, 'n'));
    r = RunCli({"convert-old", "notes.txt"}, dir.Path(), env);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("notes.txt is not QFFUPUZZ.DAT, QFFULAY.DAT or a .QFD file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(program.File("OLDPUZZ.QF3")));
    test::WriteBytes(dir.File("qffupuzz.dat"), test::OldPuzzleRecord("Kept"));
    r = RunCli({"convert-old", "qffupuzz.dat"}, dir.Path(), env);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Titles(program.File("OLDPUZZ.QF3")), std::vector<std::string>{"Kept"});
}

TEST(SafeWritesCli, DamagedTitlesAreShownWithoutTheirControlCharacters) {
    test::TempDir dir;
    const std::string path = dir.File("D.QF3");
    auto p = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    p->category = std::string("Cat\x1b[2J", 7);
    p->title = std::string("Red\0\n9  Fake\r\x7f\x9d.", 16);
    p->generated = 1;
    p->width = p->height = 1;
    ASSERT_TRUE(AppendPuzzle(path, *p).IsDone());
    auto r = RunCli({"list", path}, dir.Path());
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Cat?[2J\n  0  Red??9  Fake???.\n");
    r = RunCli({"show", path, "0"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find("Size:")), "Title: Red??9  Fake???.\nCategory: Cat?[2J\n");
}

}  // namespace
}  // namespace qf
