#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/ByteCodec.h"
#include "base/FileUtil.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageDesign.h"
#include "layouts/PageObjectDialogs.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::TempDir;
using Rect = ObjectRect;

std::unique_ptr<PageDesign> OpenNew(PageZoom zoom = PageZoom::Medium) {
    auto d = std::make_unique<PageDesign>();
    EXPECT_TRUE(OpenPageDesign(*d, PageDesignMode::New, nullptr, -1, zoom, {}).empty());
    return d;
}

// A design holding objects of the given kinds and rectangles, as if opened at its stored zoom.
std::unique_ptr<PageDesign> OpenWith(const std::vector<std::pair<ObjectKind, Rect>>& objects,
                                     PageZoom zoom = PageZoom::Medium, PageDesignMode mode = PageDesignMode::Modify) {
    auto source = std::make_unique<PageLayoutRecord>();
    BuildDefaultLayout(*source);
    source->zoom = static_cast<std::int16_t>(zoom);
    source->objectCount = 0;
    for (const auto& [kind, rect] : objects) {
        PageObject o = NewPageObject(kind, *source, {});
        o.rect = rect;
        source->objects[static_cast<std::size_t>(source->objectCount++)] = o;
    }
    auto d = std::make_unique<PageDesign>();
    OpenPageDesign(*d, mode, source.get(), 0, zoom, {});
    return d;
}

PageChange Act(PageDesign& d, const PageAction& a) { return ApplyPageAction(d, a); }

PageChange Click(PageDesign& d, PagePoint press, PagePoint release, PageMouseButton b = PageMouseButton::Left) {
    Act(d, pages::MouseDown{b, press});
    return Act(d, pages::MouseUp{b, release});
}

void Place(PageDesign& d, ObjectKind kind, PagePoint at) {
    Act(d, pages::ClickKind{kind});
    Click(d, at, at);
}

std::string Names(const PageDesign& d) {
    std::string names;
    for (const std::string& n : ObjectMenuCaptions(d)) names += n + ",";
    return names;
}

TEST(PageDesignOpen, NewLayoutAndTheUnitsOfEachZoom) {
    const auto d = OpenNew();
    EXPECT_EQ(d->nameText, "New Page");
    EXPECT_EQ(d->paperText, "Letter");
    EXPECT_EQ(d->widthText, "8.50");
    EXPECT_EQ(d->heightText, "11.00");
    EXPECT_EQ(d->layout.inches, 1);
    EXPECT_EQ(d->layout.portrait, 1);
    EXPECT_EQ(d->ObjectCount(), 0);
    EXPECT_EQ(d->layout.pixelWidth, 612);
    EXPECT_EQ(d->layout.pixelHeight, 792);
    EXPECT_FALSE(CustomBoxesShown(*d));
    const std::vector<int> units{UnitsPerUnit(PageZoom::Small, true),  UnitsPerUnit(PageZoom::Medium, true),
                                 UnitsPerUnit(PageZoom::Large, true),  UnitsPerUnit(PageZoom::Small, false),
                                 UnitsPerUnit(PageZoom::Medium, false), UnitsPerUnit(PageZoom::Large, false)};
    EXPECT_EQ(units, (std::vector<int>{48, 72, 96, 20, 30, 40}));
}

TEST(PageDesignOpen, StoredRectanglesFollowTheCurrentZoomAndMissingBitmapsAreReported) {
    TempDir dir;
    test::WriteFile(dir.File("here.bmp"), "BM");
    auto source = std::make_unique<PageLayoutRecord>();
    BuildDefaultLayout(*source);
    source->name = "Classic (9)";
    source->zoom = 3;
    source->objects[1].rect = {97, 75, 313, 293};
    for (const std::string& file : {dir.File("gone.bmp"), dir.File("here.bmp"), std::string()}) {
        PageObject bitmap = NewPageObject(ObjectKind::Bitmap, *source, {});
        bitmap.bitmapFile = file;
        source->objects[static_cast<std::size_t>(source->objectCount++)] = bitmap;
    }
    PageDesign d;
    const auto warnings = OpenPageDesign(d, PageDesignMode::Copy, source.get(), 4, PageZoom::Small, {});
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].text, "A bitmap for this layout could not be located.");
    EXPECT_EQ(warnings[0].caption, "Warning");
    EXPECT_EQ(d.nameText, "Classic (10)");
    EXPECT_EQ(d.Object(1).rect, (Rect{24, 24, 180, 36}));
    EXPECT_EQ(d.Object(2).rect, (Rect{48, 37, 156, 146}));
    EXPECT_EQ(d.layout.pixelWidth, 408);
    EXPECT_FALSE(BitmapLoadable(d.Object(7)));
    EXPECT_TRUE(BitmapLoadable(d.Object(8)));
    EXPECT_FALSE(KindButtonEnabled(d, ObjectKind::Title));
    EXPECT_FALSE(KindButtonEnabled(d, ObjectKind::CombinedClues));
    EXPECT_TRUE(KindButtonEnabled(d, ObjectKind::WordList));

    // Layouts made without the designer carry no zoom: their rectangles are the Small zoom's.
    source->zoom = 0;
    source->objectCount = 99;
    OpenPageDesign(d, PageDesignMode::Modify, source.get(), 4, PageZoom::Medium, {});
    EXPECT_EQ(d.nameText, "Classic (9)");
    EXPECT_EQ(d.Object(1).rect, (Rect{72, 72, 540, 108}));
    EXPECT_EQ(d.ObjectCount(), 20);
}

