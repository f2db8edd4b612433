#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/SpellEngine.h"
#include "ProgramDir.h"

namespace qf {
namespace {

using test::ProgramDir;
using test::ReadFileText;
using test::WriteFile;

bool Rejected(SsceSession s, const char* word) {
    char replacement[50];
    return (SSCE_CheckWord(s, 128, word, replacement, 50) & 1) != 0;
}

std::vector<std::string> Suggestions(SsceSession s, const char* word, std::int32_t size, std::int16_t* count) {
    std::vector<char> buffer(static_cast<std::size_t>(size), 'X');
    std::int16_t scores[30];
    *count = SSCE_Suggest(s, word, -1, buffer.data(), size, scores, 30);
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < buffer.size() && buffer[i] != '\0') {
        words.emplace_back(buffer.data() + i);
        i += words.back().size() + 1;
    }
    EXPECT_LT(i, buffer.size()) << "list not closed by an empty word";
    return words;
}

class SpellEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = SSCE_OpenSession();
        ASSERT_GT(session, 0);
        ASSERT_GE(SSCE_OpenLex(session, dir.File("ssceam.tlx").c_str(), -1), 0);
        ASSERT_GE(SSCE_OpenLex(session, dir.File("ssceam1.clx").c_str(), -1), 0);
    }
    void TearDown() override { EXPECT_EQ(SSCE_CloseSession(session), 0); }
    ProgramDir dir;
    SsceSession session = -1;
};

TEST_F(SpellEngineTest, ChecksWordsAgainstDictionaryAndCompanion) {
    EXPECT_FALSE(Rejected(session, "bird"));
    EXPECT_FALSE(Rejected(session, "BIRD"));        // grid words are typed in capitals
    EXPECT_TRUE(Rejected(session, "brid"));
    EXPECT_FALSE(Rejected(session, "esne"));        // only the companion lexicon knows it
    EXPECT_FALSE(Rejected(session, "ice cream"));   // a phrase of known words
    EXPECT_TRUE(Rejected(session, "ice craem"));
    EXPECT_FALSE(Rejected(session, ""));
    EXPECT_TRUE(Rejected(session, std::string(150, 'a').c_str()));  // longer than the engine takes
    // Punctuation the clue delimiters leave on a word is not part of it.
    EXPECT_FALSE(Rejected(session, "Hello!"));
    EXPECT_FALSE(Rejected(session, "'Hello'"));
    EXPECT_FALSE(Rejected(session, "\x93quoted\x94"));  // Windows-1252 curly quotes
    EXPECT_FALSE(Rejected(session, "!"));
    EXPECT_FALSE(Rejected(session, "don't"));
    EXPECT_TRUE(Rejected(session, "Helo!"));
    char replacement[50] = "junk";
    SSCE_CheckWord(session, 128, "bird", replacement, 50);
    EXPECT_STREQ(replacement, "");
}

TEST_F(SpellEngineTest, SuggestionsAreNulEndedAndFitTheBuffer) {
    std::int16_t count = 0;
    const auto words = Suggestions(session, "brid", 500, &count);
    EXPECT_EQ(count, static_cast<std::int16_t>(words.size()));
    EXPECT_NE(std::find(words.begin(), words.end(), "bird"), words.end());
    // A buffer too small for all of them holds whole words only, still closed by an empty word.
    const auto few = Suggestions(session, "brid", 12, &count);
    ASSERT_FALSE(few.empty());
    std::size_t used = 1;
    for (const auto& w : few) used += w.size() + 1;
    EXPECT_LE(used, 12u);
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.begin() + static_cast<long>(few.size())), few);
    EXPECT_TRUE(Suggestions(session, "xqzjvw", 500, &count).empty());
    EXPECT_EQ(count, 0);
    const auto kept = Suggestions(session, "'Helo!", 500, &count);
    EXPECT_NE(std::find(kept.begin(), kept.end(), "'Hello!"), kept.end());
    EXPECT_TRUE(Suggestions(session, "?!", 500, &count).empty());
    // Companion words within one letter are offered too.
    const auto companion = Suggestions(session, "esme", 500, &count);
    EXPECT_NE(std::find(companion.begin(), companion.end(), "esne"), companion.end());
}

