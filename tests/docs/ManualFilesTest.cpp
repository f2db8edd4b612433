// The help and the manuals the build placed in the program directory, checked against the
// manual's source: a help collection that finds every keyword's topic, a PDF whose contents give
// the right pages, and Rich Text a word processor can read.
#include <QDir>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ManualSource.h"

namespace qf::docs {
namespace {

// The keywords the program's windows open the help at, and the topic each must show.
const QList<std::pair<QString, QString>> kWindowKeywords{
    {"PUZZLE CONNECTION", "Exchanging puzzles with others"},
    {"CROSSWORD OBJECTS", "Crossword objects"},
    {"Report Window", "The Reports window"},
    {"THOROUGH", "Every word of the lesson: Thorough"},
    {"CLUE SUGGESTIONS", "Clue suggestions and the check of clues"},
    {"IMPORT WORD LISTS", "Many word lists at once"},
};

QString ProgramFile(const QString& name) { return QDir(qEnvironmentVariable("QUERNFOLD_PROGRAM_DIR")).filePath(name); }

Manual Source() {
    QString error;
    const auto manual = ReadManual(qEnvironmentVariable("QF_SOURCE_DIR") + "/docs/manual", error);
    if (!manual) qFatal("%s", qPrintable(error));
    return *manual;
}

QString Run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PageText(int page) {
    return Run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), ProgramFile("QFOLD.PDF"), "-"})
        .simplified();
}

// The text of an RTF document: groups of destinations (fonts, colours, pictures, document
// properties, head and foot) skipped, control words dropped, escapes decoded.
QString RtfPlainText(const QByteArray& rtf) {
    QString text;
    QList<bool> skipping{false};
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            skipping << skipping.last();
        } else if (c == '}') {
            if (skipping.size() > 1) skipping.removeLast();
        } else if (c == '\\') {
            const char next = i + 1 < rtf.size() ? rtf[i + 1] : ' ';
            if (next == '\\' || next == '{' || next == '}') {
                if (!skipping.last()) text += QChar(next);
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
            const QByteArray word = rtf.mid(i + 1, end - i - 1);
            qsizetype numberEnd = end;
            while (numberEnd < rtf.size() && (rtf[numberEnd] == '-' || std::isdigit(static_cast<unsigned char>(rtf[numberEnd])))) ++numberEnd;
            const int number = rtf.mid(end, numberEnd - end).toInt();
            if (numberEnd < rtf.size() && rtf[numberEnd] == ' ') ++numberEnd;
            static const QList<QByteArray> destinations{"fonttbl", "colortbl", "info", "pict", "footer", "footerf", "*"};
            if (destinations.contains(word) || next == '*') skipping.last() = true;
            if (!skipping.last()) {
                if (word == "par" || word == "line" || word == "cell" || word == "row") text += '\n';
                if (word == "tab") text += ' ';
                if (word == "u") {
                    text += QChar(static_cast<char16_t>(number));
                    if (numberEnd < rtf.size() && rtf[numberEnd] == '?') ++numberEnd;
                }
            }
            i = numberEnd - 1;
        } else if (c != '\n' && c != '\r' && !skipping.last()) {
            text += QChar(c);
        }
    }
    return text;
}

}  // namespace

class ManualFilesTest : public QObject {
    Q_OBJECT
private slots:
    void TheHelpCollectionFindsEveryKeywordsTopic() {
        // A copy, so that nothing the engine might write reaches the build's files.
        QTemporaryDir dir;
        QVERIFY(QFile::copy(ProgramFile("QFOLD.HLP"), dir.filePath("QFOLD.HLP")));
        QVERIFY(QFile::copy(ProgramFile("QFOLD.QCH"), dir.filePath("QFOLD.QCH")));
        QHelpEngineCore engine(dir.filePath("QFOLD.HLP"));
        engine.setReadOnly(true);
        QVERIFY(engine.setupData());
        QCOMPARE(engine.registeredDocumentations(), QStringList{"org.quernfold.help"});

        for (const auto& [keyword, topic] : kWindowKeywords) {
            const QList<QHelpLink> links = engine.documentsForKeyword(keyword);
            QVERIFY2(links.size() == 1, qPrintable(keyword));
            const QString page = QString::fromUtf8(engine.fileData(links[0].url));
            QVERIFY2(page.contains("<a name=\"" + links[0].url.fragment() + "\"></a>"), qPrintable(keyword));
            QVERIFY2(page.contains(">" + topic + "</span></h"), qPrintable(keyword));
        }
        const Manual manual = Source();
        int keywords = 0;
        for (const Chapter& chapter : manual.chapters) {
            const QString page = QString::fromUtf8(engine.fileData(QUrl("qthelp://org.quernfold.help/manual/" + chapter.pageName)));
            QVERIFY2(page.contains("<title>" + chapter.title + "</title>"), qPrintable(chapter.pageName));
            for (const Heading& heading : chapter.headings) {
                QVERIFY2(page.contains("<a name=\"" + heading.anchor + "\"></a>"), qPrintable(heading.anchor));
                for (const QString& keyword : heading.keywords) {
                    const QList<QHelpLink> links = engine.documentsForKeyword(keyword);
                    QCOMPARE(links.size(), qsizetype(1));
                    QCOMPARE(links[0].url.fileName(), chapter.pageName);
                    QCOMPARE(links[0].url.fragment(), heading.anchor);
                    ++keywords;
                }
            }
            for (const QString& image : chapter.images)
                QVERIFY(!QImage::fromData(engine.fileData(QUrl("qthelp://org.quernfold.help/manual/images/" +
                                                               QFileInfo(image).completeBaseName() + ".png")))
                             .isNull());
        }
        QVERIFY(keywords >= kWindowKeywords.size());
        const QString contents = QString::fromUtf8(engine.fileData(QUrl("qthelp://org.quernfold.help/manual/index.html")));
        for (const Chapter& chapter : manual.chapters) QVERIFY(contents.contains("href=\"" + chapter.pageName + "\""));
    }

