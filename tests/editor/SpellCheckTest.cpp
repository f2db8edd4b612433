#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/SpellCheck.h"
#include "base/WriteFaults.h"
#include "editor/SpellEngine.h"
#include "ProgramDir.h"

namespace qf {
namespace {

using test::ProgramDir;
using test::ReadFileText;

// Plays the suggestions dialog: answers in order, Ignore when out of answers.
class ScriptedDialog : public SpellSuggestionsDialog {
public:
    std::deque<SuggestionChoice> answers;
    std::vector<std::string> shownWords;
    std::vector<std::string> notices;
    std::vector<std::vector<std::string>> shownSuggestions;

    SuggestionChoice ShowSuggestions(const std::string& notice, const std::string& word,
                                     const std::vector<std::string>& suggestions) override {
        notices.push_back(notice);
        shownWords.push_back(word);
        shownSuggestions.push_back(suggestions);
        if (answers.empty()) return {};
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

class RecordingPrompter : public Prompter {
public:
    std::vector<Message> said;
    void Inform(const Message& m) override { said.push_back(m); }
    Answer Ask(const Message& m, Question) override {
        said.push_back(m);
        return Answer::No;
    }
};

class SpellCheckTest : public ::testing::Test {
protected:
    Outcome Check(bool isNewPuzzle = true, int language = 1) {
        const SpellCheckOptions options{dir.Path(), language, UserListNamesFor(1), isNewPuzzle};
        auto outcome = DoSpellCheck(grid, options, dialog, prompter);
        EXPECT_EQ(SSCE_OpenSessionCount(), 0) << "the check must close its sessions";
        return outcome;
    }
    ProgramDir dir;
    SpellCheckGrid grid;
    ScriptedDialog dialog;
    RecordingPrompter prompter;
};

TEST_F(SpellCheckTest, KnownWordsChangeNothing) {
    grid.words[0] = "  BIRD ";
    grid.words[5] = "crossword";
    grid.clues[0] = "  A feathered friend,  often (singing)  ";
    grid.clues[5] = "Puzzle with \"clues\": across/down";
    const SpellCheckGrid before = grid;
    const auto outcome = Check();
    EXPECT_TRUE(outcome.IsDone());
    EXPECT_EQ(outcome.message.text, "All words were found in the dictionary.");
    EXPECT_EQ(grid.words, before.words);
    EXPECT_EQ(grid.clues, before.clues);
    EXPECT_TRUE(dialog.shownWords.empty());
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].text, "All words were found in the dictionary.");
    EXPECT_EQ(prompter.said[0].caption, "Spelling Ok");
}

TEST_F(SpellCheckTest, ReplacementRebuildsTheClue) {
    grid.clues[2] = "Fly, brid.";
    grid.clues[3] = "Fly,  brid  (again)";
    dialog.answers = {{SuggestionAction::Replace, "bird"}, {SuggestionAction::Ignore, ""}};
    const auto outcome = Check();
    EXPECT_EQ(grid.clues[2], "Fly ,  bird .");
    EXPECT_EQ(grid.clues[3], "Fly,  brid  (again)");  // ignored: exactly as typed
    ASSERT_EQ(dialog.shownWords, (std::vector<std::string>{"brid", "brid"}));
    EXPECT_EQ(dialog.notices[0],
              "The following word was not found in the American dictionary.  Suggestions are listed below.");
    EXPECT_EQ(dialog.shownSuggestions[0].size() <= 30, true);
    EXPECT_TRUE(outcome.IsDone());
    EXPECT_EQ(outcome.message.text, "Spell checking complete.");
    EXPECT_EQ(prompter.said.back().text, "Spell checking complete.");
    EXPECT_EQ(prompter.said.back().caption, "Spelling Status");
}

TEST_F(SpellCheckTest, WordsAreReplacedTrimmedAndOnlyForNewPuzzles) {
    grid.words[0] = " brid ";
    grid.clues[0] = "Tweetre";
    dialog.answers = {{SuggestionAction::Replace, "bird"}, {SuggestionAction::Replace, "Tweeter"}};
    (void)Check(true);
    EXPECT_EQ(grid.words[0], "bird");
    EXPECT_EQ(grid.clues[0], "Tweeter");

    grid.words[0] = "brid";
    grid.clues[0] = "sparow";
    dialog.shownWords.clear();
    dialog.answers = {{SuggestionAction::Replace, "sparrow"}};
    (void)Check(false);
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"sparow"}));
    EXPECT_EQ(grid.words[0], "brid");
    EXPECT_EQ(grid.clues[0], "sparrow");
}

