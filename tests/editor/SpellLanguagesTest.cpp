#include <filesystem>

#include <gtest/gtest.h>

#include "base/FileUtil.h"
#include "editor/LexiconFiles.h"
#include "editor/SpellEngine.h"
#include "editor/SpellLanguages.h"
#include "ProgramDir.h"

namespace qf {
namespace {

namespace fs = std::filesystem;
using test::ProgramDir;
using test::TempDir;

// A dictionary folder holding only the named system dictionaries.
void LinkDictionaries(const TempDir& dir, std::initializer_list<const char*> names) {
    for (const char* name : names)
        for (const char* ext : {".aff", ".dic"})
            fs::create_symlink(std::string("/usr/share/hunspell/") + name + ext, dir.File(std::string(name) + ext));
}

TEST(SpellLanguages, TableOfFilesAndCodes) {
    const auto& t = SpellLanguages();
    ASSERT_EQ(t.size(), 8u);
    EXPECT_STREQ(t[0].companionLexicon, "ssceam1.clx");
    EXPECT_STREQ(t[4].includeList, "IncFrnch.tlx");
    EXPECT_STREQ(t[6].excludeList, "ExcDutch.tlx");
    EXPECT_EQ(t[6].code, 1030);
    EXPECT_EQ(t[7].code, 1053);
    EXPECT_STREQ(t[7].caption, "S&wedish");
    EXPECT_EQ(FindSpellLanguage(0), nullptr);
    EXPECT_EQ(FindSpellLanguage(9), nullptr);
    const UserListNames choose = UserListNamesFor(9);
    EXPECT_EQ(choose.include, "IncEngl.tlx");
    EXPECT_EQ(choose.exclude, "ExcEngl.tlx");
    EXPECT_EQ(choose.code, 1033);
    EXPECT_TRUE(UserListNamesFor(0).Empty());
    EXPECT_STREQ(ThesaurusFileName(1), "thesdbam.cth");
    EXPECT_STREQ(ThesaurusFileName(2), "thesdbbr.cth");
    EXPECT_EQ(ThesaurusFileName(3), nullptr);
}

TEST(SpellLanguages, InstalledDictionariesGetFiles) {
    ProgramDir dir;
    const Directories dirs{dir.Path(), {}};
    for (int v = 1; v <= 8; ++v) EXPECT_TRUE(SpellLanguageAvailable(dirs, v)) << v;
    EXPECT_TRUE(ThesaurusAvailable(dirs, 1));
    EXPECT_TRUE(ThesaurusAvailable(dirs, 2));
    EXPECT_EQ(test::ReadFileText(dir.File("ssceam.tlx")), "QUERNFOLD LEXICON 1\nkind main\ndictionary en_US\n");
    EXPECT_EQ(test::ReadFileText(dir.File("thesdbam.cth")),
              "QUERNFOLD THESAURUS 1\nthesaurus th_en_US_v2\ndictionary en_US\n");
    // No en-GB thesaurus is packaged: British falls back to the Commonwealth one.
    EXPECT_NE(test::ReadFileText(dir.File("thesdbbr.cth")).find("thesaurus th_en_AU_v2\n"), std::string::npos);
    const auto companion = ParseLexiconDescriptor(test::ReadFileText(dir.File("sscebr1.clx")));
    ASSERT_TRUE(companion.has_value());
    EXPECT_NE(std::find(companion->words.begin(), companion->words.end(), "esne"), companion->words.end());
}

TEST(SpellLanguages, MissingDictionaryMakesLanguageUnavailable) {
    TempDir dicts, noThesauri;
    LinkDictionaries(dicts, {"en_US", "de_DE"});
    LexiconSetup setup;
    setup.dictionaryDirs = {dicts.Path()};
    setup.thesaurusDirs = {noThesauri.Path()};
    ProgramDir dir(setup);
    const Directories dirs{dir.Path(), {}};
    EXPECT_TRUE(SpellLanguageAvailable(dirs, 1));
    EXPECT_FALSE(SpellLanguageAvailable(dirs, 5));
    EXPECT_FALSE(FileExists(dir.File("sscefr.tlx")));
    // The descriptor names a dictionary outside the system folders by its path.
    EXPECT_EQ(test::ReadFileText(dir.File("ssceam.tlx")),
              "QUERNFOLD LEXICON 1\nkind main\ndictionary " + dicts.File("en_US") + "\n");

    EXPECT_EQ(CorrectDictionarySetting(5, dirs), 1);  // French missing: American
    EXPECT_EQ(CorrectDictionarySetting(6, dirs), 6);
    EXPECT_EQ(CorrectDictionarySetting(9, dirs), 9);
    EXPECT_EQ(CorrectDictionarySetting(0, dirs), 0);
    EXPECT_EQ(CorrectThesaurusSetting(2, dirs), 0);    // neither thesaurus: none
    EXPECT_EQ(CorrectThesaurusSetting(3, dirs), 3);

    std::remove(dir.File("ssceam1.clx").c_str());
    EXPECT_EQ(CorrectDictionarySetting(5, dirs), 0);  // and without American: none
    EXPECT_EQ(CorrectDictionarySetting(1, dirs), 0);
    EXPECT_EQ(CorrectDictionarySetting(9, dirs), 9);
    EXPECT_TRUE(AnySpellLanguageAvailable(dirs));
    Settings settings;
    settings.dictionary = 2;
    settings.thesaurus = 1;
    CorrectLanguageSettings(settings, dirs);
    EXPECT_EQ(settings.dictionary, 0);
    EXPECT_EQ(settings.thesaurus, 0);

    // Setting up again after a dictionary went away removes its old files.
    ProgramDir full;
    fs::remove(dicts.File("de_DE.aff"));
    ASSERT_TRUE(WriteLexiconFiles(full.Path(), setup).has_value());
    EXPECT_FALSE(FileExists(full.File("sscege1.clx")));
    EXPECT_FALSE(FileExists(full.File("thesdbam.cth")));
    EXPECT_TRUE(FileExists(full.File("ssceam1.clx")));
}

TEST(SpellLanguages, ThesaurusFallsBackToAmerican) {
    TempDir thes;
    for (const char* ext : {".idx", ".dat"})
        fs::create_symlink(std::string("/usr/share/mythes/th_en_US_v2") + ext,
                           thes.File(std::string("th_en_US_v2") + ext));
    LexiconSetup setup;
    setup.thesaurusDirs = {thes.Path()};
    ProgramDir dir(setup);
    const Directories dirs{dir.Path(), {}};
    EXPECT_EQ(CorrectThesaurusSetting(2, dirs), 1);
    EXPECT_EQ(CorrectThesaurusSetting(1, dirs), 1);
}

TEST(SpellLanguages, DescriptorsRoundTripAndRejectDamage) {
    LexiconDescriptor lex{LexiconDescriptor::Kind::Companion, {}, {"etui", "caf\xE9"}};
    const std::string text = FormatLexiconDescriptor(lex);
    EXPECT_EQ(text, "QUERNFOLD LEXICON 1\nkind companion\nwords\netui\ncaf\xC3\xA9\n");
    const auto back = ParseLexiconDescriptor(text);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->words, lex.words);
    EXPECT_FALSE(ParseLexiconDescriptor("bird\nsparrow\n").has_value());  // a user list
    EXPECT_FALSE(ParseLexiconDescriptor("QUERNFOLD LEXICON 1\nkind main\n").has_value());
    EXPECT_FALSE(ParseLexiconDescriptor("QUERNFOLD LEXICON 1\ndictionary en_US\n").has_value());
    EXPECT_FALSE(ParseThesaurusDescriptor("QUERNFOLD THESAURUS 1\ndictionary en_US\n").has_value());
    EXPECT_FALSE(FindHunspellDictionary("../hunspell/en_US", "/usr/share/hunspell").has_value());
    EXPECT_FALSE(FindHunspellDictionary("", "/tmp").has_value());
    EXPECT_TRUE(FindHunspellDictionary("/usr/share/hunspell/en_US", "").has_value());
}

}  // namespace
}  // namespace qf
