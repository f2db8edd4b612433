// The preview: zoom menus and boxes, printing one or several copies, the busy printer, the PDF
// and text files it writes, the exports it hands the page to, and its place kept in the settings.
#include <QAction>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/Directories.h"
#include "support/forms/FormFixture.h"
#include "support/TempDir.h"
#include "support/forms/PreviewFixture.h"
#include "support/forms/PrintFixtures.h"
#include "output/PageRenderer.h"
#include "output/forms/MyPreview.h"
#include "output/forms/PageView.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {
namespace {

// The text of a PDF, read by poppler's own reader.
QString PdfText(const std::string& path) {
    QProcess reader;
    reader.start("pdftotext", {QString::fromStdString(path), "-"});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) return QString("pdftotext failed");
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// Letter in points, as the PDF writer gives a page's box.
constexpr const char* kLetterBox = "/MediaBox [0 0 612.000000 792.000000]";

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Answers the copies dialog with each text in turn, then cancels or accepts with the last one.
void AnswerCopies(std::vector<QString> texts, std::vector<std::string>* seen) {
    test::WhenDialogShows([texts, seen](QWidget& dialog) {
        QCOMPARE(dialog.windowTitle(), QString("Multi-Copies"));
        auto* box = test::Control<QLineEdit>(dialog, "CopiesBox");
        QCOMPARE(box->text(), QString("1"));
        QCOMPARE(box->maxLength(), 3);
        for (const QString& t : texts) {
            box->setText(t);
            test::Control<QPushButton>(dialog, "OkButton")->click();
            seen->push_back(dialog.isVisible() ? "open" : "closed");
        }
        if (dialog.isVisible()) test::Control<QPushButton>(dialog, "CancelButton")->click();
    });
}

// The largest difference of one colour channel between the view's pixels shown in `shot` (the
// scroll area's view, where the page view sits at `at`) and the same pixels of `whole`.
int LargestDifference(const QImage& shot, const QImage& whole, QPoint at) {
    int largest = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QPoint onPage(x - at.x(), y - at.y());
            if (!whole.rect().contains(onPage)) continue;
            const QRgb a = shot.pixel(x, y);
            const QRgb b = whole.pixel(onPage);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        }
    return largest;
}

}  // namespace

class MyPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void ZoomMenusAndBoxes() {
        test::FormFixture f;
        Preview p(f);
        p.window->show();
        QCOMPARE(p.window->windowTitle(), QString("Puzzle Preview"));
        const PageGeometry& g = p.window->Geometry();
        auto* view = p.window->findChild<PageView*>("PageView");

        p.window->Action("Zoom200")->trigger();
        QCOMPARE(p.Box("ZoomBox")->text(), QString("200.00"));
        QCOMPARE(p.Box("PixelBox")->text(), QString::number(g.PixelWidth(200)));
        QCOMPARE(view->width(), g.PixelWidth(200));
        p.window->Action("ZoomOut3")->trigger();
        QCOMPARE(p.Box("ZoomBox")->text(), QString("33.33"));

        p.Type("ZoomBox", "abc");  // refused: the zoom in force shows again
        QCOMPARE(p.Box("ZoomBox")->text(), QString("33.33"));
        QCOMPARE(p.window->Zoom(), 100.0 / 3);
        p.Type("ZoomBox", "50");
        QCOMPARE(p.window->Zoom(), 50.0);
        QCOMPARE(p.Box("PixelBox")->text(), QString::number(g.PixelWidth(50)));

        p.Type("PixelBox", "12x");
        QCOMPARE(p.window->Zoom(), 50.0);
        QCOMPARE(p.Box("PixelBox")->text(), QString::number(g.PixelWidth(50)));
        p.Type("PixelBox", "408");
        QCOMPARE(view->width(), 408);
        QCOMPARE(p.Box("PixelBox")->text(), QString("408"));
        QCOMPARE(p.Box("ZoomBox")->text(), QString::fromStdString(FormatZoom(g.ZoomForPixelWidth(408))));

