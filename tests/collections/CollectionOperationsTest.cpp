#include <gtest/gtest.h>

#include <filesystem>

#include "base/RecordFile.h"
#include "collections/CollectionFixtures.h"
#include "collections/CollectionOperations.h"
#include "layouts/LayoutLibrary.h"

namespace qf {
namespace {

using test::FileBytes;
using test::ScriptedPrompter;
using test::Slice;
using test::TempDir;
using test::WriteCollection;

std::vector<std::string> Titles(const std::string& path) {
    std::vector<std::string> titles;
    for (const auto& e : ListCollection(path).puzzleEntries) titles.push_back(e.title);
    return titles;
}

std::size_t FilesIn(const std::string& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(NewGroup, CreatesAnEmptyCollectionOrReportsAnInputOutputError) {
    TempDir dir;
    WriteCollection(dir.File("G.QF3"), {{"A", "kept?"}});
    CreateEmptyCollection(dir.File("G.QF3"));
    EXPECT_EQ(FileBytes(dir.File("G.QF3")).size(), 0u);
    CreateEmptyCollection(dir.File("NEW.QF3"));
    EXPECT_EQ(CountSlots(dir.File("NEW.QF3")), 0);
    EXPECT_THROW(CreateEmptyCollection(dir.File("no/folder/G.QF3")), IoError);
}

TEST(DeletePuzzle, LaterSlotsMoveDownAndTheFileShrinksBySlot) {
    TempDir dir;
    const std::string path = dir.File("D.QF3");
    const auto before = WriteCollection(path, {{"A", "0"}, {"A", "1"}, {"A", "2"}, {"A", "3"}, {"A", "4"}});
    ASSERT_TRUE(DeletePuzzleSlot(path, 2).IsDone());
    const auto after = FileBytes(path);
    ASSERT_EQ(after.size(), 4 * kSlotSize);
    EXPECT_EQ(Slice(after, 2), Slice(before, 3));
    EXPECT_EQ(Slice(after, 3), Slice(before, 4));
    EXPECT_EQ(Slice(after, 1), Slice(before, 1));

    ASSERT_TRUE(DeletePuzzleSlot(path, 3).IsDone());  // the last slot: only shortens the file
    EXPECT_EQ(Titles(path), (std::vector<std::string>{"0", "1", "3"}));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);  // no temporary file left behind

    EXPECT_THROW((void)DeletePuzzleSlot(path, 3), IoError);  // a slot the file does not have
    EXPECT_EQ(FileBytes(path).size(), 3 * kSlotSize);

    EXPECT_TRUE(DeletePuzzleSlot(dir.File("NONE.QF3"), 0).IsRefused());
    EXPECT_FALSE(std::filesystem::exists(dir.File("NONE.QF3")));
}

TEST(DeletePuzzle, DeletingTheOnlyPuzzleEmptiesTheFileAndItsCategoryGoes) {
    TempDir dir;
    const std::string path = dir.File("ONE.QF3");
    WriteCollection(path, {{"Lonely", "Only"}});
    PuzzleLists lists;
    lists.LoadInPuzzles(path);
    lists.puzzleRow = 0;
    ScriptedPrompter yes({Answer::Yes});
    EXPECT_TRUE(DeletePuzzle(lists, path, yes).IsDone());
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].text, "Are you sure you want to delete Only?");
    EXPECT_EQ(yes.asked[0].caption, "Delete");
    EXPECT_EQ(FileBytes(path).size(), 0u);
    EXPECT_TRUE(lists.categoryBox.empty());
}

