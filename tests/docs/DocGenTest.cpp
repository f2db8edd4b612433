// The manual generator: what it reads from the Markdown source, what it refuses, and the help
// pages, Rich Text and PDF it makes of a small manual written here.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "HelpProject.h"
#include "ManualDocument.h"
#include "ManualSource.h"
#include "PdfBook.h"
#include "RtfWriter.h"

namespace qf::docs {
namespace {

void Write(const QString& path, const QByteArray& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A small manual: two chapters, a keyword, a link between them and a drawing.
void WriteSmallManual(const QString& dir) {
    Write(dir + "/01-first.md",
          "# First chapter\n\nSee [the other](02-second.md#sharing-puzzles) and `QFOLD3.INI`.\n\n"
          "![A drawing](images/box.svg)\n\n## Steps\n\n1. One\n2. Two\n\n| Key | Does |\n|---|---|\n| F1 | help |\n");
    Write(dir + "/02-second.md",
          "# Second chapter\n\nCafé {braces}.\n\n## Sharing puzzles\n<!-- keywords: PUZZLE CONNECTION -->\n\nText.\n");
    Write(dir + "/images/box.svg",
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"80\"><rect x=\"1\" y=\"1\" "
          "width=\"198\" height=\"78\" fill=\"#c0c0c0\" stroke=\"black\"/></svg>");
}

// The RTF groups open and close in pairs, escaped braces aside.
int Depth(const QByteArray& rtf) {
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        if (rtf[i] == '{') ++depth;
        if (rtf[i] == '}' && --depth < 0) return -1;
    }
    return depth;
}

QString PdfText(const QString& path, int page) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return "pdftotext failed";
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class DocGenTest : public QObject {
    Q_OBJECT
private slots:
    void AnchorsAreGitHubs() {
        QCOMPARE(Slug("The main window"), QString("the-main-window"));
        QCOMPARE(Slug("QFOLD3.INI, the settings file"), QString("qfold3ini-the-settings-file"));
        QCOMPARE(Slug("Print options (the Reports window)"), QString("print-options-the-reports-window"));
        QCOMPARE(Slug("Words & clues: import"), QString("words--clues-import"));
    }

    void HeadingsKeywordsAndAnchorsAreRead() {
        QString error;
        const auto chapter = ParseChapter("03-x.md",
                                          "# Title *one*\n\ntext\n\n## Part\n<!-- keywords: A KEY; Other -->\n"
                                          "```\n# not a heading\n```\n## Part\n### [Linked](01-a.md) `code`\n",
                                          error);
        QVERIFY2(chapter, qPrintable(error));
        QCOMPARE(chapter->title, QString("Title one"));
        QCOMPARE(chapter->pageName, QString("03-x.html"));
        QCOMPARE(chapter->headings.size(), qsizetype(4));
        QCOMPARE(chapter->headings[1].anchor, QString("part"));
        QCOMPARE(chapter->headings[1].keywords, QStringList({"A KEY", "Other"}));
        QCOMPARE(chapter->headings[2].anchor, QString("part-1"));
        QCOMPARE(chapter->headings[3].text, QString("Linked code"));
        QCOMPARE(chapter->headings[3].level, 3);
        QVERIFY(!chapter->markdown.contains("keywords"));
        QVERIFY(chapter->markdown.contains("# not a heading"));
    }

    void ABadChapterIsRefused() {
        QString error;
        QVERIFY(!ParseChapter("01-a.md", "no heading at all\n", error));
        QVERIFY(error.contains("no chapter title"));
        QVERIFY(!ParseChapter("01-a.md", "# One\n\n# Two\n", error));
        QVERIFY(error.contains("01-a.md:3:"));
        QVERIFY(!ParseChapter("01-a.md", "<!-- keywords: X -->\n# One\n", error));
        QVERIFY(error.contains("keywords before the first heading"));
        QVERIFY(!ParseChapter("01-a.md", "## Section\n# Title\n", error));
    }

    void TextThatSwallowsHeadingsIsRefused() {
        // An unescaped < reads as the start of an HTML tag and takes the text after it along.
        QTemporaryDir dir;
        Write(dir.path() + "/01-a.md", "# Title\n\nMarked *<<DEFAULT>>* here.\n\n## Next part\n\nText.\n");
        QString error;
        auto manual = ReadManual(dir.path(), error);
        QVERIFY2(manual, qPrintable(error));
        QTextDocument doc;
        QVERIFY(!BuildBook(doc, *manual, 600, error));
        QVERIFY2(error.contains("the heading \"Next part\" came out as"), qPrintable(error));
        Write(dir.path() + "/01-a.md", "# Title\n\nMarked *\\<\\<DEFAULT\\>\\>* here.\n\n## Next part\n\nText.\n");
        manual = ReadManual(dir.path(), error);
        QVERIFY2(BuildBook(doc, *manual, 600, error), qPrintable(error));
        QVERIFY(doc.toPlainText().contains("Marked <<DEFAULT>> here."));
    }

    void AManualWithBrokenReferencesIsRefused() {
        QTemporaryDir dir;
        WriteSmallManual(dir.path());
        QString error;
        auto manual = ReadManual(dir.path(), error);
        QVERIFY2(manual, qPrintable(error));
        QCOMPARE(manual->chapters.size(), qsizetype(2));
        QCOMPARE(manual->chapters[0].images, QStringList{"images/box.svg"});

        Write(dir.path() + "/03-third.md", "# Third\n\n[gone](02-second.md#no-such-part)\n");
        QVERIFY(!ReadManual(dir.path(), error));
        QVERIFY2(error.contains("03-third.md: 02-second.md#no-such-part: no such heading"), qPrintable(error));
        Write(dir.path() + "/03-third.md", "# Third\n\n[gone](09-none.md)\n");
        QVERIFY(!ReadManual(dir.path(), error));
        QVERIFY(error.contains("no such chapter"));
        Write(dir.path() + "/03-third.md", "# Third\n\n![shot](images/missing.png)\n");
        QVERIFY(!ReadManual(dir.path(), error));
        QVERIFY(error.contains("no such picture"));
        Write(dir.path() + "/03-third.md", "# Third\n\n## Again\n<!-- keywords: puzzle connection -->\n");
        QVERIFY(!ReadManual(dir.path(), error));
        QVERIFY(error.contains("names two topics"));
        QFile::remove(dir.path() + "/03-third.md");
        Write(dir.path() + "/Third.md", "# Third\n");
        QVERIFY(!ReadManual(dir.path(), error));
        QVERIFY(error.contains("NN-name.md"));
    }

    void RtfTextIsEscaped() {
        QCOMPARE(RtfText("a\\b{c}"), QByteArray("a\\\\b\\{c\\}"));
        QCOMPARE(RtfText(QString::fromUtf8("é€")), QByteArray("\\u233?\\u8364?"));
        QCOMPARE(RtfText(QString::fromUtf8("\U0001F600")), QByteArray("\\u-10179?\\u-8704?"));
        QCOMPARE(RtfText("a\tb"), QByteArray("a\\tab b"));
    }

    void HelpPagesCarryAnchorsLinksAndPictures() {
        QTemporaryDir dir;
        WriteSmallManual(dir.path() + "/manual");
        QString error;
        auto manual = ReadManual(dir.path() + "/manual", error);
        QVERIFY2(manual, qPrintable(error));
        const QString out = dir.path() + "/help";
        QVERIFY2(WriteHelpProject(*manual, out, "X.QCH", error), qPrintable(error));

        QFile first(out + "/01-first.html");
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(first.readAll());
        QVERIFY(html.contains("<a name=\"first-chapter\"></a>"));
        QVERIFY(html.contains("<a name=\"steps\"></a>"));
        QVERIFY(html.contains("href=\"02-second.html#sharing-puzzles\""));
        QVERIFY(html.contains("src=\"images/box.png\""));
        QVERIFY(html.contains("width=\"200\""));
        const QImage picture(out + "/images/box.png");
        QCOMPARE(picture.size(), QSize(400, 160));  // drawn at twice its size for sharp screens

        QFile project(out + "/" + kHelpProjectFile);
        QVERIFY(project.open(QIODevice::ReadOnly));
        const QString qhp = QString::fromUtf8(project.readAll());
        QVERIFY(qhp.contains("<keyword name=\"PUZZLE CONNECTION\" id=\"PUZZLE CONNECTION\" "
                             "ref=\"02-second.html#sharing-puzzles\"/>"));
        QVERIFY(qhp.contains("<section title=\"Steps\" ref=\"01-first.html#steps\"/>"));
        QVERIFY(qhp.contains("<file>images/box.png</file>"));
        QVERIFY(QFile::exists(out + "/index.html"));
        QFile collection(out + "/" + kCollectionProjectFile);
        QVERIFY(collection.open(QIODevice::ReadOnly));
        QVERIFY(collection.readAll().contains("<output>X.QCH</output>"));
    }

    void RichTextHasTheWholeManual() {
        QTemporaryDir dir;
        WriteSmallManual(dir.path());
        QString error;
        auto manual = ReadManual(dir.path(), error);
        QVERIFY2(manual, qPrintable(error));
        const QString path = dir.path() + "/MANUAL.DOC";
        QVERIFY2(WriteRtf(*manual, path, error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rtf = file.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QCOMPARE(Depth(rtf), 0);
        QVERIFY(rtf.contains("\\pagebb\\outlinelevel0\\keepn"));
        QVERIFY(rtf.contains(" First chapter}"));
        QVERIFY(rtf.contains("Caf\\u233? \\{braces\\}."));
        QVERIFY(rtf.contains("\\trowd"));
        QVERIFY(rtf.contains("\\cell"));
        QVERIFY(rtf.contains("{\\pict\\pngblip\\picw800\\pich320\\picwgoal3000\\pichgoal1200"));
        QVERIFY(rtf.contains("1.\\tab "));
    }

    void AScreenshotWiderThanThePageIsScaledToTheText() {
        QTemporaryDir dir;
        WriteSmallManual(dir.path());
        QImage shot(1000, 300, QImage::Format_RGB32);
        shot.fill(Qt::darkCyan);
        QVERIFY(shot.save(dir.path() + "/images/shot.png"));
        Write(dir.path() + "/03-third.md", "# Third\n\n![A window](images/shot.png)\n");
        QString error;
        auto manual = ReadManual(dir.path(), error);
        QVERIFY2(manual, qPrintable(error));
        QVERIFY2(WriteRtf(*manual, dir.path() + "/MANUAL.DOC", error), qPrintable(error));
        QFile file(dir.path() + "/MANUAL.DOC");
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Its pixels are kept; it is shown as wide as the text (6.7 inches) and keeps its proportions.
        QVERIFY(file.readAll().contains("{\\pict\\pngblip\\picw1000\\pich300\\picwgoal9648\\pichgoal2894"));

        QVERIFY2(WriteHelpProject(*manual, dir.path() + "/help", "X.QCH", error), qPrintable(error));
        QCOMPARE(QImage(dir.path() + "/help/images/shot.png").size(), QSize(1000, 300));
        QVERIFY2(WritePdf(*manual, dir.path() + "/MANUAL.PDF", error), qPrintable(error));
        QProcess images;
        images.start("pdfimages", {"-list", dir.path() + "/MANUAL.PDF"});
        QVERIFY(images.waitForFinished(30000));
        const QString list = QString::fromUtf8(images.readAllStandardOutput());
        QVERIFY2(list.contains(QRegularExpression("\\s1000\\s+300\\s")), qPrintable(list));
    }

    void PdfContentsGiveThePagesTheChaptersStartOn() {
        QTemporaryDir dir;
        WriteSmallManual(dir.path());
        // A first chapter of three pages and more puts the second on page 6 or later.
        QByteArray longText = "# First chapter\n\n![A drawing](images/box.svg)\n\n## Steps\n\n";
        for (int i = 0; i < 160; ++i) longText += "A paragraph of the long first chapter, number " + QByteArray::number(i) + ".\n\n";
        longText += "[x](02-second.md)\n";
        Write(dir.path() + "/01-first.md", longText);
        QString error;
        auto manual = ReadManual(dir.path(), error);
        QVERIFY2(manual, qPrintable(error));
        const QString path = dir.path() + "/MANUAL.PDF";
        QVERIFY2(WritePdf(*manual, path, error), qPrintable(error));

        const QString contents = PdfText(path, 2);
        const auto listed = QRegularExpression(R"(Second chapter\s+(\d+))").match(contents.simplified());
        QVERIFY2(listed.hasMatch(), qPrintable(contents));
        const int page = listed.captured(1).toInt();
        QVERIFY(page >= 6);
        QVERIFY(PdfText(path, page).simplified().contains("Second chapter Café {braces}."));
        QVERIFY(!PdfText(path, page - 1).contains("Café"));
        QVERIFY(PdfText(path, 1).contains("User Manual"));
        QVERIFY(PdfText(path, 3).contains("Quernfold 98 User Manual"));  // the foot of a page
    }
};

}  // namespace qf::docs

QTEST_MAIN(qf::docs::DocGenTest)
#include "DocGenTest.moc"
