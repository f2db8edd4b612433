// The main window's "Export Puzzle As": the selected puzzle in the format its file name ends
// with, through the save dialog whose filter lists the formats.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionOperations.h"
#include "exchange/PuzzleExport.h"
#include "support/forms/FormFixture.h"

namespace qf {

class ExportPuzzleAsTest : public QObject {
    Q_OBJECT
private slots:
    void ExportsTheSelectedPuzzle() {
        test::FormFixture f;
        f.CopyShipped("SAMPLE.QF3");
        f.context.state.settings.lastGroup = f.dir.File("SAMPLE.QF3");
        f.context.state.settings.wordSepDash = true;
        TMainWin window(f.context);
        window.show();
        QAction* action = window.Action("MenuExportAs");
        QCOMPARE(action->text(), QString("Export Puzzle &As..."));
        QVERIFY(action->isEnabled());
        // In the File menu, right after the collection's own export.
        const QList<QAction*> file = window.findChild<QMenu*>("FileMenu")->actions();
        QCOMPARE(file.indexOf(action), file.indexOf(window.Action("MenuExp")) + 1);

        const std::string out = f.dir.File("solve.html");
        f.chooser->Answers() = {out, "", f.dir.File("puzzle.txt")};
        action->trigger();
        QCOMPARE(f.chooser->requests.size(), std::size_t{1});
        const FileDialogRequest& request = f.chooser->requests[0];
        QVERIFY(request.save);
        QCOMPARE(QString::fromStdString(request.filter), QString(kExchangeFilter));
        QCOMPARE(QString::fromStdString(request.defaultExtension), QString("ipuz"));
        QVERIFY(QString::fromStdString(request.initialPath).endsWith(".ipuz"));
        QCOMPARE(f.prompter->said.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString(kExportedText));
        const std::string page = test::ReadFileText(out);
        QVERIFY(page.find("<!DOCTYPE html>") == 0);

        action->trigger();  // cancelled: nothing said, nothing written
        QCOMPARE(f.prompter->said.size(), std::size_t{1});

        action->trigger();  // an ending that names no format
        QCOMPARE(f.prompter->said.size(), std::size_t{2});
        QCOMPARE(QString::fromStdString(f.prompter->said[1].text), QString(kExportUnknownFormatText));
        QVERIFY(test::ReadFileText(f.dir.File("puzzle.txt")).empty());
    }

    void NeedsASelectedPuzzle() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("NONE.QF3");
        TMainWin window(f.context);
        window.show();
        window.Action("MenuExportAs")->trigger();
        QVERIFY(f.chooser->requests.empty());
        QCOMPARE(f.prompter->said.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString(kNoPuzzleSelected));
    }
};

}  // namespace qf

QTEST_MAIN(qf::ExportPuzzleAsTest)
#include "ExportPuzzleAsTest.moc"
