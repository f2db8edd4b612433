// Crosswords made elsewhere read back for their words and clues: our own exports round trip,
// and damaged or foreign files are refused with nothing taken.
#include "exchange/CrosswordImport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <algorithm>

#include "exchange/ExchangeFixtures.h"
#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/Xd.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using Bytes = std::vector<std::uint8_t>;

ExchangePuzzle Small() {
    ExchangePuzzle p;
    EXPECT_TRUE(MakeExchangePuzzle(*test::SmallPuzzle(), "-", p).IsDone());
    return p;
}
Bytes Of(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes Of(const QByteArray& s) { return Bytes(s.begin(), s.end()); }
std::vector<std::string> Words(const std::vector<ImportedEntry>& e) {
    std::vector<std::string> w;
    for (const ImportedEntry& x : e) w.push_back(x.word + "|" + x.clue);
    return w;
}

TEST(CrosswordImportTest, OurOwnExportsComeBackWithTheirWordsAndClues) {
    std::vector<ImportedEntry> entries;
    ASSERT_TRUE(ParseIpuz(Of(IpuzBytes(Small())), entries).IsDone());
    EXPECT_EQ(Words(entries), (std::vector<std::string>{"SUN|It rises in the east", "X-RAY|A picture of bones",
                                                        "SO X|Stockings, made up", "NOR|Neither's partner"}));
    // The formats without the whole answer give the letters of the grid.
    ASSERT_TRUE(ParsePuz(PuzBytes(Small()), entries).IsDone());
    EXPECT_EQ(Words(entries), (std::vector<std::string>{"SUN|It rises in the east", "X-RAY|A picture of bones",
                                                        "SOX|Stockings, made up", "NOR|Neither's partner"}));
    ASSERT_TRUE(ParseXd(Of(XdText(Small())), entries).IsDone());
    EXPECT_EQ(Words(entries), (std::vector<std::string>{"SUN|It rises in the east", "X-RAY|A picture of bones",
                                                        "SOX|Stockings, made up", "NOR|Neither's partner"}));
}

TEST(CrosswordImportTest, IpuzTitlesAndCluesCarryHtmlAsEntitiesAndComeBackUnchanged) {
    auto record = test::SmallPuzzle();
    const std::string hostile[] = {"<!--<script>", "x</script><b>", "Tom &amp; \"Jerry\" & 'Spike'", "a > b"};
    for (int k = 1; k <= 4; ++k) record->Clue(k).Set(hostile[k - 1]);
    record->title.Set("<!--<script> & </script>");
    ExchangePuzzle p;
    ASSERT_TRUE(MakeExchangePuzzle(*record, "-", p).IsDone());
    const QByteArray ipuz = IpuzBytes(p);
    // Readers that show these fields as HTML see the characters, never markup.
    const QJsonObject root = QJsonDocument::fromJson(ipuz).object();
    EXPECT_EQ(root["title"].toString(), "&lt;!--&lt;script&gt; &amp; &lt;/script&gt;");
    for (const QString clue : {"&lt;!--&lt;script&gt;", "x&lt;/script&gt;&lt;b&gt;",
                               "Tom &amp;amp; \"Jerry\" &amp; 'Spike'", "a &gt; b"})
        EXPECT_TRUE(ipuz.contains(QJsonDocument(QJsonArray{clue}).toJson(QJsonDocument::Compact).mid(1).chopped(1)))
            << clue.toStdString();
    std::vector<ImportedEntry> entries;
    ASSERT_TRUE(ParseIpuz(Of(ipuz), entries).IsDone());
    std::vector<std::string> clues;
    for (const ImportedEntry& e : entries) clues.push_back(e.clue);
    std::sort(clues.begin(), clues.end());
    std::vector<std::string> expected(std::begin(hostile), std::end(hostile));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(clues, expected);

    // Others' files: named and numbered entities are read; anything else stays as written.
    const std::string foreign = R"({"kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": 3, "height": 1},
        "puzzle": [[1, 0, 0]], "solution": [["C", "A", "T"]],
        "clues": {"Across": [[1, "Caf&#233; &#xE9; &quot;pet&quot; &amp;amp; &nosuch; AT&T &#0; &"]]}})";
    ASSERT_TRUE(ParseIpuz(Of(foreign), entries).IsDone());
    EXPECT_EQ(entries.at(0).clue, "Caf\xE9 \xE9 \"pet\" &amp; &nosuch; AT&T &#0; &");
}

