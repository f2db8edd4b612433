#include <gtest/gtest.h>

#include <filesystem>

#include "collections/CollectionFixtures.h"
#include "collections/CollectionListing.h"
#include "collections/OldVersions.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "shapes/ShapeFiles.h"
#include "support/FailedWrites.h"

namespace qf {
namespace {

using test::FileBytes;
using test::ScriptedPrompter;
using test::TempDir;

void PutInt16(std::vector<std::uint8_t>& b, std::size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

void PutText(std::vector<std::uint8_t>& b, std::size_t at, const std::string& text) {
    b[at] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at) + 1);
}

// An old record laid out field by field: title, grid size, grid, counts, 200 words (31 bytes),
// 200 clues (101 bytes), start cells, letter counts, numbers, directions.
std::vector<std::uint8_t> OldRecord(const std::string& title, int size, int wordCount, std::uint32_t seed = 5) {
    auto b = test::RandomBytes(kOldPuzzleSize, seed);  // every unread byte is noise
    PutText(b, 0, title);
    PutInt16(b, 36, size);
    for (std::size_t k = 0; k < 2500; ++k) b[40 + k] = static_cast<std::uint8_t>(k % 7 == 0 ? 0 : 'A' + k % 26);
    PutInt16(b, 2540, wordCount);
    PutInt16(b, 2542, 7);
    PutInt16(b, 2544, 5);
    for (std::size_t i = 0; i < 200; ++i) {
        PutText(b, 2546 + i * 31, "WORD" + std::to_string(i + 1));
        PutText(b, 8746 + i * 101, "clue " + std::to_string(i + 1));
        PutInt16(b, 28946 + i * 2, static_cast<int>(i) + 100);
        PutInt16(b, 29346 + i * 2, static_cast<int>(i % 9) + 3);
        PutInt16(b, 29746 + i * 2, static_cast<int>(i) + 1);
        b[30146 + i] = static_cast<std::uint8_t>(i % 2);
    }
    return b;
}

std::vector<std::uint8_t> QfdFile(const std::vector<std::uint8_t>& record, const std::string& tag = "QFD",
                                  const std::string& text = "saved by version 2") {
    std::vector<std::uint8_t> b(tag.begin(), tag.end());
    b.push_back(static_cast<std::uint8_t>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
    b.insert(b.end(), record.begin(), record.end());
    return b;
}

TEST(ConvertOldPuzzle, FieldsMoveToTheirNewPlacesAndSlotsAboveTheCountAreEmptied) {
    TempDir dir;
    auto old = OldRecord("Birds of the Marsh", 17, 12);
    const std::string longClue(100, 'c');
    PutText(old, 8746 + 2 * 101, longClue);  // slot 3
    auto working = std::make_unique<PuzzleRecord>();
    working->reserved.fill(0x5A);
    working->bonusQuestion = "left from before";
    ConvertOldPuzzle(old, {dir.File("QFFPAGE.DAT"), 0}, *working);

    EXPECT_EQ(working->version.Str(), "3.1a");
    EXPECT_EQ(working->title.Str(), "Birds of the Marsh");
    EXPECT_EQ(working->category.Str(), "Version 2.0 Puzzles");
    EXPECT_TRUE(working->bonusQuestion.Empty());
    EXPECT_EQ(working->width, 17);
    EXPECT_EQ(working->height, 17);
    EXPECT_EQ(working->wordCount, 12);
    EXPECT_EQ(working->acrossCount, 7);
    EXPECT_EQ(working->downCount, 5);
    EXPECT_TRUE(std::equal(working->grid.begin(), working->grid.end(), old.begin() + 40));
    EXPECT_EQ(working->Clue(3).Str(), longClue);  // an old clue of 100 characters is kept whole
    EXPECT_EQ(working->Word(12).Str(), "WORD12");
    EXPECT_EQ(working->startCell[11], 111);
    EXPECT_EQ(working->letterCount[11], 11 % 9 + 3);
    EXPECT_EQ(working->number[11], 12);
    EXPECT_EQ(working->isAcross[11], 1);
    for (int i = 1; i <= 200; ++i) {
        EXPECT_EQ(working->inGrid[static_cast<std::size_t>(i - 1)], i <= 12 ? 1 : 0) << i;
        if (i > 12) {
            EXPECT_TRUE(working->Word(i).Empty()) << i;
            EXPECT_TRUE(working->Clue(i).Empty()) << i;
        }
    }
    EXPECT_EQ(working->generated, 1);
    EXPECT_EQ(working->reserved[0], 0x5A);  // kept from the working record

    PageLayoutRecord builtIn;
    BuildDefaultLayout(builtIn);
    EXPECT_EQ(EncodeRecord(working->layout), EncodeRecord(builtIn));  // no layouts file
}

TEST(ConvertOldPuzzle, CountsOutOfRangeAndTheLibraryDefault) {
    TempDir dir;
    PageLayoutRecord a, b;
    BuildDefaultLayout(a);
    a.name = "First";
    b = a;
    b.name = "Second";
    ASSERT_TRUE(AppendLayout(dir.File("QFFPAGE.DAT"), a).IsDone());
    ASSERT_TRUE(AppendLayout(dir.File("QFFPAGE.DAT"), b).IsDone());
    const OldVersionPaths second{dir.File("QFFPAGE.DAT"), 1};
    const OldVersionPaths beyond{dir.File("QFFPAGE.DAT"), 9};

    auto working = std::make_unique<PuzzleRecord>();
    auto old = OldRecord("many", 50, 250);
    PutText(old, 0, std::string(35, 't'));
    old[0] = 255;  // a damaged title length is cut to the capacity
    ConvertOldPuzzle(old, second, *working);
    EXPECT_EQ(working->layout.name.Str(), "Second");
    EXPECT_EQ(working->title.Str().size(), 35u);
    EXPECT_EQ(working->inGrid[199], 1);
    EXPECT_EQ(working->Word(200).Str(), "WORD200");

    ConvertOldPuzzle(OldRecord("none", 9, -4), beyond, *working);
    EXPECT_EQ(working->layout.name.Str(), "First");  // a default beyond the last record gives record 0
    EXPECT_EQ(working->inGrid[0], 0);
    EXPECT_TRUE(working->Word(1).Empty());
    EXPECT_EQ(working->wordCount, -4);
}

TEST(CheckForOldVersions, ConvertsPuzzlesIntoOldpuzzAndDeletesTheOldFile) {
    TempDir work, program;
    const Directories dirs{program.Path(), work.Path()};
    auto two = OldRecord("First Old", 15, 3, 1);
    const auto second = OldRecord("Second Old", 13, 4, 2);
    two.insert(two.end(), second.begin(), second.end());
    test::WriteBytes(work.File("QFFUPUZZ.DAT"), two);
    test::WriteCollection(program.File("OLDPUZZ.QF3"), {{"Kept", "already there"}});

    ScriptedPrompter prompter({Answer::Yes});
    auto working = std::make_unique<PuzzleRecord>();
    CheckForOldVersions(dirs, {program.File("QFFPAGE.DAT"), 0}, prompter, *working);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              "User generated puzzles from a previous version of Quernfold have been detected.  Would you like to "
              "convert them to a puzzle group?");
    EXPECT_EQ(prompter.asked[0].caption, "Notice");
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].text, "A new puzzle group named \"OLDPUZZ.QF3\" has been created.");
    EXPECT_EQ(prompter.said[0].caption, "Ok");
    EXPECT_FALSE(std::filesystem::exists(work.File("QFFUPUZZ.DAT")));

    const CollectionListing listing = ListCollection(program.File("OLDPUZZ.QF3"));
    ASSERT_EQ(listing.puzzleEntries.size(), 3u);
    EXPECT_EQ(listing.categoryNames, (std::vector<std::string>{"Kept", "Version 2.0 Puzzles"}));
    EXPECT_EQ(listing.puzzleEntries[2].title, "Second Old");
    EXPECT_EQ(working->title.Str(), "Second Old");  // the working record holds the last one
}