TEST(PageDesignPlace, ObjectsTakeTheirDefaultsAndSizeAtTheClick) {
    auto d = OpenNew();
    const PageChange pressed = Act(*d, pages::ClickKind{ObjectKind::Title});
    EXPECT_TRUE(pressed.buttonsChanged);
    EXPECT_EQ(pressed.cursor, PageCursor::Drag);
    Act(*d, pages::ClickKind{ObjectKind::Puzzle});  // only one button is down
    EXPECT_EQ(d->chosenKind, 2);
    Act(*d, pages::ClickKind{ObjectKind::Puzzle});
    EXPECT_EQ(d->chosenKind, 0);

    Place(*d, ObjectKind::Title, {10, 20});
    EXPECT_EQ(d->Object(1).rect, (Rect{10, 20, 154, 38}));
    EXPECT_EQ(d->Object(1).alignment, kAlignCentre);
    EXPECT_EQ(d->chosenKind, 0);
    EXPECT_EQ(d->cursor, PageCursor::Default);
    EXPECT_EQ(d->selected, 1);
    EXPECT_FALSE(KindButtonEnabled(*d, ObjectKind::Title));
    d->labels.down = "Abajo";
    Place(*d, ObjectKind::DownHeader, {0, 0});
    EXPECT_EQ(ObjectText(d->Object(2)), "Abajo");
    Place(*d, ObjectKind::Text, {5, 5});
    Place(*d, ObjectKind::Text, {5, 5});
    EXPECT_EQ(Names(*d), "Title,Down Header,Text 1,Text 2,");

    // Centimetres: 30 units per centimetre at Medium; a quarter is 7.5, truncated.
    Act(*d, pages::ChoosePaper{"A4"});
    Place(*d, ObjectKind::BonusQuestion, {1, 2});
    EXPECT_EQ(d->Object(5).rect, (Rect{1, 2, 121, 9}));
    Place(*d, ObjectKind::Puzzle, {0, 0});
    EXPECT_EQ(d->Object(6).rect, (Rect{0, 0, 90, 90}));
}

TEST(PageDesignPlace, KindButtonStatesAndTheTwentyObjectLimit) {
    auto d = OpenNew();
    Place(*d, ObjectKind::CombinedClues, {0, 0});
    for (ObjectKind k : {ObjectKind::DownHeader, ObjectKind::AcrossHeader, ObjectKind::DownClues,
                         ObjectKind::AcrossClues, ObjectKind::CombinedClues})
        EXPECT_FALSE(KindButtonEnabled(*d, k));
    EXPECT_TRUE(KindButtonEnabled(*d, ObjectKind::WordList));
    EXPECT_TRUE(Act(*d, pages::DeleteObject{1}).buttonsChanged);
    EXPECT_TRUE(KindButtonEnabled(*d, ObjectKind::AcrossClues));
    Place(*d, ObjectKind::AcrossHeader, {0, 0});
    EXPECT_FALSE(KindButtonEnabled(*d, ObjectKind::CombinedClues));
    Act(*d, pages::ClickKind{ObjectKind::CombinedClues});
    EXPECT_EQ(d->chosenKind, 0);

    for (int i = 2; i <= 20; ++i) Place(*d, ObjectKind::Circle, {i, i});
    ASSERT_EQ(d->ObjectCount(), 20);
    for (int k = 1; k <= kObjectKindCount; ++k) EXPECT_FALSE(KindButtonEnabled(*d, static_cast<ObjectKind>(k)));
    d->chosenKind = static_cast<int>(ObjectKind::Text);  // a button left down cannot place a 21st
    Click(*d, {1, 1}, {1, 1});
    EXPECT_EQ(d->ObjectCount(), 20);
    EXPECT_EQ(KindButtonCaption(ObjectKind::BonusQuestion), std::string("Bonus Quest"));
}

TEST(PageDesignMouse, ClicksSelectTheTopmostObjectAndOpenItsMenu) {
    auto d = OpenWith({{ObjectKind::Text, {0, 0, 100, 100}}, {ObjectKind::Circle, {50, 50, 150, 150}}});
    Click(*d, {60, 60}, {60, 60});
    EXPECT_EQ(d->selected, 2);
    Click(*d, {10, 10}, {10, 10});
    EXPECT_EQ(d->selected, 1);
    EXPECT_TRUE(Click(*d, {300, 300}, {300, 300}).redrawPage);
    EXPECT_EQ(d->selected, 0);
    Click(*d, {60, 60}, {140, 90});  // the release must lie inside too
    EXPECT_EQ(d->selected, 2);
    Click(*d, {10, 10}, {120, 120});
    EXPECT_EQ(d->selected, 0);

    const PageChange menu = Click(*d, {20, 30}, {20, 30}, PageMouseButton::Right);
    EXPECT_EQ(menu.popup, PopupPlace::AtObject);
    EXPECT_EQ(menu.popupAt.x, 0);
    EXPECT_EQ(d->selected, 1);
    EXPECT_EQ(Click(*d, {300, 300}, {300, 300}, PageMouseButton::Right).popup, PopupPlace::None);
    EXPECT_EQ(d->selected, 1);
    const PageChange chosen = Act(*d, pages::ChooseObject{2});
    EXPECT_EQ(chosen.popup, PopupPlace::NearWindow);
    EXPECT_EQ(chosen.popupAt.x, 120);
    EXPECT_EQ(chosen.popupAt.y, 30);
}

