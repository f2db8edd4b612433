// The report surface: papers, text measurement with the shipped fonts, and every QPainter target.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <cmath>
#include <filesystem>

#include <sys/stat.h>

#include "report/FontMeasure.h"
#include "report/PageTargets.h"
#include "report/Picture.h"
#include "report/QPainterSurface.h"
#include "report/RecordingSurface.h"
#include "support/TempDir.h"

namespace qf::test {
namespace {

bool IsDark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 64; }

TEST(Surface, PapersByCodeTurnedByTheOrientation) {
    RecordingSurface s;
    const struct {
        int code;
        double w, h;
    } papers[] = {{1, 8.5, 11}, {5, 8.5, 14}, {7, 7.25, 10.5}, {9, 210 / 25.4, 297 / 25.4},
                  {11, 148 / 25.4, 210 / 25.4}, {13, 182 / 25.4, 257 / 25.4}};
    for (const auto& p : papers) {
        ASSERT_TRUE(s.SelectPaper(p.code)) << p.code;
        s.SetOrientation(PageOrientation::Portrait);
        EXPECT_NEAR(s.PageWidth(), p.w, 1e-12);
        EXPECT_NEAR(s.PageHeight(), p.h, 1e-12);
        s.SetOrientation(PageOrientation::Landscape);
        EXPECT_NEAR(s.PageWidth(), p.h, 1e-12);
        EXPECT_NEAR(s.PageHeight(), p.w, 1e-12);
    }
    EXPECT_FALSE(s.SelectPaper(8));
    s.SetCustomPaper(5, 7);
    EXPECT_DOUBLE_EQ(s.PageWidth(), 7);
    s.SetOrientation(PageOrientation::Portrait);
    EXPECT_DOUBLE_EQ(s.PageWidth(), 5);
    // Whole device pixels, rounded.
    EXPECT_EQ(s.XToPixels(1.234), 123);
    EXPECT_EQ(s.XToPixels(1.236), 124);
    EXPECT_DOUBLE_EQ(s.PixelsToY(250), 2.5);
}

TEST(FontMeasure, ArialIsLiberationSansWithItsMetrics) {
    EnsureGuiApplication();
    FontChoice arial;
    arial.name = "Arial";
    arial.size = 72;  // one inch: the metrics below are in ems
    EXPECT_EQ(QFontInfo(MakeQFont(arial)).family(), QStringLiteral("Liberation Sans"));
    FontMeasure m;
    m.SetFont(arial);
    EXPECT_NEAR(m.Ascent(), 1854.0 / 2048, 2e-3);
    EXPECT_NEAR(m.Descent(), 434.0 / 2048, 2e-3);
    EXPECT_NEAR(m.TextHeight(), m.Ascent() + m.Descent(), 1e-12);
    EXPECT_NEAR(m.TextWidth("W"), 1933.0 / 2048, 2e-3);
    EXPECT_NEAR(m.TextWidth("9"), 1139.0 / 2048, 2e-3);
    EXPECT_NEAR(m.TextWidth("WW"), 2 * m.TextWidth("W"), 1e-9);
    // Windows-1252 text: the e-acute byte is measured as a letter, not as nothing.
    EXPECT_NEAR(m.TextWidth("\xE9"), m.TextWidth("e"), 1e-9);
    arial.size = 12;
    arial.bold = true;
    m.SetFont(arial);
    EXPECT_NEAR(m.TextWidth("W"), 1933.0 / 2048 / 6, 2e-3);
}

TEST(QPainterSurface, ImageHasThePageAtThePixelWidth) {
    ImageTarget target(850);  // 100 pixels to the inch on Letter
    {
        QPainterSurface s(target);
        s.SelectPaper(1);
        EXPECT_DOUBLE_EQ(s.DotsPerInchX(), 100);
        s.SetBrushColor(0x000000);
        s.FillRect(1, 1, 2, 2);
        s.SetPenColor(0x0000FF);  // red in 0x00BBGGRR
        s.MoveTo(3, 5);
        s.LineTo(6, 5);
        FontChoice f;
        f.size = 48;
        s.SetFont(f);
        s.TextOut(1, 8, "W");
        EXPECT_TRUE(s.Finish());
    }
    const QImage& image = target.Image();
    ASSERT_EQ(image.width(), 850);
    ASSERT_EQ(image.height(), 1100);
    EXPECT_TRUE(IsDark(image, 150, 150));
    EXPECT_FALSE(IsDark(image, 250, 250));
    EXPECT_EQ(QColor(image.pixel(450, 500)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(450, 510)), QColor(255, 255, 255));
    // A 48-point W stands on the baseline at y = 8 inches, left edge near x = 1 inch.
    bool ink = false;
    for (int y = 760; y < 800; ++y)
        for (int x = 100; x < 160; ++x) ink = ink || IsDark(image, x, y);
    EXPECT_TRUE(ink);
    for (int x = 0; x < 850; ++x) EXPECT_FALSE(IsDark(image, x, 805)) << x;  // nothing below the baseline
}

TEST(QPainterSurface, PdfSvgAndThePageFile) {
    TempDir dir;
    {
        PdfTarget pdf(dir.File("page.pdf"), 300);
        QPainterSurface s(pdf);
        s.SelectPaper(9);
        s.SetOrientation(PageOrientation::Landscape);
        s.FillRect(1, 1, 2, 2);
        EXPECT_TRUE(s.NewPage());
        s.FillRect(1, 1, 2, 2);
        EXPECT_EQ(s.DotsPerInchX(), 300);
        EXPECT_TRUE(s.Finish());
    }
    const std::string pdf = ReadFileText(dir.File("page.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/MediaBox [0 0 842"), std::string::npos);  // A4 turned: 297 mm wide, in points
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
    {
        SvgTarget svg(dir.File("page.svg"));
        QPainterSurface s(svg);
        s.SelectPaper(1);
        s.SetFont(FontChoice{});
        s.TextOut(1, 1, "Across");
        EXPECT_FALSE(s.NewPage());  // one page only
        EXPECT_TRUE(s.Finish());
    }
    const std::string svg = ReadFileText(dir.File("page.svg"));
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 816 1056\""), std::string::npos);
    EXPECT_NE(svg.find("Across"), std::string::npos);

    PageFileTarget page;
    {
        QPainterSurface s(page);
        s.SelectPaper(1);
        s.SetBrushColor(0);
        s.FillRect(1, 1, 2, 2);
        EXPECT_TRUE(s.Finish());
    }
    EXPECT_DOUBLE_EQ(page.WidthInches(), 8.5);
    EXPECT_GT(page.Page().size(), 0u);
    // Played back at the recording's own resolution, the square is where it was drawn.
    QImage replay(static_cast<int>(8.5 * page.Dpi()), static_cast<int>(11 * page.Dpi()), QImage::Format_RGB32);
    replay.fill(Qt::white);
    {
        QPainter painter(&replay);
        painter.drawPicture(0, 0, page.Page());
    }
    const int mid = static_cast<int>(1.5 * page.Dpi());
    EXPECT_TRUE(IsDark(replay, mid, mid));
    EXPECT_FALSE(IsDark(replay, 3 * mid, mid));
}

