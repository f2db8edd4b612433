// The main window: caption from the open collection, its lists, its commands, settings written
// when it closes.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionFixtures.h"
#include "forms/FormFixture.h"

namespace qf {

class MainWinTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionNamesTheOpenCollection() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("Word Games.QF3");
        TMainWin window(f.context);
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (Word Games)"));
        QCOMPARE(QString::fromStdString(ComputeDisplayName("/a/b/SAMPLE.QF3")), QString("SAMPLE"));
        QCOMPARE(QString::fromStdString(ComputeDisplayName("/a/b/Q.QF3")), QString("Q"));
    }

    void ListsShowTheCollectionAndFollowEveryWrite() {
        test::FormFixture f;
        const std::string path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Sports", "Tennis"}, {"Animals", "Owls"}, {"Sports", "Golf"}});
        f.context.state.settings.lastGroup = path;
        TMainWin window(f.context);
        auto* categories = test::Control<QListWidget>(window, "CategoryBox");
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        QCOMPARE(categories->count(), 2);
        QCOMPARE(categories->item(0)->text(), QString("Animals"));
        QCOMPARE(puzzles->currentRow(), 0);  // start-up selects the first puzzle

        categories->setCurrentRow(1);
        QCOMPARE(puzzles->count(), 2);
        QCOMPARE(puzzles->item(0)->text(), QString("Golf"));

        window.Collection().Written("Animals", "Owls");  // a writer's word is all the window needs
        QCOMPARE(categories->currentRow(), 0);
        QCOMPARE(puzzles->currentItem()->text(), QString("Owls"));
    }

    void WordSeparatorsAreChosenThroughTheirDialog() {
        test::FormFixture f;
        f.context.state.settings.wordSepStar = true;
        TMainWin window(f.context);
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Word Separator Characters"));
            test::Control<QCheckBox>(dialog, "StarBox")->click();
            test::Control<QCheckBox>(dialog, "SlashBox")->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        test::Control<QAction>(window, "MenuWordSep")->trigger();
        QVERIFY(!f.context.state.settings.wordSepStar);
        QVERIFY(f.context.state.settings.wordSepSlash);
    }

    void ClosingWritesTheSettings() {
        test::FormFixture f;
        f.context.state.settings.windowSize = 1024;
        {
            TMainWin window(f.context);
            window.show();
            QVERIFY(window.close());
        }
        const std::string ini = test::ReadFileText(f.dir.File("QFOLD3.INI"));
        QVERIFY(ini.find("Window Size=1024\n") != std::string::npos);
        QVERIFY(ini.find("[Button Font]\n") != std::string::npos);
    }
};

}  // namespace qf

QTEST_MAIN(qf::MainWinTest)
#include "MainWinTest.moc"