TEST(PageDesignMouse, HandleTolerancesOrderAndCursors) {
    const Rect r{100, 100, 200, 160};  // midpoints 150 and 130
    struct Probe {
        PagePoint at;
        std::optional<Handle> handle;
    };
    const std::vector<Probe> probes{
        {{98, 98}, Handle::TopLeft},      {{103, 103}, Handle::TopLeft},     {{97, 100}, std::nullopt},
        {{104, 100}, std::nullopt},       {{197, 100}, Handle::TopRight},    {{202, 103}, Handle::TopRight},
        {{196, 100}, std::nullopt},       {{203, 100}, std::nullopt},        {{100, 157}, Handle::BottomLeft},
        {{100, 163}, std::nullopt},       {{202, 162}, Handle::BottomRight}, {{147, 98}, Handle::Top},
        {{152, 100}, Handle::Top},        {{146, 100}, std::nullopt},        {{153, 100}, std::nullopt},
        {{150, 162}, Handle::Bottom},     {{100, 127}, Handle::Left},        {{100, 126}, std::nullopt},
        {{100, 133}, std::nullopt},       {{202, 132}, Handle::Right},
    };
    for (const Probe& p : probes) EXPECT_EQ(HandleAt(r, p.at), p.handle) << p.at.x << "," << p.at.y;
    EXPECT_EQ(HandleAt({0, 0, 4, 4}, {2, 2}), Handle::TopLeft);  // every handle is hit: the first wins
    EXPECT_EQ(HandleAt({0, 0, 4, 4}, {4, 4}), Handle::BottomRight);

    auto d = OpenWith({{ObjectKind::Text, r}});
    EXPECT_EQ(Act(*d, pages::MouseMove{{150, 130}}).cursor, PageCursor::Default);  // nothing selected
    Click(*d, {150, 130}, {150, 130});
    const std::vector<std::pair<PagePoint, PageCursor>> cursors{
        {{150, 130}, PageCursor::Move},     {{100, 100}, PageCursor::SizeNWSE}, {{200, 160}, PageCursor::SizeNWSE},
        {{200, 100}, PageCursor::SizeNESW}, {{100, 160}, PageCursor::SizeNESW}, {{150, 160}, PageCursor::SizeNS},
        {{200, 130}, PageCursor::SizeWE},   {{250, 130}, PageCursor::Default}};
    for (const auto& [at, cursor] : cursors) EXPECT_EQ(Act(*d, pages::MouseMove{at}).cursor, cursor);
    Act(*d, pages::ClickKind{ObjectKind::Circle});
    EXPECT_EQ(Act(*d, pages::MouseMove{{150, 130}}).cursor, PageCursor::Drag);
}

TEST(PageDesignMouse, MovingAndResizingFollowTheMouseTravel) {
    auto d = OpenWith({{ObjectKind::Text, {100, 100, 200, 160}}});
    Click(*d, {150, 130}, {150, 130});
    Act(*d, pages::MouseMove{{150, 130}});
    Act(*d, pages::MouseDown{PageMouseButton::Left, {150, 130}});
    EXPECT_EQ(d->drag, DragMode::Move);
    EXPECT_EQ(Act(*d, pages::MouseMove{{170, 120}, true}).dragFrame, (Rect{120, 90, 220, 150}));
    EXPECT_EQ(d->Object(1).rect, (Rect{100, 100, 200, 160}));  // only the frame moves meanwhile
    EXPECT_TRUE(Act(*d, pages::MouseUp{PageMouseButton::Left, {170, 120}}).redrawPage);
    EXPECT_EQ(d->Object(1).rect, (Rect{120, 90, 220, 150}));
    EXPECT_EQ(d->selected, 1);

    // The top-left handle dragged past the opposite corner: the rectangle is normalised.
    Click(*d, {120, 90}, {250, 200});
    EXPECT_EQ(d->Object(1).rect, (Rect{220, 150, 250, 200}));
    Click(*d, {250, 175}, {280, 10});  // right handle: only the right edge moves
    EXPECT_EQ(d->Object(1).rect, (Rect{220, 150, 280, 200}));
    Click(*d, {250, 200}, {0, 230});  // bottom handle
    EXPECT_EQ(d->Object(1).rect, (Rect{220, 150, 280, 230}));
}

