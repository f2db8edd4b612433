// How windows are scaled, placed and given the interface fonts.
#include <gtest/gtest.h>

#include "base/FormGeometry.h"

namespace qf {
namespace {

TEST(FormGeometry, ScreenSizeAndScale) {
    EXPECT_EQ(ScaleOfWindowSize(640), 1.0);
    EXPECT_EQ(ScaleOfWindowSize(800), 1.25);
    EXPECT_EQ(ScaleOfWindowSize(1024), 1.6);
    EXPECT_EQ(ScaleOfWindowSize(1280), 2.0);
    EXPECT_EQ(ScaleOfWindowSize(999), 1.0);
    // A size the screen cannot show falls back to 640 x 480.
    EXPECT_EQ(StartUpWindowSize(1280, 1024, 768), 640);
    EXPECT_EQ(StartUpWindowSize(1024, 1024, 768), 1024);
    EXPECT_EQ(StartUpWindowSize(800, 1920, 599), 640);
    EXPECT_EQ(StartUpWindowSize(777, 1920, 1080), 640);
    // Automatic: the largest the screen shows.
    EXPECT_EQ(StartUpWindowSize(0, 1920, 1080), 1280);
    EXPECT_EQ(StartUpWindowSize(0, 1280, 800), 1024);
    EXPECT_EQ(StartUpWindowSize(0, 1024, 768), 1024);
    EXPECT_EQ(StartUpWindowSize(0, 1000, 700), 800);
    EXPECT_EQ(StartUpWindowSize(0, 800, 480), 640);
    EXPECT_EQ(ScalePercent(1.6), 160);
    EXPECT_EQ(ScalePercent(1.25), 125);
    EXPECT_EQ(Scaled(413, 1.6), 660);  // 413 * 160 / 100, truncated
    EXPECT_EQ(Scaled(632, 1.25), 790);
}

TEST(FormGeometry, CentringOfDialogsAndTheMainWindow) {
    const Placement wide = CentreDialog(640, 480, 801, 300);
    EXPECT_EQ(wide.left, -80);  // wider than the screen: left of it, division toward zero
    EXPECT_EQ(wide.top, 90);
    const Placement main = CentreMainWindow(640, 480, 632, 470, 10);
    EXPECT_EQ(main.left, 4);
    EXPECT_EQ(main.top, 0);  // (480 - 470) / 2 - 10 is below 0: never above the screen
    EXPECT_EQ(CentreMainWindow(1024, 768, 632, 413, 10).top, 167);
}

// A window is never larger than the screen's available area, nor off it; where it fits, the
// design size times the scale stays exactly as it was.
TEST(FormGeometry, WindowsFitTheAvailableScreen) {
    struct Case {
        int width, height;
        double scale;
        ScreenArea area;
        int frameWidth, frameHeight;
        double fitted;
    } const cases[] = {
        {720, 560, 2.0, {0, 0, 1280, 1024}, 16, 40, 1.75},   // the editor at 1280 on a 1280 x 1024 display
        {720, 560, 2.0, {0, 0, 1600, 1200}, 16, 40, 2.0},    // room enough: unchanged
        {720, 560, 1.0, {0, 0, 800, 600}, 0, 0, 1.0},        // exactly as designed
        {660, 425, 2.0, {0, 24, 1280, 1000}, 16, 40, 1.91}, // a panel at the top takes 24
        {720, 560, 1.0, {0, 0, 0, 0}, 0, 0, 1.0},            // no screen known: left alone
        {720, 560, 1.0, {0, 0, 320, 240}, 0, 0, 0.43},
    };
    for (const Case& c : cases) {
        const double fitted = FittingScale(c.width, c.height, c.scale, c.area, c.frameWidth, c.frameHeight);
        EXPECT_DOUBLE_EQ(fitted, c.fitted) << c.width << "x" << c.height << " at " << c.scale;
        if (c.area.width > 0) {
            EXPECT_LE(Scaled(c.width, fitted) + c.frameWidth, c.area.width);
            EXPECT_LE(Scaled(c.height, fitted) + c.frameHeight, c.area.height);
        }
    }
    const ScreenArea area{0, 24, 1280, 1000};
    const Placement centred = CentreDialog(1280, 1024, 1440, 1120);  // left of and above the screen
    const Placement kept = KeepInside(centred, 1440, 1120, area);
    EXPECT_EQ(kept.left, 0);
    EXPECT_EQ(kept.top, 24);
    EXPECT_EQ(KeepInside({1200, 900}, 300, 200, area).left, 980);
    EXPECT_EQ(KeepInside({1200, 900}, 300, 200, area).top, 824);
    EXPECT_EQ(KeepInside({100, 100}, 300, 200, area).left, 100);  // inside already: not moved
}

TEST(FormGeometry, WhichFontEachKindOfControlTakes) {
    EXPECT_EQ(FontRuleFor(ControlKind::Label).font, InterfaceFontKind::Label);
    EXPECT_TRUE(FontRuleFor(ControlKind::CheckBox).colour);
    EXPECT_EQ(FontRuleFor(ControlKind::ListBox).font, InterfaceFontKind::Label);
    EXPECT_FALSE(FontRuleFor(ControlKind::GroupBox).colour);
    EXPECT_EQ(FontRuleFor(ControlKind::Grid).font, InterfaceFontKind::Edit);
    EXPECT_TRUE(FontRuleFor(ControlKind::ComboBox).colour);
    EXPECT_FALSE(FontRuleFor(ControlKind::MaskedEdit).colour);
    EXPECT_EQ(FontRuleFor(ControlKind::Button).font, InterfaceFontKind::Button);
    EXPECT_FALSE(FontRuleFor(ControlKind::Button).colour);
    EXPECT_EQ(FontRuleFor(ControlKind::Other).font, InterfaceFontKind::None);

    FormLook look;
    look.edit.name = "Courier New";
    EXPECT_EQ(look.Font(InterfaceFontKind::Edit)->name, "Courier New");
    EXPECT_EQ(look.Font(InterfaceFontKind::None), nullptr);
}

}  // namespace
}  // namespace qf