    void ThePdfIsTheWholeManualWithItsContents() {
        QFile pdf(ProgramFile("QFOLD.PDF"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        const QString info = Run("pdfinfo", {pdf.fileName()});
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Quernfold 98 User Manual")), qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts")));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY2(pages >= 20 && pages <= 80, qPrintable(QString::number(pages)));

        QVERIFY(PageText(1).contains("Quernfold 98 User Manual Version 3.1a"));
        // The contents: every chapter with the page it starts on, where its title stands at the top.
        QString contents;
        for (int page = 2; page <= pages && PageText(page).startsWith("Contents"); ++page)
            contents += PageText(page) + " ";
        const Manual manual = Source();
        for (const Chapter& chapter : manual.chapters) {
            const auto listed = QRegularExpression(QRegularExpression::escape(chapter.title) + " (\\d+)").match(contents);
            QVERIFY2(listed.hasMatch(), qPrintable(chapter.title));
            const int page = listed.captured(1).toInt();
            QVERIFY2(PageText(page).startsWith(chapter.title + " " + chapter.title), qPrintable(chapter.title));
            for (const Heading& heading : chapter.headings)
                if (heading.level == 2) QVERIFY2(contents.contains(heading.text), qPrintable(heading.text));
        }
        QVERIFY(PageText(pages).contains("Quernfold 98 User Manual " + QString::number(pages)));
    }

    void NothingRunsOffThePage() {
        // Every word within the margins of 0.9 inch (64.8 points) of the Letter page: text
        // cut off at the edge would still be in the file, outside them.
        const QString words = Run("pdftotext", {"-bbox", ProgramFile("QFOLD.PDF"), "-"});
        const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">(.*)</word>)re");
        int count = 0;
        for (auto it = word.globalMatch(words); it.hasNext(); ++count) {
            const auto m = it.next();
            QVERIFY2(m.captured(1).toDouble() >= 64.8 - 1 && m.captured(2).toDouble() <= 612 - 64.8 + 1,
                     qPrintable(m.captured(3) + " at " + m.captured(1) + ".." + m.captured(2)));
        }
        QVERIFY(count > 5000);
    }

    void TheDocIsRichTextWithEveryHeadingAndPicture() {
        QFile doc(ProgramFile("QFOLD.DOC"));
        QVERIFY(doc.open(QIODevice::ReadOnly));
        const QByteArray rtf = doc.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.trimmed().endsWith('}'));
        const QString text = RtfPlainText(rtf);
        QVERIFY(text.startsWith("Quernfold 98\nUser Manual\nVersion 3.1a\n"));
        const Manual manual = Source();
        int pictures = 0;
        for (const Chapter& chapter : manual.chapters) {
            for (const Heading& heading : chapter.headings)
                QVERIFY2(text.contains("\n" + heading.text + "\n"), qPrintable(heading.text));
            pictures += static_cast<int>(chapter.images.size());
        }
        QCOMPARE(static_cast<int>(rtf.count("{\\pict\\pngblip")), pictures);
        QVERIFY(text.contains(QString::fromUtf8("Out of the box they type á, é, í, ó, ñ")));
    }
};

}  // namespace qf::docs

QTEST_MAIN(qf::docs::ManualFilesTest)
#include "ManualFilesTest.moc"
