// The three file formats read back as their readers read them: the JSON parsed, the binary
// format taken apart with its checksums recomputed here, the text format by its sections.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "exchange/ExchangeFixtures.h"
#include "exchange/Ipuz.h"
#include "exchange/Puz.h"
#include "exchange/Xd.h"

namespace qf {
namespace {

ExchangePuzzle Small(const std::string& shown = "-") {
    ExchangePuzzle p;
    EXPECT_TRUE(MakeExchangePuzzle(*test::SmallPuzzle(), shown, p).IsDone());
    return p;
}

TEST(IpuzWriterTest, ShapeBlocksNumbersSolutionAndClues) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(IpuzBytes(Small()), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    const QJsonObject root = doc.object();
    EXPECT_EQ(root["version"].toString(), "http://ipuz.org/v2");
    EXPECT_EQ(root["kind"].toArray().first().toString(), "http://ipuz.org/crossword#1");
    EXPECT_EQ(root["title"].toString(), QString::fromUtf8("Caf\u00e9 Words"));
    EXPECT_EQ(root["dimensions"].toObject()["width"].toInt(), 5);
    EXPECT_EQ(root["dimensions"].toObject()["height"].toInt(), 3);
    EXPECT_TRUE(root["notes"].toString().contains("Bonus question: Which word has a dash?"));
    EXPECT_TRUE(root["notes"].toString().contains("Category: Tests"));

    const QJsonArray puzzle = root["puzzle"].toArray();
    ASSERT_EQ(puzzle.size(), 3);
    const QJsonArray top = puzzle[0].toArray();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0].toInt(), 1);
    EXPECT_EQ(top[1].toInt(), 0);
    EXPECT_EQ(top[2].toInt(), 2);
    EXPECT_EQ(top[3].toString(), "#");  // a block inside the shape
    EXPECT_TRUE(top[4].isNull());       // outside it: omitted
    const QJsonObject dash = puzzle[2].toArray()[1].toObject();
    EXPECT_EQ(dash["value"].toString(), "-");  // the shown separator is given

    const QJsonArray solution = root["solution"].toArray();
    EXPECT_EQ(solution[2].toArray()[4].toString(), "Y");
    EXPECT_EQ(solution[1].toArray()[1].toString(), "#");
    EXPECT_TRUE(solution[1].toArray()[4].isNull());

    const QJsonArray across = root["clues"].toObject()["Across"].toArray();
    const QJsonArray down = root["clues"].toObject()["Down"].toArray();
    ASSERT_EQ(across.size(), 2);
    ASSERT_EQ(down.size(), 2);
    EXPECT_EQ(across[1].toObject()["number"].toInt(), 3);
    EXPECT_EQ(across[1].toObject()["clue"].toString(), "A picture of bones");
    EXPECT_EQ(across[1].toObject()["answer"].toString(), "X-RAY");
    EXPECT_EQ(across[1].toObject()["enumeration"].toString(), "1-3");
    EXPECT_EQ(down[0].toObject()["answer"].toString(), "SO X");
    EXPECT_FALSE(across[0].toObject().contains("enumeration"));
    EXPECT_TRUE(root["showenumerations"].toBool());
}

