#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace qf::test {
namespace {

// The tool reads the lexicon files the build wrote for the dictionaries of this machine. User
// lists lie in the program directory, so the tests that write them use a copy of it.
class SpellCli : public ::testing::Test {
protected:
    void UseOwnProgramDir() {
        namespace fs = std::filesystem;
        const char* built = std::getenv("QUERNFOLD_PROGRAM_DIR");
        ASSERT_NE(built, nullptr);
        savedProgramDir = built;
        for (const auto& entry : fs::directory_iterator(built)) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".tlx" || ext == ".clx" || ext == ".cth")
                fs::copy_file(entry.path(), fs::path(programDir.Path()) / entry.path().filename());
        }
        setenv("QUERNFOLD_PROGRAM_DIR", programDir.Path().c_str(), 1);
    }
    void TearDown() override {
        if (!savedProgramDir.empty()) setenv("QUERNFOLD_PROGRAM_DIR", savedProgramDir.c_str(), 1);
    }
    TempDir cwd, programDir;
    std::string savedProgramDir;
};

TEST_F(SpellCli, WordsAreOkOrGetSuggestions) {
    const CliResult r = RunCli({"spell", "--lang", "1", "bird", "brid", "esne", "xqzjvw"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "bird: ok\n"
              "brid: breed, bird, bris, bid, rid, bride, braid, brie, bred, brad, arid, brit, brio, brig, grid\n"
              "esne: ok\n"
              "xqzjvw: xqzjvw was not found in the dictionary.  No suggestions could be found.\n");
    const CliResult fr = RunCli({"spell", "--lang", "5", "caf\xC3\xA9", "cafe"}, cwd.Path());
    EXPECT_EQ(fr.out.substr(0, 21), "caf\xC3\xA9: ok\ncafe: caf\xC3\xA9");
}

TEST_F(SpellCli, ClueTokensAndTheStoredClue) {
    const CliResult r = RunCli({"spell", "--lang", "1", "--clue", "Fly, brid.", "--fix"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "1 \"Fly\": ok\n"
              "4 \"brid\": breed, bird, bris, bid, rid, bride, braid, brie, bred, brad, arid, brit, brio, brig, grid\n"
              "Spell checking complete.\n"
              "clue: Fly ,  breed .\n");

    // The check trims the clue first: blanks in front make no tokens of their own.
    const CliResult padded = RunCli({"spell", "--lang", "1", "--clue", "  Fly  brid "}, cwd.Path());
    EXPECT_EQ(padded.out.substr(0, 27), "1 \"Fly\": ok\n3 \"brid\": breed");
}

TEST_F(SpellCli, ThesaurusListsCategoriesAntonymsAndSynonyms) {
    const CliResult r = RunCli({"thesaurus", "--lang", "1", "amble"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Categories:\n"
              "  amble (noun): promenade, saunter, stroll, perambulation, walk\n"
              "  amble (verb): mosey, walk\n"
              "Antonyms:\n");
    const CliResult begin = RunCli({"thesaurus", "--lang", "1", "begin"}, cwd.Path());
    EXPECT_NE(begin.out.find("Antonyms:\n  end (verb): end,"), std::string::npos) << begin.out;
    const CliResult none = RunCli({"thesaurus", "--lang", "2", "brid"}, cwd.Path());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.\n");
    const CliResult similar = RunCli({"thesaurus", "--lang", "1", "--suggest", "brid"}, cwd.Path());
    EXPECT_EQ(similar.out.substr(0, 11), "breed\nbird\n");
}

TEST_F(SpellCli, UserListsChangeTheVerdict) {
    UseOwnProgramDir();
    const CliResult before = RunCli({"spell", "--lang", "3", "qfzorble", "casa"}, cwd.Path());
    EXPECT_EQ(before.out.find("qfzorble: ok"), std::string::npos);
    EXPECT_NE(before.out.find("casa: ok"), std::string::npos);
    EXPECT_EQ(RunCli({"dictionary", "include", "--lang", "3", "add", "qfzorble"}, cwd.Path()).exitCode, 0);
    EXPECT_EQ(RunCli({"dictionary", "exclude", "--lang", "3", "add", "casa"}, cwd.Path()).exitCode, 0);
    EXPECT_EQ(RunCli({"dictionary", "exclude", "--lang", "3", "list"}, cwd.Path()).out, "casa\n");
    const CliResult r = RunCli({"spell", "--lang", "3", "qfzorble", "casa"}, cwd.Path());
    EXPECT_EQ(r.out.substr(0, 19), "qfzorble: ok\ncasa: ");
    EXPECT_EQ(r.out.find("casa: ok"), std::string::npos);

    const CliResult gone = RunCli({"dictionary", "exclude", "--lang", "3", "remove", "casa", "nope"}, cwd.Path());
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.err, "quernfold-cli: nope is not in the list\n");
    EXPECT_EQ(RunCli({"dictionary", "exclude", "--lang", "3", "list"}, cwd.Path()).out, "");
    EXPECT_EQ(ReadFileText(programDir.File("ExcSpan.tlx")), "");
    EXPECT_EQ(ReadFileText(programDir.File("IncSpan.tlx")), "qfzorble\n");
    EXPECT_EQ(RunCli({"dictionary", "sideways", "list"}, cwd.Path()).exitCode, 2);
}

TEST_F(SpellCli, SettingsChooseTheLanguage) {
    WriteFile(cwd.File("QFOLD3.INI"), "[Misc]\nDictionary=9\nUser Dictionary=6\nThesaurus=3\nUser Thesaurus=2\n");
    EXPECT_EQ(RunCli({"spell", "Haus"}, cwd.Path()).out, "Haus: ok\n");
    EXPECT_EQ(RunCli({"thesaurus", "colour"}, cwd.Path()).exitCode, 0);
    EXPECT_EQ(RunCli({"spell", "--lang", "0", "bird"}, cwd.Path()).exitCode, 2);
}

}  // namespace
}  // namespace qf::test