TEST(CheckForOldVersions, EmptyOldFileNoAnswersAndShapes) {
    TempDir work, program;
    const Directories dirs{program.Path(), work.Path()};
    const OldVersionPaths paths{program.File("QFFPAGE.DAT"), 0};
    auto working = std::make_unique<PuzzleRecord>();

    // A puzzles file of 0 bytes: the group is created without slots and the old file goes.
    test::WriteBytes(work.File("QFFUPUZZ.DAT"), {});
    ScriptedPrompter yes({Answer::Yes});
    CheckForOldVersions(dirs, paths, yes, *working);
    EXPECT_EQ(FileBytes(program.File("OLDPUZZ.QF3")).size(), 0u);
    EXPECT_TRUE(std::filesystem::exists(program.File("OLDPUZZ.QF3")));
    EXPECT_FALSE(std::filesystem::exists(work.File("QFFUPUZZ.DAT")));
    ASSERT_EQ(yes.said.size(), 1u);

    // No to the puzzles still leads to the shapes question.
    test::WriteBytes(work.File("QFFUPUZZ.DAT"), OldRecord("x", 9, 1));
    ShapeRecord heart;
    heart.name = "Heart";
    heart.width = heart.height = 9;
    auto oldShapes = EncodeRecord(heart);
    heart.name = "Star";
    const auto star = EncodeRecord(heart);
    oldShapes.insert(oldShapes.end(), star.begin(), star.end());
    test::WriteBytes(work.File("QFFULAY.DAT"), oldShapes);
    ScriptedPrompter noThenYes({Answer::No, Answer::Yes});
    CheckForOldVersions(dirs, paths, noThenYes, *working);
    ASSERT_EQ(noThenYes.asked.size(), 2u);
    EXPECT_EQ(noThenYes.asked[1].text,
              "User generated shapes from a previous version of Quernfold have been detected.  Would you like to add "
              "them to the current list of puzzle shapes?");
    EXPECT_TRUE(std::filesystem::exists(work.File("QFFUPUZZ.DAT")));  // asked again next time
    EXPECT_FALSE(std::filesystem::exists(work.File("QFFULAY.DAT")));
    EXPECT_EQ(FileBytes(program.File("QFFLAY.DAT")), oldShapes);  // copied unchanged
    ASSERT_EQ(noThenYes.said.size(), 1u);
    EXPECT_EQ(noThenYes.said[0].text, "Puzzle shapes have been added.");
    EXPECT_EQ(noThenYes.said[0].caption, "Ok");
}

