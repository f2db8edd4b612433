// A write that fails (a full disk, a lost device) at any step of any operation on a collection
// leaves every file byte for byte as it was and is reported as a failure; the run that meets no
// failure does what it says.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/ByteCodec.h"
#include "base/RecordFile.h"
#include "collections/CollectionFixtures.h"
#include "collections/CollectionListing.h"
#include "collections/CollectionOperations.h"
#include "layouts/LayoutLibrary.h"
#include "support/FailedWrites.h"

namespace qf {
namespace {

using test::EveryWriteFails;
using test::FileBytes;
using test::MakePuzzle;
using test::Slice;
using test::TempDir;
using test::WriteCollection;

// A collection of `slots` puzzles.
std::vector<std::uint8_t> Collection(const std::string& path, int slots) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (int k = 0; k < slots; ++k) entries.push_back({"Cat", "Title " + std::to_string(k)});
    return WriteCollection(path, entries);
}

TEST(FailedWrites, SavingAPuzzleAppendsOrRewritesOneWholeSlotOrNothing) {
    TempDir dir;
    const std::string path = dir.File("C.QF3");
    const auto before = Collection(path, 2);
    const auto added = MakePuzzle("New", "Added", 77);
    EXPECT_GT(EveryWriteFails({path}, [&] { return AppendPuzzle(path, *added).IsDone(); }), 0);
    auto after = FileBytes(path);
    ASSERT_EQ(after.size(), 3 * kSlotSize);
    EXPECT_EQ(Slice(after, 1), Slice(before, 1));
    EXPECT_EQ(Slice(after, 2), test::SlotBytes(*added));

    const auto changed = MakePuzzle("Cat", "Changed", 78);
    EXPECT_GT(EveryWriteFails({path}, [&] { return WritePuzzle(path, 0, *changed).IsDone(); }), 0);
    after = FileBytes(path);
    EXPECT_EQ(Slice(after, 0), test::SlotBytes(*changed));
    EXPECT_EQ(Slice(after, 2), test::SlotBytes(*added));

    // A collection that did not exist is not left behind, empty, by a failed first save.
    const std::string fresh = dir.File("FRESH.QF3");
    EXPECT_GT(EveryWriteFails({fresh}, [&] { return AppendPuzzle(fresh, *added).IsDone(); }), 0);
    EXPECT_EQ(FileBytes(fresh), test::SlotBytes(*added));
}

TEST(FailedWrites, ImportingSeveralPuzzlesAddsAllOrNone) {
    TempDir dir;
    const std::string source = dir.File("SRC.QF3");
    const auto sourceBytes = WriteCollection(source, {{"A", "one"}, {"A", "two"}, {"B", "three"}});
    const std::string target = dir.File("DST.QF3");
    const auto before = Collection(target, 1);
    EXPECT_GT(EveryWriteFails({source, target}, [&] { return ImportPuzzles(source, target, {2, 0, 1}).IsDone(); }), 2);
    const auto after = FileBytes(target);
    ASSERT_EQ(after.size(), 4 * kSlotSize);
    EXPECT_EQ(Slice(after, 0), Slice(before, 0));
    EXPECT_EQ(Slice(after, 1), Slice(sourceBytes, 2));
    EXPECT_EQ(Slice(after, 3), Slice(sourceBytes, 1));

    // A slot that cannot be read halfway (past the end) takes back the puzzles before it.
    const auto whole = FileBytes(target);
    EXPECT_THROW((void)ImportPuzzles(source, target, {0, 1, 7}), IoError);
    EXPECT_EQ(FileBytes(target), whole);
    EXPECT_THROW((void)ImportPuzzles(source, dir.File("NEW.QF3"), {0, 9}), IoError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("NEW.QF3")));
}

TEST(FailedWrites, WholeFileWritesLeaveTheOldFileWhole) {
    TempDir dir;
    const std::string open = dir.File("OPEN.QF3");
    const auto openBytes = WriteCollection(open, {{"A", "one"}, {"A", "two"}, {"A", "three"}});
    const std::string out = dir.File("OUT.QF3");
    test::WriteFile(out, "an earlier export");
    EXPECT_GT(EveryWriteFails({open, out}, [&] { return ExportPuzzles(open, {2, 0}, out).IsDone(); }), 0);
    EXPECT_EQ(FileBytes(out).size(), 2 * kSlotSize);

    EXPECT_GT(EveryWriteFails({open}, [&] { return DeletePuzzleSlot(open, 1).IsDone(); }), 0);
    auto after = FileBytes(open);
    ASSERT_EQ(after.size(), 2 * kSlotSize);
    EXPECT_EQ(Slice(after, 1), Slice(openBytes, 2));

    // Through a second hard link the file is rewritten in place; a failure puts it back.
    std::filesystem::create_hard_link(open, dir.File("ALSO.QF3"));
    EXPECT_GT(EveryWriteFails({open, dir.File("ALSO.QF3")}, [&] { return DeletePuzzleSlot(open, 0).IsDone(); }), 0);
    EXPECT_EQ(FileBytes(dir.File("ALSO.QF3")), Slice(openBytes, 2));

    EXPECT_GT(EveryWriteFails({out}, [&] {
        CreateEmptyCollection(out);
        return true;
    }), 0);
    EXPECT_TRUE(FileBytes(out).empty());
}

TEST(FailedWrites, ExtractingALayoutAddsItOrNothing) {
    TempDir dir;
    const std::string open = dir.File("OPEN.QF3");
    WriteCollection(open, {{"A", "one"}, {"A", "two"}});
    const std::string layouts = dir.File("QFFPAGE.DAT");
    test::WriteBytes(layouts, test::RandomBytes(PageLayoutRecord::kStoredSize, 3));
    EXPECT_GT(EveryWriteFails({open, layouts}, [&] { return ExtractLayout(open, 1, layouts).IsDone(); }), 0);
    EXPECT_EQ(CountLayouts(layouts), 2);
}

}  // namespace
}  // namespace qf
