// A report run: its events in order, its status display, and what an abort leaves out.
#include <gtest/gtest.h>

#include "output/RenderFixtures.h"
#include "layouts/PageObjects.h"
#include "output/ReportRun.h"

namespace qf::test {
namespace {

TEST(Report, EventsInOrderAndAbortBeforeThePage) {
    RecordingSurface s;
    Report report(s);
    std::string order;
    Report::Events events{[&](Surface&) { order += "B"; }, [&](Surface&) { order += "P"; },
                          [&](Surface&) { order += "F"; }, [&](Surface&) { order += "A"; }};
    EXPECT_TRUE(report.Run(events));
    EXPECT_EQ(order, "BPFA");
    EXPECT_EQ(report.PageNumber(), 1);

    order.clear();
    Report aborted(s);
    events.beforeReport = [&](Surface&) {
        order += "B";
        aborted.Abort();
    };
    EXPECT_FALSE(aborted.Run(events));
    EXPECT_EQ(order, "BA");  // the after-report event still releases what was taken
    EXPECT_TRUE(aborted.Aborted());

    report.SetStatusFormat("Printing Page %p\r%0\r%1 100%");
    report.AddStatusLine("one");
    report.SetStatusLine(1, "two");
    EXPECT_EQ(report.StatusText(), "Printing Page 1\rone\rtwo 100%");
}

// Aborts its report at the first text it draws, as the user's Cancel would.
struct AbortingSurface : RecordingSurface {
    Report* report = nullptr;
    void TextOut(double x, double y, std::string_view text) override {
        RecordingSurface::TextOut(x, y, text);
        report->Abort();
    }
};

TEST(Report, RendererRunAndItsClosingStatus) {
    const PuzzleRecord p = MakePuzzle({"CAT", "A#O", "BOX"}, [](const std::string&) { return std::string(60, 'a'); });
    PageLayoutRecord layout = LetterLayout();
    AddObject(layout, ObjectKind::AcrossClues, 48, 48, 96, 96).makeFit = 0;
    AddObject(layout, ObjectKind::Bitmap, 0, 0, 10, 10).bitmapFile = "/nonexistent/picture.bmp";
    const PrintOptions options;
    const PrintHeadings headings{"Across", "Down"};
    {
        RecordingSurface s;
        Report report(s);
        PageRenderer renderer(p, layout, options, headings);
        const RenderResult r = RunRenderReport(report, renderer);
        EXPECT_FALSE(r.aborted);
        ASSERT_EQ(r.warnings.size(), 2u);
        EXPECT_EQ(report.StatusText(), "Printing Page 1\r\nPuzzle Generated!\r");
    }
    {
        // Aborted while the clues are drawn: the picture warning came before the page; no fit
        // warning follows, and the text object after the clues is not drawn.
        SetObjectText(AddObject(layout, ObjectKind::Text, 0, 0, 5, 5), "does not fit");
        AbortingSurface s;
        Report report(s);
        s.report = &report;
        PageRenderer renderer(p, layout, options, headings);
        const RenderResult r = RunRenderReport(report, renderer);
        EXPECT_TRUE(r.aborted);
        ASSERT_EQ(r.warnings.size(), 1u);
        EXPECT_EQ(r.warnings[0].text, "One or more bitmaps in the layout design could not be located.");
        EXPECT_FALSE(r.texts[2].present);
        EXPECT_EQ(report.StatusText(), "Printing Page 1\r\nPuzzle Generation Canceled!\r");
    }
}

}  // namespace
}  // namespace qf::test
