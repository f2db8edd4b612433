#include <gtest/gtest.h>

#include <filesystem>

#include "base/RecordFile.h"
#include "collections/CollectionFile.h"
#include "base/WriteFaults.h"
#include "collections/CollectionListing.h"
#include "collections/CollectionOperations.h"
#include "collections/CollectionFixtures.h"

namespace qf {
namespace {

using test::FileBytes;
using test::MakePuzzle;
using test::Slice;
using test::TempDir;
using test::WriteCollection;

TEST(CollectionFile, EmptyFileIsAValidCollectionAndAMissingOneListsNothing) {
    TempDir dir;
    test::WriteBytes(dir.File("EMPTY.QF3"), {});
    EXPECT_EQ(CountSlots(dir.File("EMPTY.QF3")), 0);
    const CollectionListing empty = ListCollection(dir.File("EMPTY.QF3"));
    EXPECT_TRUE(empty.opened);
    EXPECT_TRUE(empty.categoryNames.empty());
    EXPECT_TRUE(empty.puzzleEntries.empty());

    EXPECT_FALSE(CountSlots(dir.File("NONE.QF3")).has_value());
    const CollectionListing missing = ListCollection(dir.File("NONE.QF3"));
    EXPECT_FALSE(missing.opened);
    EXPECT_TRUE(missing.puzzleEntries.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("NONE.QF3")));  // listing never creates it
}

TEST(CollectionFile, SavingANewPuzzleAppendsAndAModifiedOneRewritesOnlyItsSlot) {
    TempDir dir;
    const std::string path = dir.File("FIVE.QF3");
    const auto before = WriteCollection(path, {{"A", "1"}, {"A", "2"}, {"B", "3"}, {"B", "4"}, {"C", "5"}});

    auto added = MakePuzzle("Sea", "Sea Life", 7);
    const Outcome appended = AppendPuzzle(path, *added);
    EXPECT_TRUE(appended.IsDone());
    EXPECT_EQ(appended.index, 5);
    auto after = FileBytes(path);
    ASSERT_EQ(after.size(), 6 * kSlotSize);
    EXPECT_EQ(Slice(after, 5), test::SlotBytes(*added));
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));

    auto changed = MakePuzzle("B", "three", 9);
    EXPECT_TRUE(WritePuzzle(path, 2, *changed).IsDone());
    const auto rewritten = FileBytes(path);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(Slice(rewritten, k), k == 2 ? test::SlotBytes(*changed) : Slice(after, k)) << "slot " << k;

    // A write may fill the next slot but never leave a gap.
    EXPECT_THROW((void)WritePuzzle(path, 8, *changed), IoError);
    EXPECT_EQ(FileBytes(path).size(), 6 * kSlotSize);
}

TEST(CollectionFile, SeveralPuzzlesAreStoredInOneChangeOrNotAtAll) {
    TempDir dir;
    const std::string path = dir.File("SET.QF3");
    const auto before = WriteCollection(path, {{"A", "1"}, {"A", "2"}, {"B", "3"}});
    auto a = MakePuzzle("Sea", "Sea (A)", 7);
    auto b = MakePuzzle("Sea", "Sea (B)", 8);
    auto c = MakePuzzle("Sea", "Sea (C)", 9);
    const std::vector<const PuzzleRecord*> three{a.get(), b.get(), c.get()};

    // A full disk at any step of the change: the file stays exactly as it was.
    int failed = 0;
    for (int steps = 0; steps < 12; ++steps) {
        faults::FailWriteAfter(steps);
        bool threw = false;
        try {
            (void)StorePuzzles(path, 1, three);
        } catch (const IoError&) {
            threw = true;
        }
        const bool fired = faults::Fired();
        faults::Disarm();
        if (!fired) {
            EXPECT_FALSE(threw);
            WriteCollection(path, {{"A", "1"}, {"A", "2"}, {"B", "3"}});
            break;
        }
        EXPECT_TRUE(threw) << steps;
        EXPECT_EQ(FileBytes(path), before) << steps;
        ++failed;
    }
    EXPECT_GE(failed, 3);  // the rollback record, the replaced slot, the added ones

    // The first takes the given slot, the others go after the last; without a slot all are added.
    const Outcome stored = StorePuzzles(path, 1, three);
    ASSERT_TRUE(stored.IsDone());
    EXPECT_EQ(stored.index, 1);
    auto after = FileBytes(path);
    ASSERT_EQ(after.size(), 5 * kSlotSize);
    EXPECT_EQ(Slice(after, 0), Slice(before, 0));
    EXPECT_EQ(Slice(after, 1), test::SlotBytes(*a));
    EXPECT_EQ(Slice(after, 2), Slice(before, 2));
    EXPECT_EQ(Slice(after, 3), test::SlotBytes(*b));
    EXPECT_EQ(Slice(after, 4), test::SlotBytes(*c));
    const Outcome added = StorePuzzles(path, std::nullopt, {b.get(), a.get()});
    EXPECT_EQ(added.index, 5);
    after = FileBytes(path);
    ASSERT_EQ(after.size(), 7 * kSlotSize);
    EXPECT_EQ(Slice(after, 5), test::SlotBytes(*b));
    EXPECT_EQ(Slice(after, 6), test::SlotBytes(*a));
}