TEST_F(SpellEngineTest, ExcludeListRefusesAndIncludeListAccepts) {
    WriteFile(dir.File("ExcEngl.tlx"), "bird\n");
    WriteFile(dir.File("IncEngl.tlx"), "Quernfold\r\nzxq\nAT&T\n");
    const SsceSession s = SSCE_OpenSession();
    ASSERT_GE(SSCE_OpenLex(s, dir.File("ExcEngl.tlx").c_str(), -1), 0);
    ASSERT_GE(SSCE_OpenLex(s, dir.File("IncEngl.tlx").c_str(), -1), 0);
    ASSERT_GE(SSCE_OpenLex(s, dir.File("ssceam.tlx").c_str(), -1), 0);
    EXPECT_TRUE(Rejected(s, "bird"));
    EXPECT_TRUE(Rejected(s, "Bird"));
    EXPECT_FALSE(Rejected(s, "quernfold"));
    EXPECT_FALSE(Rejected(s, "zxq"));
    EXPECT_FALSE(Rejected(s, "AT&T"));
    EXPECT_TRUE(Rejected(s, "bird!"));   // punctuation does not get round the exclude list
    EXPECT_TRUE(Rejected(s, "big bird"));
    // An excluded word is not offered as a suggestion either.
    std::int16_t count = 0;
    const auto words = Suggestions(s, "brid", 500, &count);
    EXPECT_EQ(std::find(words.begin(), words.end(), "bird"), words.end());
    EXPECT_EQ(SSCE_CloseSession(s), 0);
}

