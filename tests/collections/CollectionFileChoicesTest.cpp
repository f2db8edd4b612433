#include <gtest/gtest.h>

#include "collections/CollectionFileChoices.h"
#include "collections/CollectionFixtures.h"

namespace qf {
namespace {

TEST(CollectionFileChoices, ImportChoiceIsStoredEvenWhenRefused) {
    Settings settings;
    settings.lastImportPuzzleFile = "/home/me/last.QF3";
    test::ScriptedChooser chooser({"/home/me/words.txt", "/home/me/OPEN.qf3", "/home/me/old.Qfd", ""});

    ImportChoice c;
    Outcome o = ChooseImportFile(settings, chooser, "/home/me/open.QF3", c);
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].title, "Import Puzzles");
    EXPECT_EQ(chooser.requests[0].filter, "QFOLD Files (*.QF3)|*.QF3|16 bit QFOLD Files (*.QFD)|*.QFD");
    EXPECT_EQ(chooser.requests[0].defaultExtension, "QF3");
    EXPECT_EQ(chooser.requests[0].initialPath, "/home/me/last.QF3");
    EXPECT_TRUE(o.IsRefused());
    EXPECT_EQ(o.message.text, "The file selected is not a valid Quernfold file.");
    EXPECT_EQ(settings.lastImportPuzzleFile, "/home/me/words.txt");

    o = ChooseImportFile(settings, chooser, "/home/me/open.QF3", c);
    EXPECT_EQ(o.message.text, "Import File cannot be the same as the currently open file.");
    o = ChooseImportFile(settings, chooser, "/home/me/open.QF3", c);
    EXPECT_TRUE(o.IsDone());
    EXPECT_EQ(c.kind, ImportKind::OldPuzzle);
    EXPECT_EQ(c.path, "/home/me/old.Qfd");
    o = ChooseImportFile(settings, chooser, "/home/me/open.QF3", c);
    EXPECT_TRUE(o.IsCancelled());
    EXPECT_EQ(settings.lastImportPuzzleFile, "/home/me/old.Qfd");  // a cancel keeps the last choice
}

TEST(CollectionFileChoices, GroupDialogsAndTheOpenCheck) {
    const FileDialogRequest create = NewGroupRequest("/x/A.QF3");
    EXPECT_EQ(create.title, "Create New Puzzle Group");
    EXPECT_TRUE(create.save && create.confirmOverwrite);
    EXPECT_EQ(OpenGroupRequest("/x/A.QF3").title, "Open Puzzle Group");
    Settings settings;
    settings.lastExportPuzzleFile = "/x/out.QF3";
    EXPECT_EQ(ExportPuzzlesRequest(settings).title, "Save Crossword Puzzles");
    EXPECT_EQ(ExportPuzzlesRequest(settings).initialPath, "/x/out.QF3");

    EXPECT_TRUE(CheckOpenGroupChoice("/x/puzzles.qf3").IsDone());
    const Outcome m = CheckOpenGroupChoice("/x.QF3/puzzles");
    EXPECT_EQ(m.message.text, "The file selected is not a valid Crossword file.");
    EXPECT_EQ(m.message.caption, "Error");
    EXPECT_FALSE(CheckOpenGroupChoice("/x/puzzles.QFD").IsDone());
}

}  // namespace
}  // namespace qf
