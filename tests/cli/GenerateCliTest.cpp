// quernfold-cli generate, driven as a user drives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "base/FileUtil.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "model/GenerationRun.h"
#include "shapes/ShapeFiles.h"
#include "support/TempDir.h"
#include "support/SquareShape.h"

namespace qf::test {
namespace {

void WriteShapeFile(const std::string& path, const ShapeRecord& shape) { WriteBytes(path, EncodeShapeExchange(shape)); }

const char* const kGarden =
    "LANTERN:a lamp\n"
    "  CANDLE : wax light \r\n"
    "\n"
    "GARDEN\n";

PuzzleRecord Slot(const std::string& path, int slot) {
    PuzzleRecord record;
    EXPECT_TRUE(ReadPuzzle(path, slot, record).IsDone());
    return record;
}

TEST(GenerateCli, AppendsTheChosenCandidateAsSaveDoes) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(15));
    WriteFile(dir.File("garden.txt"), kGarden);
    const std::vector<std::string> args{"generate", "--words", "garden.txt", "--shape", "square.lay",
                                        "--collection", "out.QF3", "--attempts", "40", "--seed", "11", "--shrink"};
    const CliResult first = RunCli(args, dir.Path());
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out,
              "Best Fit: 3 of 3 words\nSecond Best Fit: 3 of 3 words\nThird Best Fit: 3 of 3 words\n"
              "Fourth Best Fit: 3 of 3 words\n");
    const PuzzleRecord r = Slot(dir.File("out.QF3"), 0);
    EXPECT_EQ(r.version.Str(), "3.1a");
    EXPECT_EQ(r.generated, 1);
    EXPECT_EQ(r.title.Str(), "garden");
    EXPECT_EQ(r.category.Str(), "General");
    EXPECT_EQ(r.wordCount, 3);
    EXPECT_EQ(r.acrossCount + r.downCount, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.inGrid[i], 1);
    EXPECT_EQ(r.inGrid[3], 0);
    EXPECT_LE(r.width, 15);
    for (int i = 0; i < 3; ++i) {
        if (r.words[i].Str() == "CANDLE") {
            EXPECT_EQ(r.clues[i].Str(), "wax light");
        } else if (r.words[i].Str() == "GARDEN") {
            EXPECT_TRUE(r.clues[i].Empty());
        }
    }

    // The same seed builds the same puzzle; another pick takes another candidate.
    ASSERT_EQ(RunCli(args, dir.Path()).exitCode, 0);
    auto again = args;
    again.insert(again.end(), {"--pick", "3", "--title", "Jardin \xc3\xa9t\xc3\xa9", "--category", "Nature",
                               "--bonus", "Which one burns?"});
    ASSERT_EQ(RunCli(again, dir.Path()).exitCode, 0);
    ASSERT_EQ(CountSlots(dir.File("out.QF3")), 3);
    EXPECT_EQ(ReadFileText(dir.File("out.QF3")).substr(0, kSlotSize),
              ReadFileText(dir.File("out.QF3")).substr(kSlotSize, kSlotSize));
    const PuzzleRecord third = Slot(dir.File("out.QF3"), 2);
    EXPECT_EQ(third.title.Str(), "Jardin \xe9t\xe9");
    EXPECT_EQ(third.category.Str(), "Nature");
    EXPECT_EQ(third.bonusQuestion.Str(), "Which one burns?");
}

// Variants: K puzzles of the same words in pairwise different grids, lettered, in one call;
// a shape that gives fewer different grids stores nothing.
TEST(GenerateCli, VariantsAreDifferentGridsOfTheSameWords) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(15));
    WriteFile(dir.File("walk.txt"), "LANTERN:a lamp\nCANDLE:wax light\nGARDEN:plot\nMEADOW:field\nRIVER:stream\n");
    const std::vector<std::string> args{"generate", "--words", "walk.txt", "--shape", "square.lay", "--collection",
                                        "out.QF3", "--attempts", "20", "--seed", "7", "--title", "Country Walk"};
    std::vector<std::string> three = args;
    three.insert(three.end(), {"--variants", "3"});
    CliResult r = RunCli(three, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Country Walk (A): "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Country Walk (C): "), std::string::npos) << r.out;
    ASSERT_EQ(CountSlots(dir.File("out.QF3")), 3);
    for (int k = 0; k < 3; ++k) {
        const PuzzleRecord v = Slot(dir.File("out.QF3"), k);
        EXPECT_EQ(v.title.Str(), std::string("Country Walk (") + static_cast<char>('A' + k) + ")");
        std::vector<std::string> words;
        for (int i = 1; i <= v.UsedWords(); ++i) words.push_back(v.Word(i).Str());
        std::sort(words.begin(), words.end());
        EXPECT_EQ(words, (std::vector<std::string>{"CANDLE", "GARDEN", "LANTERN", "MEADOW", "RIVER"}));
        for (int j = 0; j < k; ++j) EXPECT_FALSE(SameGrid(v, Slot(dir.File("out.QF3"), j))) << k << " " << j;
    }
    const std::vector<std::uint8_t> before = FileBytes(dir.File("out.QF3"));

    WriteShapeFile(dir.File("strip.lay"), test::Square(3));
    WriteFile(dir.File("one.txt"), "CAT:a pet\n");
    r = RunCli({"generate", "--words", "one.txt", "--shape", "strip.lay", "--collection", "out.QF3", "--variants", "26"},
               dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("different grids of these words in this shape"), std::string::npos) << r.err;
    EXPECT_EQ(FileBytes(dir.File("out.QF3")), before);

    for (const char* wrong : {"1", "27", "x"}) {
        std::vector<std::string> bad = args;
        bad.insert(bad.end(), {"--variants", wrong});
        EXPECT_EQ(RunCli(bad, dir.Path()).exitCode, 2) << wrong;
    }
    std::vector<std::string> withPick = three;
    withPick.insert(withPick.end(), {"--pick", "2"});
    EXPECT_EQ(RunCli(withPick, dir.Path()).exitCode, 2);
    EXPECT_EQ(FileBytes(dir.File("out.QF3")), before);
}

