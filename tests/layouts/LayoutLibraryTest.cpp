#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/LayoutText.h"
#include "layouts/PageObjects.h"
#include "support/FailedWrites.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;

std::unique_ptr<PageLayoutRecord> Layout(const std::string& name, const std::string& paper = "Letter") {
    auto l = std::make_unique<PageLayoutRecord>();
    BuildDefaultLayout(*l);
    l->name = name;
    l->paperName = paper;
    return l;
}

std::vector<std::uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path).value_or(std::vector<std::uint8_t>{}); }

TEST(LayoutLibrary, EntryTexts) {
    EXPECT_EQ(LayoutEntryText(*Layout("Classic"), false), "Classic (Letter)");
    EXPECT_EQ(LayoutEntryText(*Layout("Classic", "A4"), true), "Classic (A4)  <<DEFAULT>>");
    auto custom = Layout("Odd", "Custom");
    custom->pageWidth = 8.5;
    custom->pageHeight = 11.5;
    EXPECT_EQ(LayoutEntryText(*custom, false), "Odd (Custom 9\" x 12\")");
}

TEST(LayoutLibrary, LoadPageLayoutFallsBackToTheBuiltInDefaultAndToRecordZero) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    auto builtIn = std::make_unique<PageLayoutRecord>();
    BuildDefaultLayout(*builtIn);
    auto loaded = std::make_unique<PageLayoutRecord>();
    LoadPageLayout(lib, 0, *loaded);  // missing file
    EXPECT_EQ(EncodeRecord(*loaded), EncodeRecord(*builtIn));
    test::WriteBytes(lib, {});
    *loaded = *Layout("junk");
    loaded->name = "junk";
    LoadPageLayout(lib, 0, *loaded);  // empty file
    EXPECT_EQ(loaded->name.Str(), "New Page");

    ASSERT_TRUE(AppendLayout(lib, *Layout("Zero")).IsDone());
    ASSERT_TRUE(AppendLayout(lib, *Layout("One")).IsDone());
    LoadPageLayout(lib, 1, *loaded);
    EXPECT_EQ(loaded->name.Str(), "One");
    LoadPageLayout(lib, 2, *loaded);  // beyond the last record
    EXPECT_EQ(loaded->name.Str(), "Zero");
    LoadPageLayout(lib, -3, *loaded);
    EXPECT_EQ(loaded->name.Str(), "Zero");

    const auto entries = ListLayouts(lib, 1);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].text, "One (Letter)  <<DEFAULT>>");
    EXPECT_TRUE(ListLayouts(dir.File("NONE.DAT"), 0).empty());
}

TEST(LayoutLibrary, DeletingTruncatesByOneRecord) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    for (const char* n : {"A", "B", "C"}) ASSERT_TRUE(AppendLayout(lib, *Layout(n)).IsDone());
    const auto before = Bytes(lib);
    ASSERT_TRUE(DeleteLayout(lib, 2).IsDone());
    const auto after = Bytes(lib);
    ASSERT_EQ(after.size(), 2 * PageLayoutRecord::kStoredSize);
    EXPECT_TRUE(std::equal(after.begin(), after.end(), before.begin()));
    ASSERT_TRUE(DeleteLayout(lib, 0).IsDone());
    EXPECT_EQ(ListLayouts(lib, 0).at(0).text, "B (Letter)  <<DEFAULT>>");
    ASSERT_TRUE(DeleteLayout(lib, 0).IsDone());
    EXPECT_EQ(Bytes(lib).size(), 0u);
    const Outcome m = DeleteLayout(dir.File("NONE.DAT"), 0);
    EXPECT_EQ(m.message.text, "Unable to delete page layout.");
    EXPECT_EQ(m.message.caption, "Disk Error");
}

