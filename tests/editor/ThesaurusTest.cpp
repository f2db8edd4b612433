#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/ThesaurusEngine.h"
#include "editor/ThesaurusLookup.h"
#include "ProgramDir.h"

namespace qf {
namespace {

using test::ProgramDir;
using test::TempDir;
using test::WriteFile;
using Words = std::vector<std::string>;

bool Contains(const Words& words, const std::string& w) {
    return std::find(words.begin(), words.end(), w) != words.end();
}

// A small MyThes thesaurus written by the test: word -> meaning lines ("(adj)|a|b (antonym)").
std::string MakeThesaurus(const TempDir& dir, const std::map<std::string, Words>& entries) {
    std::string dat = "UTF-8\n", idx;
    for (const auto& [word, meanings] : entries) {
        idx += word + "|" + std::to_string(dat.size()) + "\n";
        dat += word + "|" + std::to_string(meanings.size()) + "\n";
        for (const auto& m : meanings) dat += m + "\n";
    }
    WriteFile(dir.File("th_test.dat"), dat);
    WriteFile(dir.File("th_test.idx"), "UTF-8\n" + std::to_string(entries.size()) + "\n" + idx);
    WriteFile(dir.File("test.cth"), "QUERNFOLD THESAURUS 1\nthesaurus " + dir.File("th_test") + "\n");
    return dir.File("test.cth");
}

class ThesaurusTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lookup.OpenThes(dir.File("thesdbam.cth")).IsDone()); }
    ProgramDir dir;
    ThesaurusLookup lookup;
};

TEST(ThesaurusNames, SplitCodesAndDisplayForms) {
    char base[256];
    std::uint32_t code = 1;
    ThesDB_SplitCategoryName("bright.adj", base, 256, &code);
    EXPECT_STREQ(base, "bright");
    EXPECT_EQ(code, 0x61646A00u);
    ThesDB_SplitCategoryName("end.v", base, 256, &code);
    EXPECT_EQ(code, 0x76000000u);
    ThesDB_SplitCategoryName(".22 caliber.n", base, 256, &code);
    EXPECT_STREQ(base, ".22 caliber");
    EXPECT_EQ(code, 0x6E000000u);
    ThesDB_SplitCategoryName("well.adv", base, 256, &code);
    EXPECT_EQ(code, 0x61647600u);

    EXPECT_EQ(CategoryDisplayForm("bright.adj"), "bright (adjective)");
    EXPECT_EQ(CategoryDisplayForm("amble.n"), "amble (noun)");
    EXPECT_EQ(CategoryDisplayForm("amble.v"), "amble (verb)");
    EXPECT_EQ(CategoryDisplayForm("well.adv"), "well (adverb)");
    EXPECT_EQ(CategoryDisplayForm("odd.prep"), "odd");
    EXPECT_EQ(CategoryNameFromDisplay("bright (adjective)"), "bright.adj");
    EXPECT_EQ(CategoryNameFromDisplay("people of colour (noun)"), "people of colour.n");
    EXPECT_EQ(CategoryNameFromDisplay("end (verb)"), "end.v");
    EXPECT_EQ(CategoryNameFromDisplay("well (adverb)"), "well.adv");
    EXPECT_EQ(CategoryNameFromDisplay("odd"), ".adv");
}

TEST_F(ThesaurusTest, MeaningsBecomeCategories) {
    const LookUpResult amble = lookup.LookUpWord("  amble ");
    EXPECT_EQ(amble.categories, (Words{"amble (noun)", "amble (verb)"}));
    EXPECT_TRUE(amble.antonyms.empty());
    EXPECT_TRUE(amble.message.Empty());

    const LookUpResult bright = lookup.LookUpWord("Bright");
    ASSERT_GE(bright.categories.size(), 3u);
    EXPECT_EQ(bright.categories[0], "bright (adjective)");
    EXPECT_EQ(bright.categories[1], "brilliant (adjective)");
    EXPECT_EQ(bright.categories.back(), "bright (adverb)");
    EXPECT_TRUE(Contains(bright.synonyms, "gleaming"));  // the first category's synonyms
    EXPECT_FALSE(Contains(bright.synonyms, "dull"));     // antonyms are not synonyms
    EXPECT_TRUE(bright.acceptEnabled);
    // Each category gives its own meaning's synonyms.
    EXPECT_TRUE(Contains(lookup.LoadInSyns("brilliant (adjective)").synonyms, "vivid"));
    EXPECT_EQ(lookup.LoadInSyns("bright (adverb)").synonyms, (Words{"brilliantly", "brightly"}));
    EXPECT_TRUE(Contains(bright.antonyms, "dull (adjective)"));
    const SynonymList dull = lookup.LoadInSyns("dull (adjective)");
    ASSERT_FALSE(dull.synonyms.empty());
    EXPECT_EQ(dull.synonyms[0], "dull");
}

