// The profile file: one value per key, names without regard to case, foreign lines kept.
#include <gtest/gtest.h>

#include "base/ProfileFile.h"
#include "support/TempDir.h"

namespace qf {
namespace {

TEST(ProfileFile, ValuesReadBackExactly) {
    test::TempDir dir;
    const std::string path = dir.File("p.ini");
    ProfileFile f;
    const std::vector<std::string> values = {"", " ", "  two  ", "\"quoted\"", "\"", "a=b", "x;y", "[s]", "plain"};
    for (std::size_t i = 0; i < values.size(); ++i) f.Set("S", "K" + std::to_string(i), values[i]);
    ASSERT_TRUE(f.Save(path));
    const ProfileFile g = ProfileFile::Load(path);
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(g.Get("S", "K" + std::to_string(i)), values[i]) << "value #" << i;
    EXPECT_EQ(g.Get("S", "missing"), std::nullopt);
    EXPECT_EQ(g.Get("T", "K0"), std::nullopt);
}

TEST(ProfileFile, NamesIgnoreCaseAndForeignLinesStay) {
    test::TempDir dir;
    const std::string path = dir.File("p.ini");
    test::WriteFile(path,
                    "; a comment\n"
                    "[misc]\n"
                    "window size = 800\n"
                    "Mine=kept\n"
                    "Window Size=1024\n"  // a duplicate: the first one counts
                    "\n"
                    "[Other]\n"
                    "Foo=bar\n");
    ProfileFile f = ProfileFile::Load(path);
    EXPECT_EQ(f.Get("MISC", "Window Size"), "800");
    f.Set("Misc", "Window Size", "1280");
    f.Set("Misc", "Added", "new");
    f.Set("Fresh", "Key", "v");
    ASSERT_TRUE(f.Save(path));
    EXPECT_EQ(test::ReadFileText(path),
              "; a comment\n"
              "[misc]\n"
              "Window Size=1280\n"
              "Mine=kept\n"
              "Added=new\n"
              "\n"
              "[Other]\n"
              "Foo=bar\n"
              "\n"
              "[Fresh]\n"
              "Key=v\n");
}

// Lines ending in more than one CR (a file edited on two systems): the kept line loses them all,
// so saving what was loaded twice gives the same file both times.
TEST(ProfileFile, LinesEndingInSeveralCarriageReturnsSaveTheSameEachTime) {
    test::TempDir dir;
    const std::string path = dir.File("p.ini");
    test::WriteFile(path, "[misc]\r\r\nForeign line\r\r\nKey=v\r\r\r\n");
    ASSERT_TRUE(ProfileFile::Load(path).Save(path));
    const std::string once = test::ReadFileText(path);
    EXPECT_EQ(once, "[misc]\nForeign line\nKey=v\n");
    ASSERT_TRUE(ProfileFile::Load(path).Save(path));
    EXPECT_EQ(test::ReadFileText(path), once);
    EXPECT_EQ(ProfileFile::Load(path).Get("Misc", "Key"), "v");
}

TEST(ProfileFile, MissingFileIsEmptyAndSaveCreatesIt) {
    test::TempDir dir;
    ProfileFile f = ProfileFile::Load(dir.File("none.ini"));
    EXPECT_EQ(f.Text(), "");
    f.Set("A", "B", "C");
    ASSERT_TRUE(f.Save(dir.File("none.ini")));
    EXPECT_EQ(test::ReadFileText(dir.File("none.ini")), "[A]\nB=C\n");
    EXPECT_FALSE(f.Save(dir.File("no/such/folder/x.ini")));
}

}  // namespace
}  // namespace qf
