// The main window's way into the page layouts: the Page Layout command opens the chooser for
// managing the library, and the word list editor's Change Layout chooses a layout for the
// puzzle being edited and redraws its thumbnail.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/forms/MainWin.h"
#include "support/forms/FormFixture.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "layouts/forms/PageBox.h"

namespace qf {
namespace {

void MakeLibrary(const test::FormFixture& f) {
    auto layout = std::make_unique<PageLayoutRecord>();
    layout->zoom = 1;
    BuildDefaultLayout(*layout);
    for (const char* name : {"First", "Second"}) {
        layout->name = name;
        (void)AppendLayout(f.context.state.LayoutsLibrary(), *layout);
    }
}

}  // namespace

class MainWinLayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void PageLayoutOpensTheChooserForTheLibrary() {
        test::FormFixture f;
        MakeLibrary(f);
        TMainWin window(f.context);
        window.show();
        QAction* command = window.Action("MenuPageLayout");
        QVERIFY(command->isEnabled());
        QCOMPARE(command->shortcut(), QKeySequence("Ctrl+L"));
        bool shown = false;
        test::WhenDialogShows([&shown](QWidget& chooser) {
            shown = true;
            QCOMPARE(chooser.windowTitle(), QString("Puzzle Page Layouts"));
            QCOMPARE(test::Control<QListWidget>(chooser, "PageList")->count(), 2);
            QVERIFY(!test::Control<QPushButton>(chooser, "SelectButton")->isEnabled());  // managing only
            QVERIFY(test::Control<QPushButton>(chooser, "ExtractButton")->isEnabled());
            QTest::mouseClick(test::Control<QPushButton>(chooser, "DefaultButton"), Qt::LeftButton);
            test::Control<QPushButton>(chooser, "ExitButton")->click();
        });
        command->trigger();
        QVERIFY(shown);
        QCOMPARE(f.context.state.settings.defaultPage, 0);
    }

    void ChangeLayoutTakesTheChosenLayoutIntoThePuzzle() {
        test::FormFixture f;
        MakeLibrary(f);
        f.context.state.settings.lastGroup = f.dir.File("SET.QF3");
        TMainWin window(f.context);
        window.show();
        QString before, after;
        test::WhenDialogShows([&](QWidget& editor) {
            auto* box = test::Control<TPageBox>(editor, "Img");
            before = QString::fromStdString(box->Layout()->name.Str());
            auto* change = test::Control<QPushButton>(editor, "ChangeLayout");
            QVERIFY(change->isEnabled());
            test::WhenDialogShows([](QWidget& chooser) {
                test::Control<QListWidget>(chooser, "PageList")->setCurrentRow(1);
                QTest::mouseClick(test::Control<QPushButton>(chooser, "SelectButton"), Qt::LeftButton);
            });
            QTest::mouseClick(change, Qt::LeftButton);
            after = QString::fromStdString(box->Layout()->name.Str());
            test::Control<QPushButton>(editor, "Cancel")->click();
        });
        window.Action("MenuNew")->trigger();
        QCOMPARE(before, QString("First"));  // the default layout of a new puzzle
        QCOMPARE(after, QString("Second"));
        QCOMPARE(QString::fromStdString(window.Working().layout.name.Str()), QString("Second"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::MainWinLayoutsTest)
#include "MainWinLayoutsTest.moc"