// The format's checksum, written out plainly for the test.
unsigned Cksum(const std::string& bytes, unsigned sum) {
    for (unsigned char b : bytes) {
        sum = (sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1;
        sum = (sum + b) & 0xFFFF;
    }
    return sum;
}
unsigned Short(const std::string& f, std::size_t at) {
    return static_cast<unsigned char>(f[at]) | (static_cast<unsigned char>(f[at + 1]) << 8);
}

TEST(PuzWriterTest, HeaderBoardsStringsAndEveryChecksum) {
    const auto bytes = PuzBytes(Small());
    const std::string f(bytes.begin(), bytes.end());
    ASSERT_GT(f.size(), 0x34u + 30);
    EXPECT_EQ(f.substr(2, 12), std::string("ACROSS&DOWN\0", 12));
    EXPECT_EQ(f.substr(0x18, 4), std::string("1.3\0", 4));
    EXPECT_EQ(f[0x2C], 5);
    EXPECT_EQ(f[0x2D], 3);
    EXPECT_EQ(Short(f, 0x2E), 4u);
    EXPECT_EQ(Short(f, 0x32), 0u);  // not scrambled

    const std::string solution = f.substr(0x34, 15);
    const std::string state = f.substr(0x34 + 15, 15);
    EXPECT_EQ(solution, "SUN..O.O..X-RAY");  // outside the shape is black too
    EXPECT_EQ(state, "---..-.-..-----");

    // The strings: title, author, copyright, the clues in number order (across first), notes.
    std::vector<std::string> strings;
    std::size_t at = 0x34 + 30;
    while (at < f.size()) {
        const std::size_t end = f.find('\0', at);
        ASSERT_NE(end, std::string::npos);
        strings.push_back(f.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(strings.size(), 3u + 4u + 1u);
    EXPECT_EQ(strings[0], "Caf\xE9 Words");  // Windows-1252, one byte
    EXPECT_EQ(strings[1], "");
    EXPECT_EQ(strings[3], "It rises in the east");  // 1 across
    EXPECT_EQ(strings[4], "Stockings, made up");    // 1 down
    EXPECT_EQ(strings[5], "Neither's partner");     // 2 down
    EXPECT_EQ(strings[6], "A picture of bones");    // 3 across
    EXPECT_EQ(strings[7], "Category: Tests\nBonus question: Which word has a dash?");

    const unsigned cib = Cksum(f.substr(0x2C, 8), 0);
    EXPECT_EQ(Short(f, 0x0E), cib);
    unsigned text = 0;
    text = Cksum(strings[0] + '\0', text);
    for (int i = 3; i < 7; ++i) text = Cksum(strings[static_cast<std::size_t>(i)], text);
    text = Cksum(strings[7] + '\0', text);
    unsigned whole = Cksum(state, Cksum(solution, cib));
    whole = Cksum(strings[0] + '\0', whole);
    for (int i = 3; i < 7; ++i) whole = Cksum(strings[static_cast<std::size_t>(i)], whole);
    whole = Cksum(strings[7] + '\0', whole);
    EXPECT_EQ(Short(f, 0), whole);
    const unsigned sums[4] = {cib, Cksum(solution, 0), Cksum(state, 0), text};
    const char* mask = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(static_cast<unsigned char>(f[static_cast<std::size_t>(0x10 + i)]), (mask[i] ^ sums[i]) & 0xFF) << i;
        EXPECT_EQ(static_cast<unsigned char>(f[static_cast<std::size_t>(0x14 + i)]), (mask[i + 4] ^ (sums[i] >> 8)) & 0xFF) << i;
    }
    EXPECT_EQ(PuzChecksum({}, 0x1234), 0x1234);
}

TEST(XdWriterTest, SectionsGridCluesAndNotes) {
    // Sections two blank lines apart; the dash is a rebus cell with a digit for its key.
    const std::string xd = XdText(Small());
    const std::string expected =
        "Title: Caf\xC3\xA9 Words\nRebus: 1=-\n\n\n"
        "SUN#_\nO#O__\nX1RAY\n\n\n"
        "A1. It rises in the east ~ SUN\nA3. A picture of bones ~ X-RAY\n\n"
        "D1. Stockings, made up ~ SOX\nD2. Neither's partner ~ NOR\n\n\n"
        "Category: Tests\nBonus question: Which word has a dash?\n";
    EXPECT_EQ(xd, expected);

    auto record = test::SmallPuzzle();
    record->Clue(1).Set("Up ~ down\r\nand round");
    ExchangePuzzle p;
    ASSERT_TRUE(MakeExchangePuzzle(*record, "", p).IsDone());
    EXPECT_NE(XdText(p).find("A1. Up - down  and round ~ SUN\n"), std::string::npos);
}

}  // namespace
}  // namespace qf
