#include <gtest/gtest.h>

#include "shapes/ShapeTransfer.h"
#include "shapes/ShapeFiles.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using Chooser = test::ScriptedChooser;

TEST(ShapeTransfer, ExportAndImportKeepTheLastFileNames) {
    test::TempDir dir;
    const std::string lib = dir.File("QFFLAY.DAT");
    ShapeRecord star;
    star.name = "Star";
    star.width = star.height = 11;
    ASSERT_TRUE(AppendShape(lib, star).IsDone());
    Settings settings;
    settings.lastExportShapeFile = "/start/here.LAY";
    Chooser chooser({"", dir.File("star.LAY"), dir.File("star.LAY"), dir.File("none.LAY")});
    ShapeRecord current;

    Outcome r = ExportShapeCommand(settings, chooser, lib, 0, current);
    EXPECT_TRUE(r.IsCancelled());
    EXPECT_TRUE(r.message.Empty());
    EXPECT_EQ(settings.lastExportShapeFile, "/start/here.LAY");
    EXPECT_EQ(chooser.requests[0].title, "Export Puzzle Shape");
    EXPECT_EQ(chooser.requests[0].filter, "Puzzle Shape (*.LAY)|*.LAY");
    EXPECT_EQ(chooser.requests[0].initialPath, "/start/here.LAY");

    r = ExportShapeCommand(settings, chooser, lib, 0, current);
    EXPECT_TRUE(r.IsDone());
    EXPECT_EQ(r.message.text, "Puzzle Shape Exported!");
    EXPECT_EQ(r.message.caption, "OK");
    EXPECT_EQ(settings.lastExportShapeFile, dir.File("star.LAY"));

    r = ImportShapeCommand(settings, chooser, lib, current);
    EXPECT_TRUE(r.IsDone());
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(chooser.requests[2].title, "Import Puzzle Shape");
    EXPECT_EQ(chooser.requests[2].filter, "Puzzle Shapes (*.LAY)|*.LAY");
    r = ImportShapeCommand(settings, chooser, lib, current);
    EXPECT_TRUE(r.IsRefused());
    EXPECT_EQ(r.message.text, "Puzzle shape could not be imported.");
    EXPECT_EQ(settings.lastImportShapeFile, dir.File("none.LAY"));
}

}  // namespace
}  // namespace qf