// The mark once stayed on the position: a deletion above the default moved it to another layout,
// and a deleted default left none (the next new layout became the default unasked).
TEST(LayoutLibrary, TheDefaultFollowsItsLayoutThroughDeletions) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    for (const char* n : {"A", "B", "C", "D"}) ASSERT_TRUE(AppendLayout(lib, *Layout(n)).IsDone());
    std::int32_t defaultPage = 2;  // C
    Outcome o = DeleteLayoutKeepingDefault(lib, 0, defaultPage);
    ASSERT_TRUE(o.IsDone());
    EXPECT_TRUE(o.message.Empty());
    EXPECT_EQ(defaultPage, 1);
    EXPECT_EQ(ListLayouts(lib, defaultPage).at(1).text, "C (Letter)  <<DEFAULT>>");
    ASSERT_TRUE(DeleteLayoutKeepingDefault(lib, 2, defaultPage).IsDone());  // D, below it
    EXPECT_EQ(defaultPage, 1);
    // The default itself: the first layout takes its place, and the user is told.
    o = DeleteLayoutKeepingDefault(lib, 1, defaultPage);
    ASSERT_TRUE(o.IsDone());
    EXPECT_EQ(defaultPage, 0);
    EXPECT_EQ(o.message.text, "The default page layout was deleted.  \"B (Letter)\" is now the default page layout.");
    EXPECT_EQ(o.message.caption, "Notice");
    EXPECT_EQ(ListLayouts(lib, defaultPage).at(0).text, "B (Letter)  <<DEFAULT>>");
    // A refused deletion moves nothing.
    defaultPage = 0;
    EXPECT_TRUE(DeleteLayoutKeepingDefault(dir.File("NONE.DAT"), 0, defaultPage).IsRefused());
    EXPECT_EQ(defaultPage, 0);
}

TEST(LayoutLibrary, ExchangeFilesExportImportAndRefusals) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    auto layout = Layout("Shared");
    ASSERT_TRUE(AppendLayout(lib, *layout).IsDone());
    ASSERT_TRUE(ExportLayout(lib, 0, dir.File("s.PAG")).IsDone());
    auto file = Bytes(dir.File("s.PAG"));
    ASSERT_EQ(file.size(), 6 + PageLayoutRecord::kStoredSize);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 6), "PAG1.0");

    std::copy_n("PAG2.7", 6, file.begin());  // other version bytes are accepted
    test::WriteBytes(dir.File("v27.PAG"), file);
    const Outcome imported = ImportLayout(dir.File("v27.PAG"), lib);
    ASSERT_TRUE(imported.IsDone());
    EXPECT_EQ(imported.index, 1);
    const auto lib2 = Bytes(lib);
    EXPECT_TRUE(std::equal(lib2.begin() + static_cast<std::ptrdiff_t>(PageLayoutRecord::kStoredSize), lib2.end(),
                           EncodeRecord(*layout).begin()));

    file.pop_back();
    test::WriteBytes(dir.File("short.PAG"), file);
    Outcome m = ImportLayout(dir.File("short.PAG"), lib);
    EXPECT_EQ(m.message.text, "Page layout file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(m.message.caption, "Error");
    EXPECT_EQ(Bytes(lib), lib2);
    EXPECT_EQ(ImportLayout(dir.File("none.PAG"), lib).message.text, "Page layout could not be imported.");
    m = ImportLayout(dir.File("v27.PAG"), dir.File("no/folder/QFFPAGE.DAT"));
    EXPECT_EQ(m.message.text, "Unable to add page layout.");
    EXPECT_EQ(m.message.caption, "Disk Error");
    EXPECT_EQ(ExportLayout(lib, 0, dir.File("no/folder/x.PAG")).message.text, "Page layout could not be exported.");
}

TEST(LayoutLibrary, ExportsNeverWriteOverTheLibraryItself) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    for (const char* n : {"A", "B"}) ASSERT_TRUE(AppendLayout(lib, *Layout(n)).IsDone());
    const auto before = Bytes(lib);
    std::filesystem::create_symlink(lib, dir.File("link.PAG"));
    std::filesystem::create_hard_link(lib, dir.File("hard.PAG"));
    for (const std::string& target : {lib, dir.File("qffpage.dat"), dir.File("link.PAG"), dir.File("hard.PAG")}) {
        for (const Outcome& m : {ExportLayout(lib, 1, target), ExportDefaultLayout(lib, target)}) {
            EXPECT_TRUE(m.IsRefused()) << target;
            EXPECT_EQ(m.message.text, "Export File cannot be the same as the page layouts file.");
            EXPECT_EQ(m.message.caption, "Error");
        }
    }
    EXPECT_EQ(Bytes(lib), before);
    // Anywhere else the default is written as an exchange file.
    ASSERT_TRUE(ExportDefaultLayout(lib, dir.File("new.PAG")).IsDone());
    auto builtIn = std::make_unique<PageLayoutRecord>();
    ASSERT_TRUE(ReadLayoutExchange(dir.File("new.PAG"), *builtIn).IsDone());
    EXPECT_EQ(builtIn->name.Str(), "New Page");
    EXPECT_EQ(builtIn->zoom, 1);
}

