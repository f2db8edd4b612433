// clues: suggestions, the filled list and the check, on word files and a collection's puzzle.
#include <gtest/gtest.h>

#include "editor/WordNet.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

class CluesCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!WordNet::Open(WordNetFolder())) GTEST_SKIP() << "no WordNet data";
    }
    std::string Words(const std::string& name, const std::string& text) {
        const std::string path = cwd.File(name);
        WriteFile(path, text);
        return path;
    }
    TempDir cwd;
};

TEST_F(CluesCli, FillKeepsTheCluesGivenAndFillsTheEmptyOnes) {
    const std::string path = Words("w.txt", "TIGER:Striped cat\nAPPLE\nXQZV\nriver:\n");
    const std::string before = ReadFileText(path);
    const CliResult r = RunCli({"clues", path, "--fill"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string apple = RunCli({"clues", path}, cwd.Path()).out;
    // The suggestions list each word with its suggestions, the first of which the fill takes.
    const auto first = apple.find("APPLE:\n  (noun) ");
    ASSERT_NE(first, std::string::npos) << apple;
    const std::string firstClue = apple.substr(first + 16, apple.find('\n', first + 16) - first - 16);
    EXPECT_EQ(r.out.substr(0, r.out.find("river:")), "TIGER:Striped cat\nAPPLE:" + firstClue + "\nXQZV:\n");
    const std::string river = r.out.substr(r.out.find("river:"));
    EXPECT_GT(river.size(), std::string("river:\n").size()) << "river got no clue";
    EXPECT_EQ(river.find('\n'), river.size() - 1);
    EXPECT_EQ(r.err, "quernfold-cli: 2 clues were filled.  No suggestion was found for row 3: its clue is still empty.\n");
    EXPECT_NE(apple.find("XQZV:\n  No clue suggestion was found for XQZV.\n"), std::string::npos);
    EXPECT_EQ(ReadFileText(path), before);  // the word file is only read
}

TEST_F(CluesCli, CheckListsEachProblemAndExitsOneOnlyWhenThereIsOne) {
    const std::string planted = Words("planted.txt",
                                      "ANIMAL:An animal that barks\nCAT:Chases a dog\nDOG:Loyal pet\nOWL\ndog:Hound\n");
    const CliResult r = RunCli({"clues", planted, "--check"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out,
              "Row 1, ANIMAL: the clue gives the answer away (\"animal\").\n"
              "Row 2, CAT: the clue holds another answer, DOG (row 3).\n"
              "Row 4, OWL: the clue is empty.\n"
              "Row 5, dog: the same answer as row 3.\n");

    const std::string clean = Words("clean.txt", "ANIMAL:Living creature\nCAT:Purring pet\nDOG:Loyal pet\n");
    const CliResult ok = RunCli({"clues", clean, "--check"}, cwd.Path());
    EXPECT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_EQ(ok.out, "");

    // A clue no column of the default layout's clue blocks holds at their font.
    std::string huge = "LONG:";
    for (int i = 0; i < 12; ++i) huge += "Antidisestablishmentarianism ";
    const CliResult tooLong = RunCli({"clues", Words("long.txt", huge + "\n"), "--check"}, cwd.Path());
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.out, "Row 1, LONG: the clue is longer than the layout's clue block holds at its font.\n");

    // The filled list is what is checked: OWL gets a clue, the other problems stay.
    const CliResult both = RunCli({"clues", planted, "--fill", "--check"}, cwd.Path());
    EXPECT_EQ(both.exitCode, 1);
    EXPECT_EQ(both.out.find("Row 4, OWL: the clue is empty."), std::string::npos) << both.out;
    EXPECT_NE(both.out.find("OWL:"), std::string::npos);
}

TEST_F(CluesCli, NoDictionarySaysSoAndTheCheckStillWorks) {
    const std::string path = Words("w.txt", "TIGER\nCAT:cats\n");
    TempDir emptyProgramDir;
    const std::vector<std::pair<std::string, std::string>> none = {
        {"QUERNFOLD_WORDNET_DIR", cwd.File("nowhere")}, {"QUERNFOLD_PROGRAM_DIR", emptyProgramDir.Path()}};
    for (const char* option : {"", "--fill"}) {
        std::vector<std::string> args{"clues", path};
        if (*option) args.push_back(option);
        const CliResult r = RunCli(args, cwd.Path(), none);
        EXPECT_EQ(r.exitCode, 1) << option;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err,
                  "No dictionary data is installed: clue suggestions need the WordNet data (package wordnet-base).\n");
    }
    const CliResult check = RunCli({"clues", path, "--check"}, cwd.Path(), none);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out, "Row 1, TIGER: the clue is empty.\nRow 2, CAT: the clue gives the answer away (\"cats\").\n");

    // French has no dictionary of definitions nor a thesaurus.
    WriteFile(cwd.File("QFOLD3.INI"), "[Misc]\nDictionary=5\n");
    const CliResult french = RunCli({"clues", path, "--fill"}, cwd.Path());
    EXPECT_EQ(french.exitCode, 1);
    EXPECT_EQ(french.err, "There is no dictionary for French clues.  Suggestions are made for English words.\n");
}

TEST_F(CluesCli, APuzzleOfACollectionByItsSlot) {
    const char* program = std::getenv("QUERNFOLD_PROGRAM_DIR");
    ASSERT_NE(program, nullptr);
    const CliResult r = RunCli({"clues", std::string(program) + "/SAMPLE.QF3", "0", "--fill"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_GT(r.out.size(), 0u);
    for (std::size_t at = 0; at < r.out.size(); at = r.out.find('\n', at) + 1)
        EXPECT_NE(r.out.substr(at, r.out.find('\n', at) - at).find(':'), std::string::npos);
    const CliResult missing = RunCli({"clues", cwd.File("missing.txt"), "--fill"}, cwd.Path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Unable to open import file.\n");
    EXPECT_EQ(RunCli({"clues"}, cwd.Path()).exitCode, 2);
}

}  // namespace
}  // namespace qf::test
