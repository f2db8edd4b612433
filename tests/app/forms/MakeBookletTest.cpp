// The main window's "Print Booklet": picked with the keyboard alone, the booklet's choices
// reach the PDF; with nothing picked Make is not offered, and a cancelled save writes nothing.
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "app/BookletPuzzles.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {
namespace {

// The text of each page of a PDF, read by poppler's own reader.
QStringList PdfPages(const std::string& path) {
    QProcess reader;
    reader.start("pdftotext", {QString::fromStdString(path), "-"});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split('\f');
    pages.removeLast();  // after the last page's form feed
    return pages;
}

}  // namespace

class MakeBookletTest : public QObject {
    Q_OBJECT
private slots:
    void AKeyboardRoadMakesTheBookletAsChosen() {
        test::FormFixture f;
        f.CopyShipped("SAMPLE.QF3");
        f.context.state.settings.lastGroup = f.dir.File("SAMPLE.QF3");
        TMainWin window(f.context);
        QVERIFY(test::ShowActive(window));
        QCOMPARE(window.Action("MenuBooklet")->text(), QString("Print &Booklet..."));
        const std::string out = f.dir.File("unit.pdf");
        f.chooser->Answers() = {"", out};

        bool shown = false;
        test::WhenDialogShows([&](QWidget& dialog) {
            shown = true;
            QCOMPARE(dialog.windowTitle(), QString("Print Booklet"));
            QVERIFY(test::Focused() == dialog.findChild<QListWidget*>("PuzzleList"));
            QTest::keyClick(test::Focused(), Qt::Key_Return);  // nothing picked yet: Make is not offered
            QVERIFY(dialog.isVisible());
            QVERIFY(f.prompter->said.empty() && f.chooser->requests.empty());
            test::Walk(dialog, "<Alt+S>|<Alt+K>|<Down>|<Alt+O>|<Alt+T>|ae|<Enter>");  // the save dialog is cancelled
            QVERIFY(dialog.isVisible());
            QVERIFY(!QFile::exists(QString::fromStdString(out)));
            test::Walk(dialog, "<Enter>");
            QVERIFY(!dialog.isVisible());
        });
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown);
        QCOMPARE(f.chooser->requests.size(), std::size_t{2});
        QVERIFY(QString::fromStdString(f.chooser->requests[0].initialPath).endsWith("SAMPLE booklet.pdf"));
        QCOMPARE(QString::fromStdString(f.prompter->said.back().text), QString("Booklet written: 21 pages."));

        // Contents, then each puzzle followed by its key, in the order of the list.
        const QStringList pages = PdfPages(out);
        QCOMPARE(pages.size(), 21);
        QVERIFY(pages[0].contains("Contents"));
        QVERIFY(pages[0].contains("Answer Key: Birds of a Feather"));
        QVERIFY(pages[1].contains("Birds of a Feather") && !pages[1].contains("Answer Key"));
        QVERIFY(pages[2].contains("Birds of a Feather") && pages[2].contains("Answer Key"));
        QVERIFY(pages[3].contains("Buildings and Gadgets") && !pages[3].contains("Answer Key"));
        for (int k = 0; k < 21; ++k) QVERIFY2(pages[k].contains(QString("Page %1").arg(k + 1)), qPrintable(pages[k]));
    }
};

}  // namespace qf

QTEST_MAIN(qf::MakeBookletTest)
#include "MakeBookletTest.moc"
