// A file named on the desktop program's command line: collections open, shapes and page
// layouts are offered for import, anything else is refused with a message.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/StartFile.h"
#include "base/FileUtil.h"
#include "collections/CollectionFixtures.h"
#include "layouts/LayoutLibrary.h"
#include "shapes/ShapeFiles.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

struct StartFileFixture {
    test::TempDir dir;
    ProgramState state = ProgramState::StartUp(Directories{dir.Path(), dir.Path()});
};

std::int64_t FileSize(const std::string& path) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<std::int64_t>(size);
}

TEST(StartFile, KindByExtensionInAnyCase) {
    EXPECT_EQ(KindOfStartFile("/x/Class.QF3"), StartFileKind::Collection);
    EXPECT_EQ(KindOfStartFile("class.qf3"), StartFileKind::Collection);
    EXPECT_EQ(KindOfStartFile("Star.Lay"), StartFileKind::Shape);
    EXPECT_EQ(KindOfStartFile("page.PAG"), StartFileKind::PageLayout);
    EXPECT_EQ(KindOfStartFile("notes.txt"), StartFileKind::Other);
    EXPECT_EQ(KindOfStartFile("QF3"), StartFileKind::Other);
    EXPECT_EQ(KindOfStartFile("/x/archive.QF3.bak"), StartFileKind::Other);
}

TEST(StartFile, CollectionOpensAndHeadsTheRecentFiles) {
    StartFileFixture f;
    const std::string path = f.dir.File("Class 5.QF3");
    test::WriteCollection(path, {{"Animals", "Owls"}});
    f.state.settings.lastGroup = f.dir.File("DEFAULT.QF3");
    test::ScriptedPrompter prompter;

    // Named relative to the current folder, kept whole in the settings.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(f.dir.Path());
    const StartFileResult r = OpenStartFile(f.state, "Class 5.QF3", prompter);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(r.kind, StartFileKind::Collection);
    EXPECT_TRUE(r.outcome.IsDone());
    EXPECT_EQ(f.state.settings.lastGroup, path);
    EXPECT_EQ(f.state.settings.lastFiles.at(0), f.dir.File("DEFAULT.QF3"));
    EXPECT_TRUE(prompter.asked.empty());

    // A missing collection is not made: the open one stays.
    const StartFileResult missing = OpenStartFile(f.state, f.dir.File("Gone.QF3"), prompter);
    EXPECT_TRUE(missing.outcome.IsRefused());
    EXPECT_EQ(missing.outcome.message.text, "The file \"Gone.QF3\" could not be found.");
    EXPECT_EQ(missing.outcome.message.caption, "Error");
    EXPECT_FALSE(FileExists(f.dir.File("Gone.QF3")));
    EXPECT_EQ(f.state.settings.lastGroup, path);
}

TEST(StartFile, ShapeIsOfferedAndImportedOnYesOnly) {
    StartFileFixture f;
    ShapeRecord star;
    star.name = "Star";
    star.width = star.height = 9;
    test::WriteBytes(f.dir.File("star.LAY"), EncodeShapeExchange(star));
    const std::string library = f.state.ShapesLibrary();

    test::ScriptedPrompter no({Answer::No});
    StartFileResult r = OpenStartFile(f.state, f.dir.File("star.LAY"), no);
    EXPECT_TRUE(r.outcome.IsCancelled());
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0].text, "Add the puzzle shape in \"star.LAY\" to the puzzle shapes library?");
    EXPECT_EQ(no.asked[0].caption, "Import");
    EXPECT_FALSE(FileExists(library));

    test::ScriptedPrompter yes({Answer::Yes, Answer::Yes});
    r = OpenStartFile(f.state, f.dir.File("star.LAY"), yes);
    EXPECT_TRUE(r.outcome.IsDone());
    EXPECT_EQ(r.outcome.message.text, "Puzzle shape added to the library.");
    EXPECT_EQ(r.outcome.index, 0);
    EXPECT_EQ(f.state.currentShape.name.Str(), "Star");
    EXPECT_EQ(FileSize(library), 2555);

    // A damaged file is refused with the library's own message, the library unchanged.
    test::WriteFile(f.dir.File("bad.lay"), "LAX1.0 and nothing more");
    r = OpenStartFile(f.state, f.dir.File("bad.lay"), yes);
    EXPECT_TRUE(r.outcome.IsRefused());
    EXPECT_EQ(r.outcome.message.text, "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(FileSize(library), 2555);
}

TEST(StartFile, PageLayoutIsOfferedAndImported) {
    StartFileFixture f;
    const std::string exchange = f.dir.File("plain.PAG");
    ASSERT_TRUE(ExportDefaultLayout(f.dir.File("none.DAT"), exchange).IsDone());
    test::ScriptedPrompter yes({Answer::Yes});
    const StartFileResult r = OpenStartFile(f.state, exchange, yes);
    EXPECT_EQ(r.kind, StartFileKind::PageLayout);
    EXPECT_TRUE(r.outcome.IsDone());
    EXPECT_EQ(yes.asked.at(0).text, "Add the page layout in \"plain.PAG\" to the page layouts library?");
    EXPECT_EQ(r.outcome.message.text, "Page layout added to the library.");
    EXPECT_EQ(FileSize(f.state.LayoutsLibrary()), 28868);
}

TEST(StartFile, OtherFilesAreRefusedWithoutAQuestion) {
    StartFileFixture f;
    test::WriteFile(f.dir.File("words.txt"), "OWL\n");
    test::ScriptedPrompter prompter({Answer::Yes});
    const StartFileResult r = OpenStartFile(f.state, f.dir.File("words.txt"), prompter);
    EXPECT_TRUE(r.outcome.IsRefused());
    EXPECT_EQ(r.outcome.message.text,
              "Quernfold does not open \"words.txt\".  It opens puzzle groups (.QF3), puzzle shapes (.LAY) and "
              "page layouts (.PAG).");
    EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
}  // namespace qf
