#include <gtest/gtest.h>

#include "layouts/LayoutTransfer.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using Chooser = test::ScriptedChooser;

TEST(LayoutTransfer, ExportAndImportKeepTheLastFileNames) {
    test::TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    PageLayoutRecord layout;
    BuildDefaultLayout(layout);
    ASSERT_TRUE(AppendLayout(lib, layout).IsDone());
    Settings settings;
    Chooser chooser({dir.File("a.PAG"), dir.File("a.PAG"), ""});

    Outcome r = ExportLayoutCommand(settings, chooser, lib, 0);
    EXPECT_TRUE(r.IsDone());
    EXPECT_EQ(r.message.text, "Page Layout Exported!");
    EXPECT_EQ(r.message.caption, "OK");
    EXPECT_EQ(chooser.requests[0].title, "Export Page Layouts");
    EXPECT_EQ(chooser.requests[0].filter, "Page Layouts (*.PAG)|*.PAG");
    EXPECT_EQ(chooser.requests[0].defaultExtension, "PAG");
    EXPECT_TRUE(chooser.requests[0].confirmOverwrite);
    EXPECT_EQ(settings.lastExportLayoutFile, dir.File("a.PAG"));

    r = ImportLayoutCommand(settings, chooser, lib);
    EXPECT_TRUE(r.IsDone());
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(chooser.requests[1].title, "Import Page Layouts");
    EXPECT_EQ(settings.lastImportLayoutFile, dir.File("a.PAG"));
    r = ImportLayoutCommand(settings, chooser, lib);  // cancelled
    EXPECT_TRUE(r.IsCancelled());
    EXPECT_TRUE(r.message.Empty());
    EXPECT_EQ(CountLayouts(lib), 2);
}

}  // namespace
}  // namespace qf

namespace qf {
namespace {

TEST(LayoutTransfer, TheDeleteQuestionQuotesTheEntry) {
    const Message question = DeleteLayoutQuestion("Letter Classic (Letter)  <<DEFAULT>>");
    EXPECT_EQ(question.text, "Are you sure you want to delete \"Letter Classic (Letter)  <<DEFAULT>>\"?");
    EXPECT_EQ(question.caption, "Delete?");
}

}  // namespace
}  // namespace qf
