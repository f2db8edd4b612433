#include <gtest/gtest.h>

#include "editor/ClueTokens.h"
#include "editor/SpellCheck.h"

namespace qf {
namespace {

using Tokens = std::vector<std::string>;

TEST(ClueTokens, DelimitersAreExactlyTheSeventeen) {
    std::string found;
    for (int c = 1; c < 256; ++c)
        if (IsClueDelimiter(static_cast<char>(c))) found += static_cast<char>(c);
    EXPECT_EQ(found, "\"()+,-./:;<=>?\\{}");
    EXPECT_FALSE(IsClueDelimiter(' '));
    EXPECT_FALSE(IsClueDelimiter('\''));
    EXPECT_FALSE(IsClueDelimiter('!'));
}

TEST(ClueTokens, DelimitersAndBlanksCutTheClue) {
    // The worked example: a blank after the comma leaves an empty token.
    EXPECT_EQ(SplitClueTokens("Fly, brid."), (Tokens{"Fly", ",", "", "brid", ".", ""}));
    EXPECT_EQ(SplitClueTokens("a  b"), (Tokens{"a", "", "b"}));
    EXPECT_EQ(SplitClueTokens("(x)"), (Tokens{"", "(", "x", ")", ""}));
    EXPECT_EQ(SplitClueTokens("don't"), (Tokens{"don't"}));
    EXPECT_EQ(SplitClueTokens(""), (Tokens{""}));
    EXPECT_EQ(SplitClueTokens("well-known"), (Tokens{"well", "-", "known"}));
}

TEST(ClueTokens, RebuildPutsBlanksAroundDelimiters) {
    Tokens tokens = SplitClueTokens("Fly, brid.");
    tokens[3] = "bird";
    EXPECT_EQ(RebuildClue(tokens), "Fly ,  bird .");
    EXPECT_EQ(RebuildClue(SplitClueTokens("(x)")), "( x )");
    EXPECT_EQ(RebuildClue(SplitClueTokens("a  b")), "a  b");
}

TEST(ClueTokens, TheCheckAsksAboutTheWordsOfTheTrimmedClue) {
    const auto words = ClueWordsToCheck("  (Fly,  brid.) ");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].word, "Fly");
    EXPECT_EQ(words[0].token, 2u);  // "", "(", "Fly", ...: where a replacement goes
    EXPECT_EQ(words[1].word, "brid");
    EXPECT_EQ(words[1].token, 6u);  // two blanks after the comma: two empty tokens
    EXPECT_TRUE(ClueWordsToCheck("  .,  ").empty());
}

TEST(ClueTokens, FiftiethTokenTakesTheRest) {
    std::string clue;
    for (int i = 1; i <= 49; ++i) clue += "w" + std::to_string(i) + " ";
    clue += "last one, and more.";
    const Tokens tokens = SplitClueTokens(clue);
    ASSERT_EQ(tokens.size(), kMaxClueTokens);
    EXPECT_EQ(tokens[48], "w49");
    EXPECT_EQ(tokens[49], "last one, and more.");
    EXPECT_EQ(StripDelimiters(tokens[49]), "last one and more");

    // A delimiter that becomes the 50th token keeps what follows.
    std::string commas;
    for (int i = 0; i < 30; ++i) commas += "a,";
    const Tokens t2 = SplitClueTokens(commas);
    ASSERT_EQ(t2.size(), kMaxClueTokens);
    EXPECT_EQ(t2[48], "a");
    EXPECT_EQ(t2[49], ",a,a,a,a,a,");  // 25th comma, then the last five pairs
}

TEST(ClueTokens, LongTokensAreKeptWhole) {
    // Cutting a token would lose text of the clue when it is rebuilt after a replacement.
    const std::string longWord(200, 'x');
    const Tokens tokens = SplitClueTokens("bird " + longWord);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1], longWord);
}

}  // namespace
}  // namespace qf
