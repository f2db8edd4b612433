#include "exchange/SolvePage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "exchange/ExchangeFixtures.h"

namespace qf {
namespace {

std::string Between(const std::string& s, const std::string& from, const std::string& to) {
    const auto a = s.find(from);
    if (a == std::string::npos) return {};
    const auto b = s.find(to, a + from.size());
    return b == std::string::npos ? std::string() : s.substr(a + from.size(), b - a - from.size());
}

TEST(SolvePageTest, ASelfContainedPageWithTheAnswersScrambled) {
    auto record = test::SmallPuzzle();
    record->Clue(2).Set("Bones </script><img src=x>");
    record->Clue(1).Set("<!--<script> &amp; \"q\"");
    record->title.Set("Tom & <Jerry>");
    ExchangePuzzle p;
    ASSERT_TRUE(MakeExchangePuzzle(*record, "-", p).IsDone());
    const std::string html = SolvePageHtml(p);

    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("<title>Tom &amp; &lt;Jerry&gt;</title>"), std::string::npos);
    EXPECT_NE(html.find("Bonus question: Which word has a dash?"), std::string::npos);
    // Nothing is fetched: no external script, style, picture or link.
    for (const char* outside : {"src=\"http", "href=\"http", "<link", "@import", "url("})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
    EXPECT_NE(html.find("role=\"grid\""), std::string::npos);
    EXPECT_NE(html.find("@media print"), std::string::npos);              // the style sheet is inside
    EXPECT_NE(html.find("localStorage.setItem"), std::string::npos);      // and so is the script

    // No clue can close the data's script element early or open a comment that swallows the
    // rest of the page: the data holds no "<" at all.
    EXPECT_EQ(html.find("</script><img"), std::string::npos);
    EXPECT_EQ(html.find("<!--<script>"), std::string::npos);
    const std::string json = Between(html, "<script id=\"puzzle-data\" type=\"application/json\">", "</script>");
    ASSERT_FALSE(json.empty());
    EXPECT_EQ(json.find('<'), std::string::npos);
    QJsonParseError error;
    const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(data["w"].toInt(), 5);
    EXPECT_EQ(data["cells"].toArray().size(), 15);
    EXPECT_EQ(data["cells"].toArray()[4].toInt(), 0);  // outside
    EXPECT_EQ(data["cells"].toArray()[3].toInt(), 1);  // block
    EXPECT_EQ(data["cells"].toArray()[11].toObject()["g"].toString(), "-");
    EXPECT_EQ(data["across"].toArray()[1].toObject()["clue"].toString(), "Bones </script><img src=x>");
    EXPECT_EQ(data["across"].toArray()[0].toObject()["clue"].toString(), "<!--<script> &amp; \"q\"");
    EXPECT_EQ(data["down"].toArray()[0].toObject()["enum"].toString(), "2,1");

    // The answers, letter cells row by row, are not in the page as text.
    const std::string answers = "SUNOOX-RAY";
    EXPECT_EQ(html.find("SUNOO"), std::string::npos);
    EXPECT_EQ(html.find("X-RAY"), std::string::npos);
    const auto seed = static_cast<unsigned>(data["seed"].toInteger());
    EXPECT_EQ(UnscrambleAnswers(data["answers"].toString().toStdString(), seed), answers);
}

TEST(SolvePageTest, ScramblingIsUndoneOnlyWithItsSeed) {
    const std::string text = "CAF\xC3\x89";  // UTF-8, as the page holds the answers
    const std::string scrambled = ScrambleAnswers(text, 12345);
    EXPECT_NE(scrambled, text);
    EXPECT_EQ(UnscrambleAnswers(scrambled, 12345), text);
    EXPECT_NE(UnscrambleAnswers(scrambled, 12346), text);
    EXPECT_EQ(ScrambleAnswers("", 1), "");
}

}  // namespace
}  // namespace qf