// A batch of 30 lists builds the same collection, byte for byte, when run again with the same
// seed; a folder's word files in name order; a list that cannot be built is not stored, and the
// others are.
TEST(GenerateCli, BatchesAreReproducibleAndEachListStandsAlone) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(13));
    const char* words[] = {"LANTERN", "CANDLE", "GARDEN", "MEADOW", "RIVER", "HEDGE", "OTTER", "ORCHARD", "BRIDGE",
                           "WILLOW", "STREAM", "MEADOWLARK"};
    std::string csv = "words,title,category,shape,attempts,seed\n";
    for (int k = 0; k < 30; ++k) {
        std::string list;
        for (int w = 0; w < 6; ++w) list += std::string(words[(k + w * 5) % 12]) + ":clue " + std::to_string(w) + "\n";
        WriteFile(dir.File("list" + std::to_string(k) + ".txt"), list);
        csv += "list" + std::to_string(k) + ".txt,Walk " + std::to_string(k) + ",Nature,," + (k % 2 ? "30" : "") + ",\n";
    }
    WriteFile(dir.File("batch.csv"), csv);
    for (const char* out : {"one.QF3", "two.QF3"}) {
        const CliResult r = RunCli({"generate", "--batch", "batch.csv", "--collection", out, "--shape", "square.lay",
                                    "--seed", "11", "--attempts", "10"},
                                   dir.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find("Walk 29: "), std::string::npos) << r.out;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 30);
    }
    ASSERT_EQ(CountSlots(dir.File("one.QF3")), 30);
    EXPECT_EQ(FileBytes(dir.File("one.QF3")), FileBytes(dir.File("two.QF3")));
    EXPECT_EQ(Slot(dir.File("one.QF3"), 7).category.Str(), "Nature");

    WriteFile(dir.File("mixed.csv"), "list0.txt,First\nmissing.txt,Gone\nlist1.txt,Second,,square.lay\n");
    CliResult r = RunCli({"generate", "--batch", "mixed.csv", "--collection", "mixed.QF3", "--shape", "square.lay"},
                         dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("missing.txt: not stored: "), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("1 of 3 lists not stored"), std::string::npos) << r.err;
    ASSERT_EQ(CountSlots(dir.File("mixed.QF3")), 2);
    EXPECT_EQ(Slot(dir.File("mixed.QF3"), 1).title.Str(), "Second");

    std::filesystem::create_directory(dir.File("weeks"));
    WriteFile(dir.File("weeks/b.txt"), "MEADOW:field\nRIVER:stream\n");
    WriteFile(dir.File("weeks/a.txt"), "OTTER:swimmer\nHEDGE:row of bushes\n");
    r = RunCli({"generate", "--batch", "weeks", "--collection", "weeks.QF3", "--shape", "square.lay"}, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Slot(dir.File("weeks.QF3"), 0).title.Str(), "a");
    EXPECT_EQ(Slot(dir.File("weeks.QF3"), 1).title.Str(), "b");

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"generate", "--batch", "weeks", "--collection", "w.QF3", "--words", "a.txt"},
          {"generate", "--batch", "weeks", "--collection", "w.QF3", "--variants", "2"},
          {"generate", "--batch", "weeks"}})
        EXPECT_EQ(RunCli(wrong, dir.Path()).exitCode, 2);
}

