// The help window: the built help opened at its contents and at the topic of each keyword the
// program's windows ask for, one window for the whole run, and no trouble without a help file.
#include <QDialog>
#include <QHelpContentWidget>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "base/forms/HelpWindow.h"
#include "support/forms/FormFixture.h"

namespace qf {
namespace {

// The program directory of a fixture holding the shipped help.
struct HelpFixture : test::FormFixture {
    HelpFixture() {
        CopyShipped("QFOLD.HLP");
        CopyShipped("QFOLD.QCH");
    }
    std::string ProgramDir() const { return context.state.dirs.program; }
};

QTextBrowser* Text(THelpWindow& window) { return test::Control<QTextBrowser>(window, "HelpText"); }

// The first line the reader sees at the top of the page.
QString TopLine(THelpWindow& window) {
    QTextBrowser* text = Text(window);
    return text->cursorForPosition(QPoint(4, 4)).block().text();
}

int HelpWindowsOpen() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "HelpWindow") ++count;
    return count;
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { delete THelpWindow::Current(); }

    void OpensAtTheContents() {
        HelpFixture f;
        QWidget owner;
        ShowHelp(&owner, f.ProgramDir());
        THelpWindow* window = THelpWindow::Current();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QString("Quernfold 98 Help"));
        QCOMPARE(window->Page().scheme(), QString("qthelp"));
        QCOMPARE(window->Page().fileName(), QString("index.html"));
        const QString text = Text(*window)->toPlainText();
        QVERIFY(text.startsWith("Quernfold 98 Help"));
        QVERIFY(text.contains("Getting started"));
        QVERIFY(text.contains("Exchanging puzzles with others"));
        QVERIFY(text.contains("The command-line tool"));
        // The contents tree has every chapter under the help's title.
        auto* contents = test::Control<QHelpContentWidget>(*window, "HelpContents");
        QTRY_VERIFY(contents->model()->rowCount() == 1);
        const QModelIndex root = contents->model()->index(0, 0);
        QCOMPARE(root.data().toString(), QString("Quernfold 98 Help"));
        QVERIFY(contents->model()->rowCount(root) >= 10);
    }

    void OpensAtTheTopicOfEachKeyword_data() {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("topic");
        QTest::newRow("data exchange") << "PUZZLE CONNECTION" << "09-exchanging-puzzles.html"
                                       << "Exchanging puzzles with others";
        QTest::newRow("page designer") << "CROSSWORD OBJECTS" << "05-page-layouts.html" << "Crossword objects";
        QTest::newRow("print options") << "Report Window" << "04-printing.html" << "The Reports window";
        QTest::newRow("thorough fill") << "THOROUGH" << "03-making-a-puzzle.html" << "Every word of the lesson: Thorough";
        QTest::newRow("clue suggestions") << "CLUE SUGGESTIONS" << "07-word-tools.html"
                                          << "Clue suggestions and the check of clues";
        QTest::newRow("word lists") << "IMPORT WORD LISTS" << "02-main-window.html" << "Many word lists at once";
    }

    void OpensAtTheTopicOfEachKeyword() {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        QFETCH(QString, topic);
        HelpFixture f;
        QWidget owner;
        ShowHelp(&owner, f.ProgramDir(), keyword.toStdString());
        THelpWindow* window = THelpWindow::Current();
        QVERIFY(window);
        QCOMPARE(window->Page().fileName(), page);
        QVERIFY(!window->Page().fragment().isEmpty());
        QTRY_COMPARE(TopLine(*window), topic);  // scrolled to the topic, not just the page
        QVERIFY(Text(*window)->toPlainText().contains(topic));
        // The contents tree shows where the reader is.
        auto* contents = test::Control<QHelpContentWidget>(*window, "HelpContents");
        QTRY_COMPARE(contents->currentIndex().data().toString(), topic);
    }

    void OneWindowServesEveryCall() {
        HelpFixture f;
        QWidget owner;
        ShowHelp(&owner, f.ProgramDir());
        THelpWindow* first = THelpWindow::Current();
        // Placed in the middle of the screen, whole, the first time.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(first->frameGeometry()));
        QVERIFY((first->frameGeometry().center() - area.center()).manhattanLength() <= 8);
        first->move(area.topLeft() + QPoint(10, 20));
        ShowHelp(&owner, f.ProgramDir(), "CROSSWORD OBJECTS");
        QCOMPARE(THelpWindow::Current(), first);
        QCOMPARE(HelpWindowsOpen(), 1);
        QCOMPARE(first->pos(), area.topLeft() + QPoint(10, 20));  // where the reader put it
        QCOMPARE(first->Page().fileName(), QString("05-page-layouts.html"));
        // Back returns to the contents; Contents comes back to them from anywhere.
        QTest::mouseClick(test::Control<QPushButton>(*first, "BackButton"), Qt::LeftButton);
        QCOMPARE(first->Page().fileName(), QString("index.html"));
        ShowHelp(&owner, f.ProgramDir(), "Report Window");
        QTest::mouseClick(test::Control<QPushButton>(*first, "ContentsButton"), Qt::LeftButton);
        QCOMPARE(first->Page().fileName(), QString("index.html"));
        // Closed and opened again: the same window shows again.
        first->close();
        ShowHelp(&owner, f.ProgramDir());
        QCOMPARE(THelpWindow::Current(), first);
        QVERIFY(first->isVisible());
    }

    void UsableFromAModalDialog() {
        HelpFixture f;
        QWidget main;
        ShowHelp(&main, f.ProgramDir());
        THelpWindow* window = THelpWindow::Current();
        QDialog dialog(&main);
        dialog.setModal(true);
        dialog.show();
        ShowHelp(&dialog, f.ProgramDir(), "Report Window");
        // A window of the dialog is not blocked by it.
        QCOMPARE(THelpWindow::Current(), window);
        QCOMPARE(window->parentWidget(), &dialog);
        QVERIFY(window->isWindow());
        QVERIFY(window->isVisible());
        QCOMPARE(window->Page().fileName(), QString("04-printing.html"));
    }

    void LinksStayInTheHelp() {
        HelpFixture f;
        ShowHelp(nullptr, f.ProgramDir());
        THelpWindow* window = THelpWindow::Current();
        emit Text(*window)->anchorClicked(QUrl("03-making-a-puzzle.html#choosing-the-shape"));
        QCOMPARE(window->Page().scheme(), QString("qthelp"));
        QCOMPARE(window->Page().fileName(), QString("03-making-a-puzzle.html"));
        QTRY_COMPARE(TopLine(*window), QString("Choosing the shape"));
        emit Text(*window)->anchorClicked(QUrl("#creating-the-puzzle"));
        QTRY_COMPARE(TopLine(*window), QString("Creating the puzzle"));
    }

    void TheIndexFindsWhatIsTyped() {
        HelpFixture f;
        ShowHelp(nullptr, f.ProgramDir());
        THelpWindow* window = THelpWindow::Current();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // A click on the tab puts the cursor in the box (it once stayed on the tab): typing goes there.
        QTabBar* tabBar = test::Control<QTabWidget>(*window, "HelpTabs")->tabBar();
        QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(1).center());
        QLineEdit* lookFor = test::Control<QLineEdit>(*window, "HelpLookFor");
        QTRY_VERIFY(lookFor->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), "CROSSWORD OB");
        QCOMPARE(lookFor->text(), QString("CROSSWORD OB"));
        // What was typed while the index was still being read is looked for once it is there.
        auto* index = test::Control<QHelpIndexWidget>(*window, "HelpIndex");
        QTRY_COMPARE(index->currentIndex().data().toString(), QString("CROSSWORD OBJECTS"));
        QTest::keyClick(lookFor, Qt::Key_Return);
        QTRY_COMPARE(window->Page().fileName(), QString("05-page-layouts.html"));
        QTRY_COMPARE(TopLine(*window), QString("Crossword objects"));
    }

    void AnUnknownKeywordOpensTheContents() {
        HelpFixture f;
        ShowHelp(nullptr, f.ProgramDir(), "NO SUCH TOPIC");
        QVERIFY(THelpWindow::Current());
        QCOMPARE(THelpWindow::Current()->Page().fileName(), QString("index.html"));
    }

    void NoHelpFileOpensNothingAndChangesNothing() {
        test::FormFixture f;  // a program directory without the help
        ShowHelp(nullptr, f.context.state.dirs.program);
        QVERIFY(!THelpWindow::Current());
        QVERIFY(!QFileInfo::exists(QString::fromStdString(f.dir.File("QFOLD.HLP"))));

        // A file of that name that is no help collection is left as it is.
        QFile garbage(QString::fromStdString(f.dir.File("QFOLD.HLP")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("not a help collection");
        garbage.close();
        ShowHelp(nullptr, f.context.state.dirs.program, "PUZZLE CONNECTION");
        QVERIFY(!THelpWindow::Current());
        QVERIFY(garbage.open(QIODevice::ReadOnly));
        QCOMPARE(garbage.readAll(), QByteArray("not a help collection"));
        garbage.close();

        // The collection without the compressed help it names opens nothing either.
        QVERIFY(garbage.remove());
        f.CopyShipped("QFOLD.HLP");
        ShowHelp(nullptr, f.context.state.dirs.program);
        QVERIFY(!THelpWindow::Current());
        QCOMPARE(HelpWindowsOpen(), 0);
    }
};

}  // namespace qf

QTEST_MAIN(qf::HelpWindowTest)
#include "HelpWindowTest.moc"