// Installed, the program folder cannot be written: the converted puzzles go to the user's
// collections folder (named whole in the message), the old shapes after the shipped ones into
// the user's copy of the shapes library.
TEST(CheckForOldVersions, InstalledProgramWritesIntoTheUsersFolders) {
    TempDir home, program;
    ShapeRecord shipped;
    shipped.name = "Shipped";
    shipped.width = shipped.height = 5;
    test::WriteBytes(program.File("QFFLAY.DAT"), EncodeRecord(shipped));
    const Directories dirs{program.Path(), home.File("Documents/Quernfold"), home.File("data"), home.File("config"), true};
    std::filesystem::create_directories(dirs.working);
    test::WriteBytes(dirs.WorkingFile("QFFUPUZZ.DAT"), OldRecord("Old One", 9, 2));
    ShapeRecord old;
    old.name = "Old Shape";
    old.width = old.height = 7;
    test::WriteBytes(dirs.WorkingFile("QFFULAY.DAT"), EncodeRecord(old));

    ScriptedPrompter yes({Answer::Yes, Answer::Yes});
    auto working = std::make_unique<PuzzleRecord>();
    CheckForOldVersions(dirs, {program.File("QFFPAGE.DAT"), 0}, yes, *working);
    ASSERT_EQ(yes.said.size(), 2u);
    const std::string group = home.File("Documents/Quernfold/OLDPUZZ.QF3");
    EXPECT_EQ(yes.said[0].text, "A new puzzle group named \"" + group + "\" has been created.");
    EXPECT_EQ(yes.said[1].text, "Puzzle shapes have been added.");
    EXPECT_EQ(ListCollection(group).puzzleEntries.size(), 1u);
    auto both = EncodeRecord(shipped);
    const auto added = EncodeRecord(old);
    both.insert(both.end(), added.begin(), added.end());
    EXPECT_EQ(FileBytes(home.File("data/QFFLAY.DAT")), both);
    EXPECT_EQ(FileBytes(program.File("QFFLAY.DAT")), EncodeRecord(shipped));
    EXPECT_FALSE(std::filesystem::exists(program.File("OLDPUZZ.QF3")));
}