TEST(PageDesignZoom, ZoomChangesTruncateEveryProduct) {
    auto d = OpenWith({{ObjectKind::Text, {97, 96, 193, 301}}}, PageZoom::Large);
    EXPECT_EQ(d->layout.pixelWidth, 816);
    const PageChange small = Act(*d, pages::ChooseZoom{PageZoom::Small});
    EXPECT_TRUE(small.pageResized);
    EXPECT_EQ(d->Object(1).rect, (Rect{48, 48, 96, 150}));
    EXPECT_EQ(d->layout.pixelWidth, 408);
    Act(*d, pages::ChooseZoom{PageZoom::Medium});
    EXPECT_EQ(d->Object(1).rect, (Rect{72, 72, 144, 225}));
    Act(*d, pages::ChooseZoom{PageZoom::Small});  // 0.667
    EXPECT_EQ(d->Object(1).rect, (Rect{48, 48, 96, 150}));
    Act(*d, pages::ChooseZoom{PageZoom::Medium});
    Act(*d, pages::ChooseZoom{PageZoom::Large});  // 1.334
    EXPECT_EQ(d->Object(1).rect, (Rect{96, 96, 192, 300}));
    EXPECT_FALSE(Act(*d, pages::ChooseZoom{PageZoom::Large}).redrawPage);

    // The table's factors, not the exact ratios: 1000 x 0.667 is 667, 1000 x 1.334 is 1334.
    d = OpenWith({{ObjectKind::Text, {1000, 1000, 1000, 1000}}});
    Act(*d, pages::ChooseZoom{PageZoom::Small});
    EXPECT_EQ(d->Object(1).Left(), 667);
    d = OpenWith({{ObjectKind::Text, {1000, 1000, 1000, 1000}}});
    Act(*d, pages::ChooseZoom{PageZoom::Large});
    EXPECT_EQ(d->Object(1).Left(), 1334);
}

TEST(PageDesignPaper, PapersOrientationAndTheOddSizeNote) {
    TempDir dir;
    auto d = OpenWith({{ObjectKind::Text, {10, 10, 50, 50}}});
    Act(*d, pages::ChoosePaper{"A4"});
    EXPECT_EQ(d->layout.inches, 0);
    EXPECT_EQ(d->widthText, "21.00");
    const PageChange letter = Act(*d, pages::ChoosePaper{"Letter"});
    EXPECT_TRUE(letter.message.Empty());
    EXPECT_TRUE(letter.boxesChanged && letter.pageResized);
    EXPECT_EQ(d->layout.inches, 1);
    EXPECT_EQ(d->widthText, "8.50");
    EXPECT_EQ(d->heightText, "11.00");
    EXPECT_EQ(d->Object(1).rect, (Rect{10, 10, 50, 50}));
    const Outcome saved = SavePageDesign(*d, dir.File("QFFPAGE.DAT"));
    ASSERT_TRUE(saved.IsDone());
    EXPECT_TRUE(saved.message.Empty());

    Act(*d, pages::ChooseOrientation{false});
    EXPECT_EQ(d->widthText, "11.00");
    EXPECT_FALSE(Act(*d, pages::ChooseOrientation{false}).redrawPage);
    Act(*d, pages::ChoosePaper{"Legal"});  // a standard paper is turned to the layout's orientation
    EXPECT_EQ(d->layout.pageWidth, 14.0);
    EXPECT_EQ(d->layout.pixelHeight, 612);
    for (const char* odd : {"A5", "B5", "Executive", "Custom"}) {
        const PageChange note = Act(*d, pages::ChoosePaper{odd});
        EXPECT_EQ(note.message.text, "Some printers do not support odd sized pages.  Printed results may vary.");
        EXPECT_EQ(note.message.caption, "Warning");
    }
    EXPECT_TRUE(CustomBoxesShown(*d));
    EXPECT_EQ(d->widthText, "10.50");  // Executive landscape, kept as laid out by Custom
    EXPECT_EQ(d->heightText, "7.25");
    EXPECT_FALSE(Act(*d, pages::ChoosePaper{"Tabloid"}).redrawPage);
}

TEST(PageDesignPaper, CustomSizeChecksInBothUnits) {
    auto d = OpenNew();
    Act(*d, pages::ChoosePaper{"Custom"});
    d->widthText = "18.01";
    const PageChange refused = Act(*d, pages::WidthExit{});
    EXPECT_EQ(refused.message.text, "Width must be between 3 and 18 inches.  Please re-enter width.");
    EXPECT_EQ(refused.message.focus, "WidthEdit");
    EXPECT_EQ(d->layout.pageWidth, 8.5);
    d->widthText = "18";
    EXPECT_TRUE(Act(*d, pages::WidthExit{}).pageResized);
    EXPECT_EQ(d->layout.pixelWidth, 1296);
    for (const char* bad : {"2.99", "abc", "", "1e1"}) {
        d->widthText = bad;
        EXPECT_FALSE(CheckPageWidth(*d).IsDone()) << bad;
    }
    d->heightText = "3.99";
    EXPECT_EQ(Act(*d, pages::HeightExit{}).message.text,
              "Height must be between 4 and 18 inches.  Please re-enter height.");
    d->heightText = "4";
    EXPECT_TRUE(CheckPageHeight(*d).IsDone());

    d->layout.inches = 0;
    d->widthText = "46.01";
    EXPECT_EQ(CheckPageWidth(*d).message.text, "Width must be between 7 and 46 centimeters.  Please re-enter width.");
    d->heightText = "9.99";
    EXPECT_EQ(CheckPageHeight(*d).message.text,
              "Height must be between 10 and 46 centimeters.  Please re-enter height.");
    d->widthText = "7";
    EXPECT_TRUE(CheckPageWidth(*d).IsDone());

    d->paperText = "Letter";  // hidden boxes take no focus
    d->widthText = "99";
    EXPECT_EQ(CheckPageWidth(*d).message.focus, "");
}