TEST_F(SpellCheckTest, AbortDuringWordsSkipsTheClues) {
    grid.words[0] = "brid";
    grid.words[1] = "sparow";
    grid.clues[0] = "Fly, brid.";
    dialog.answers = {{SuggestionAction::Abort, ""}};
    const auto outcome = Check();
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"brid"}));
    EXPECT_TRUE(outcome.IsCancelled());
    EXPECT_EQ(grid.clues[0], "Fly, brid.");
    EXPECT_EQ(prompter.said.back().text, "Spell checking aborted.");
    EXPECT_EQ(prompter.said.back().caption, "Spelling Status");

    // Abort inside a clue stops at once; a replacement made before it stays.
    grid = {};
    grid.clues[0] = "sparow brid";
    grid.clues[1] = "brid";
    dialog.shownWords.clear();
    dialog.answers = {{SuggestionAction::Replace, "sparrow"}, {SuggestionAction::Abort, ""}};
    (void)Check();
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"sparow", "brid"}));
    EXPECT_EQ(grid.clues[0], "sparrow brid");
    EXPECT_EQ(grid.clues[1], "brid");
}

// "All" answers hold for the rest of the run: later occurrences are not asked about again,
// in words and in clues alike; a different misspelling still is.
TEST_F(SpellCheckTest, ReplaceAllAndIgnoreAllAnswerLaterOccurrences) {
    grid.words[0] = "brid";
    grid.words[1] = "sparow";
    grid.clues[0] = "A brid, a sparow";
    grid.clues[1] = "Tweetre brid";
    dialog.answers = {{SuggestionAction::ReplaceAll, "bird"}, {SuggestionAction::IgnoreAll, ""},
                      {SuggestionAction::Ignore, ""}};
    const auto outcome = Check();
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"brid", "sparow", "Tweetre"}));
    EXPECT_EQ(grid.words[0], "bird");
    EXPECT_EQ(grid.words[1], "sparow");
    EXPECT_EQ(grid.clues[0], "A bird ,  a sparow");
    EXPECT_EQ(grid.clues[1], "Tweetre bird");
    EXPECT_EQ(outcome.message.text, "Spell checking complete.");

    // A new check starts without the answers of the last one.
    grid = {};
    grid.clues[0] = "brid";
    dialog.shownWords.clear();
    (void)Check();
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"brid"}));
}

// The dialog's "&Suggest" asks the running session about the word as edited.
TEST_F(SpellCheckTest, TheDialogCanAskForSuggestionsDuringTheCheck) {
    class Asking : public SpellSuggestionsDialog {
    public:
        std::vector<std::string> asked;
        SuggestionChoice ShowSuggestions(const std::string&, const std::string&,
                                         const std::vector<std::string>&) override {
            EXPECT_TRUE(static_cast<bool>(suggest));
            if (suggest) asked = suggest("sparow");
            return {SuggestionAction::Ignore, ""};
        }
    } asking;
    grid.clues[0] = "brid";
    const SpellCheckOptions options{dir.Path(), 1, UserListNamesFor(1), true};
    (void)DoSpellCheck(grid, options, asking, prompter);
    EXPECT_NE(std::find(asking.asked.begin(), asking.asked.end(), "sparrow"), asking.asked.end());
    EXPECT_FALSE(static_cast<bool>(asking.suggest)) << "the session is gone after the check";
}