TEST(QPainterSurface, FilesAreWrittenWholeThroughLinksOrNotAtAll) {
    TempDir dir;
    test::WriteFile(dir.File("real.png"), "an older picture");
    std::filesystem::create_symlink("real.png", dir.File("link.png"));
    {
        ImageTarget image(100, dir.File("link.png"), "PNG");
        QPainterSurface s(image);
        s.FillRect(1, 1, 2, 2);
        EXPECT_TRUE(s.Finish());
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.png")));
    EXPECT_EQ(ReadFileText(dir.File("real.png")).substr(1, 3), "PNG");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);

    // A file that cannot be written keeps what it held, and the surface says so.
    test::WriteFile(dir.File("kept.pdf"), "kept");
    ::chmod(dir.File("kept.pdf").c_str(), 0444);
    test::WriteFile(dir.File("kept.svg"), "kept");
    ::chmod(dir.File("kept.svg").c_str(), 0444);
    std::unique_ptr<PageTarget> targets[] = {std::make_unique<PdfTarget>(dir.File("kept.pdf")),
                                             std::make_unique<SvgTarget>(dir.File("kept.svg"))};
    for (auto& target : targets) {
        QPainterSurface s(*target);
        s.FillRect(1, 1, 2, 2);
        EXPECT_FALSE(s.Finish());
    }
    EXPECT_EQ(ReadFileText(dir.File("kept.pdf")), "kept");
    EXPECT_EQ(ReadFileText(dir.File("kept.svg")), "kept");
}

TEST(QPainterSurface, CoordinatesFarOutsideThePageAreHeldToWholePixels) {
    ImageTarget image(100);
    QPainterSurface s(image);
    s.SetBrushColor(0);
    s.FillRect(-1e12, -1e12, 1e12, 1e12);  // would overflow an int at any resolution
    s.FillRect(std::nan(""), 0, 1, 1);
    EXPECT_TRUE(s.Finish());
    EXPECT_TRUE(IsDark(image.Image(), 50, 60));
}