TEST(PageDesignPaper, UnitChangeConvertsSizesAndCoordinates) {
    auto d = OpenWith({{ObjectKind::Text, {48, 240, 100, 101}}});
    EXPECT_FALSE(Act(*d, pages::SetInches{false}).redrawPage);  // "Inches" belongs to the custom paper
    Act(*d, pages::ChoosePaper{"Custom"});
    Act(*d, pages::SetInches{false});
    EXPECT_EQ(d->widthText, "21.59");
    EXPECT_EQ(d->heightText, "27.94");
    EXPECT_EQ(d->Object(1).rect, (Rect{50, 254, 105, 106}));
    EXPECT_EQ(d->layout.pixelWidth, 647);
    Act(*d, pages::SetInches{true});
    EXPECT_EQ(d->widthText, "8.50");
    EXPECT_EQ(d->heightText, "11.00");
    EXPECT_EQ(d->Object(1).rect, (Rect{47, 240, 99, 100}));
    d->widthText = "15.5";  // 39.37 cm, however near the product falls below it
    Act(*d, pages::WidthExit{});
    Act(*d, pages::SetInches{false});
    EXPECT_EQ(d->widthText, "39.37");
}

TEST(PageDesignObjects, DeleteBringToFrontAndSendToBack) {
    auto d = OpenWith({{ObjectKind::Text, {}}, {ObjectKind::Text, {}}, {ObjectKind::Text, {}},
                       {ObjectKind::Text, {}}, {ObjectKind::Text, {}}});
    d->selected = 5;
    Act(*d, pages::SendToBack{5});
    EXPECT_EQ(Names(*d), "Text 5,Text 1,Text 2,Text 3,Text 4,");
    EXPECT_EQ(d->selected, 1);
    Act(*d, pages::BringToFront{2});
    EXPECT_EQ(Names(*d), "Text 5,Text 2,Text 3,Text 4,Text 1,");
    EXPECT_EQ(d->selected, 1);
    Act(*d, pages::DeleteObject{1});
    EXPECT_EQ(Names(*d), "Text 2,Text 3,Text 4,Text 1,");
    EXPECT_EQ(d->selected, 0);
    EXPECT_FALSE(Act(*d, pages::DeleteObject{5}).redrawPage);
}

TEST(PageDesignMenu, PopupItemsByKind) {
    auto item = [](ObjectKind kind, ObjectMenuItem i) { return ObjectMenuFor(NewPageObject(kind, {}, {})).Enabled(i); };
    using I = ObjectMenuItem;
    const ObjectMenuState puzzle = ObjectMenuFor(NewPageObject(ObjectKind::Puzzle, {}, {}));
    EXPECT_EQ(puzzle.fontCaption, "Answer Key Font");
    for (I off : {I::ChangeText, I::TextAlignment, I::LoadBitmap, I::Border, I::Fill}) EXPECT_FALSE(puzzle.Enabled(off));
    for (I on : {I::Properties, I::TextFont, I::ClueNumberFont, I::SizePosition}) EXPECT_TRUE(puzzle.Enabled(on));
    EXPECT_EQ(ObjectMenuFor(NewPageObject(ObjectKind::Title, {}, {})).fontCaption, "Text Font");
    EXPECT_EQ(ObjectMenuFor(NewPageObject(ObjectKind::Title, {}, {})).alignment, kAlignCentre);
    EXPECT_FALSE(item(ObjectKind::Title, I::ChangeText));
    EXPECT_TRUE(item(ObjectKind::DownHeader, I::ChangeText));
    EXPECT_TRUE(item(ObjectKind::Text, I::TextAlignment));
    EXPECT_FALSE(item(ObjectKind::WordList, I::TextAlignment));
    EXPECT_TRUE(item(ObjectKind::CombinedClues, I::Properties));
    EXPECT_FALSE(item(ObjectKind::Bitmap, I::Properties));
    EXPECT_TRUE(item(ObjectKind::Bitmap, I::LoadBitmap));
    EXPECT_FALSE(item(ObjectKind::Circle, I::TextFont));
    EXPECT_TRUE(item(ObjectKind::Rectangle, I::Fill));
    EXPECT_TRUE(item(ObjectKind::Rectangle, I::SendToBack));
}

