// The shared text and number helpers.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/TextHelpers.h"

namespace qf {
namespace {

TEST(TextHelpers, TrimAndPad) {
    EXPECT_EQ(TrimBlanks("  ice cream  "), "ice cream");
    EXPECT_EQ(TrimBlanks("\tword\t"), "\tword\t");  // only character 32 is a blank
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadLeft("ab", 4), "  ab");
    EXPECT_EQ(PadLeft("abcde", 3), "abcde");
    EXPECT_EQ(PadRight("abcde", 3), "abcde");
}

TEST(TextHelpers, CaseMappings) {
    EXPECT_EQ(LowerAscii("ABC xyz \xC9"), "abc xyz \xC9");  // É stays
    EXPECT_EQ(UpperLetter('a'), 'A');
    EXPECT_EQ(UpperLetter('z'), 'Z');
    EXPECT_EQ(UpperLetter('\xE9'), '\xC9');  // é -> É
    EXPECT_EQ(UpperLetter('\xE0'), '\xC0');
    EXPECT_EQ(UpperLetter('\xFE'), '\xDE');
    EXPECT_EQ(UpperLetter('\xF7'), '\xF7');  // ÷ unchanged
    EXPECT_EQ(UpperLetter('\xFF'), '\xFF');  // ÿ unchanged
    EXPECT_EQ(UpperLetter('-'), '-');
    EXPECT_EQ(UpperLetters("o'neil-\xF1"), "O'NEIL-\xD1");
}

TEST(TextHelpers, ListOrderSetsCaseAndAccentsAside) {
    EXPECT_EQ(ListSortKey("\xC9" "cole d'\xE9t\xE9"), "ecole d'ete");
    EXPECT_EQ(ListSortKey("Stra\xDF" "e \xC6on \x8A" "ar"), "strasse aeon sar");
    // An accented E stands with the E's, not after "zoo" nor before "apple".
    std::vector<std::string> titles{"zoo", "\xC9" "cole", "apple", "Echo", "eclair"};
    std::stable_sort(titles.begin(), titles.end(), [](const auto& a, const auto& b) { return ListOrderLess(a, b); });
    EXPECT_EQ(titles, (std::vector<std::string>{"apple", "Echo", "eclair", "\xC9" "cole", "zoo"}));
    EXPECT_FALSE(ListOrderLess("Ecole", "\xC9" "cole"));  // equal keys: the order they came in
    EXPECT_FALSE(ListOrderLess("\xC9" "cole", "Ecole"));
    EXPECT_TRUE(ListOrderLess("15x15 Star", "9x9 Small"));  // text, not numbers
    EXPECT_TRUE(ListOrderLess("~tilde", "\xA9 sign"));     // other bytes compare unsigned
}

TEST(TextHelpers, MakeCopyName) {
    EXPECT_EQ(MakeCopyName("Quiz", 35), "Quiz (2)");
    EXPECT_EQ(MakeCopyName("Quiz (9)", 35), "Quiz (10)");
    EXPECT_EQ(MakeCopyName("Quiz (0)", 35), "Quiz (0) (2)");
    EXPECT_EQ(MakeCopyName("Quiz (x)", 35), "Quiz (x) (2)");
    EXPECT_EQ(MakeCopyName("(5)", 35), "(6)");
    EXPECT_EQ(MakeCopyName("  Quiz  ", 35), "Quiz (2)");
    EXPECT_EQ(MakeCopyName("Quiz ( 4)", 35), "Quiz (5)");
    EXPECT_EQ(MakeCopyName("Quiz (3a)", 35), "Quiz (4)");  // digits read so far count
    // Cut to the capacity: 33 characters + " (2)" keep " (", 34 characters keep only the blank.
    const std::string copy33 = MakeCopyName(std::string(33, 'T'), 35);
    EXPECT_EQ(copy33, std::string(33, 'T') + " (");
    EXPECT_EQ(MakeCopyName(std::string(34, 'T'), 35), std::string(34, 'T') + " ");
    EXPECT_EQ(MakeCopyName("Layout (9)", 20), "Layout (10)");
    EXPECT_EQ(MakeCopyName("Worksheet", 20), "Worksheet (2)");
}

TEST(TextHelpers, FormatNumber) {
    EXPECT_EQ(FormatNumber(1234, 1, 0), "1,234");
    EXPECT_EQ(FormatNumber(1234567.5, 1, 1), "1,234,567.5");
    EXPECT_EQ(FormatNumber(-123, 1, 0), "-123");
    EXPECT_EQ(FormatNumber(-123456, 1, 0), "-123,456");
    EXPECT_EQ(FormatNumber(999, 1, 0), "999");
    EXPECT_EQ(FormatNumber(1000000, 1, 0), "1,000,000");
    EXPECT_EQ(FormatNumber(9, 1, 0), "9");
    EXPECT_EQ(FormatNumber(8.5, 1, 0), "9");  // halves away from zero: a custom 8.5" page lists as 9
    EXPECT_EQ(FormatNumber(11.5, 1, 0), "12");
    EXPECT_EQ(FormatNumber(1234, 8, 0), "   1,234");
    EXPECT_EQ(FormatNumber(12.345, 1, 2), "12.35");
}

TEST(TextHelpers, FormatPlain) {
    EXPECT_EQ(FormatPlain(42, 1, 0), "42");
    EXPECT_EQ(FormatPlain(-7, 1, 0), "-7");
    EXPECT_EQ(FormatPlain(3.14159, 6, 2), "  3.14");
    EXPECT_EQ(FormatPlain(-0.001, 1, 0), "0");
}

TEST(TextHelpers, ReadingWholeNumbers) {
    EXPECT_EQ(ReadLeadingInteger("1024"), 1024);
    EXPECT_EQ(ReadLeadingInteger("1024x"), 1024);
    EXPECT_EQ(ReadLeadingInteger("  -15"), -15);
    EXPECT_EQ(ReadLeadingInteger("-15x"), 15);  // the digits read so far count, without the sign
    EXPECT_EQ(ReadLeadingInteger(""), 0);
    EXPECT_EQ(ReadLeadingInteger("abc"), 0);
    EXPECT_EQ(ReadLeadingInteger("99999999999999"), 2147483647);
    EXPECT_EQ(ReadLeadingDigits(" 12 tries"), 12);
    EXPECT_EQ(ReadLeadingDigits("-5"), 0);
}

}  // namespace
}  // namespace qf
