// The tips of the day: the table, the random first tip and the walk round the table.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/Tips.h"

namespace qf {
namespace {

// Answers Below() from a script and records the ranges asked for.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> draws) : draws_(std::move(draws)) {}
    int Below(int n) override {
        asked.push_back(n);
        return draws_.at(next_++);
    }
    std::vector<int> asked;

private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

TEST(Tips, EveryTipFitsItsCapacityAndShowsOneAmpersandForTwo) {
    for (int n = 1; n <= kTipCount; ++n) {
        const std::string shown = TipText(n);
        EXPECT_FALSE(shown.empty()) << n;
        EXPECT_LE(shown.size(), kTipCapacity) << n;
        EXPECT_EQ(shown.find("&&"), std::string::npos) << n;
        EXPECT_EQ(shown.rfind("You can ", 0), 0u) << n;
    }
    EXPECT_EQ(TipText(10),
              "You can create your own puzzle shapes from scratch or from an existing shape.  You can also share them "
              "with others (import & export)");
    EXPECT_EQ(std::string(TipSource(27)).substr(std::string(TipSource(27)).size() - 18), "(import && export)");
    EXPECT_EQ(TipText(27).substr(TipText(27).size() - 17), "(import & export)");
    EXPECT_EQ(TipText(1),
              "You can spell check your words and clues using an American, British, Spanish, Italian, French, German, "
              "Dutch or Swedish dictionary.");
    EXPECT_EQ(TipText(4),
              "You can specify \"word separator\" characters that can be used to split up multi-word answers.  These "
              "characters will show up in the puzzle.");
    EXPECT_EQ(TipText(31), "You can import a word list, clue list or combined word and clue list from a text file.");
    EXPECT_NE(TipText(29).find("text file"), std::string::npos);
    // Texts outside the table are empty, not another tip.
    EXPECT_EQ(TipText(0), "");
    EXPECT_EQ(TipText(32), "");
}

TEST(Tips, NoTwoTipsAreTheSame) {
    std::set<std::string> texts;
    for (int n = 1; n <= kTipCount; ++n) texts.insert(TipText(n));
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(kTipCount));
}

TEST(Tips, TheFirstTipIsDrawnFromAllThirtyOne) {
    ScriptedRandom random({0, 30, 14});
    EXPECT_EQ(FirstTip(random), 1);
    EXPECT_EQ(FirstTip(random), 31);
    EXPECT_EQ(FirstTip(random), 15);
    EXPECT_EQ(random.asked, (std::vector<int>{31, 31, 31}));
}

TEST(Tips, ASeededSourceGivesTheSameFirstTipAndReachesEveryTip) {
    AttemptRandom a(42u), b(42u);
    EXPECT_EQ(FirstTip(a), FirstTip(b));
    std::set<int> seen;
    AttemptRandom many(7u);
    for (int i = 0; i < 2000; ++i) {
        const int tip = FirstTip(many);
        ASSERT_GE(tip, 1);
        ASSERT_LE(tip, kTipCount);
        seen.insert(tip);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kTipCount));
}

TEST(Tips, NextWrapsFromTheLastToTheFirst) {
    EXPECT_EQ(NextTip(1), 2);
    EXPECT_EQ(NextTip(30), 31);
    EXPECT_EQ(NextTip(31), 1);
    int tip = 17;
    for (int i = 0; i < kTipCount; ++i) tip = NextTip(tip);
    EXPECT_EQ(tip, 17);
}

}  // namespace
}  // namespace qf
