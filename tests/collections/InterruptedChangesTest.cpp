// What a kill leaves is put right by the next open: an interrupted change of a record file is
// rolled back from its rollback record, and the temporary files of killed whole-file writes are
// removed. The kills are children that end with _exit halfway, which is what SIGKILL leaves:
// no destructor runs and the system drops their locks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <sys/file.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "base/FileNotices.h"
#include "base/RecordFile.h"
#include "base/SaveFile.h"
#include "collections/CollectionFixtures.h"

namespace qf {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

// Runs `steps` in a child process, which must end itself with _exit (no destructor runs), as a
// kill would end it.
template <typename Steps>
void KilledAfter(Steps&& steps) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        steps();
        ::_exit(2);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(InterruptedChanges, AKilledChangeIsRolledBackByTheNextOpenOfAnyKindAndToldOnce) {
    const std::vector<std::uint8_t> before{1, 1, 1, 1, 2, 2, 2, 2};
    const std::uint8_t a[4] = {5, 5, 5, 5}, b[4] = {6, 6, 6, 6};
    for (const auto mode : {RecordFile::Mode::Read, RecordFile::Mode::Update, RecordFile::Mode::Modify}) {
        TempDir dir;
        const std::string path = dir.File("R.DAT");
        test::WriteBytes(path, before);
        KilledAfter([&] {
            auto f = RecordFile::Open(path, 4, RecordFile::Mode::Modify);
            RecordEdit edit(*f);
            edit.Write(1, a);
            edit.Write(1, b);
            edit.Append(a);
            edit.Append(b);
            (void)::truncate(path.c_str(), 14);  // killed in the middle of writing the last record
            ::_exit(0);
        });
        ASSERT_TRUE(fs::exists(dir.File(".R.DAT.~undo")));
        (void)TakeFileNotices();
        auto f = RecordFile::Open(path, 4, mode);
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->Count(), 2);
        f->Close();
        EXPECT_EQ(test::FileBytes(path), before);
        EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"R.DAT"});
        const auto told = TakeFileNotices();
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].text, "The last change to R.DAT was interrupted before it was finished, so it has been "
                                "undone: the file holds what it held before that change.");
        EXPECT_EQ(told[0].caption, "Warning");
        (void)RecordFile::Open(path, 4, mode);
        EXPECT_TRUE(TakeFileNotices().empty());
    }
}

TEST(InterruptedChanges, AChangeStillBeingWrittenIsNotRolledBack) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    test::WriteBytes(path, {1, 1, 1, 1});
    const std::uint8_t a[4] = {5, 5, 5, 5};
    auto writer = RecordFile::Open(path, 4, RecordFile::Mode::Update);
    RecordEdit edit(*writer);
    edit.Append(a);
    // A reader meanwhile (another window, the tool) finds the record but also the writer's lock.
    auto reader = RecordFile::Open(path, 4, RecordFile::Mode::Read);
    EXPECT_EQ(reader->Count(), 2);
    EXPECT_TRUE(fs::exists(dir.File(".R.DAT.~undo")));
    edit.Commit();
    writer->Close();
    EXPECT_EQ(test::FileBytes(path), (std::vector<std::uint8_t>{1, 1, 1, 1, 5, 5, 5, 5}));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"R.DAT"});
}

TEST(InterruptedChanges, RecordsCutShortOrNotOursLeaveTheFileAlone) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    const std::vector<std::uint8_t> bytes{1, 1, 1, 1, 2, 2, 2, 2};
    test::WriteBytes(path, bytes);
    // Killed while the record's own header was written: the file was not touched yet.
    test::WriteFile(dir.File(".R.DAT.~undo"), "QFUNDO1\n\x04");
    (void)TakeFileNotices();
    EXPECT_TRUE(RecordFile::Open(path, 4, RecordFile::Mode::Update).has_value());
    EXPECT_EQ(test::FileBytes(path), bytes);
    EXPECT_FALSE(fs::exists(dir.File(".R.DAT.~undo")));
    // Someone else's file of that name is neither used nor removed.
    test::WriteFile(dir.File(".R.DAT.~undo"), "my own notes, not a rollback record");
    EXPECT_TRUE(RecordFile::Open(path, 4, RecordFile::Mode::Update).has_value());
    EXPECT_EQ(test::FileBytes(path), bytes);
    EXPECT_TRUE(fs::exists(dir.File(".R.DAT.~undo")));
    EXPECT_TRUE(TakeFileNotices().empty());
}