TEST(LayoutLibrary, AFailedWriteLeavesTheLibraryAndTheExportAsTheyWere) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    for (const char* n : {"A", "B"}) ASSERT_TRUE(AppendLayout(lib, *Layout(n)).IsDone());
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return AppendLayout(lib, *Layout("C")).IsDone(); }), 0);
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return WriteLayout(lib, 0, *Layout("Z")).IsDone(); }), 0);
    test::WriteFile(dir.File("old.PAG"), "an older export");
    EXPECT_GT(test::EveryWriteFails({lib, dir.File("old.PAG")}, [&] { return ExportLayout(lib, 1, dir.File("old.PAG")).IsDone(); }),
              0);
    EXPECT_GT(test::EveryWriteFails({lib, dir.File("old.PAG")}, [&] { return ImportLayout(dir.File("old.PAG"), lib).IsDone(); }),
              0);
    EXPECT_GT(test::EveryWriteFails({lib}, [&] { return DeleteLayout(lib, 0).IsDone(); }), 0);
    std::vector<std::string> names;
    for (const auto& e : ListLayouts(lib, -1)) names.push_back(e.text);
    EXPECT_EQ(names, (std::vector<std::string>{"B (Letter)", "C (Letter)", "B (Letter)"}));
    EXPECT_GT(test::EveryWriteFails({lib, dir.File("old.PAG")}, [&] { return ExportDefaultLayout(lib, dir.File("old.PAG")).IsDone(); }),
              0);
}

TEST(LayoutLibrary, AFolderIsNoLayoutFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder.PAG"));
    EXPECT_EQ(ImportLayout(dir.File("folder.PAG"), dir.File("QFFPAGE.DAT")).message.text,
              "Page layout could not be imported.");
    EXPECT_FALSE(FileExists(dir.File("QFFPAGE.DAT")));
    EXPECT_EQ(ExportLayout(dir.File("folder.PAG"), 0, dir.File("x.PAG")).message.text, "Page layout could not be exported.");
}

TEST(LayoutText, ParsesPapersObjectsAndKeysAndRefusesFaults) {
    std::vector<PageLayoutRecord> layouts;
    std::string error;
    const char* text =
        "layout Wide One\n"
        "paper A4 landscape\n"
        "object Title\n"
        "  rect 10 20 300 50\n"
        "  font Arial 18 bold italic\n"
        "  color #FF8000\n"
        "object Combined Clues\n"
        "  rect 10 60 300 200\n"
        "  columns 3\n"
        "  border 2\n"
        "object Text\n"
        "  name Name Box\n"
        "  text Name:  ____\n"
        "  rect 10 210 100 230\n";
    ASSERT_TRUE(ParseLayoutText(text, layouts, error)) << error;
    ASSERT_EQ(layouts.size(), 1u);
    const PageLayoutRecord& l = layouts[0];
    EXPECT_EQ(l.name.Str(), "Wide One");
    EXPECT_EQ(l.pageWidth, 29.7);  // landscape stores the larger value as the width
    EXPECT_EQ(l.pixelWidth, 594);
    EXPECT_EQ(l.pixelHeight, 420);
    EXPECT_EQ(l.portrait, 0);
    EXPECT_EQ(l.inches, 0);
    EXPECT_EQ(l.zoom, 1);
    ASSERT_EQ(l.objectCount, 3);
    EXPECT_EQ(l.objects[0].textFont.size, 18);
    EXPECT_EQ(l.objects[0].textFont.italic, 1);
    EXPECT_EQ(l.objects[0].textFont.color, Rgb(255, 128, 0));
    EXPECT_EQ(l.objects[0].useBorder, 0);
    EXPECT_EQ(l.objects[1].columns, 3);
    EXPECT_EQ(l.objects[1].useBorder, 1);
    EXPECT_EQ(l.objects[1].borderWidth, 2);
    EXPECT_EQ(ObjectText(l.objects[1]), "Across:Down");  // defaults of a new object
    EXPECT_EQ(l.objects[2].name.Str(), "Name Box");
    EXPECT_EQ(ObjectText(l.objects[2]), "Name:  ____");
    EXPECT_EQ(CheckLayoutDesign(l), "Wide One: needs exactly one Puzzle");

    EXPECT_FALSE(ParseLayoutText("paper Letter\n", layouts, error));
    EXPECT_FALSE(ParseLayoutText("layout X\nobject Dragon\n", layouts, error));
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(ParseLayoutText("layout X\nobject Title\n  rect 1 2 3\n", layouts, error));
    EXPECT_FALSE(ParseLayoutText("layout X\npaper Letter sideways\n", layouts, error));
}

