// Windows-1252 text to and from UTF-8.
#include <gtest/gtest.h>

#include "base/Ansi.h"

namespace qf {
namespace {

TEST(Ansi, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = AnsiToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    bool lossy = true;
    EXPECT_EQ(Utf8ToAnsi(utf8, &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(Ansi, KnownCharactersAndLosses) {
    EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    bool lossy = false;
    EXPECT_EQ(Utf8ToAnsi("\xE2\x82\xAC \xE2\x98\x83", &lossy), "\x80 ?");  // a snowman is not in 1252
    EXPECT_TRUE(lossy);
    EXPECT_EQ(FileTextToAnsi("\xEF\xBB\xBF" "na\xC3\xAF" "ve"), "na\xEFve");
    EXPECT_EQ(FileTextToAnsi("na\xEFve"), "na\xEFve");  // not UTF-8: already 1252
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));              // overlong
}

}  // namespace
}  // namespace qf
