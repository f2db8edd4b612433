// The installed program's own copies of the shipped libraries: made whole on first use, never
// taken from a copy cut short, checked at start-up and put back from the shipped copy on request.
#include "base/UserLibrary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/FileUtil.h"
#include "base/WriteFaults.h"
#include "support/TempDir.h"

namespace qf {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecord = 10;  // the record size the checks are told

struct Installed {
    test::TempDir program, home;
    Directories dirs;
    Installed() {
        test::WriteFile(program.File("QFFLAY.DAT"), std::string(2 * kRecord, 'S'));
        test::WriteFile(program.File("QFFPAGE.DAT"), std::string(kRecord, 'P'));
        test::WriteFile(program.File("SAMPLE.QF3"), "sample");
        dirs = {program.Path(), home.File("Documents/Quernfold"), home.File("data/quernfold"),
                home.File("config/quernfold"), true};
    }
};

TEST(UserLibrary, FirstUseCopiesTheShippedLibraryWholeAndThenTheCopyIsUsed) {
    Installed a;
    const std::string copy = a.dirs.UserFile("QFFLAY.DAT");
    EXPECT_EQ(UserLibrary(a.dirs, "QFFLAY.DAT"), copy);
    EXPECT_EQ(test::ReadFileText(copy), std::string(2 * kRecord, 'S'));
    test::WriteFile(copy, "mine");
    EXPECT_EQ(UserLibrary(a.dirs, "QFFLAY.DAT"), copy);
    EXPECT_EQ(test::ReadFileText(copy), "mine");  // made once, then the user's
    EXPECT_EQ(test::ReadFileText(a.program.File("QFFLAY.DAT")), std::string(2 * kRecord, 'S'));
    // Another user starts from the shipped library, not from this one's.
    Installed b;
    EXPECT_EQ(test::ReadFileText(UserLibrary(b.dirs, "QFFLAY.DAT")), std::string(2 * kRecord, 'S'));

    // A portable program works on the program directory's file and copies nothing.
    const Directories portable{a.program.Path(), a.home.Path()};
    EXPECT_EQ(UserLibrary(portable, "QFFPAGE.DAT"), a.program.File("QFFPAGE.DAT"));
}

TEST(UserLibrary, ACopyThatCannotBeMadeOrIsCutShortIsNeverUsed) {
    Installed a;
    const std::string copy = a.dirs.UserFile("QFFPAGE.DAT");
    // A copy cut short by a full disk (or a kill) never appears under the library's name; the
    // shipped library is read meanwhile, and the next use copies it whole.
    const std::string shipped = a.program.File("QFFPAGE.DAT");
    for (int steps = 0; steps < 10; ++steps) {
        faults::FailWriteAfter(steps);
        const std::string used = UserLibrary(a.dirs, "QFFPAGE.DAT");
        const bool fired = faults::Fired();
        faults::Disarm();
        if (!fired) break;
        for (const char* name : kUserLibraries) {
            if (FileExists(a.dirs.UserFile(name))) {
                EXPECT_EQ(test::ReadFileText(a.dirs.UserFile(name)), test::ReadFileText(a.program.File(name))) << steps;
            }
        }
        EXPECT_EQ(used, FileExists(copy) ? copy : shipped) << steps;
        for (const char* name : kUserLibraries) fs::remove(a.dirs.UserFile(name));
    }
    EXPECT_EQ(UserLibrary(a.dirs, "QFFPAGE.DAT"), copy);
    EXPECT_EQ(test::ReadFileText(copy), std::string(kRecord, 'P'));

    // No folder can be made for it (a file stands in the way): the shipped library is read.
    Installed b;
    fs::create_directories(b.home.File("data"));
    test::WriteFile(b.home.File("data/quernfold"), "");
    EXPECT_EQ(UserLibrary(b.dirs, "QFFLAY.DAT"), b.program.File("QFFLAY.DAT"));
}

TEST(UserLibrary, DamagedOrLostCopiesAreFoundAndResetKeepsTheOldOne) {
    Installed a;
    auto check = [&](const char* name) { return CheckUserLibrary(a.dirs, name, kRecord); };
    // Nothing copied yet is not a problem, nor is a portable program.
    EXPECT_EQ(check("QFFLAY.DAT"), LibraryState::Usable);
    (void)UserLibrary(a.dirs, "QFFLAY.DAT");  // both are copied: neither is lost afterwards
    EXPECT_EQ(test::ReadFileText(a.dirs.UserFile("QFFPAGE.DAT")), std::string(kRecord, 'P'));
    EXPECT_EQ(check("QFFLAY.DAT"), LibraryState::Usable);
    EXPECT_EQ(check("QFFPAGE.DAT"), LibraryState::Usable);

    const std::string shapes = a.dirs.UserFile("QFFLAY.DAT");
    test::WriteFile(shapes, std::string(kRecord + 3, 'x'));  // not a whole number of records
    EXPECT_EQ(check("QFFLAY.DAT"), LibraryState::Damaged);
    const Outcome reset = ResetUserLibrary(a.dirs, "QFFLAY.DAT");
    ASSERT_TRUE(reset.IsDone());
    EXPECT_EQ(reset.message.text, "The library \"" + shapes + "\" now holds the shipped copy.");
    EXPECT_EQ(test::ReadFileText(shapes), std::string(2 * kRecord, 'S'));
    EXPECT_EQ(test::ReadFileText(shapes + ".old"), std::string(kRecord + 3, 'x'));
    EXPECT_EQ(check("QFFLAY.DAT"), LibraryState::Usable);

    fs::remove(a.dirs.UserFile("QFFPAGE.DAT"));
    EXPECT_EQ(check("QFFPAGE.DAT"), LibraryState::Missing);
    EXPECT_EQ(LibraryStateMessage(LibraryState::Missing, "/x/QFFPAGE.DAT", "page layouts").text,
              "Your library of page layouts \"/x/QFFPAGE.DAT\" was not found.  The shipped page layouts are "
              "used in its place.");
    if (::geteuid() != 0) {  // root reads anything
        test::WriteFile(shapes, std::string(kRecord, 'x'));
        ::chmod(shapes.c_str(), 0);
        EXPECT_EQ(check("QFFLAY.DAT"), LibraryState::Damaged);
        ::chmod(shapes.c_str(), 0644);
    }

    // Nothing to put back for a portable program, and nothing changes.
    const Directories portable{a.program.Path(), a.home.Path()};
    EXPECT_TRUE(ResetUserLibrary(portable, "QFFLAY.DAT").IsRefused());
    EXPECT_EQ(test::ReadFileText(a.program.File("QFFLAY.DAT")), std::string(2 * kRecord, 'S'));
}

TEST(UserLibrary, TheFirstStartOffersTheSampleInTheCollectionsFolder) {
    Installed a;
    PrepareCollectionsFolder(a.dirs);
    EXPECT_EQ(test::ReadFileText(a.dirs.WorkingFile("SAMPLE.QF3")), "sample");
    // Deleted by the user after the first start (the settings file exists): it stays deleted.
    fs::remove(a.dirs.WorkingFile("SAMPLE.QF3"));
    fs::create_directories(a.dirs.config);
    test::WriteFile(a.dirs.config + "/QFOLD3.INI", "");
    PrepareCollectionsFolder(a.dirs);
    EXPECT_FALSE(FileExists(a.dirs.WorkingFile("SAMPLE.QF3")));
    // The user's own DEFAULT.QF3 is not joined by the sample, and a portable program gets nothing.
    Installed b;
    fs::create_directories(b.dirs.working);
    test::WriteFile(b.dirs.WorkingFile("DEFAULT.QF3"), "");
    PrepareCollectionsFolder(b.dirs);
    EXPECT_FALSE(FileExists(b.dirs.WorkingFile("SAMPLE.QF3")));
    test::TempDir start;
    PrepareCollectionsFolder(Directories{b.program.Path(), start.Path()});
    EXPECT_TRUE(fs::is_empty(start.Path()));
}

}  // namespace
}  // namespace qf
