// Import Word Lists from the main window, by the keyboard: files added through the open dialog
// (several at once) and removed with Delete, the category and attempts typed, Enter; each good
// file becomes a new puzzle titled with its name, a file without words is named in the summary,
// and nothing is stored when the window is refused or cancelled.
#include <QApplication>
#include <QListWidget>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "support/SquareShape.h"
#include "support/TempDir.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {

class ImportWordListsTest : public QObject {
    Q_OBJECT
private slots:
    void EachGoodFileBecomesAPuzzleAndTheSummaryNamesTheRest() {
        test::FormFixture f;
        const std::string path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Birds", "Owls"}});
        const std::string planets = f.dir.File("Planets.txt");
        const std::string moons = f.dir.File("Moons.txt");
        const std::string empty = f.dir.File("Empty.txt");
        test::WriteFile(planets, "MERCURY:Closest to the Sun\nVENUS:Hottest planet\nEARTH:Our home\nMARS:The red planet\n");
        test::WriteFile(moons, "TITAN:Saturn's largest moon\nEUROPA:Icy moon of Jupiter\nIO:Volcanic moon\n");
        test::WriteFile(empty, "\n\n");
        f.chooser->Answers().push_back(planets + "\n" + empty + "\n" + moons);
        f.chooser->Answers().push_back(planets);  // added twice: listed once
        f.context.state.settings.lastGroup = path;
        f.context.state.currentShape = test::Square(13, "");
        TMainWin window(f.context);
        QVERIFY(test::ShowActive(window));

        bool checked = false;
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Import Word Lists"));
            test::Press(QKeySequence("Return"));  // no files yet: refused, the focus on Add Files
            QCOMPARE(QString::fromStdString(f.prompter->said.back().text),
                     QString("Add one or more word list files to import."));
            QCOMPARE(test::Focused()->objectName(), QString("AddFiles"));
            test::Press(QKeySequence("Alt+A"));
            test::Press(QKeySequence("Alt+A"));
            auto* files = test::Control<QListWidget>(dialog, "WordFiles");
            QCOMPARE(files->count(), 3);
            test::Press(QKeySequence("Alt+F"));  // the list; the empty file goes, then comes back
            test::Press(QKeySequence("Down"));
            test::Press(QKeySequence("Delete"));
            QCOMPARE(files->count(), 2);
            f.chooser->Answers().push_back(empty);
            test::Press(QKeySequence("Alt+A"));
            QCOMPARE(files->count(), 3);
            test::Press(QKeySequence("Alt+C"));
            QTest::keyClick(test::Focused(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(test::Focused(), "Space");
            test::Press(QKeySequence("Alt+T"));
            QTest::keyClick(test::Focused(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(test::Focused(), "30");
            checked = true;
            test::Press(QKeySequence("Return"));
        });
        QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(checked);

        QCOMPARE(CountSlots(path).value_or(0), 3);
        PuzzleRecord first, second;
        QVERIFY(ReadPuzzle(path, 1, first).IsDone());
        QVERIFY(ReadPuzzle(path, 2, second).IsDone());
        QCOMPARE(first.title.Str(), std::string("Planets"));
        QCOMPARE(second.title.Str(), std::string("Moons"));
        for (const PuzzleRecord* p : {&first, &second}) {
            QCOMPARE(p->category.Str(), std::string("Space"));
            QCOMPARE(p->generated, std::uint8_t(1));
        }
        QCOMPARE(first.Clue(1).Str().empty(), false);
        const std::string summary = f.prompter->said.back().text;
        QVERIFY2(summary.starts_with("2 of 3 word lists stored as new puzzles.\n\nPlanets: 4 of 4 words\nMoons: 3 of 3 "
                                     "words\n\nNot stored:\n"),
                 summary.c_str());
        QVERIFY2(summary.find("Empty.txt: No words have been entered.") != std::string::npos, summary.c_str());
        QCOMPARE(QString::fromStdString(window.Collection().Lists().SelectedPuzzle()->text), QString("Planets"));

        // Escape leaves the window; nothing is stored.
        f.chooser->Answers().push_back(planets);
        test::WhenDialogShows([](QWidget&) {
            test::Press(QKeySequence("Alt+A"));
            test::Press(QKeySequence("Escape"));
        });
        QTest::keyClick(&window, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(CountSlots(path).value_or(0), 3);
    }
};

}  // namespace qf

QTEST_MAIN(qf::ImportWordListsTest)
#include "ImportWordListsTest.moc"
