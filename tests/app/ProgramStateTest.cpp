// The program state both programs start from, and the word separator rules.
#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "app/WordSeparators.h"
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
