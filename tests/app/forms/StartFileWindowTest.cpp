// The file named on the desktop program's command line: the main window opens a collection
// once it shows, asks about a shape before the tip of the day, and shows a refusal.
#include <QListWidget>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionFixtures.h"
#include "support/forms/FormFixture.h"
#include "shapes/ShapeFiles.h"

namespace qf {

class StartFileWindowTest : public QObject {
    Q_OBJECT
private slots:
    void CollectionOpensWhenTheWindowShows() {
        test::FormFixture f;
        const std::string named = f.dir.File("Class.QF3");
        test::WriteCollection(named, {{"Animals", "Owls"}, {"Sports", "Golf"}});
        f.context.state.settings.lastGroup = f.dir.File("DEFAULT.QF3");
        TMainWin window(f.context);
        window.OpenAfterShow(named);
        window.show();
        QTRY_COMPARE(window.windowTitle(), QString("Quernfold 98 (Class)"));
        QCOMPARE(test::Control<QListWidget>(window, "CategoryBox")->count(), 2);
        QCOMPARE(f.context.state.settings.lastGroup, named);
        QVERIFY(f.prompter->said.empty());
        // Shown again later, the window does not open it a second time.
        f.context.state.settings.lastGroup = f.dir.File("DEFAULT.QF3");
        window.hide();
        window.show();
        QTest::qWait(50);
        QCOMPARE(f.context.state.settings.lastGroup, f.dir.File("DEFAULT.QF3"));
    }

    void ShapeIsOfferedBeforeTheTipOfTheDay() {
        test::FormFixture f({Answer::Yes});
        f.context.state.settings.showTips = true;
        ShapeRecord star;
        star.name = "Star";
        star.width = star.height = 7;
        test::WriteBytes(f.dir.File("star.LAY"), EncodeShapeExchange(star));
        TMainWin window(f.context);
        window.OpenAfterShow(f.dir.File("star.LAY"));
        bool tipAfterQuestion = false;
        test::WhenDialogShows([&](QWidget& dialog) {
            tipAfterQuestion = dialog.windowTitle() == "Tip of the Day" && f.prompter->asked.size() == 1;
            dialog.close();
        });
        window.show();
        QTRY_VERIFY(tipAfterQuestion);
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text), QString("Puzzle shape added to the library."));
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Star"));
    }

    void OtherFileIsRefusedAndTheCollectionStays() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("DEFAULT.QF3");
        TMainWin window(f.context);
        window.OpenAfterShow(f.dir.File("missing.QF3"));
        window.show();
        QTRY_COMPARE(f.prompter->said.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("The file \"missing.QF3\" could not be found."));
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (DEFAULT)"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::StartFileWindowTest)
#include "StartFileWindowTest.moc"
