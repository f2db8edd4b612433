// The program's exporter as the preview drives it: each export's dialogs in order, the file
// written where the user chose, cancelling anywhere leaving no file; and the web page's form.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "base/FileUtil.h"
#include "support/forms/FormFixture.h"
#include "layouts/PageObjects.h"
#include "output/PageRenderer.h"
#include "output/forms/DialogPageExporter.h"
#include "output/forms/MyBitmapWidth.h"
#include "output/forms/MyHtml.h"
#include "report/RecordingSurface.h"

namespace qf {
namespace {

// A generated 3 x 3 puzzle on the built-in default layout, rendered as the preview has it.
struct Page {
    std::unique_ptr<PuzzleRecord> puzzle = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    std::unique_ptr<PageLayoutRecord> layout;
    PrintOptions options;
    PrintHeadings headings{"Across", "Down"};
    RenderResult result;

    explicit Page(bool withPicture = false) {
        PuzzleRecord& p = *puzzle;
        BuildDefaultLayout(p.layout);
        p.title = "Small";
        p.width = p.height = 3;
        const char* rows[] = {"CAT", "A O", "BOX"};
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 3; ++c) p.Cell(CellIndex(r, c)) = static_cast<std::uint8_t>(rows[r - 1][c - 1]);
        const struct {
            const char* word;
            int start, number, across;
        } words[] = {{"CAT", 1, 1, 1}, {"BOX", 101, 3, 1}, {"CAB", 1, 1, 0}, {"TOX", 3, 2, 0}};
        for (int i = 0; i < 4; ++i) {
            p.words[i] = words[i].word;
            p.clues[i] = std::string("Clue of ") + words[i].word;
            p.startCell[i] = static_cast<std::int16_t>(words[i].start);
            p.letterCount[i] = 3;
            p.number[i] = static_cast<std::int16_t>(words[i].number);
            p.isAcross[i] = static_cast<std::uint8_t>(words[i].across);
            p.inGrid[i] = 1;
        }
        p.wordCount = 4;
        p.acrossCount = 2;
        p.downCount = 2;
        p.generated = 1;
        layout = std::make_unique<PageLayoutRecord>(p.layout);
        if (withPicture) {
            PageObject& o = layout->objects[static_cast<std::size_t>(layout->objectCount)];
            o = NewPageObject(ObjectKind::Bitmap, *layout, HeadingLabels{});
            o.rect = {10, 10, 40, 40};
            ++layout->objectCount;
        }
        RecordingSurface s;
        result = RenderPage(s, p, *layout, options, headings);
    }
    ExportPage Export() const { return {*puzzle, *layout, options, headings, result}; }
};

// Answers the width window that shows next with `width` ("" cancels).
void AnswerWidth(const QString& width) {
    test::WhenDialogShows([width](QWidget& w) {
        if (width.isEmpty()) {
            test::Control<QPushButton>(w, "CancelButton")->click();
            return;
        }
        test::Control<QLineEdit>(w, "WidthEdit")->setText(width);
        test::Control<QPushButton>(w, "CreateButton")->click();
    });
}

// Clicks "&Ok" of the metafile window once it has one, and tells what it said then.
void OkWhenCreated(QString* said = nullptr) {
    test::WhenDialogShows([said](QWidget& w) {
        QPushButton* ok = test::Control<QPushButton>(w, "OkButton");
        if (!ok->isEnabled()) {
            OkWhenCreated(said);  // still being made
            return;
        }
        if (said) *said = test::Control<QLabel>(w, "StatusLabel")->text();
        ok->click();
    });
}

}  // namespace

