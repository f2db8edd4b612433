// The page kept as its drawing calls: a part played alone plays only the calls that reach it,
// and has the pixels the same part gets when every call is played.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "layouts/PageObjects.h"
#include "report/DisplayList.h"
#include "report/DisplayListSurface.h"
#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"
#include "RenderFixtures.h"

namespace qf {
namespace {

// A real page: the default layout with clues, grid and title, and a filled circle, a framed
// rectangle and an opaque, slanted text on top, recorded as the preview records it.
struct RecordedPage {
    RecordedPage() {
        EnsureGuiApplication();
        const PuzzleRecord puzzle = test::MakePuzzle({"CRANE", "A.O.X", "TOPAZ", "S.E.I", "HEART"});
        PageLayoutRecord layout;
        BuildDefaultLayout(layout);
        PageObject& circle = test::AddObject(layout, ObjectKind::Circle, 300, 400, 380, 460);
        circle.useBorder = 1;
        circle.fillShape = 1;
        circle.fillColor = 0x3366CC;
        PageObject& box = test::AddObject(layout, ObjectKind::Rectangle, 40, 420, 200, 500);
        box.useBorder = 1;
        box.fillShape = 1;
        box.fillColor = 0x99FFFF;
        PageObject& text = test::AddObject(layout, ObjectKind::Text, 60, 440, 400, 520);
        SetObjectText(text, "Wavy italic words cross the box and the circle");
        text.textFont.italic = 1;
        text.textFont.size = 20;
        text.transparent = 0;
        QPainterSurface surface(pageFile);
        DisplayListSurface both(surface, calls);
        RenderPage(both, puzzle, layout, PrintOptions{}, PrintHeadings{"Across", "Down"});
        EXPECT_TRUE(surface.Finish());
    }
    PageFileTarget pageFile;
    DisplayList calls;
};

// The part at `scale` with every call played.
QImage WithEveryCall(const DisplayList& page, double scale, const QRect& part) {
    QImage image(part.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.translate(-part.left(), -part.top());
    p.scale(scale, scale);
    page.PlayAll(p);
    return image;
}

TEST(DisplayList, APartPlaysOnlyTheCallsThatReachItAndHasTheWholePagesPixels) {
    const RecordedPage page;
    const DisplayList& calls = page.calls;
    ASSERT_GT(calls.Size(), 100u);
    const double dpi = calls.Dpi().x;
    const struct {
        double scale;
        QRect part;  // device pixels at the scale
        bool drawn;  // something lies in it
    } rows[] = {
        {1, QRect(0, 0, 816, 1056), true},        // the whole page at 96 dpi
        {1, QRect(37, 61, 300, 200), true},       // title and the top of the grid, edges through letters
        {2.5, QRect(333, 1111, 517, 403), true},  // the clues, cut through their lines
        {4, QRect(1503, 3521, 640, 480), true},   // the circle and the slanted text over it
        {8, QRect(1200, 7000, 1000, 750), true},  // the rectangle's frame and a few letters
        {8, QRect(6400, 8300, 128, 148), false},  // the bottom right corner
    };
    for (const auto& row : rows) {
        int played = -1;
        const QImage culled = DrawPagePart(calls, row.scale, row.part, &played);
        EXPECT_TRUE(culled == WithEveryCall(calls, row.scale, row.part)) << row.scale << " " << row.part.x();
        // Played: exactly the calls whose box meets the part (two pixels of slack around it).
        const double slack = 2 / row.scale;
        const QRectF area(QPointF((row.part.left() / row.scale - slack) / dpi, (row.part.top() / row.scale - slack) / dpi),
                          QPointF(((row.part.right() + 1) / row.scale + slack) / dpi,
                                  ((row.part.bottom() + 1) / row.scale + slack) / dpi));
        int meeting = 0;
        for (std::size_t i = 0; i < calls.Size(); ++i) meeting += calls.Box(i).intersects(area) ? 1 : 0;
        EXPECT_EQ(played, meeting) << row.scale << " " << row.part.x();
        EXPECT_EQ(played > 0, row.drawn) << row.scale << " " << row.part.x();
        if (row.part.width() < 800) {
            EXPECT_LT(played, static_cast<int>(calls.Size()) / 2) << row.part.x();
        }
    }
}

}  // namespace
}  // namespace qf