TEST(DeletePuzzle, ReselectionAfterDeletingAndTheRefusals) {
    TempDir dir;
    const std::string path = dir.File("R.QF3");
    WriteCollection(path, {{"Sea", "Crabs"}, {"Sea", "Anemones"}, {"Sea", "Bream"}, {"Land", "Ants"}});
    PuzzleLists lists;
    lists.SetReselect("Sea", "");
    lists.LoadInPuzzles(path);
    ScriptedPrompter prompter({Answer::No, Answer::Yes, Answer::Yes});

    Outcome m = DeletePuzzle(lists, path, prompter);  // no puzzle row selected
    EXPECT_TRUE(m.IsRefused());
    EXPECT_EQ(m.message.text, "No puzzle selected.  Please select a puzzle first.");
    EXPECT_EQ(m.message.caption, "Error");
    EXPECT_TRUE(prompter.asked.empty());

    lists.puzzleRow = 1;  // Bream, the second of Anemones, Bream, Crabs
    EXPECT_TRUE(DeletePuzzle(lists, path, prompter).IsCancelled());  // answered No
    EXPECT_EQ(Titles(path).size(), 4u);

    EXPECT_TRUE(DeletePuzzle(lists, path, prompter).IsDone());
    EXPECT_EQ(Titles(path), (std::vector<std::string>{"Crabs", "Anemones", "Ants"}));
    ASSERT_NE(lists.SelectedPuzzle(), nullptr);  // the row above is selected
    EXPECT_EQ(lists.SelectedPuzzle()->text, "Anemones");
    EXPECT_EQ(lists.SelectedCategory()->text, "Sea");

    lists.puzzleRow = 0;  // deleting the first row selects none
    EXPECT_TRUE(DeletePuzzle(lists, path, prompter).IsDone());
    EXPECT_EQ(Titles(path), (std::vector<std::string>{"Crabs", "Ants"}));
    EXPECT_EQ(lists.SelectedCategory()->text, "Sea");
    EXPECT_EQ(lists.SelectedPuzzle(), nullptr);
}

TEST(DeletePuzzle, DeletingTheFirstRowSelectsAnotherPuzzleOfTheSameTitle) {
    TempDir dir;
    const std::string path = dir.File("T.QF3");
    WriteCollection(path, {{"Sea", "Bream"}, {"Sea", "Bream"}, {"Sea", "Crabs"}});
    PuzzleLists lists;
    lists.LoadInPuzzles(path);
    lists.puzzleRow = 0;
    ScriptedPrompter yes({Answer::Yes});
    EXPECT_TRUE(DeletePuzzle(lists, path, yes).IsDone());
    ASSERT_NE(lists.SelectedPuzzle(), nullptr);
    EXPECT_EQ(lists.SelectedPuzzle()->text, "Bream");
}

TEST(ImportPuzzles, ChoiceChecksByExtensionAndSameFile) {
    ImportKind kind = ImportKind::Collection;
    EXPECT_TRUE(CheckImportChoice("/x/old.qfd", "/x/OPEN.QF3", kind).IsDone());
    EXPECT_EQ(kind, ImportKind::OldPuzzle);
    Outcome m = CheckImportChoice("/x/words.txt", "/x/OPEN.QF3", kind);
    EXPECT_EQ(m.message.text, "The file selected is not a valid Quernfold file.");
    EXPECT_EQ(m.message.caption, "Error");
    m = CheckImportChoice("/X/open.qf3", "/x/OPEN.QF3", kind);
    EXPECT_EQ(m.message.text, "Import File cannot be the same as the currently open file.");
    EXPECT_TRUE(CheckImportChoice("/x/other.Qf3", "/x/OPEN.QF3", kind).IsDone());
    EXPECT_EQ(kind, ImportKind::Collection);
}

TEST(ImportPuzzles, SelectedPuzzlesAreAppendedUnchangedInTitleOrder) {
    TempDir dir;
    const std::string source = dir.File("SRC.QF3");
    const std::string target = dir.File("DST.QF3");
    const auto src = WriteCollection(source, {{"Z", "pears"}, {"Z", "Apples"}, {"Y", "kiwis"}, {"Y", "Figs"}});
    const auto dst = WriteCollection(target, {{"Q", "first"}, {"Q", "second"}});
    const auto slots = SlotsInListOrder(ListCollection(source), {0, 1, 3});
    EXPECT_EQ(slots, (std::vector<std::int64_t>{1, 3, 0}));  // Apples, Figs, pears
    EXPECT_TRUE(ImportPuzzles(source, target, slots).IsDone());
    const auto after = FileBytes(target);
    ASSERT_EQ(after.size(), 5 * kSlotSize);
    EXPECT_EQ(Slice(after, 2), Slice(src, 1));
    EXPECT_EQ(Slice(after, 3), Slice(src, 3));
    EXPECT_EQ(Slice(after, 4), Slice(src, 0));
    EXPECT_TRUE(std::equal(dst.begin(), dst.end(), after.begin()));

    // Nothing is written when the chosen file cannot be opened.
    Outcome m = ImportPuzzles(dir.File("NONE.QF3"), target, {0});
    EXPECT_EQ(m.message.text, "Unable to import puzzles.");
    EXPECT_EQ(FileBytes(target), after);
    m = ImportPuzzles(source, dir.File("no/folder/X.QF3"), {0});
    EXPECT_EQ(m.message.text, "Unable to import puzzles.");
    EXPECT_EQ(ImportPuzzles(source, target, {}).message.text, "No puzzles have been selected for import.");
}

