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