TEST(FontMeasure, FloorsNeverExceedTheMeasuresAtAnySize) {
    EnsureGuiApplication();
    FontMeasure m;
    std::vector<FontChoice> fonts(5);
    fonts[1].bold = fonts[1].italic = true;
    fonts[2].name = "Times New Roman";
    fonts[3].name = "Courier New";
    fonts[4].name = "No Such Font";
    for (const FontChoice& base : fonts)
        for (const char* text : {"W", "ABCWjkl", "a clue of several ordinary words", "", "\xC9t\xE9 \x80"}) {
            for (int size = 1; size <= 1000; size += size < 30 ? 1 : 37) {
                FontChoice f = base;
                f.size = size;
                m.SetFont(f);
                EXPECT_LE(m.HeightFloor(f), m.TextHeight()) << f.name << " " << size;
                EXPECT_LE(m.WidthFloor(f, text), m.TextWidth(text)) << f.name << " " << size << " " << text;
                if (size >= 20) {
                    EXPECT_GT(m.HeightFloor(f), 0.95 * m.TextHeight());  // close enough to be of use
                }
            }
        }
    RecordingSurface recording;
    FontChoice f;
    f.size = 37;
    recording.SetFont(f);
    EXPECT_EQ(recording.TextHeightFloor(f, "x"), recording.TextHeight("x"));
    EXPECT_EQ(recording.TextWidthFloor(f, "Wide"), recording.TextWidth("Wide"));
}

TEST(QPainterSurface, PagedDeviceTakesPaperCodeCustomSizeAndOrientation) {
    TempDir dir;
    auto mediaBox = [&](const std::string& name, auto setUp) {
        {
            QPdfWriter writer(QString::fromStdString(dir.File(name)));
            PagedDeviceTarget target(writer);
            QPainterSurface s(target);
            setUp(s);
            s.FillRect(0.5, 0.5, 1, 1);
            EXPECT_TRUE(s.Finish());
        }
        const std::string pdf = ReadFileText(dir.File(name));
        const auto at = pdf.find("/MediaBox [");
        return at == std::string::npos ? std::string() : pdf.substr(at, pdf.find(']', at) - at + 1);
    };
    EXPECT_EQ(mediaBox("legal.pdf", [](Surface& s) { s.SelectPaper(5); }), "/MediaBox [0 0 612.000000 1008.000000]");
    EXPECT_EQ(mediaBox("a5.pdf",
                       [](Surface& s) {
                           s.SelectPaper(11);
                           s.SetOrientation(PageOrientation::Landscape);
                       }),
              "/MediaBox [0 0 595.000000 420.000000]");
    EXPECT_EQ(mediaBox("custom.pdf",
                       [](Surface& s) {
                           s.SetCustomPaper(5, 10);
                           s.SetOrientation(PageOrientation::Landscape);
                       }),
              "/MediaBox [0 0 720.000000 360.000000]");
}

TEST(QPainterSurface, ImpossiblePagesAreRefused) {
    ImageTarget tooWide(50000);
    QPainterSurface s(tooWide);
    s.FillRect(0, 0, 1, 1);  // no device: nothing happens
    EXPECT_FALSE(s.Finish());
}

TEST(Picture, LoadsBmpAndRefusesOthers) {
    TempDir dir;
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(QString::fromStdString(dir.File("a.bmp")), "BMP"));
    ASSERT_TRUE(image.save(QString::fromStdString(dir.File("a.png")), "PNG"));
    for (const char* name : {"a.bmp", "a.png"}) {
        auto p = Picture::Load(dir.File(name));
        ASSERT_NE(p, nullptr) << name;
        EXPECT_EQ(p->Width(), 7);
        EXPECT_EQ(p->Height(), 5);
    }
    WriteFile(dir.File("b.bmp"), "BM not really");
    EXPECT_EQ(Picture::Load(dir.File("b.bmp")), nullptr);
    EXPECT_EQ(Picture::Load(dir.File("none.bmp")), nullptr);
    EXPECT_EQ(Picture::Load(""), nullptr);
}

TEST(RecordingSurface, LogsCallsWithTheStateOfTheMoment) {
    RecordingSurface s(300);
    FontChoice f;
    f.size = 36;  // half an inch to the em
    s.SetFont(f);
    EXPECT_DOUBLE_EQ(s.TextWidth("W9i"), 0.5 * (1.0 + 0.5 + 0.25));
    EXPECT_DOUBLE_EQ(s.TextHeight("x"), 0.5);
    EXPECT_DOUBLE_EQ(s.Ascent(), 0.4);
    EXPECT_DOUBLE_EQ(s.LineHeight(), 0.6);
    s.SetPenColor(7);
    s.SetTextTransparent(false);
    s.TextOut(1, 2, "Hi");
    s.MoveTo(3, 4);
    ASSERT_EQ(s.Calls().size(), 2u);
    EXPECT_EQ(s.Calls()[0].text, "Hi");
    EXPECT_FALSE(s.Calls()[0].transparent);
    EXPECT_EQ(s.Calls()[0].font.size, 36);
    EXPECT_EQ(s.Calls()[1].pen, 7);
    EXPECT_EQ(s.XToPixels(1), 300);
}

}  // namespace
}  // namespace qf::test