TEST(CollectionFile, ReadingASlotGivesItsRecordByteForByte) {
    TempDir dir;
    const std::string path = dir.File("C.QF3");
    const auto bytes = WriteCollection(path, {{"A", "one"}, {"B", "two"}});
    PuzzleRecord read;
    EXPECT_TRUE(ReadPuzzle(path, 1, read).IsDone());
    EXPECT_EQ(test::SlotBytes(read), Slice(bytes, 1));
    EXPECT_EQ(read.title.Str(), "two");
}

TEST(CollectionFile, OpenFailuresGiveTheOperationsOwnMessages) {
    TempDir dir;
    PuzzleRecord r;
    Outcome m = ReadPuzzle(dir.File("NONE.QF3"), 0, r);
    EXPECT_EQ(m.message.text, "Unable to load puzzle.");
    EXPECT_EQ(m.message.caption, "Error");
    m = ReadPuzzle(dir.File("NONE.QF3"), 0, r, kUnableToAccessWordList);
    EXPECT_EQ(m.message.text, "Unable to access Word List file.");

    // A folder that does not exist: the file can be neither opened nor created.
    m = AppendPuzzle(dir.File("no/such/folder.QF3"), r);
    EXPECT_EQ(m.message.text, "Unable to save puzzle.");
    EXPECT_EQ(m.message.caption, "Error");
    m = WritePuzzle(dir.Path(), 0, r);  // a folder is not a collection
    EXPECT_EQ(m.message.text, "Unable to save puzzle.");

    // Saving into a collection that does not exist yet creates it.
    EXPECT_TRUE(AppendPuzzle(dir.File("NEW.QF3"), r).IsDone());
    EXPECT_EQ(CountSlots(dir.File("NEW.QF3")), 1);
}

TEST(CollectionFile, ATrailingPartialSlotIsNotAPuzzle) {
    TempDir dir;
    const std::string path = dir.File("PART.QF3");
    auto bytes = WriteCollection(path, {{"A", "whole"}, {"A", "also whole"}});
    bytes.resize(bytes.size() + 1000, 0x41);
    test::WriteBytes(path, bytes);

    EXPECT_EQ(CountSlots(path), 2);
    EXPECT_EQ(ListCollection(path).puzzleEntries.size(), 2u);
    PuzzleRecord r;
    try {
        (void)ReadPuzzle(path, 2, r);
        ADD_FAILURE() << "the partial slot was read";
    } catch (const IoError& e) {
        const Message general = GeneralIoMessage(e);
        EXPECT_EQ(general.caption, "Error");
        EXPECT_NE(general.text.find("I/O error"), std::string::npos);
        EXPECT_NE(general.text.find(path), std::string::npos);
    }
    EXPECT_THROW((void)ReadPuzzle(path, -1, r), IoError);

    // Damaged or not a collection at all: listed with a warning, never cut or written to.
    const CollectionListing listing = ListCollection(path);
    EXPECT_TRUE(listing.damaged);
    const Message warning = DamagedCollectionMessage(path, 2);
    EXPECT_EQ(warning.text, "PART.QF3 is damaged or is not a puzzle group: its length is not a whole number of "
                            "puzzles.  Its 2 whole puzzles are listed and can be copied into a new puzzle group; "
                            "nothing is saved into this one.");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(DamagedCollectionMessage("/x/NOTES.QF3", 0).text,
              "NOTES.QF3 is damaged or is not a puzzle group: its length is not a whole number of puzzles.  It "
              "holds no whole puzzle, and nothing is saved into it.");
    auto added = MakePuzzle("B", "added", 3);
    EXPECT_THROW((void)AppendPuzzle(path, *added), DamagedFileError);
    EXPECT_THROW((void)WritePuzzle(path, 0, *added), DamagedFileError);
    EXPECT_THROW((void)DeletePuzzleSlot(path, 0), DamagedFileError);
    EXPECT_EQ(FileBytes(path), bytes);
    // Its puzzles are copied out into a new collection.
    EXPECT_TRUE(ImportPuzzles(path, dir.File("SAVED.QF3"), {1, 0}).IsDone());
    EXPECT_EQ(CountSlots(dir.File("SAVED.QF3")), 2);
    EXPECT_FALSE(ListCollection(dir.File("SAVED.QF3")).damaged);
}

}  // namespace
}  // namespace qf