        p.window->ZoomWholePage();
        QVERIFY(view->height() <= p.window->findChild<QWidget*>("PageScroll")->height());
        p.window->Action("ZoomInTool")->trigger();
        QVERIFY(view->height() > 0);
    }

    // Only the part in view is drawn; scrolled anywhere at any zoom, it shows the pixels of the
    // whole page drawn at that zoom.
    void TheViewShowsThePixelsOfTheWholePage() {
        test::FormFixture f;
        Preview p(f);
        p.window->show();
        p.window->resize(640, 480);
        auto* scroll = p.window->findChild<QWidget*>("PageScroll");
        auto* viewport = p.window->findChild<PageView*>("PageView")->parentWidget();
        QPicture page(p.pageFile.Page());
        page.setBoundingRect(QRect(0, 0, 2000, 2000));
        const struct {
            const char* zoom;
            std::vector<Qt::Key> keys;  // the scrolling keys pressed on the page
        } rows[] = {
            {"100", {}},
            {"250", {Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Right}},
            {"400", {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_End}},
            {"800", {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Right,
                     Qt::Key_Right, Qt::Key_Right}},
            {"800", {Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Down}},
        };
        for (const auto& row : rows) {
            p.Type("ZoomBox", row.zoom);
            for (Qt::Key key : row.keys) QTest::keyClick(scroll, key);
            QApplication::processEvents();
            auto* view = p.window->findChild<PageView*>("PageView");
            QImage whole(view->size(), QImage::Format_RGB32);
            whole.fill(Qt::white);
            {
                QPainter painter(&whole);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setRenderHint(QPainter::TextAntialiasing);
                const double scale = view->width() / (p.window->Geometry().widthInches * p.pageFile.Dpi());
                painter.scale(scale, scale);
                painter.drawPicture(0, 0, page);
            }
            const QImage shot = viewport->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const int difference = LargestDifference(shot, whole, view->pos());
            QVERIFY2(difference == 0, qPrintable(QString("%1 %: %2").arg(row.zoom).arg(difference)));
            if (!row.keys.empty()) QVERIFY2(view->pos() != QPoint(0, 0), row.zoom);  // it did scroll
        }
    }

    void CopiesGoToThePrinterAsItCanMakeThem() {
        test::FormFixture f;
        Preview p(f);
        p.window->show();
        std::vector<std::string> seen;
        p.printer.copiesItCanMake = 99;
        AnswerCopies({"0", "abc", " ", "5"}, &seen);
        p.window->Action("PrintMultiple")->trigger();
        QCOMPARE(seen, (std::vector<std::string>{"open", "open", "open", "closed"}));
        QCOMPARE(f.prompter->said.size(), size_t(3));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Invalid number of copies entered."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QCOMPARE(p.printer.jobs, std::vector<int>{5});  // one job of five copies

        p.printer.jobs.clear();
        p.printer.copiesItCanMake = 1;
        seen.clear();
        AnswerCopies({"5"}, &seen);
        p.window->Action("PrintMultiple")->trigger();
        QCOMPARE(p.printer.jobs, (std::vector<int>{1, 1, 1, 1, 1}));  // five jobs

        p.printer.jobs.clear();
        p.window->Action("PrintPage")->trigger();
        p.window->Action("PrintTool")->trigger();
        QCOMPARE(p.printer.jobs, (std::vector<int>{1, 1}));
        QCOMPARE(p.printer.pageWidth, 8.5);

        // A cancelled dialog prints nothing; a busy printer neither.
        p.printer.jobs.clear();
        AnswerCopies({}, &seen);
        p.window->Action("PrintMultiple")->trigger();
        p.printer.busy = true;
        f.prompter->said.clear();
        p.window->Action("PrintPage")->trigger();
        QVERIFY(p.printer.jobs.empty());
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("Previous print job has not yet finished.  Try again later."));
    }

    void PdfAndTextFilesAreWrittenWhole() {
        test::FormFixture f;
        Preview p(f);
        p.window->show();
        const std::string pdf = f.dir.File("page.pdf");
        f.chooser->Answers() = {pdf};
        p.window->Action("SavePdf")->trigger();
        const std::string bytes = test::ReadFileText(pdf);
        QVERIFY(PdfText(pdf).contains("Sun and Dew"));  // the page is drawn, not only its paper
        QVERIFY(PdfText(pdf).contains("Clue for NOW"));
        QVERIFY(bytes.rfind("%PDF", 0) == 0);
        QVERIFY(bytes.find("%%EOF") != std::string::npos);
        QCOMPARE(Count(bytes, "/MediaBox"), 1);  // one page
        QVERIFY(bytes.find(kLetterBox) != std::string::npos);
        QCOMPARE(f.chooser->requests.at(0).defaultExtension, std::string("pdf"));
        // The first PDF is offered in the working folder, not wherever the dialog would go.
        QCOMPARE(QString::fromStdString(f.chooser->requests.at(0).initialPath),
                 QString::fromStdString(JoinPath(f.context.state.dirs.working, p.puzzle->title.Str() + ".pdf")));
        QVERIFY(f.chooser->requests.at(0).confirmOverwrite);

        // A file that cannot be written is reported; what was there stays.
        std::filesystem::create_directory(f.dir.File("taken.pdf"));
        f.chooser->Answers() = {f.dir.File("taken.pdf")};
        p.window->Action("SavePdf")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text), QString("Unable to create PDF file."));
        QVERIFY(std::filesystem::is_directory(f.dir.File("taken.pdf")));

        const std::string words = f.dir.File("words.txt");
        f.chooser->Answers() = {words};
        p.window->Action("ExportWords")->trigger();
        QCOMPARE(QString::fromStdString(test::ReadFileText(words)),
                 QString("ACROSS\r\n1. SUN\r\n3. DEW\r\n\r\nDOWN\r\n1. SOD\r\n2. NOW\r\n"));
        QCOMPARE(f.context.state.settings.lastExportTextFile, words);
        f.chooser->Answers() = {f.dir.File("missing/clues.txt")};
        p.window->Action("ExportClues")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->said.back().text), QString("Unable to create export file."));
    }

    void ExportsGoToTheExporterOrStayDisabled() {
        test::FormFixture f;
        {
            Preview none(f);
            for (const char* name : {"ExportWmf", "ExportEmf", "ExportBmp", "ExportJpeg", "ExportHtml", "JpegFactor"})
                QVERIFY2(!none.window->Action(name)->isEnabled(), name);
            QVERIFY(none.window->Action("SavePdf")->isEnabled());
        }
        test::RecordingExporter exporter;
        Preview p(f, &exporter);
        for (const char* name : {"ExportWmf", "ExportEmf", "ExportBmp", "ExportJpeg", "ExportHtml"})
            p.window->Action(name)->trigger();
        QCOMPARE(exporter.calls, (std::vector<std::string>{"wmf", "emf", "bitmap", "jpeg", "html"}));
        QCOMPARE(exporter.pageWidths.at(0), 8.5);
        QVERIFY(!p.window->Action("JpegFactor")->isEnabled());
    }

    void PlaceAndSizeAreKeptInTheSettings() {
        test::FormFixture f;
        Settings& s = f.context.state.settings;
        s.reportViewLeft = 30;
        s.reportViewTop = 40;
        s.reportViewWidth = 700;
        s.reportViewHeight = 500;
        Preview p(f);
        QCOMPARE(p.window->size(), QSize(700, 500));
        QCOMPARE(p.window->pos(), QPoint(30, 40));
        p.window->show();
        p.window->resize(720, 520);
        p.window->close();
        QCOMPARE(s.reportViewWidth, 720);
        QCOMPARE(s.reportViewHeight, 520);
    }

    void ThePrinterPrintsOnePageOfThePaperOrTheCopiesAsked() {
        test::FormFixture f;
        auto puzzle = test::PrintablePuzzle();
        PageFileTarget pageFile;
        QPainterSurface surface(pageFile);
        PrintOptions options;
        (void)RenderPage(surface, *puzzle, puzzle->layout, options, PrintHeadings{"Across", "Down"});
        QVERIFY(surface.Finish());
        QtPagePrinter printer;
        const std::string path = f.dir.File("printed.pdf");
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(QString::fromStdString(path));
        QVERIFY(!printer.Busy());
        const PrintedPage page{pageFile.Page(), pageFile.Dpi(), surface.Setup()};
        QVERIFY(printer.Print(page, 1));
        std::string bytes = test::ReadFileText(path);
        QVERIFY(PdfText(path).contains("Clue for SUN"));
        QVERIFY(bytes.find(kLetterBox) != std::string::npos);
        const int onePage = Count(bytes, "/MediaBox");
        QCOMPARE(onePage, 1);

        // A file cannot take copies as separate jobs: the copies are its pages.
        QVERIFY(printer.CopiesItCanMake() > 3);
        QVERIFY(printer.Print(page, 3));
        bytes = test::ReadFileText(path);
        QCOMPARE(Count(bytes, "/MediaBox"), 3);
        QVERIFY(!printer.Busy());
    }
};

}  // namespace qf

QTEST_MAIN(qf::MyPreviewTest)
#include "MyPreviewTest.moc"
