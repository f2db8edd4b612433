// The main window's rules without the window: recent files, the open collection, screen sizes.
#include <gtest/gtest.h>

#include "app/RecentFiles.h"
#include "app/ScreenOptions.h"
#include "base/RecordFile.h"
#include "support/TempDir.h"

namespace qf {
namespace {

TEST(RecentFiles, OpenReopenAndTheMenu) {
    RecentFiles files{"C", "D", "", "", ""};
    DoLastFiles(files, "A", "B");  // B opened while A was open
    EXPECT_EQ(files, (RecentFiles{"A", "C", "D", "", ""}));
    DoLastFiles(files, "B", "A");  // A again from the list
    EXPECT_EQ(files, (RecentFiles{"B", "C", "D", "", ""}));
    DoLastFiles(files, "B", "B");  // the open file itself opened through the dialog
    EXPECT_EQ(files, (RecentFiles{"B", "C", "D", "", ""}));
    RecentFiles full{"1", "2", "3", "4", "5"};
    DoLastFiles(full, "0", "new");
    EXPECT_EQ(full, (RecentFiles{"0", "1", "2", "3", "4"}));  // the fifth drops out

    const RecentMenu menu = SetMenuLastFiles({"/a/B.QF3", "", "/c.QF3", "", ""});
    EXPECT_TRUE(menu.separatorVisible);
    EXPECT_EQ(menu.captions[0], "&1   /a/B.QF3");
    EXPECT_EQ(menu.captions[2], "&3   /c.QF3");
    EXPECT_FALSE(menu.visible[1]);
    EXPECT_FALSE(SetMenuLastFiles({}).separatorVisible);
}

TEST(RecentFiles, OpeningNewAndRecentCollections) {
    test::TempDir dir;
    Settings settings;
    settings.lastGroup = dir.File("A.QF3");
    settings.lastFiles = {dir.File("C.QF3"), dir.File("GONE.QF3"), "", "", ""};
    test::WriteFile(dir.File("C.QF3"), "");

    const Outcome refused = OpenGroupFile(settings, dir.File("words.txt"));
    EXPECT_EQ(refused.message.text, "The file selected is not a valid Crossword file.");
    EXPECT_EQ(settings.lastGroup, dir.File("A.QF3"));

    ASSERT_TRUE(OpenGroupFile(settings, dir.File("B.qf3")).IsDone());
    EXPECT_EQ(settings.lastGroup, dir.File("B.qf3"));
    EXPECT_EQ(settings.lastFiles[0], dir.File("A.QF3"));

    // A recent file deleted on disk does nothing and stays listed.
    EXPECT_TRUE(OpenRecentFile(settings, 2).IsCancelled());
    EXPECT_EQ(settings.lastFiles[2], dir.File("GONE.QF3"));
    ASSERT_TRUE(OpenRecentFile(settings, 1).IsDone());  // C
    EXPECT_EQ(settings.lastGroup, dir.File("C.QF3"));
    EXPECT_EQ(settings.lastFiles[0], dir.File("B.qf3"));
    EXPECT_EQ(settings.lastFiles[1], dir.File("A.QF3"));

    // A new collection is created empty, emptying an existing file.
    test::WriteFile(dir.File("NEW.QF3"), "old bytes");
    NewGroupFile(settings, dir.File("NEW.QF3"));
    EXPECT_EQ(test::ReadFileText(dir.File("NEW.QF3")), "");
    EXPECT_EQ(settings.lastGroup, dir.File("NEW.QF3"));
    // One that cannot be created leaves the open collection as it was.
    EXPECT_THROW(NewGroupFile(settings, dir.File("no/such/folder/X.QF3")), IoError);
    EXPECT_EQ(settings.lastGroup, dir.File("NEW.QF3"));
}

TEST(ScreenOptions, AutomaticTakesTheLargestSizeOfTheScreenTheWindowIsOn) {
    ProgramState state;
    state.screen = {1920, 1080, 1.0};
    state.settings.windowSize = 640;
    ASSERT_TRUE(ChooseWindowSize(state, 0).IsDone());  // never refused
    EXPECT_EQ(state.settings.windowSize, 0);
    EXPECT_EQ(state.screen.scale, 2.0);
    EXPECT_FALSE(FollowScreen(state, 2560, 1440));  // still 1280 x 1024: nothing to lay out
    EXPECT_TRUE(FollowScreen(state, 1024, 768));    // a smaller screen
    EXPECT_EQ(state.screen.scale, 1.6);
    EXPECT_EQ(TakeStartUpScale(state), 1024);
    // A chosen size stays where it is, whatever the screen.
    ASSERT_TRUE(ChooseWindowSize(state, 800).IsDone());
    EXPECT_FALSE(FollowScreen(state, 1920, 1080));
    EXPECT_EQ(state.screen.scale, 1.25);
    EXPECT_EQ(state.screen.width, 1920);
}

TEST(ScreenOptions, ChoosingASizeTheScreenCanShow) {
    ProgramState state;
    state.screen = {1024, 768, 1.0};
    state.settings.windowSize = 1280;
    EXPECT_EQ(TakeStartUpScale(state), 640);  // 1280 on a 1024 x 768 screen
    EXPECT_EQ(state.screen.scale, 1.0);
    EXPECT_EQ(state.settings.windowSize, 1280);  // kept, and written back at close

    EXPECT_TRUE(ChooseWindowSize(state, 1280).IsCancelled());  // the setting already: nothing
    state.settings.windowSize = 640;
    const Outcome tooLarge = ChooseWindowSize(state, 1280);
    EXPECT_EQ(tooLarge.message.text, "Your current screen resolution does not support 1280 x 1024 pixels.");
    EXPECT_EQ(tooLarge.message.caption, "Error");
    EXPECT_EQ(state.settings.windowSize, 640);
    ASSERT_TRUE(ChooseWindowSize(state, 1024).IsDone());
    EXPECT_EQ(state.settings.windowSize, 1024);
    EXPECT_EQ(state.screen.scale, 1.6);
    EXPECT_TRUE(ChooseWindowSize(state, 1024).IsCancelled());
    ASSERT_TRUE(ChooseWindowSize(state, 640).IsDone());
    EXPECT_EQ(state.screen.scale, 1.0);
    EXPECT_EQ(WindowSizeCaption(800), "800 x 600");
    EXPECT_EQ(WindowSizeCaption(0), "Automatic");
}

TEST(ScreenOptions, ThePuzzlePictureShowsWhereTheWidenedWindowFitsTheScreen) {
    struct Row {
        bool asked;
        double scale;
        int screenWidth;
        bool shown;
    };
    // The window is 632 design pixels wide; the picture adds 208.
    for (const Row& row : {Row{false, 1.0, 1920, false}, Row{true, 1.0, 840, true}, Row{true, 1.0, 839, false},
                           Row{true, 1.6, 1344, true}, Row{true, 1.6, 1343, false}, Row{true, 2.0, 1280, false}}) {
        ProgramState state;
        state.screen = {row.screenWidth, 1024, row.scale};
        state.settings.puzzlePicture = row.asked;
        EXPECT_EQ(ShowsPuzzlePicture(state, 632), row.shown) << row.scale << " " << row.screenWidth;
    }
    // Asked for where it cannot show: the setting is kept, and the user is told why nothing shows.
    ProgramState state;
    state.screen = {800, 600, 1.0};
    const std::optional<Message> why = TogglePuzzlePicture(state, 632);
    EXPECT_TRUE(state.settings.puzzlePicture);
    ASSERT_TRUE(why.has_value());
    EXPECT_NE(why->text.find("Screen Size"), std::string::npos);
    EXPECT_FALSE(TogglePuzzlePicture(state, 632).has_value());  // turned off: nothing to say
    EXPECT_FALSE(state.settings.puzzlePicture);
    state.screen.width = 1024;
    EXPECT_FALSE(TogglePuzzlePicture(state, 632).has_value());  // shown
}

}  // namespace
}  // namespace qf