TEST(SpellEngine, IdentifiersAndFailures) {
    ProgramDir dir;
    const int before = SSCE_OpenSessionCount();
    const SsceSession a = SSCE_OpenSession();
    const SsceSession b = SSCE_OpenSession();
    EXPECT_GT(a, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(SSCE_OpenSessionCount(), before + 2);
    EXPECT_LT(SSCE_OpenLex(a, dir.File("missing.tlx").c_str(), -1), 0);
    EXPECT_LT(SSCE_OpenLex(a, dir.Path().c_str(), -1), 0);  // a folder
    WriteFile(dir.File("bad.tlx"), "QUERNFOLD LEXICON 1\nkind main\ndictionary no_SUCH\n");
    EXPECT_LT(SSCE_OpenLex(a, dir.File("bad.tlx").c_str(), -1), 0);
    WriteFile(dir.File("escape.tlx"), "QUERNFOLD LEXICON 1\nkind main\ndictionary ../hunspell/en_US\n");
    EXPECT_LT(SSCE_OpenLex(a, dir.File("escape.tlx").c_str(), -1), 0);
    WriteFile(dir.File("odd.tlx"), "QUERNFOLD LEXICON 1\nkind strange\n");
    EXPECT_LT(SSCE_OpenLex(a, dir.File("odd.tlx").c_str(), -1), 0);
    const SsceLexId lex = SSCE_OpenLex(a, dir.File("ssceam1.clx").c_str(), 0);
    EXPECT_GE(lex, 0);
    EXPECT_LT(SSCE_OpenLex(999, dir.File("ssceam1.clx").c_str(), -1), 0);
    EXPECT_LT(SSCE_CloseLex(b, lex + 7), 0);
    EXPECT_EQ(SSCE_CloseLex(a, lex), 0);
    EXPECT_EQ(SSCE_CloseSession(a), 0);
    EXPECT_EQ(SSCE_CloseSession(b), 0);
    EXPECT_LT(SSCE_CloseSession(b), 0);
    EXPECT_EQ(SSCE_OpenSessionCount(), before);
}

TEST(SpellEngine, UserListsAreWordLinesWrittenThroughTheEngine) {
    test::TempDir dir;
    const std::string path = dir.File("IncBrit.tlx");
    const SsceSession s = SSCE_OpenSession();
    const SsceLexId lex = SSCE_CreateLex(s, path.c_str(), kSsceIncludeList, 2057);
    ASSERT_GE(lex, 0);
    EXPECT_EQ(ReadFileText(path), "");
    EXPECT_EQ(SSCE_AddToLex(s, lex, "etui", ""), 0);
    EXPECT_EQ(SSCE_AddToLex(s, lex, "caf\xE9", ""), 0);  // Windows-1252 in, UTF-8 on disk
    EXPECT_LT(SSCE_AddToLex(s, lex, "two\nlines", ""), 0);
    EXPECT_LT(SSCE_AddToLex(s, lex, "", ""), 0);
    EXPECT_EQ(ReadFileText(path), "etui\ncaf\xC3\xA9\n");

    std::int32_t size = -1;
    std::int16_t format = -1, kind = -1, language = -1;
    ASSERT_EQ(SSCE_GetLexInfo(s, lex, &size, &format, &kind, &language), 0);
    EXPECT_EQ(size, 10);  // "etui\0caf\xE9\0"
    EXPECT_EQ(kind, kSsceIncludeList);
    char buffer[10];
    ASSERT_EQ(SSCE_GetLex(s, lex, buffer, 10), 10);
    EXPECT_EQ(std::string(buffer, 10), std::string("etui\0caf\xE9\0", 10));
    EXPECT_EQ(SSCE_GetLex(s, lex, buffer, 6), 5);  // whole words only
    EXPECT_LT(SSCE_CreateLex(s, dir.File("x.tlx").c_str(), 2, 1033), 0);
    SSCE_CloseSession(s);

    // A hand-edited list: missing final line break, CRLF, a NUL, a Windows-1252 line.
    test::WriteFile(path, std::string("one\r\n\r\ntw\0o\nna\xEFve\nlast", 22));
    const SsceSession t = SSCE_OpenSession();
    const SsceLexId again = SSCE_OpenLex(t, path.c_str(), -1);
    ASSERT_GE(again, 0);
    SSCE_GetLexInfo(t, again, &size, &format, &kind, &language);
    std::vector<char> words(static_cast<std::size_t>(size));
    SSCE_GetLex(t, again, words.data(), size);
    EXPECT_EQ(std::string(words.begin(), words.end()), std::string("one\0tw\0o\0na\xEFve\0last\0", 20));
    EXPECT_EQ(SSCE_AddToLex(t, again, "next", ""), 0);
    EXPECT_EQ(ReadFileText(path).substr(18), "last\nnext\n");
    SSCE_CloseSession(t);

    const SsceSession u = SSCE_OpenSession();
    const SsceLexId include = SSCE_OpenLex(u, dir.File("IncBrit.tlx").c_str(), -1);
    SSCE_GetLexInfo(u, include, &size, &format, &kind, &language);
    EXPECT_EQ(kind, kSsceIncludeList);
    test::WriteFile(dir.File("ExcBrit.tlx"), "x\n");
    SSCE_GetLexInfo(u, SSCE_OpenLex(u, dir.File("ExcBrit.tlx").c_str(), -1), &size, &format, &kind, &language);
    EXPECT_EQ(kind, kSsceExcludeList);
    SSCE_CloseSession(u);
}

TEST(SpellEngine, EightLanguagesSpeakWindows1252) {
    ProgramDir dir;
    struct Case { const char* lexicon; const char* good; const char* bad; };
    const Case cases[] = {
        {"sscefr.tlx", "caf\xE9", "cafz\xE9"},       {"sscege.tlx", "Stra\xDF" "e", "Strasze"},
        {"sscesp.tlx", "a\xF1o", "a\xF1oo"},          {"ssceit.tlx", "citt\xE0", "cittx"},
        {"sscedu.tlx", "fiets", "fietz"},              {"sscesw.tlx", "sm\xF6rg\xE5s", "smorgxs"},
        {"sscebr.tlx", "colour", "colourr"},           {"ssceam.tlx", "color", "colorr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lexicon);
        const SsceSession s = SSCE_OpenSession();
        ASSERT_GE(SSCE_OpenLex(s, dir.File(c.lexicon).c_str(), -1), 0);
        EXPECT_FALSE(Rejected(s, c.good));
        EXPECT_TRUE(Rejected(s, c.bad));
        SSCE_CloseSession(s);
    }
}

}  // namespace
}  // namespace qf