TEST(PageDesignDialogs, SizeAndLocationBoxes) {
    auto d = OpenWith({{ObjectKind::Title, {72, 36, 216, 72}}});
    const SizeLocationTexts shown = SizeLocationOf(d->Object(1), PageUnits(*d));
    EXPECT_EQ(shown.left + " " + shown.top + " " + shown.width + " " + shown.height, "1.000 0.500 2.000 0.500");
    EXPECT_EQ(SizeLocationCaption(d->Object(1)), "Size & Location of Title");
    EXPECT_STREQ(SizeLocationNote(false), "Values In Centimeters");

    test::ScriptedPrompter prompter({Answer::Yes, Answer::No});
    const std::vector<std::pair<SizeLocationTexts, std::string>> refusals{
        {{"-1", "0", "1", "1"}, "Invalid left position entered."}, {{"x", "0", "1", "1"}, "Invalid left position entered."},
        {{"0", "-0.1", "1", "1"}, "Invalid top position entered."}, {{"0", "0", "0", "1"}, "Invalid width entered."},
        {{"0", "0", "1", "-2"}, "Invalid height entered."},         {{"0", "0", "1", "?"}, "Invalid height entered."}};
    for (const auto& [texts, message] : refusals) {
        const Outcome o = ApplySizeLocation(*d, 1, texts, prompter);
        EXPECT_EQ(o.message.text, message);
        EXPECT_EQ(o.message.caption, "Error");
    }
    EXPECT_EQ(ApplySizeLocation(*d, 1, {"0", "-1", "1", "1"}, prompter).message.focus, "TopEdit");
    ASSERT_TRUE(ApplySizeLocation(*d, 1, {" 0.5", "1", "1.25", "0.3333"}, prompter).IsDone());
    EXPECT_EQ(d->Object(1).rect, (Rect{36, 72, 126, 96}));
    EXPECT_TRUE(prompter.asked.empty());

    // At the page's right edge: Yes keeps the dialog open unchanged, No takes the values.
    EXPECT_TRUE(ApplySizeLocation(*d, 1, {"8.5", "1", "1", "1"}, prompter).IsCancelled());
    EXPECT_EQ(d->Object(1).rect, (Rect{36, 72, 126, 96}));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              "The location you have specified will place the object off the page.  Do you wish abort your changes?");
    EXPECT_EQ(prompter.asked[0].caption, "Warning");
    ASSERT_TRUE(ApplySizeLocation(*d, 1, {"8.5", "1", "1", "1"}, prompter).IsDone());
    EXPECT_EQ(d->Object(1).rect, (Rect{612, 72, 684, 144}));
}

TEST(PageDesignDialogs, PropertiesBorderAndPuzzleChecks) {
    auto d = OpenWith({{ObjectKind::WordList, {}}, {ObjectKind::CombinedClues, {}}, {ObjectKind::Title, {}},
                       {ObjectKind::Puzzle, {}}});
    std::string even;
    for (const char* c : {"", "0", "1", "3", "4", "7"}) even += EvenColumnsText(c) + " ";
    EXPECT_EQ(even, "2 2 0 2 4 6 ");
    for (const char* bad : {"0", "", "x", "-1"}) {
        const Outcome o = ApplyObjectProperties(*d, 1, {true, true, bad, true});
        EXPECT_EQ(o.message.text, "Invalid columns entered.") << bad;
    }
    ASSERT_TRUE(ApplyObjectProperties(*d, 1, {false, false, "3", true}).IsDone());
    EXPECT_EQ(d->Object(1).columns, 3);
    EXPECT_EQ(d->Object(1).splitColumns, 0);  // only Combined Clues splits
    EXPECT_EQ(d->Object(1).makeFit, 0);
    ASSERT_TRUE(ApplyObjectProperties(*d, 2, {false, true, "4", true}).IsDone());
    EXPECT_EQ(d->Object(2).splitColumns, 1);
    EXPECT_TRUE(ApplyObjectProperties(*d, 3, {true, true, "x", false}).IsDone());  // no column box
    EXPECT_STREQ(TransparentCaption(ObjectKind::Bitmap), "&Tile Bitmap");

    EXPECT_EQ(ApplyBorder(*d, 3, {true, "0", 255}).message.text, "Invalid width entered.");
    ASSERT_TRUE(ApplyBorder(*d, 3, {true, "4", 255}).IsDone());
    EXPECT_EQ(d->Object(3).borderWidth, 4);
    EXPECT_EQ(d->Object(3).borderColor, 255);
    EXPECT_EQ(ApplyPuzzleProperties(*d, 4, {true, 1, 2, 3, ""}).message.text, "Invalid width entered.");
    ASSERT_TRUE(ApplyPuzzleProperties(*d, 4, {true, 1, 2, 3, "2"}).IsDone());
    EXPECT_EQ(d->Object(4).lineWidth, 2);
    EXPECT_EQ(d->Object(4).transparent, 1);

    EXPECT_EQ(ApplyBitmapFile(*d, 3, "/pics/logo.tif").message.text, "The file selected is not a valid bitmap file.");
    for (const char* taken : {"/a.png", "/a.JPG", "/a.jpeg", "/a.Gif"}) EXPECT_TRUE(ApplyBitmapFile(*d, 3, taken).IsDone()) << taken;
    // A file the image library cannot read is refused when chosen, and the name stays as it was.
    EXPECT_FALSE(ApplyBitmapFile(*d, 3, "/fake.bmp", [](const std::string&) { return false; }).IsDone());
    EXPECT_EQ(d->Object(3).bitmapFile.Str(), "/a.Gif");
    EXPECT_FALSE(ApplyBitmapFile(*d, 3, "/pics.bmp/logo").IsDone());
    EXPECT_FALSE(ApplyBitmapFile(*d, 3, "/" + std::string(300, 'p') + ".bmp").IsDone());
    ASSERT_TRUE(ApplyBitmapFile(*d, 3, "/pics/Logo.BMP").IsDone());
    EXPECT_EQ(d->Object(3).bitmapFile.Str(), "/pics/Logo.BMP");
    EXPECT_FALSE(ApplyFill(*d, 9, true, 0).IsDone());  // a stale slot changes nothing
}