TEST(GenerateCli, LeftOutWordsAreSavedOnlyWhenTheQuestionIsAnsweredYes) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(12));
    // FUZZY shares no letter with the others, so no candidate places it.
    WriteFile(dir.File("list.txt"), "LANTERN:a lamp\nCANDLE:wax light\nGARDEN:plot\nFUZZY:blurred\n");
    std::vector<std::string> args{"generate", "--words", "list.txt", "--shape", "square.lay",
                                  "--collection", "out.QF3", "--attempts", "5", "--seed", "3"};
    CliResult r = RunCli(args, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Best Fit: 3 of 4 words\n  left out FUZZY: Shares no letter with the placed words\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("One or more words did not fit into the puzzle.  Save Puzzle anyway? [No"), std::string::npos);
    EXPECT_FALSE(CountSlots(dir.File("out.QF3")).has_value()) << "nothing is written on No";

    args.insert(args.begin(), "--yes");
    r = RunCli(args, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const PuzzleRecord saved = Slot(dir.File("out.QF3"), 0);
    EXPECT_EQ(saved.wordCount, 3);
    EXPECT_EQ(saved.words[3].Str(), "FUZZY");
    EXPECT_EQ(saved.clues[3].Str(), "blurred");
    EXPECT_EQ(saved.inGrid[3], 0);
}

TEST(GenerateCli, FailedChecksPrintTheProgramsMessageAndWriteNothing) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(15));
    WriteFile(dir.File("long.txt"), "OAK\nABCDEFGHIJKLMNOP:too long\n");
    CliResult r = RunCli({"generate", "--words", "long.txt", "--shape", "square.lay", "--collection", "out.QF3"},
                         dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Word is greater than puzzle dimension size of 15 characters in \"ABCDEFGHIJKLMNOP\".\n");
    EXPECT_FALSE(FileExists(dir.File("out.QF3")));

    WriteFile(dir.File("ok.txt"), "OAK\n");
    r = RunCli({"generate", "--words", "ok.txt", "--shape", "square.lay", "--collection", "out.QF3", "--attempts",
                "0"},
               dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Attempts must be between 1 and 999.  Please correct.\n");

    r = RunCli({"generate", "--words", "missing.txt", "--shape", "square.lay", "--collection", "out.QF3"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to open import file.\n");

    WriteFile(dir.File("bad.lay"), "XYZ1.0 not a shape");
    r = RunCli({"generate", "--words", "ok.txt", "--shape", "bad.lay", "--collection", "out.QF3"}, dir.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, std::string(kShapeFileCorrupt) + "\n");
    EXPECT_FALSE(FileExists(dir.File("out.QF3")));

    WriteShapeFile(dir.File("big.lay"), test::Square(31));
    r = RunCli({"generate", "--words", "ok.txt", "--shape", "big.lay", "--collection", "out.QF3"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << "the large-shape warning does not stop Create";
    EXPECT_NE(r.err.find("You have selected a puzzle shape with large dimensions."), std::string::npos);
}

TEST(GenerateCli, WordFilesInEitherEncodingAndOtherSeparators) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(10));
    WriteFile(dir.File("ansi.txt"), "CAF\xc9|a small restaurant\nFACE|front\n");        // Windows-1252
    WriteFile(dir.File("utf8.txt"), "CAF\xc3\x89|a small restaurant\nFACE|front\n");    // UTF-8
    for (const char* file : {"ansi.txt", "utf8.txt"}) {
        SCOPED_TRACE(file);
        const std::string out = std::string(file) + ".QF3";
        const CliResult r = RunCli({"generate", "--words", file, "--shape", "square.lay", "--collection", out,
                                    "--sep", "|", "--seed", "1"},
                                   dir.Path());
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const PuzzleRecord p = Slot(dir.File(out), 0);
        ASSERT_EQ(p.wordCount, 2);
        const bool cafeFirst = p.words[0].Str() == "CAF\xc9";
        EXPECT_EQ(p.words[cafeFirst ? 0 : 1].Str(), "CAF\xc9");
        EXPECT_EQ(p.clues[cafeFirst ? 0 : 1].Str(), "a small restaurant");
    }
}

TEST(GenerateCli, ShapeByIndexOfTheLibrary) {
    TempDir program, dir;
    ASSERT_TRUE(AppendShape(program.File("QFFLAY.DAT"), test::Square(9, "Nine")).IsDone());
    ASSERT_TRUE(AppendShape(program.File("QFFLAY.DAT"), test::Square(7, "Seven")).IsDone());
    WriteFile(dir.File("w.txt"), "OTTER:river animal\nTROUT:fish\n");
    const char* old = std::getenv("QUERNFOLD_PROGRAM_DIR");
    const std::string saved = old ? old : "";
    setenv("QUERNFOLD_PROGRAM_DIR", program.Path().c_str(), 1);
    const CliResult r = RunCli({"generate", "--words", "w.txt", "--shape", "1", "--collection", "out.QF3"}, dir.Path());
    const CliResult missing =
        RunCli({"generate", "--words", "w.txt", "--shape", "2", "--collection", "out.QF3"}, dir.Path());
    if (old) {
        setenv("QUERNFOLD_PROGRAM_DIR", saved.c_str(), 1);
    } else {
        unsetenv("QUERNFOLD_PROGRAM_DIR");
    }
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Slot(dir.File("out.QF3"), 0).width, 7);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "No shape 2 in the shapes library.\n");
}