TEST(CrosswordImportTest, IpuzWithoutAnswersTakesThemFromTheSolution) {
    const std::string ipuz = R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],
        "dimensions":{"width":3,"height":2},
        "puzzle":[[1,2,3],[4,0,0]],
        "solution":[["C","A","T"],["O","X",{"value":"E"}]],
        "clues":{"Across":[[1,"Pet"],{"number":4,"clue":"Beast"}],"Down:Down":[[1,"Bed"],[2,"Tool"],[3,"Letter"]]}})";
    std::vector<ImportedEntry> entries;
    ASSERT_TRUE(ParseIpuz(Of(ipuz), entries).IsDone());
    EXPECT_EQ(Words(entries), (std::vector<std::string>{"CAT|Pet", "OXE|Beast", "CO|Bed", "AX|Tool", "TE|Letter"}));
}

TEST(CrosswordImportTest, DamagedAndForeignFilesAreRefusedAndNothingIsTaken) {
    const std::vector<ImportedEntry> before{{"KEEP", "me"}};
    auto refused = [&](const Outcome& o, const std::vector<ImportedEntry>& entries) {
        return o.IsRefused() && o.message.text.rfind("Unable to read the crossword file: ", 0) == 0 &&
               o.message.caption == "Error" && Words(entries) == Words(before);
    };
    std::vector<ImportedEntry> entries = before;

    Bytes puz = PuzBytes(Small());
    Bytes flipped = puz;
    flipped[flipped.size() - 10] ^= 0x20;  // a letter of the notes
    Outcome o = ParsePuz(flipped, entries);
    EXPECT_TRUE(refused(o, entries));
    EXPECT_EQ(o.message.text, "Unable to read the crossword file: its checksums do not match.");
    EXPECT_TRUE(refused(ParsePuz(Bytes(puz.begin(), puz.begin() + 0x40), entries), entries));
    EXPECT_TRUE(refused(ParsePuz(Bytes(puz.begin(), puz.end() - 3), entries), entries));
    EXPECT_TRUE(refused(ParsePuz(Of(std::string("not a puzzle at all, not even close to one...........")), entries), entries));
    Bytes locked = puz;
    locked[0x32] = 4;
    EXPECT_TRUE(refused(ParsePuz(locked, entries), entries));
    Bytes zeroWidth = puz;
    zeroWidth[0x2C] = 0;
    EXPECT_TRUE(refused(ParsePuz(zeroWidth, entries), entries));

    EXPECT_TRUE(refused(ParseIpuz(Of(std::string("{\"kind\": [\"http://ipuz.org/sudoku#1\"]}")), entries), entries));
    EXPECT_TRUE(refused(ParseIpuz(Of(std::string("{ broken")), entries), entries));
    QByteArray ipuz = IpuzBytes(Small());
    ipuz.replace("\"answer\": \"SUN\",", "");
    ipuz.replace("\"puzzle\"", "\"nopuzzle\"");  // nor can the answer come from the grid
    EXPECT_TRUE(refused(ParseIpuz(Of(ipuz), entries), entries));

    EXPECT_TRUE(refused(ParseXd(Of(std::string("Title: T\n\n\nAB\n\n\nA1. Clue without its answer\n")), entries), entries));
    EXPECT_TRUE(refused(ParseXd(Of(std::string("Title: \xFF\n")), entries), entries));
    EXPECT_TRUE(refused(ParseXd(Of(std::string("Title: nothing else\n")), entries), entries));

    test::TempDir dir;
    EXPECT_TRUE(refused(ReadCrosswordFile(dir.File("missing.puz"), ExchangeFormat::Puz, entries), entries));
}

TEST(CrosswordImportTest, WordsAndCluesAreCutToWhatAPuzzleHoldsAndKeptOnOneLine) {
    const std::string xd = "A1. " + std::string(200, 'c') + " ~ " + std::string(40, 'W') + "\nD2. Two ~ AB\n";
    std::vector<ImportedEntry> entries;
    ASSERT_TRUE(ParseXd(Of(xd), entries).IsDone());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].word.size(), static_cast<std::size_t>(kWordCapacity));
    EXPECT_EQ(entries[0].clue.size(), static_cast<std::size_t>(kClueCapacity));
    ExchangePuzzle p = Small();
    p.across[0].clue = "Line\none";
    ASSERT_TRUE(ParsePuz(PuzBytes(p), entries).IsDone());
    EXPECT_EQ(entries[0].clue, "Line one");
}

}  // namespace
}  // namespace qf