TEST(ExportPuzzles, WritesTheSelectionToANewFileButNeverOntoTheOpenCollection) {
    TempDir dir;
    const std::string open = dir.File("OPEN.QF3");
    const auto bytes = WriteCollection(open, {{"A", "one"}, {"A", "two"}, {"A", "three"}});
    test::WriteFile(dir.File("OUT.QF3"), "old contents are replaced");
    EXPECT_TRUE(ExportPuzzles(open, {2, 0}, dir.File("OUT.QF3")).IsDone());
    const auto out = FileBytes(dir.File("OUT.QF3"));
    ASSERT_EQ(out.size(), 2 * kSlotSize);
    EXPECT_EQ(Slice(out, 0), Slice(bytes, 2));
    EXPECT_EQ(Slice(out, 1), Slice(bytes, 0));

    Outcome m = ExportPuzzles(open, {0}, dir.File("open.qf3"));
    EXPECT_EQ(m.message.text, "Export File cannot be the same as the currently open file.");
    m = ExportPuzzles(open, {0}, dir.Path() + "/./OPEN.QF3");
    EXPECT_EQ(m.message.text, "Export File cannot be the same as the currently open file.");
    EXPECT_EQ(FileBytes(open), bytes);

    m = ExportPuzzles(dir.File("NONE.QF3"), {0}, dir.File("NEW.QF3"));
    EXPECT_EQ(m.message.text, "Unable to export puzzles.");
    EXPECT_FALSE(std::filesystem::exists(dir.File("NEW.QF3")));  // a refused export writes nothing
    m = ExportPuzzles(dir.File("NONE.QF3"), {0}, dir.File("OUT.QF3"));
    EXPECT_EQ(m.message.text, "Unable to export puzzles.");
    EXPECT_EQ(FileBytes(dir.File("OUT.QF3")).size(), 2 * kSlotSize);  // the earlier export stays
    EXPECT_EQ(ExportPuzzles(open, {}, dir.File("X.QF3")).message.text, "No puzzles have been selected for export.");
}

TEST(ExtractLayout, AppendsThePuzzlesLayoutCreatingTheLibrary) {
    TempDir dir;
    const std::string open = dir.File("OPEN.QF3");
    WriteCollection(open, {{"A", "one"}, {"A", "two"}});
    PuzzleRecord second;
    ASSERT_TRUE(ReadPuzzle(open, 1, second).IsDone());
    const Outcome extracted = ExtractLayout(open, 1, dir.File("QFFPAGE.DAT"));
    EXPECT_TRUE(extracted.IsDone());
    EXPECT_EQ(extracted.index, 0);
    EXPECT_EQ(FileBytes(dir.File("QFFPAGE.DAT")), EncodeRecord(second.layout));

    Outcome m = ExtractLayout(dir.File("NONE.QF3"), 0, dir.File("QFFPAGE.DAT"));
    EXPECT_EQ(m.message.text, "Unable to open puzzle.");
    EXPECT_EQ(m.message.caption, "Error");
    m = ExtractLayout(open, 0, dir.File("no/folder/QFFPAGE.DAT"));
    EXPECT_EQ(m.message.text, "Unable to add page layout.");
    EXPECT_EQ(m.message.caption, "Disk Error");

    // A layout whose name the library holds already: a name of its own, as Copy gives (two of one
    // name could not be told apart in the list).
    const std::string lib = dir.File("NAMED.DAT");
    second.layout.name = "Classic";
    ASSERT_TRUE(WritePuzzle(open, 1, second).IsDone());
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(ExtractLayout(open, 1, lib).IsDone());
    std::vector<std::string> names;
    for (std::int64_t p = 0; p < 3; ++p) {
        PageLayoutRecord stored;
        ASSERT_TRUE(ReadLayout(lib, p, stored).IsDone());
        names.push_back(stored.name.Str());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Classic", "Classic (2)", "Classic (3)"}));
}

}  // namespace
}  // namespace qf