TEST(PageDesignSave, SaveChecksCutsAndWritesWhereTheModeSays) {
    TempDir dir;
    const std::string lib = dir.File("QFFPAGE.DAT");
    auto d = OpenNew(PageZoom::Large);
    d->nameText = "  A Name Longer Than Twenty  ";
    d->widthText = "2";
    d->heightText = "99";
    EXPECT_EQ(SavePageDesign(*d, lib).message.text, "Height must be between 4 and 18 inches.  Please re-enter height.");
    EXPECT_FALSE(FileExists(lib));
    d->widthText = "8.5";
    d->heightText = "11";
    const Outcome added = SavePageDesign(*d, lib);
    ASSERT_TRUE(added.IsDone());
    EXPECT_EQ(added.index, 0);
    EXPECT_TRUE(d->saved);
    auto stored = std::make_unique<PageLayoutRecord>();
    ASSERT_TRUE(ReadLayout(lib, 0, *stored).IsDone());
    EXPECT_EQ(stored->name.Str(), "A Name Longer Than T");
    EXPECT_EQ(stored->zoom, 3);
    EXPECT_EQ(stored->pixelWidth, 816);

    OpenPageDesign(*d, PageDesignMode::Copy, stored.get(), 0, PageZoom::Small, {});
    ASSERT_EQ(SavePageDesign(*d, lib).index, 1);
    OpenPageDesign(*d, PageDesignMode::Modify, stored.get(), 0, PageZoom::Small, {});
    d->nameText = "Changed";
    ASSERT_EQ(SavePageDesign(*d, lib).index, 0);
    EXPECT_EQ(ListLayouts(lib, -1).at(0).text, "Changed (Letter)");
    EXPECT_EQ(ListLayouts(lib, -1).size(), 2u);

    d->nameText = "Elsewhere";
    const Outcome unable = SavePageDesign(*d, dir.File("missing/QFFPAGE.DAT"));
    EXPECT_EQ(unable.message.text, "Unable to add page layout.");
    EXPECT_EQ(unable.message.caption, "Disk Error");
    EXPECT_EQ(d->layout.name.Str(), "Changed");
}

}  // namespace
}  // namespace qf