class DialogPageExporterTest : public QObject {
    Q_OBJECT
private slots:
    void BitmapAndJpegAtTheWidthGivenWhereTheUserChose() {
        test::FormFixture f;
        Settings& s = f.context.state.settings;
        s.pixelFormat = 2;
        TMyBitmapWidth width(f.context.Look(), *f.prompter);
        DialogPageExporter exporter(f.context.Look(), s, *f.prompter, *f.chooser, width);
        const Page page;
        f.chooser->Answers() = {f.dir.File("page.bmp"), f.dir.File("page.jpg")};
        AnswerWidth("333");
        QVERIFY(exporter.SaveBitmap(page.Export()).IsDone());
        QCOMPARE(f.chooser->requests.back().title, std::string("Save Puzzle As Bitmap"));
        const QImage bmp(QString::fromStdString(f.dir.File("page.bmp")), "BMP");
        QCOMPARE(bmp.width(), 333);
        QCOMPARE(bmp.format(), QImage::Format_Indexed8);  // "256 Colors"
        QCOMPARE(s.lastExportBitmapFile, f.dir.File("page.bmp"));
        QCOMPARE(s.pixelWidth, 333);

        AnswerWidth("200");
        QVERIFY(exporter.SaveJpeg(page.Export()).IsDone());
        QCOMPARE(f.chooser->requests.back().title, std::string("Save Puzzle As JPeg"));
        QCOMPARE(QImage(QString::fromStdString(f.dir.File("page.jpg")), "JPG").width(), 200);

        // Cancelled at the width: no file dialog, no file.
        const std::size_t asked = f.chooser->requests.size();
        AnswerWidth("");
        QVERIFY(exporter.SaveJpeg(page.Export()).IsCancelled());
        QCOMPARE(f.chooser->requests.size(), asked);
        // Cancelled at the file dialog: no file either.
        AnswerWidth("100");
        QVERIFY(exporter.SaveBitmap(page.Export()).IsCancelled());
        QVERIFY(f.prompter->said.empty());
    }

