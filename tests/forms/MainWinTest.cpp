// The main window: caption from the open collection, settings written when it closes.
#include <QtTest>

#include "app/forms/MainWin.h"
#include "support/TempDir.h"

namespace qf {

class MainWinTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionNamesTheOpenCollection() {
        test::TempDir dir;
        ProgramContext context;
        context.state = ProgramState::StartUp(Directories{dir.Path(), dir.Path()});
        context.state.settings.lastGroup = dir.File("Word Games.QF3");
        TMainWin window(context);
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (Word Games)"));
        QCOMPARE(QString::fromStdString(ComputeDisplayName("/a/b/SAMPLE.QF3")), QString("SAMPLE"));
    }

    void ClosingWritesTheSettings() {
        test::TempDir dir;
        ProgramContext context;
        context.state = ProgramState::StartUp(Directories{dir.Path(), dir.Path()});
        context.state.settings.windowSize = 1024;
        {
            TMainWin window(context);
            window.show();
            QVERIFY(window.close());
        }
        const std::string ini = test::ReadFileText(dir.File("QFOLD3.INI"));
        QVERIFY(ini.find("Window Size=1024\n") != std::string::npos);
        QVERIFY(ini.find("[Button Font]\n") != std::string::npos);
    }
};

}  // namespace qf

QTEST_MAIN(qf::MainWinTest)
#include "MainWinTest.moc"