namespace qf {
namespace {

TEST(PageDesignChanges, OnlyWhatSaveWouldWriteCountsAsAChange) {
    auto d = OpenWith({{ObjectKind::Title, {48, 48, 192, 66}}, {ObjectKind::Text, {10, 10, 58, 58}}});
    const PageDesignSnapshot opened = TakeSnapshot(*d);
    EXPECT_FALSE(PageDesignChanged(*d, opened));

    d->nameText = "Other";
    EXPECT_TRUE(PageDesignChanged(*d, opened));
    d->nameText = opened.nameText;
    Act(*d, pages::ChooseOrientation{false});
    EXPECT_TRUE(PageDesignChanged(*d, opened));
    Act(*d, pages::ChooseOrientation{true});
    EXPECT_FALSE(PageDesignChanged(*d, opened));
    ASSERT_TRUE(ApplyAlignment(*d, 2, kAlignRight).IsDone());
    EXPECT_TRUE(PageDesignChanged(*d, opened));
    ASSERT_TRUE(ApplyAlignment(*d, 2, kAlignLeft).IsDone());
    EXPECT_FALSE(PageDesignChanged(*d, opened));
    Act(*d, pages::SendToBack{2});
    EXPECT_TRUE(PageDesignChanged(*d, opened));
    Act(*d, pages::SendToBack{2});
    EXPECT_FALSE(PageDesignChanged(*d, opened));

    // The zoom alone rescales what is shown, not what the layout says; coming back, though, the
    // truncated products are what Save would write (10 x 1.334 x 0.75 is 9).
    Act(*d, pages::ChooseZoom{PageZoom::Large});
    EXPECT_FALSE(PageDesignChanged(*d, opened));
    Act(*d, pages::ChooseZoom{PageZoom::Medium});
    EXPECT_EQ(d->Object(2).rect[0], 9);
    EXPECT_TRUE(PageDesignChanged(*d, opened));
}

TEST(PageDesignDialogs, FontsGoToTheDialogAndBackCut) {
    StoredFont font;
    font.name = "Liberation Serif";
    font.size = 14;
    font.color = Rgb(1, 2, 3);
    font.italic = 1;
    font.strikeOut = 1;
    const FontChoice choice = ChoiceOfFont(font);
    EXPECT_EQ(choice, (FontChoice{"Liberation Serif", 14, Rgb(1, 2, 3), false, true, false, true}));
    EXPECT_EQ(ChoiceOfFont(FontOfChoice(choice)), choice);

    const StoredFont cut = FontOfChoice({std::string(40, 'F'), 70000, 0, true, false, true, false});
    EXPECT_EQ(cut.name.Str(), std::string(30, 'F'));
    EXPECT_EQ(cut.size, kMaxFontSize);
    EXPECT_EQ(cut.bold, 1);
    EXPECT_EQ(cut.underline, 1);

    // Written into a stored font, a shorter name leaves the bytes after it as the file had them.
    StoredFont stored = font;
    StoreChoice(stored, {"Arial", 0, 0, false, false, false, false});
    EXPECT_EQ(stored.name.Str(), "Arial");
    EXPECT_EQ(std::string(stored.name.chars.data() + 5, 11), "ation Serif");
    EXPECT_EQ(stored.size, 1);
}

TEST(PageDesignHistory, EveryChangeOfTheLayoutIsAStepOfUndoAndRedo) {
    auto d = OpenWith({{ObjectKind::Title, {48, 48, 192, 66}}});
    const PageDesignSnapshot opened = TakeSnapshot(*d);
    const auto openedBytes = EncodeRecord(d->layout);
    Place(*d, ObjectKind::Text, {100, 100});
    Act(*d, pages::SelectObject{2});
    Act(*d, pages::NudgeObject{1, 0, false});
    Act(*d, pages::NudgeObject{0, 1, true});
    EXPECT_EQ(d->Object(2).rect, (Rect{109, 100, 253, 253}));
    Act(*d, pages::ChooseOrientation{false});
    PageStep before = CurrentStep(*d);
    ASSERT_TRUE(ApplyAlignment(*d, 2, kAlignRight).IsDone());
    RecordIfChanged(*d, std::move(before));
    Act(*d, pages::DeleteObject{1});
    // Selecting, choosing a kind and walking the objects change nothing and are no steps.
    Act(*d, pages::CycleObjects{true});
    Act(*d, pages::ClickKind{ObjectKind::Circle});
    Act(*d, pages::ClickKind{ObjectKind::Circle});
    EXPECT_EQ(d->history.UndoSteps(), 6u);
    const auto lastBytes = EncodeRecord(d->layout);

    for (int i = 0; i < 6; ++i) EXPECT_TRUE(Act(*d, pages::Undo{}).redrawPage);
    EXPECT_FALSE(d->history.CanUndo());
    EXPECT_EQ(EncodeRecord(d->layout), openedBytes);
    EXPECT_FALSE(PageDesignChanged(*d, opened));
    for (int i = 0; i < 6; ++i) Act(*d, pages::Redo{});
    EXPECT_EQ(EncodeRecord(d->layout), lastBytes);
    EXPECT_EQ(d->widthText, "11.00");  // landscape again, in the boxes too
    EXPECT_FALSE(d->history.CanRedo());

    // A change after Undo drops the redo tail.
    Act(*d, pages::Undo{});
    Act(*d, pages::Undo{});
    Act(*d, pages::SelectObject{2});
    Act(*d, pages::NudgeObject{0, 1, false});
    EXPECT_FALSE(d->history.CanRedo());
    EXPECT_EQ(d->ObjectCount(), 2);

    // A step taken back after a zoom change comes back at the zoom shown (109 x 1.334 is 145).
    Act(*d, pages::ChooseZoom{PageZoom::Large});
    Act(*d, pages::Undo{});
    EXPECT_EQ(d->Object(2).rect[0], 145);
    EXPECT_EQ(d->layout.pixelWidth, 11 * 96);
}

TEST(PageDesignKeys, TabWalksTheObjectsAndKeysStepByTheRulersTick) {
    auto d = OpenWith({{ObjectKind::Title, {0, 0, 144, 18}}, {ObjectKind::Text, {100, 100, 244, 244}}});
    EXPECT_EQ(KeyStep(*d), 9);  // an eighth of an inch at 72 units
    EXPECT_FALSE(Act(*d, pages::NudgeObject{1, 0, false}).redrawPage);  // nothing selected
    EXPECT_EQ(d->Object(1).rect, (Rect{0, 0, 144, 18}));
    Act(*d, pages::CycleObjects{true});
    EXPECT_EQ(d->selected, 1);
    Act(*d, pages::CycleObjects{true});
    EXPECT_EQ(d->selected, 2);
    EXPECT_TRUE(Act(*d, pages::CycleObjects{true}).pastEnd);
    EXPECT_EQ(d->selected, 2);
    Act(*d, pages::CycleObjects{false});
    EXPECT_TRUE(Act(*d, pages::CycleObjects{false}).pastEnd);
    EXPECT_EQ(d->selected, 1);

    // The top left corner stays on the page; a resize keeps a step of width and stops at the page's edge.
    Act(*d, pages::NudgeObject{-1, 1, false});
    EXPECT_EQ(d->Object(1).rect, (Rect{0, 9, 144, 27}));
    for (int i = 0; i < 20; ++i) Act(*d, pages::NudgeObject{-1, 0, true});
    EXPECT_EQ(d->Object(1).rect, (Rect{0, 9, 9, 27}));
    for (int i = 0; i < 100; ++i) Act(*d, pages::NudgeObject{0, 1, true});
    EXPECT_EQ(d->Object(1).rect[3], d->layout.pixelHeight);
    for (int i = 0; i < 100; ++i) Act(*d, pages::NudgeObject{1, 0, false});
    EXPECT_EQ(d->Object(1).rect[0], d->layout.pixelWidth - 1);

    // Space or Enter with a kind chosen places it at the top left corner, selected.
    EXPECT_FALSE(Act(*d, pages::PlaceChosen{}).redrawPage);
    Act(*d, pages::ClickKind{ObjectKind::Circle});
    Act(*d, pages::PlaceChosen{});
    EXPECT_EQ(d->ObjectCount(), 3);
    EXPECT_EQ(d->selected, 3);
    EXPECT_EQ(d->Object(3).rect, (Rect{0, 0, 144, 144}));
    EXPECT_EQ(d->chosenKind, 0);

    d->layout.inches = 0;  // a millimetre at 30 units a centimetre
    EXPECT_EQ(KeyStep(*d), 3);
}

}  // namespace
}  // namespace qf
