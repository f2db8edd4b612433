// The lists of a batch: CSV cells with quotes and commas, the column names passed over,
// relative word files taken from the CSV's folder, and each refusal naming its line.
#include <gtest/gtest.h>

#include "app/BatchList.h"
#include "support/TempDir.h"

namespace qf {
namespace {

TEST(BatchList, CsvCellsAsASpreadsheetWritesThem) {
    struct Row {
        std::string line;
        std::vector<std::string> cells;
    };
    const std::vector<Row> rows = {
        {"a.txt,Birds,Animals", {"a.txt", "Birds", "Animals"}},
        {" a.txt , Birds ,", {"a.txt", "Birds", ""}},
        {"a.txt,\"Birds, big and small\",x", {"a.txt", "Birds, big and small", "x"}},
        {"a.txt,\"The \"\"Big\"\" Five\"", {"a.txt", "The \"Big\" Five"}},
        {"a.txt, \" padded \" ,y", {"a.txt", " padded ", "y"}},
        {"", {""}},
    };
    for (const Row& r : rows) EXPECT_EQ(SplitCsvLine(r.line), r.cells) << r.line;
}

TEST(BatchList, RowsTakeTheirFolderAndEmptyCellsStayEmpty) {
    std::vector<BatchItem> items;
    const std::string text =
        "words,title,category,shape,attempts,seed\r\n"
        "week1.txt,Week One,Spelling,3,200,42\r\n"
        "\n"
        "/abs/week2.txt,,,,,\n"
        "week3.txt";
    ASSERT_TRUE(ParseBatchCsv(text, "/lists", items).IsDone());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].words, "/lists/week1.txt");
    EXPECT_EQ(items[0].title, "Week One");
    EXPECT_EQ(items[0].category, "Spelling");
    EXPECT_EQ(items[0].shape, "3");
    EXPECT_EQ(items[0].attempts, "200");
    EXPECT_EQ(items[0].seed, std::optional<std::uint64_t>(42));
    EXPECT_EQ(items[0].line, 2);
    EXPECT_EQ(items[1].words, "/abs/week2.txt");
    EXPECT_TRUE(items[1].title.empty() && items[1].shape.empty() && !items[1].seed);
    EXPECT_EQ(items[2].words, "/lists/week3.txt");
    EXPECT_EQ(items[2].line, 5);
}

TEST(BatchList, RefusalsNameTheLineAndChangeNothing) {
    struct Row {
        std::string text;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"a.txt\n,Title\n", "Line 2 of the batch file: no word file."},
        {"a.txt,t,c,s,1,2,7\n", "Line 1 of the batch file: more than six cells."},
        {"a.txt,t,c,s,1,-3\n", "Line 1 of the batch file: the seed is not a whole number."},
        {"a.txt,t,c,s,1,99999999999999999999\n", "Line 1 of the batch file: the seed is not a whole number."},
        {"words,title\n\n", "The batch file names no word files."},
    };
    for (const Row& r : rows) {
        BatchItem kept;
        kept.words = "kept";
        std::vector<BatchItem> items{kept};
        const Outcome o = ParseBatchCsv(r.text, ".", items);
        EXPECT_TRUE(o.IsRefused()) << r.text;
        EXPECT_EQ(o.message.text, r.message) << r.text;
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0].words, "kept");
    }
}

TEST(BatchList, AFoldersWordFilesInNameOrder) {
    test::TempDir dir;
    for (const char* name : {"week10.txt", "week02.TXT", "notes.md", "week01.txt"}) test::WriteFile(dir.File(name), "OAK\n");
    std::vector<BatchItem> items;
    ASSERT_TRUE(ListBatchFolder(dir.Path(), items).IsDone());
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].words, dir.File("week01.txt"));
    EXPECT_EQ(items[1].words, dir.File("week02.TXT"));
    EXPECT_EQ(items[2].words, dir.File("week10.txt"));
    EXPECT_TRUE(ListBatchFolder(dir.File("notes.md"), items).IsRefused());
    test::TempDir empty;
    EXPECT_TRUE(ListBatchFolder(empty.Path(), items).IsRefused());
}

}  // namespace
}  // namespace qf