TEST(InterruptedChanges, NoPartialRecordIsEverCutOrWrittenOver) {
    TempDir dir;
    const std::string path = dir.File("TEXT.DAT");
    const std::vector<std::uint8_t> text{'a', ' ', 't', 'e', 'x', 't', '\n'};
    test::WriteBytes(path, text);
    for (const auto mode : {RecordFile::Mode::Update, RecordFile::Mode::Modify})
        EXPECT_THROW((void)RecordFile::Open(path, 4, mode), DamagedFileError);
    EXPECT_THROW((void)RemoveRecord(path, 4, 0), DamagedFileError);
    auto f = RecordFile::Open(path, 4, RecordFile::Mode::Read);
    EXPECT_FALSE(f->Whole());
    EXPECT_EQ(f->Count(), 1);  // the whole records stay readable
    EXPECT_THROW(RecordEdit{*f}, DamagedFileError);
    try {
        (void)RecordFile::Open(path, 4, RecordFile::Mode::Update);
    } catch (const DamagedFileError& e) {
        EXPECT_EQ(GeneralIoMessage(e).text,
                  "TEXT.DAT is damaged or is not a file of this kind: its length is not a whole number of records.  "
                  "Nothing was written to it.  Its whole records can still be read; copy them into a new file.");
    }
    EXPECT_EQ(test::FileBytes(path), text);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"TEXT.DAT"});
}

TEST(InterruptedChanges, TemporaryFilesOfKilledWritersGoOnTheNextOpen) {
    TempDir dir;
    const std::string path = dir.File("R.DAT");
    test::WriteBytes(path, {1, 1, 1, 1});
    KilledAfter([&] {
        SaveFile out(path);
        const std::uint8_t bytes[4] = {9, 9, 9, 9};
        ::_exit(out.Open() && out.Write(bytes) ? 0 : 1);
    });
    ASSERT_EQ(Names(dir.Path()).size(), 2u);  // the killed writer's temporary file
    const std::string killed = dir.File(Names(dir.Path())[0]);
    // Names that are not a gone writer's stay: our own, an unknown kind, another file's, and
    // one whose lock is held (a writer of another machine or process namespace).
    const std::string dead = killed.substr(killed.rfind('~') + 1, killed.find('_', killed.rfind('~')) - killed.rfind('~') - 1);
    const std::vector<std::string> kept{".OTHER.DAT.~" + dead + "_0_1", ".R.DAT.~" + std::to_string(::getpid()) + "_7_1",
                                        ".R.DAT.~1a2b3c", ".R.DAT.~" + dead + "_0_ff"};
    for (const auto& name : kept) test::WriteFile(dir.File(name), "x");
    const int held = ::open(dir.File(kept[3]).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_TRUE(RecordFile::Open(path, 4, RecordFile::Mode::Read).has_value());
    EXPECT_FALSE(fs::exists(killed));
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir.File(name))) << name;
    ::close(held);
    // The settings file and every whole-file write do the same.
    test::WriteFile(dir.File(".QFOLD3.INI.~" + dead + "_3_abc"), "[Misc]");
    EXPECT_TRUE(WriteWholeFile(dir.File("QFOLD3.INI"), {}));
    EXPECT_FALSE(fs::exists(dir.File(".QFOLD3.INI.~" + dead + "_3_abc")));
    EXPECT_EQ(test::FileBytes(path), (std::vector<std::uint8_t>{1, 1, 1, 1}));
}

}  // namespace
}  // namespace qf