TEST_F(ThesaurusTest, SameAntonymListedOnce) {
    const LookUpResult begin = lookup.LookUpWord("begin");
    EXPECT_EQ(begin.antonyms, (Words{"end (verb)"}));  // three meanings name "end"
    const LookUpResult back = lookup.LookUpWord("back");
    // The same word as two parts of speech is two entries.
    EXPECT_TRUE(Contains(back.antonyms, "front (adjective)"));
    EXPECT_TRUE(Contains(back.antonyms, "front (noun)"));
    EXPECT_EQ(std::count(back.antonyms.begin(), back.antonyms.end(), "front (noun)"), 1);
}

TEST_F(ThesaurusTest, NotFoundAndSuggestions) {
    const LookUpResult none = lookup.LookUpWord("brid");
    EXPECT_TRUE(none.categories.empty());
    EXPECT_EQ(none.message.text,
              "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.");
    EXPECT_EQ(none.message.caption, "Warning");
    EXPECT_EQ(lookup.LookUpWord("   ").message.text, none.message.text);  // an empty word

    Words similar;
    EXPECT_TRUE(lookup.Suggestions("brid", similar).IsDone());
    EXPECT_TRUE(Contains(similar, "bird"));
    EXPECT_TRUE(Contains(similar, "bride"));
    EXPECT_TRUE(Contains(similar, "bridal"));  // a neighbouring index entry
    EXPECT_LE(similar.size(), 25u);
    const Outcome none2 = lookup.Suggestions("xqzjvw", similar);
    EXPECT_TRUE(similar.empty());
    EXPECT_EQ(none2.message.text, "No suggestions found for the word xqzjvw.");
    EXPECT_EQ(none2.message.caption, "Error");
}

TEST(Thesaurus, BritishAndMissingFiles) {
    ProgramDir dir;
    ThesaurusLookup british;
    ASSERT_TRUE(british.OpenThes(dir.File("thesdbbr.cth")).IsDone());
    EXPECT_TRUE(Contains(british.LookUpWord("colour").categories, "colour (noun)"));
    british.CloseThes();

    const int before = ThesDB_OpenSessionCount();
    ThesaurusLookup missing;
    const auto failure = missing.OpenThes(dir.File("thesdbxx.cth"));
    ASSERT_TRUE(failure.IsRefused());
    EXPECT_EQ(failure.message.text, "Could not find the Thesaurus file.");
    EXPECT_EQ(failure.message.caption, "Error");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_TRUE(missing.LookUpWord("bright").categories.empty());
    EXPECT_EQ(ThesDB_OpenSessionCount(), before);
}

TEST(Thesaurus, AntonymListLimits) {
    TempDir dir;
    Words meanings;
    for (int i = 0; i < 30; ++i) {
        const std::string name = "opp" + std::to_string(i) + std::string(55, 'o');
        meanings.push_back("(adj)|alt" + std::to_string(i) + "|" + name + " (antonym)");
    }
    meanings.push_back("(adj)|void (antonym)");
    const std::string cth = MakeThesaurus(dir, {{"many", meanings}, {"lonely", {"(noun)|x (antonym)"}}});
    ThesaurusLookup lookup;
    ASSERT_TRUE(lookup.OpenThes(cth).IsDone());
    const LookUpResult r = lookup.LookUpWord("many");
    EXPECT_EQ(r.categories.size(), 31u);
    ASSERT_EQ(r.antonyms.size(), 25u);
    for (const auto& a : r.antonyms) EXPECT_LE(a.size(), 50u);
    EXPECT_EQ(r.antonyms[0], "opp0" + std::string(46, 'o'));  // the tag is cut off with the rest
    EXPECT_EQ(r.antonyms[24], "opp24" + std::string(45, 'o'));

    // A meaning without synonyms leaves nothing to accept.
    const LookUpResult lonely = lookup.LookUpWord("lonely");
    EXPECT_EQ(lonely.categories, (Words{"lonely (noun)"}));
    EXPECT_TRUE(lonely.synonyms.empty());
    EXPECT_FALSE(lonely.acceptEnabled);
}

TEST(Thesaurus, DamagedIndexIsRefused) {
    TempDir dir;
    WriteFile(dir.File("th_bad.dat"), "UTF-8\nword|1\n(noun)|x\n");
    WriteFile(dir.File("th_bad.idx"), "UTF-8\n5\nword|6\n");  // claims five entries
    WriteFile(dir.File("bad.cth"), "QUERNFOLD THESAURUS 1\nthesaurus th_bad\n");
    WriteFile(dir.File("th_off.dat"), "UTF-8\n");
    WriteFile(dir.File("th_off.idx"), "UTF-8\n1\nword|99999\n");  // offset past the data
    WriteFile(dir.File("off.cth"), "QUERNFOLD THESAURUS 1\nthesaurus th_off\n");
    WriteFile(dir.File("junk.cth"), "not a thesaurus\n");
    ThesaurusLookup lookup;
    for (const char* name : {"bad.cth", "off.cth", "junk.cth"})
        EXPECT_TRUE(lookup.OpenThes(dir.File(name)).IsRefused()) << name;
}

}  // namespace
}  // namespace qf