TEST_F(SpellCheckTest, AddStoresTheWordInTheIncludeList) {
    grid.words[0] = "Quernfold";
    grid.words[1] = "Quernfold";
    dialog.answers = {{SuggestionAction::Add, ""}, {SuggestionAction::Ignore, ""}};
    (void)Check();
    // The running check keeps the list it opened at its start, so the word is asked again.
    EXPECT_EQ(dialog.shownWords.size(), 2u);
    EXPECT_EQ(ReadFileText(dir.File("IncEngl.tlx")), "Quernfold\n");

    dialog.shownWords.clear();
    prompter.said.clear();
    (void)Check();
    EXPECT_TRUE(dialog.shownWords.empty());
    EXPECT_EQ(prompter.said.back().text, "All words were found in the dictionary.");
}

// "&Add" on a list that could not be written once said nothing, as if the word were kept.
TEST_F(SpellCheckTest, AFailedAddIsSaidAndLeavesTheListAsItWas) {
    test::WriteFile(dir.File("IncEngl.tlx"), "kept\n");
    grid.words[0] = "Quernfold";
    dialog.answers = {{SuggestionAction::Add, ""}};
    faults::FailWriteAfter(0);
    (void)Check();
    faults::Disarm();
    EXPECT_EQ(ReadFileText(dir.File("IncEngl.tlx")), "kept\n");
    ASSERT_GE(prompter.said.size(), 2u);
    EXPECT_EQ(prompter.said[0].text, "Unable to save the dictionary word list.");
    EXPECT_EQ(prompter.said[0].caption, "Error");
}

TEST_F(SpellCheckTest, ExcludedWordIsRefused) {
    test::WriteFile(dir.File("ExcEngl.tlx"), "bird\n");
    grid.words[0] = "bird";
    (void)Check();
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"bird"}));
}

TEST_F(SpellCheckTest, WordWithoutSuggestionsGetsTheNotice) {
    grid.words[0] = "xqzjvw";
    const std::string longWord = "q" + std::string(299, 'x');
    grid.clues[0] = longWord;
    (void)Check();
    ASSERT_EQ(prompter.said.size(), 3u);
    EXPECT_EQ(prompter.said[0].text, "xqzjvw was not found in the dictionary.  No suggestions could be found.");
    EXPECT_EQ(prompter.said[0].caption, "Notice");
    // The first part is cut to 254 characters.
    EXPECT_EQ(prompter.said[1].text, longWord.substr(0, 254) + "No suggestions could be found.");
    EXPECT_EQ(prompter.said[2].text, "Spell checking complete.");
    EXPECT_TRUE(dialog.shownWords.empty());
}

TEST_F(SpellCheckTest, MissingLexiconStopsBeforeAnything) {
    std::remove(dir.File("ssceam1.clx").c_str());
    grid.words[0] = "brid";
    const auto outcome = Check();
    EXPECT_TRUE(outcome.IsRefused());
    EXPECT_EQ(outcome.message.severity, Severity::Error);
    EXPECT_EQ(grid.words[0], "brid");
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].text, "Could not find one of the dictionary files.");
    EXPECT_EQ(prompter.said[0].caption, "Error");
    prompter.said.clear();
    (void)Check(true, 0);
    EXPECT_EQ(prompter.said.at(0).text, "Could not find one of the dictionary files.");
}

TEST_F(SpellCheckTest, PickedLanguageWithAmericanLists) {
    test::WriteFile(dir.File("IncEngl.tlx"), "Quernfold\n");
    grid.words[0] = "Quernfold";
    grid.words[1] = "Stra\xDF" "e";
    dialog.answers = {{SuggestionAction::Add, ""}};
    grid.words[2] = "Huas";
    (void)Check(true, 6);
    EXPECT_EQ(dialog.shownWords, (std::vector<std::string>{"Huas"}));
    EXPECT_EQ(dialog.notices[0],
              "The following word was not found in the German dictionary.  Suggestions are listed below.");
    EXPECT_EQ(ReadFileText(dir.File("IncEngl.tlx")), "Quernfold\nHuas\n");
}

}  // namespace
}  // namespace qf