TEST(LayoutText, DesignRules) {
    std::vector<PageLayoutRecord> layouts;
    std::string error;
    const std::string page = "layout T\npaper Letter\nobject Puzzle\n  rect 10 10 100 100\n";
    ASSERT_TRUE(ParseLayoutText(page + "object Title\n  rect 50 50 200 120\n", layouts, error));
    EXPECT_EQ(CheckLayoutDesign(layouts.back()), "T: Title overlaps Puzzle");
    ASSERT_TRUE(ParseLayoutText(page + "object Title\n  rect 100 10 409 30\n", layouts, error));
    EXPECT_EQ(CheckLayoutDesign(layouts.back()), "T: Title lies outside the page");
    ASSERT_TRUE(ParseLayoutText(page + "object Combined Clues\n  rect 10 110 200 200\nobject Down Header\n  rect 10 210 200 220\n",
                                layouts, error));
    EXPECT_EQ(CheckLayoutDesign(layouts.back()), "T: Combined Clues with headings or clue blocks");
    for (const char* columns : {"  columns 3\n  split\n", "  columns 2\n"}) {
        ASSERT_TRUE(ParseLayoutText(page + "object Combined Clues\n  rect 10 110 200 200\n" + columns, layouts, error));
        EXPECT_EQ(CheckLayoutDesign(layouts.back()), "T: Combined Clues in several columns must be split into an even number");
    }
    ASSERT_TRUE(ParseLayoutText(page + "object Combined Clues\n  rect 10 110 200 200\n  columns 4\n  split\n", layouts, error));
    EXPECT_EQ(CheckLayoutDesign(layouts.back()), "");
    ASSERT_TRUE(ParseLayoutText(page + "object Title\n  rect 100 10 200 30\n", layouts, error));
    EXPECT_EQ(CheckLayoutDesign(layouts.back()), "");  // touching edges do not overlap
}

TEST(LayoutText, TheShippedLayoutsKeepTheRules) {
    const char* source = std::getenv("QF_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const auto text = ReadWholeFile(std::string(source) + "/data/layouts/layouts.txt");
    ASSERT_TRUE(text.has_value());
    std::vector<PageLayoutRecord> layouts;
    std::string error;
    ASSERT_TRUE(ParseLayoutText(std::string(text->begin(), text->end()), layouts, error)) << error;
    EXPECT_GE(layouts.size(), 6u);
    bool letter = false, a4 = false, landscape = false, words = false, worksheet = false;
    bool wordBank = false, largeA4Clues = false;  // clues with the answers listed; clues young pupils can read
    for (const auto& l : layouts) {
        EXPECT_EQ(CheckLayoutDesign(l), "");
        bool clues = false, list = false, largeClues = true;
        for (int i = 0; i < l.objectCount; ++i) {
            const PageObject& o = l.objects[static_cast<std::size_t>(i)];
            EXPECT_EQ(o.textFont.name.Str(), "Arial") << l.name.Str();
            if (o.Kind() == ObjectKind::WordList) words = list = true;
            if (o.Kind() == ObjectKind::AcrossClues || o.Kind() == ObjectKind::DownClues) {
                clues = true;
                largeClues &= o.textFont.size >= 12;
            }
            if (o.Kind() == ObjectKind::Text && ObjectText(o).find("Date") != std::string::npos) worksheet = true;
        }
        letter |= l.paperName.Str() == "Letter" && l.portrait;
        a4 |= l.paperName.Str() == "A4" && l.portrait;
        landscape |= !l.portrait;
        wordBank |= clues && list;
        largeA4Clues |= clues && largeClues && l.paperName.Str() == "A4";
    }
    EXPECT_TRUE(letter && a4 && landscape && words && worksheet);
    EXPECT_TRUE(wordBank && largeA4Clues);
}

}  // namespace
}  // namespace qf
