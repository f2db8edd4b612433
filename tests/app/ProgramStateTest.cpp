// The program state both programs start from, and the word separator rules.
#include <gtest/gtest.h>

#include "app/LibraryProblems.h"
#include "app/ProgramState.h"
#include "app/WordSeparators.h"
#include "layouts/PageLayoutRecord.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

TEST(ProgramState, StartUpCorrectsMissingLanguagesAndNamesTheUserLists) {
    test::TempDir program, work;
    test::WriteFile(program.File("ssceam1.clx"), "");
    test::WriteFile(program.File("sscege1.clx"), "");
    test::WriteFile(program.File("thesdbam.cth"), "");
    test::WriteFile(work.File("QFOLD3.INI"), "[Misc]\nDictionary=5\nThesaurus=2\nWindow Size=1280\n");

    const ProgramState state = ProgramState::StartUp(Directories{program.Path(), work.Path()});
    EXPECT_EQ(state.settings.dictionary, 1);  // no French: American
    EXPECT_EQ(state.settings.thesaurus, 1);
    EXPECT_EQ(state.userLists.include, "IncEngl.tlx");
    EXPECT_EQ(state.userLists.code, 1033);
    EXPECT_TRUE(state.available.spelling[1]);
    EXPECT_TRUE(state.available.spelling[6]);
    EXPECT_FALSE(state.available.spelling[5]);
    EXPECT_TRUE(state.available.thesaurus[1]);
    EXPECT_FALSE(state.available.thesaurus[2]);
    EXPECT_EQ(state.settings.windowSize, 1280);  // kept as read, whatever the screen
    EXPECT_EQ(state.ShapesLibrary(), program.File("QFFLAY.DAT"));
    EXPECT_EQ(state.LayoutsLibrary(), program.File("QFFPAGE.DAT"));

    // The corrected values are the ones written back.
    ASSERT_TRUE(state.SaveSettings());
    const std::string ini = test::ReadFileText(work.File("QFOLD3.INI"));
    EXPECT_NE(ini.find("Dictionary=1\n"), std::string::npos);
    EXPECT_NE(ini.find("Window Size=1280\n"), std::string::npos);

    // German stays German, and its lists are named; nothing at all gives none.
    test::WriteFile(work.File("QFOLD3.INI"), "[Misc]\nDictionary=6\n");
    EXPECT_EQ(ProgramState::StartUp(Directories{program.Path(), work.Path()}).userLists.include, "IncGerm.tlx");
    test::TempDir empty;
    const ProgramState bare = ProgramState::StartUp(Directories{empty.Path(), work.Path()});
    EXPECT_EQ(bare.settings.dictionary, 0);
    EXPECT_TRUE(bare.userLists.Empty());
}

// Installed, the settings are the user's own in the config folder, the libraries the user's
// copies, and a damaged copy is found at start-up and offered to be put back.
TEST(ProgramState, InstalledProgramKeepsTheUsersFilesInTheirOwnFolders) {
    test::TempDir program, home;
    test::WriteFile(program.File("ssceam1.clx"), "");
    test::WriteFile(program.File("QFFLAY.DAT"), std::string(ShapeRecord::kStoredSize, 'S'));
    test::WriteFile(program.File("QFFPAGE.DAT"), std::string(PageLayoutRecord::kStoredSize, 'P'));
    const Directories dirs{program.Path(), home.File("Documents/Quernfold"), home.File("data/quernfold"),
                           home.File("config/quernfold"), true};
    ProgramState state = ProgramState::StartUp(dirs);
    EXPECT_TRUE(state.libraryProblems.empty());
    EXPECT_EQ(state.ShapesLibrary(), home.File("data/quernfold/QFFLAY.DAT"));
    EXPECT_EQ(state.LayoutsLibrary(), home.File("data/quernfold/QFFPAGE.DAT"));
    EXPECT_EQ(state.UserWordList("IncEngl.tlx"), home.File("data/quernfold/IncEngl.tlx"));
    EXPECT_EQ(state.settings.lastGroup, home.File("Documents/Quernfold/DEFAULT.QF3"));
    state.settings.windowSize = 1024;
    ASSERT_TRUE(state.SaveSettings());  // the config folder is made for it
    EXPECT_NE(test::ReadFileText(home.File("config/quernfold/QFOLD3.INI")).find("Window Size=1024\n"),
              std::string::npos);
    EXPECT_EQ(ProgramState::StartUp(dirs).settings.windowSize, 1024);

    test::WriteFile(home.File("data/quernfold/QFFPAGE.DAT"), "cut short");
    state = ProgramState::StartUp(dirs);
    ASSERT_EQ(state.libraryProblems.size(), 1u);
    EXPECT_EQ(state.libraryProblems[0].name, "QFFPAGE.DAT");
    EXPECT_EQ(state.libraryProblems[0].message.text,
              "Your library of page layouts \"" + home.File("data/quernfold/QFFPAGE.DAT") + "\" is damaged.");
    test::ScriptedPrompter no({Answer::No}), yes({Answer::Yes});
    TellLibraryProblems(state, no);
    EXPECT_EQ(test::ReadFileText(home.File("data/quernfold/QFFPAGE.DAT")), "cut short");
    TellLibraryProblems(state, yes);
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].text, state.libraryProblems[0].message.text + "  Would you like to replace it with the "
                                                                          "shipped copy?");
    EXPECT_EQ(test::ReadFileText(home.File("data/quernfold/QFFPAGE.DAT")),
              std::string(PageLayoutRecord::kStoredSize, 'P'));
    EXPECT_TRUE(ProgramState::StartUp(dirs).libraryProblems.empty());
}

TEST(WordSeparators, TheUserCharacterIsAnythingButALetter) {
    WordSeparators w;
    EXPECT_TRUE(SetOtherSeparator(w, "#").IsDone());
    EXPECT_EQ(w.otherChar, '#');
    EXPECT_TRUE(SetOtherSeparator(w, "7").IsDone());
    EXPECT_TRUE(SetOtherSeparator(w, "\xE9").IsDone());  // an accented letter is accepted
    EXPECT_EQ(w.otherChar, '\xE9');
    for (const char* letter : {"a", "Z", "q"}) {
        const Outcome refused = SetOtherSeparator(w, letter);
        EXPECT_EQ(refused.message.text, "Character cannot be in A..Z.  Please correct.");
        EXPECT_EQ(refused.message.caption, "Error");
        EXPECT_EQ(w.otherChar, ' ');
    }
    w.otherChar = '+';
    EXPECT_TRUE(SetOtherSeparator(w, "").IsDone());
    EXPECT_EQ(w.otherChar, ' ');

    Settings settings;
    const WordSeparators chosen{true, false, true, false, true, '~'};
    StoreSeparators(chosen, settings);
    EXPECT_TRUE(settings.wordSepDash && settings.wordSepPlus && settings.wordSepOther);
    EXPECT_FALSE(settings.wordSepSlash || settings.wordSepStar);
    EXPECT_EQ(settings.wordSepChar, '~');
    EXPECT_EQ(SeparatorsOf(settings), chosen);
}

}  // namespace
}  // namespace qf