TEST(GenerateCli, WrongCommandLinesAreUsageErrors) {
    TempDir dir;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"generate", "--shape", "s.lay", "--collection", "c.QF3"},
             {"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3", "--pick", "5"},
             {"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3", "--seed", "-1"},
             {"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3", "--sep", "::"},
             {"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3", "--colour", "red"},
         }) {
        const CliResult r = RunCli(args, dir.Path());
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST(GenerateCli, ThoroughNamesWhatStopsACompleteGridAndTheShapeThatHoldsIt) {
    TempDir dir;
    WriteShapeFile(dir.File("square.lay"), test::Square(12));
    WriteFile(dir.File("list.txt"), "LANTERN:a lamp\nCANDLE:wax light\nGARDEN:plot\nFUZZY:blurred\n");
    const std::vector<std::string> args{"--yes", "generate", "--words", "list.txt", "--shape", "square.lay",
                                        "--collection", "out.QF3", "--seed", "3", "--thorough", "--budget", "0.01"};
    CliResult r = RunCli(args, dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Best Fit: 3 of 4 words\n  left out FUZZY: Shares no letter with the placed words\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Thorough fill: 3 of 4 words (the attempts alone: 3)\n"
                         "Words that stop a complete grid: FUZZY\n"
                         "No larger shape of the shapes library holds them all.\n"),
              std::string::npos)
        << r.out;
    // The same seed and budget build the same puzzle.
    ASSERT_EQ(RunCli(args, dir.Path()).exitCode, 0);
    EXPECT_EQ(ReadFileText(dir.File("out.QF3")).substr(0, kSlotSize),
              ReadFileText(dir.File("out.QF3")).substr(kSlotSize, kSlotSize));

    // Thirty words crowd the 9 x 9 square (record 0 of the shipped library); the shape named
    // for them holds them all when given.
    std::string thirty;
    for (const char* w : {"ANYWHERE", "TROOP", "ABROGATE", "TABULATE", "ROAR", "FOND", "EMPHASIS", "THIRTY",
                          "PLATFORM", "SNUG", "TUG", "MOAN", "ELECTOR", "JAIL", "VARY", "SYMPTOM", "FLATLY",
                          "BACHELOR", "RELEASE", "HARVEST", "WEAR", "PARCHED", "VAST", "MESH", "REGIMENT",
                          "GENRE", "GATHER", "EMBOSS", "PUP", "ROVE"})
        thirty += std::string(w) + "\n";
    WriteFile(dir.File("thirty.txt"), thirty);
    r = RunCli({"--yes", "generate", "--words", "thirty.txt", "--shape", "0", "--collection", "more.QF3", "--seed",
                "8", "--thorough", "--budget", "0.02"},
               dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string tag = "A larger shape that holds them all: ";
    const auto at = r.out.find(tag);
    ASSERT_NE(at, std::string::npos) << r.out;
    const auto open = r.out.find("(--shape ", at), close = r.out.find(')', at);
    ASSERT_NE(close, std::string::npos);
    const std::string index = r.out.substr(open + 9, close - open - 9);
    r = RunCli({"generate", "--words", "thirty.txt", "--shape", index, "--collection", "more.QF3", "--seed", "8",
                "--thorough", "--budget", "0.02"},
               dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Best Fit: 30 of 30 words\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("Words that stop"), std::string::npos) << r.out;
}

TEST(GenerateCli, TheBudgetGoesWithThoroughAndTakesSeconds) {
    TempDir dir;
    for (const char* budget : {"0", "abc", "1e3", "-1", "3601", ".5", "2."}) {
        const CliResult r = RunCli({"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3",
                                    "--thorough", "--budget", budget},
                                   dir.Path());
        EXPECT_EQ(r.exitCode, 2) << budget;
        EXPECT_NE(r.err.find("--budget goes with --thorough and takes seconds from 0.001 to 3600"), std::string::npos)
            << budget;
    }
    const CliResult alone =
        RunCli({"generate", "--words", "w.txt", "--shape", "s.lay", "--collection", "c.QF3", "--budget", "1"}, dir.Path());
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_FALSE(FileExists(dir.File("c.QF3")));
}

}  // namespace
}  // namespace qf::test
