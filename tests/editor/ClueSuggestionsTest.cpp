// Clue suggestions on the installed WordNet data and thesaurus, with an oracle of its own for
// the answer's forms, independent of the rules the suggestions use.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "ProgramDir.h"
#include "SchoolWords.h"
#include "editor/AnswerForms.h"
#include "editor/ClueFill.h"
#include "editor/ClueSuggestions.h"
#include "editor/SpellLanguages.h"
#include "editor/ThesaurusData.h"
#include "editor/WordNet.h"

namespace qf {
namespace {

const WordNet* Dictionary() {
    static const std::unique_ptr<WordNet> wordNet = WordNet::Open(WordNetFolder());
    return wordNet.get();
}

#define REQUIRE_WORDNET() \
    if (!Dictionary()) GTEST_SKIP() << "no WordNet data at " << WordNetFolder()

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The answer's word, its regular inflections spelled out by hand, and the irregular ones of the
// school list: a clue word equal to one of them gives the answer away.
std::vector<std::string> OracleForms(const std::string& word) {
    static const std::vector<std::pair<std::string, std::vector<std::string>>> kIrregular = {
        {"mouse", {"mice"}},    {"tooth", {"teeth"}},   {"sheep", {"sheep"}},  {"wolf", {"wolves"}},
        {"run", {"ran"}},       {"swim", {"swam", "swum"}}, {"sing", {"sang", "sung"}},
        {"write", {"wrote", "written"}}, {"throw", {"threw", "thrown"}}, {"catch", {"caught"}},
        {"build", {"built"}},   {"draw", {"drew", "drawn"}}, {"read", {"read"}}, {"leaf", {"leaves"}},
    };
    std::vector<std::string> forms;
    const std::string w = Lower(word);
    for (const char* end : {"", "s", "es", "ed", "d", "ing", "er", "ers", "est", "ly"}) forms.push_back(w + end);
    const char last = w.back();
    const std::string cut = w.substr(0, w.size() - 1);
    if (last == 'y')
        for (const char* end : {"ies", "ied", "ier", "iest", "ily"}) forms.push_back(cut + end);
    if (last == 'e')
        for (const char* end : {"ing", "er", "est"}) forms.push_back(cut + end);
    for (const char* end : {"ing", "ed", "er", "est"}) forms.push_back(w + last + end);
    for (const auto& [base, irregular] : kIrregular)
        if (base == w) forms.insert(forms.end(), irregular.begin(), irregular.end());
    return forms;
}

// The first word of the text the oracle finds an answer word in; empty when none.
std::string OracleGivesAway(const std::string& answer, const std::string& text) {
    std::vector<std::string> forms;
    std::string joined;
    for (const TextWord& part : WordsOfText(answer)) {
        joined += part.lower;
        for (auto& f : OracleForms(part.lower)) forms.push_back(f);
    }
    forms.push_back(joined);
    for (const TextWord& w : WordsOfText(text))
        if (std::find(forms.begin(), forms.end(), w.lower) != forms.end()) return w.lower;
    return {};
}

TEST(ClueSuggestions, SchoolWordsAllGetSuggestionsAndNoneGivesItsAnswerAway) {
    REQUIRE_WORDNET();
    test::ProgramDir dir;
    const auto thesaurus = LoadThesaurusFile(dir.File(ThesaurusFileName(1)));
    ASSERT_NE(thesaurus, nullptr);
    const ClueSources sources{Dictionary(), thesaurus.get(), 3};
    int suggested = 0, givingAway = 0, total = 0;
    std::vector<std::string> without;
    for (const std::string& word : test::kSchoolWords) {
        const auto list = SuggestClues(word, sources);
        if (!list.empty()) ++suggested;
        else without.push_back(word);
        for (const ClueSuggestion& s : list) {
            ++total;
            EXPECT_LE(s.clue.size(), kClueCapacityChars) << word;
            const auto letter = std::find_if(s.clue.begin(), s.clue.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
            EXPECT_TRUE(letter != s.clue.end() && std::isupper(static_cast<unsigned char>(*letter))) << word << ": " << s.clue;
            for (const std::string& text : {s.clue, s.example}) {
                const std::string found = OracleGivesAway(word, text);
                if (found.empty()) continue;
                ++givingAway;
                ADD_FAILURE() << word << " in its own suggestion: \"" << text << "\" (" << found << ")";
            }
        }
    }
    std::cout << "school words with a suggestion: " << suggested << " of " << test::kSchoolWords.size() << " ("
              << 100.0 * suggested / static_cast<double>(test::kSchoolWords.size()) << " %); " << total
              << " suggestions, " << givingAway << " holding their answer";
    for (const auto& w : without) std::cout << (w == without.front() ? "; none for: " : ", ") << w;
    std::cout << "\n";
    EXPECT_GE(suggested * 100, 95 * static_cast<int>(test::kSchoolWords.size()));
    EXPECT_EQ(givingAway, 0);
}

TEST(ClueSuggestions, MostCommonSenseFirstAndCompoundsLookedUpAsWordNetWritesThem) {
    REQUIRE_WORDNET();
    // "dog": the animal, not the verb "to chase"; "run" is mostly a verb in the tagged texts.
    const ClueSources sources{Dictionary(), nullptr, 3};
    const auto dog = SuggestClues("DOG", sources);
    ASSERT_FALSE(dog.empty());
    EXPECT_EQ(dog.front().partOfSpeech, "noun");
    EXPECT_NE(dog.front().clue.find("genus Canis"), std::string::npos) << dog.front().clue;
    const auto run = SuggestClues("run", sources);
    ASSERT_FALSE(run.empty());
    EXPECT_EQ(run.front().partOfSpeech, "verb");

    EXPECT_EQ(LookupLemma("Ice-Cream"), "ice_cream");
    EXPECT_EQ(LookupLemma("  SOLAR   SYSTEM "), "solar_system");
    for (const char* word : {"ICE CREAM", "ICE-CREAM", "SOLAR SYSTEM", "T-SHIRT", "FIRE ENGINE"})
        EXPECT_FALSE(SuggestClues(word, sources).empty()) << word;
    // Inflected answers are looked up at their base ("MICE" at "mouse").
    const auto mice = SuggestClues("MICE", sources);
    ASSERT_FALSE(mice.empty());
    EXPECT_EQ(mice.front().partOfSpeech, "noun");
}

TEST(ClueSuggestions, ADefinitionThatNamesItsWordBecomesItsExampleWithABlank) {
    REQUIRE_WORDNET();
    // Every sense of "happy" that names "happiness" or "happy" in its gloss is blanked or left out.
    const ClueSources sources{Dictionary(), nullptr, 2};
    for (const char* word : {"HAPPY", "TEACHER", "SNOW", "FARMER", "RAIN"}) {
        for (const ClueSuggestion& s : SuggestClues(word, sources)) {
            EXPECT_TRUE(AnswerForms(word, Dictionary()).FoundIn(s.clue).empty()) << word << ": " << s.clue;
            const auto letter = std::find_if(s.clue.begin(), s.clue.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
            EXPECT_TRUE(letter != s.clue.end() && std::islower(static_cast<unsigned char>(*letter)))
                << "case setting 2 starts in lower case: " << s.clue;
            if (s.kind == SuggestionKind::Example) {
                EXPECT_NE(s.clue.find("___"), std::string::npos) << s.clue;
            }
        }
    }
}

TEST(ClueSuggestions, SynonymsFromTheThesaurusWithoutTheDictionary) {
    test::ProgramDir dir;
    const auto thesaurus = LoadThesaurusFile(dir.File(ThesaurusFileName(1)));
    ASSERT_NE(thesaurus, nullptr);
    const auto list = SuggestClues("happy", ClueSources{nullptr, thesaurus.get(), 3});
    ASSERT_FALSE(list.empty());
    for (const ClueSuggestion& s : list) {
        EXPECT_EQ(s.kind, SuggestionKind::Synonym);
        EXPECT_EQ(s.clue.rfind("Synonym of ", 0), 0u) << s.clue;
    }
    EXPECT_TRUE(SuggestClues("happy", ClueSources{}).empty());
    EXPECT_EQ(WordNet::Open(dir.Path()), nullptr);  // no WordNet files there
    EXPECT_EQ(WordNet::Open(""), nullptr);
}

TEST(ClueSuggestions, ClueTextFitsAClue) {
    const std::string longText =
        "a large natural stream of water (larger than a creek), flowing in a channel on the way to the sea, a lake or "
        "another such stream; rivers are named and mapped (see below) in every atlas of the world";
    const std::string fitted = ClueText(longText, 3);
    EXPECT_LE(fitted.size(), kClueCapacityChars);
    EXPECT_EQ(fitted.find('('), std::string::npos);
    EXPECT_EQ(fitted.rfind("A large natural stream of water, flowing", 0), 0u) << fitted;
    EXPECT_NE(fitted.back(), ' ');
    EXPECT_NE(fitted.back(), ',');
    const struct {
        int caseSetting;
        const char* in;
        const char* out;
    } rows[] = {{1, "water frozen solid", "Water frozen solid"}, {2, "Water frozen solid", "water frozen solid"},
                {3, "water frozen solid", "Water frozen solid"}, {3, "  (computing) a store ", "(Computing) a store"}};
    for (const auto& r : rows) EXPECT_EQ(ClueText(r.in, r.caseSetting), r.out) << r.in;
    // A text without a blank before the limit is cut at the limit itself.
    EXPECT_EQ(ClueText(std::string(200, 'x'), 3).size(), kClueCapacityChars);
}

TEST(ClueFill, FillsOnlyEmptyCluesNamesTheRowsLeftAndUndoesInOneStep) {
    REQUIRE_WORDNET();
    EditorGrid grid;
    grid.words[0] = "APPLE";
    grid.words[1] = "TIGER";
    grid.clues[1] = "Striped cat";
    grid.words[3] = "XQZV";  // no dictionary knows it
    grid.clues[4] = "a clue without a word";
    grid.words[5] = " river ";
    grid.clues[5] = "   ";
    const ClueSources sources{Dictionary(), nullptr, 3};
    const ClueFillResult result = FillEmptyClues(grid, sources);
    ASSERT_EQ(result.filled.size(), 2u);
    EXPECT_EQ(result.filled[0].row, 1);
    EXPECT_EQ(result.filled[1].row, 6);
    EXPECT_EQ(grid.clues[0], SuggestClues("APPLE", sources).front().clue);
    EXPECT_EQ(grid.clues[1], "Striped cat");
    EXPECT_EQ(grid.clues[4], "a clue without a word");
    EXPECT_EQ(result.leftEmpty, std::vector<int>{4});
    EXPECT_EQ(FillSummary(result).text, "2 clues were filled.  No suggestion was found for row 4: its clue is still empty.");

    // A filled clue typed over since the fill is kept by the undo.
    grid.clues[5] = "Typed over";
    EXPECT_EQ(UndoFill(grid, result), 1);
    EXPECT_EQ(grid.clues[0], "");
    EXPECT_EQ(grid.clues[5], "Typed over");

    ClueFillResult many;
    for (int r = 1; r <= 23; ++r) many.leftEmpty.push_back(r);
    EXPECT_EQ(FillSummary(many).text,
              "0 clues were filled.  No suggestion was found for rows 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, "
              "15, 16, 17, 18, 19, 20 and 3 more: their clues are still empty.");
}

TEST(AnswerForms, InflectionsAndStemsOfTheAnswerAndNothingElse) {
    REQUIRE_WORDNET();
    const struct {
        const char* answer;
        const char* word;
        bool givesAway;
    } rows[] = {
        {"ANIMAL", "animals", true},  {"ANIMAL", "animate", false}, {"TEACHER", "teaches", true},
        {"TEACHER", "teach", true},   {"MOUSE", "mice", true},     {"MICE", "mouse", true},
        {"GO", "went", true},         {"RUN", "running", true},    {"RUN", "ran", true},
        {"HAPPY", "happiest", true},  {"HAPPY", "happiness", true}, {"CAT", "category", false},
        {"CAT", "cats", true},        {"ICE CREAM", "cream", true}, {"ICE CREAM", "icecream", true},
        {"PLAN", "plane", false},     {"STAR", "start", false},    {"A LOT", "a", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(AnswerForms(r.answer, Dictionary()).Matches(r.word), r.givesAway) << r.answer << " / " << r.word;
    const AnswerForms animal("ANIMAL", Dictionary());
    EXPECT_EQ(animal.FoundIn("An Animal that barks"), "Animal");
    EXPECT_EQ(animal.Blanked("Animals, and an animal's friend"), "___, and an ___'s friend");
}

}  // namespace
}  // namespace qf