    void MetafilesWarnOnceForPicturesAndWaitForOk() {
        test::FormFixture f;
        Settings& s = f.context.state.settings;
        TMyBitmapWidth width(f.context.Look(), *f.prompter);
        DialogPageExporter exporter(f.context.Look(), s, *f.prompter, *f.chooser, width);
        const Page withPicture(true);
        f.chooser->Answers() = {f.dir.File("page.EMF"), f.dir.File("page.WMF"), f.dir.File("any.wmf")};
        QString shown;
        OkWhenCreated(&shown);
        QVERIFY(exporter.SaveEnhancedMetafile(withPicture.Export()).IsDone());
        QCOMPARE(shown, QString("Metafile Created"));
        QCOMPARE(f.chooser->requests.back().title, std::string("Save Puzzle As Enhanced MetaFile"));
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("Bitmaps in this puzzle will not be saved in the metafile."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Warning"));
        QVERIFY(ReadWholeFile(f.dir.File("page.EMF"))->size() > 100);

        const Page plain;
        OkWhenCreated();
        QVERIFY(exporter.SaveWindowsMetafile(plain.Export()).IsDone());
        QCOMPARE(f.chooser->requests.back().title, std::string("Save Puzzle As MetaFile"));
        QCOMPARE(f.prompter->said.size(), size_t(1));  // no picture, no warning
        const auto wmf = ReadWholeFile(f.dir.File("page.WMF"));
        QVERIFY(wmf && (*wmf)[0] == 0xD7 && (*wmf)[1] == 0xCD);  // the placeable header
        QCOMPARE(s.lastExportWmfFile, f.dir.File("page.WMF"));

        // The one dialog of both kinds: the name's extension decides.
        OkWhenCreated();
        QVERIFY(exporter.SaveMetafile(plain.Export()).IsDone());
        QVERIFY((*ReadWholeFile(f.dir.File("any.wmf")))[0] == 0xD7);

        // A file that cannot be written is refused with its message, for the preview to show.
        f.chooser->Answers() = {f.dir.File("missing/page.EMF")};
        const Outcome o = exporter.SaveEnhancedMetafile(plain.Export());
        QVERIFY(o.IsRefused());
        QCOMPARE(QString::fromStdString(o.message.text), QString("Unable to create export file."));
    }

    void WebPageFormStylesAtOnceTextsOnSave() {
        test::FormFixture f;
        Settings& s = f.context.state.settings;
        s.jpegQuality = 70;
        TMyBitmapWidth width(f.context.Look(), *f.prompter);
        DialogPageExporter exporter(f.context.Look(), s, *f.prompter, *f.chooser, width);
        const Page page;

        // Cancelled: the styles changed count, the texts typed do not.
        test::WhenDialogShows([](QWidget& w) {
            QCOMPARE(w.windowTitle(), QString("HTML Creation"));
            QCOMPARE(test::Control<QLabel>(w, "Heading")->text(), QString("Create A Web Page"));
            QCOMPARE(test::Control<QLineEdit>(w, "TitleEdit")->text(), QString("Crossword Puzzle"));
            QCOMPARE(test::Control<QComboBox>(w, "FirstHeaderSize")->currentText(), QString("14 pt"));
            test::Control<QCheckBox>(w, "SecondFooterItalic")->setChecked(true);
            test::Control<QComboBox>(w, "SecondFooterSize")->setCurrentIndex(6);
            test::Control<QCheckBox>(w, "UpperRule")->setChecked(true);
            test::Control<QPlainTextEdit>(w, "SecondFooterMemo")->setPlainText("not kept");
            test::Control<QPushButton>(w, "CancelButton")->click();
        });
        QVERIFY(exporter.SaveHtml(page.Export()).IsCancelled());
        QVERIFY(s.secondFooter.italic);
        QCOMPARE(s.secondFooter.fontSize, 7);
        QVERIFY(s.horizontalUpper);
        QCOMPARE(s.secondFooter.text, std::string());

        // Saved: width, file, the page and its picture; the form closes.
        f.chooser->Answers() = {f.dir.File("web.htm")};
        test::WhenDialogShows([](QWidget& w) {
            test::Control<QLineEdit>(w, "TitleEdit")->setText("  Week 3  ");
            QPlainTextEdit* memo = test::Control<QPlainTextEdit>(w, "SecondHeaderMemo");
            memo->setPlainText(QString(1200, 'x'));
            QCOMPARE(memo->toPlainText().size(), 1000);  // a memo of 1000 characters
            memo->setPlainText("two\nlines & <b>");
            AnswerWidth("150");
            test::Control<QPushButton>(w, "SaveButton")->click();
        });
        QVERIFY(exporter.SaveHtml(page.Export()).IsDone());
        QCOMPARE(s.webTitle, std::string("Week 3"));
        QCOMPARE(s.secondHeader.text, std::string("two\r\nlines & <b>"));
        QCOMPARE(s.lastExportHtmlFile, f.dir.File("web.htm"));
        QCOMPARE(f.chooser->requests.back().title, std::string("Save HTML Document"));
        const std::string html = test::ReadFileText(f.dir.File("web.htm"));
        QVERIFY(html.find("  <TITLE>Week 3</TITLE>\r\n") != std::string::npos);
        QVERIFY(html.find("  <FONT SIZE=3>two\r\nlines & <b></FONT><P>\r\n") != std::string::npos);
        QVERIFY(html.find("  <HR><P>\r\n  <CENTER><IMG SRC=\"web.JPG\"") != std::string::npos);
        QCOMPARE(QImage(QString::fromStdString(f.dir.File("web.JPG")), "JPG").width(), 150);

        // The page cannot be made: the message is shown and the form stays for another try.
        f.chooser->Answers() = {f.dir.File("missing/web.htm")};
        bool stayed = false;
        test::WhenDialogShows([&](QWidget& w) {
            AnswerWidth("150");
            test::Control<QPushButton>(w, "SaveButton")->click();
            stayed = w.isVisible();
            test::Control<QPushButton>(w, "CancelButton")->click();
        });
        QVERIFY(exporter.SaveHtml(page.Export()).IsCancelled());
        QVERIFY(stayed);
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Unable to create html file."));
        QVERIFY(!FileExists(f.dir.File("missing/web.JPG")));
    }

    // A line break is stored as CR LF: typing stops where the stored text is full, so what is
    // saved is what the memo shows (it was once cut mid-line when saved).
    void AMemoTakesNoMoreThanItsStoredTextHolds() {
        test::FormFixture f;
        Settings& s = f.context.state.settings;
        TMyBitmapWidth width(f.context.Look(), *f.prompter);
        DialogPageExporter exporter(f.context.Look(), s, *f.prompter, *f.chooser, width);
        const Page page;
        f.chooser->Answers() = {f.dir.File("web.htm")};
        QString shown;
        test::WhenDialogShows([&](QWidget& w) {
            QPlainTextEdit* memo = test::Control<QPlainTextEdit>(w, "FirstFooterMemo");
            memo->setFocus();
            QTest::keyClicks(memo, QString(995, 'x'));
            for (int i = 0; i < 3; ++i) QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, "yz");
            shown = memo->toPlainText();
            AnswerWidth("150");
            test::Control<QPushButton>(w, "SaveButton")->click();
        });
        QVERIFY(exporter.SaveHtml(page.Export()).IsDone());
        QCOMPARE(shown, QString(995, 'x') + "\n\ny");
        QCOMPARE(s.firstFooter.text, std::string(995, 'x') + "\r\n\r\ny");
    }
};

}  // namespace qf

QTEST_MAIN(qf::DialogPageExporterTest)
#include "DialogPageExporterTest.moc"