TEST(CheckForOldVersions, AFailedPuzzleStepKeepsTheOldFileAndSkipsTheShapes) {
    TempDir work;
    const Directories dirs{work.File("missing-program-folder"), work.Path()};
    test::WriteBytes(work.File("QFFUPUZZ.DAT"), OldRecord("x", 9, 1));
    test::WriteBytes(work.File("QFFULAY.DAT"), std::vector<std::uint8_t>(ShapeRecord::kStoredSize));
    ScriptedPrompter yes({Answer::Yes, Answer::Yes});
    auto working = std::make_unique<PuzzleRecord>();
    CheckForOldVersions(dirs, {work.File("QFFPAGE.DAT"), 0}, yes, *working);
    EXPECT_EQ(yes.asked.size(), 1u);
    ASSERT_EQ(yes.said.size(), 1u);
    EXPECT_EQ(yes.said[0].text, "Unable to save puzzles.");
    EXPECT_EQ(yes.said[0].caption, "Error");
    EXPECT_TRUE(std::filesystem::exists(work.File("QFFUPUZZ.DAT")));
}

TEST(Import16Bit, ASinglePuzzleFileIsCheckedThenAppended) {
    TempDir dir;
    const OldVersionPaths paths{dir.File("QFFPAGE.DAT"), 0};
    const std::string open = dir.File("OPEN.QF3");
    test::WriteCollection(open, {{"Mine", "first"}});
    const auto before = FileBytes(open);
    auto working = std::make_unique<PuzzleRecord>();
    const auto record = OldRecord("From Disk", 15, 6);

    test::WriteBytes(dir.File("lower.QFD"), QfdFile(record, "qfd"));
    Outcome m = Import16Bit(dir.File("lower.QFD"), open, paths, *working);
    EXPECT_EQ(m.message.text, "Puzzle file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(m.message.caption, "Error");

    auto shortFile = QfdFile(record);
    shortFile.pop_back();
    test::WriteBytes(dir.File("short.QFD"), shortFile);
    EXPECT_EQ(Import16Bit(dir.File("short.QFD"), open, paths, *working).message.text,
              "Puzzle file is corrupt or incompatible.  Import aborted.");
    test::WriteBytes(dir.File("tiny.QFD"), {'Q', 'F'});
    EXPECT_EQ(Import16Bit(dir.File("tiny.QFD"), open, paths, *working).message.text,
              "Puzzle file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(Import16Bit(dir.File("none.QFD"), open, paths, *working).message.text, "Puzzle could not be imported.");
    EXPECT_EQ(FileBytes(open), before);  // nothing written by any refusal

    test::WriteBytes(dir.File("good.QFD"), QfdFile(record, "QFD", std::string(255, 'n')));
    EXPECT_TRUE(Import16Bit(dir.File("good.QFD"), open, paths, *working).IsDone());
    PuzzleRecord stored;
    ASSERT_TRUE(ReadPuzzle(open, 1, stored).IsDone());
    EXPECT_EQ(stored.title.Str(), "From Disk");
    EXPECT_EQ(stored.category.Str(), "Version 2.0 Puzzles");
    EXPECT_EQ(stored.generated, 1);  // printable at once

    m = Import16Bit(dir.File("good.QFD"), dir.File("no/folder/X.QF3"), paths, *working);
    EXPECT_EQ(m.message.text, "Unable to save puzzle.");
}

TEST(Import16Bit, AFolderIsNoPuzzleFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.QFD"));
    auto working = std::make_unique<PuzzleRecord>();
    const Outcome m = Import16Bit(dir.File("folder.QFD"), dir.File("OPEN.QF3"), {dir.File("QFFPAGE.DAT"), 0}, *working);
    EXPECT_EQ(m.message.text, "Puzzle could not be imported.");
    EXPECT_FALSE(std::filesystem::exists(dir.File("OPEN.QF3")));
}

ShapeRecord OldShape(const std::string& name, int width, int height) {
    ShapeRecord s;
    s.name = name;
    s.width = static_cast<std::int16_t>(width);
    s.height = static_cast<std::int16_t>(height);
    return s;
}

TEST(AddOldShapesFile, AShapeOfASizeAnImportRefusesKeepsTheWholeFileOut) {
    TempDir work, program;
    const std::string library = program.File("QFFLAY.DAT");
    ASSERT_TRUE(AppendShape(library, OldShape("Mine", 10, 10)).IsDone());
    const auto before = FileBytes(library);
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{0, 9}, {9, 51}, {-1, 9}, {9, 32767}}) {
        auto old = EncodeRecord(OldShape("Good", 9, 9));
        const auto bad = EncodeRecord(OldShape("Bad", w, h));
        old.insert(old.end(), bad.begin(), bad.end());
        test::WriteBytes(work.File("QFFULAY.DAT"), old);
        const Outcome m = AddOldShapesFile(work.File("QFFULAY.DAT"), library);
        EXPECT_EQ(m.message.text, "Puzzle shape file is corrupt or incompatible.  Import aborted.") << w << "x" << h;
        EXPECT_EQ(FileBytes(library), before);
    }
    // At start-up the old file then stays, and the user is told why.
    const Directories dirs{program.Path(), work.Path()};
    ScriptedPrompter yes({Answer::Yes});
    auto working = std::make_unique<PuzzleRecord>();
    CheckForOldVersions(dirs, {program.File("QFFPAGE.DAT"), 0}, yes, *working);
    ASSERT_EQ(yes.said.size(), 1u);
    EXPECT_EQ(yes.said[0].text, "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    EXPECT_TRUE(std::filesystem::exists(work.File("QFFULAY.DAT")));
    EXPECT_EQ(FileBytes(library), before);
}

TEST(OldVersions, AFailedWriteAddsNoneOfTheOldPuzzlesOrShapes) {
    TempDir work, program;
    const OldVersionPaths paths{program.File("QFFPAGE.DAT"), 0};
    auto working = std::make_unique<PuzzleRecord>();
    std::vector<std::uint8_t> old;
    for (std::uint32_t k = 0; k < 3; ++k) {
        const auto one = OldRecord("Old " + std::to_string(k), 9, 4, k);
        old.insert(old.end(), one.begin(), one.end());
    }
    test::WriteBytes(work.File("QFFUPUZZ.DAT"), old);
    const std::string group = program.File("OLDPUZZ.QF3");
    test::WriteCollection(group, {{"Kept", "already there"}});
    const std::vector<std::string> watched{work.File("QFFUPUZZ.DAT"), group};
    EXPECT_GT(test::EveryWriteFails(watched, [&] {
        return ConvertOldPuzzlesFile(work.File("QFFUPUZZ.DAT"), group, paths, *working).IsDone();
    }), 0);
    EXPECT_EQ(ListCollection(group).puzzleEntries.size(), 4u);

    // Into a collection that does not exist yet: a failure leaves none behind.
    test::WriteBytes(work.File("one.QFD"), QfdFile(OldRecord("Single", 9, 4)));
    const std::string fresh = work.File("FRESH.QF3");
    EXPECT_GT(test::EveryWriteFails({work.File("one.QFD"), fresh}, [&] {
        return Import16Bit(work.File("one.QFD"), fresh, paths, *working).IsDone();
    }), 0);
    EXPECT_EQ(ListCollection(fresh).puzzleEntries.at(0).title, "Single");

    auto shapes = EncodeRecord(OldShape("Heart", 9, 9));
    const auto star = EncodeRecord(OldShape("Star", 12, 11));
    shapes.insert(shapes.end(), star.begin(), star.end());
    test::WriteBytes(work.File("QFFULAY.DAT"), shapes);
    const std::string library = program.File("QFFLAY.DAT");
    ASSERT_TRUE(AppendShape(library, OldShape("Mine", 10, 10)).IsDone());
    EXPECT_GT(test::EveryWriteFails({work.File("QFFULAY.DAT"), library}, [&] {
        return AddOldShapesFile(work.File("QFFULAY.DAT"), library).IsDone();
    }), 0);
    EXPECT_EQ(ListShapes(library)->size(), 3u);
}

}  // namespace
}  // namespace qf
