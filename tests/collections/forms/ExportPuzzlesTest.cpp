// The Export Puzzles dialog: the selection rules of "Save &File", the save dialog, the file it
// remembers, and that it closes after every save, cancelled or not.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "base/FileUtil.h"
#include "collections/CollectionFixtures.h"
#include "collections/forms/ExportPuzzles.h"
#include "support/forms/FormFixture.h"

namespace qf {
namespace {

void ClickRow(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found[0]).center());
}

// Runs the dialog as the main window does; `steps` end it. Returns the dialog's result.
Outcome RunExport(test::FormFixture& f, const std::string& open, Settings& settings, FileChooser& chooser,
                  const std::function<void(QWidget&)>& steps) {
    Outcome result = Outcome::Cancelled();
    test::WhenDialogShows([&](QWidget& dialog) {
        steps(dialog);
        result = qobject_cast<TExportPuzzles*>(&dialog)->Result();
    });
    TExportPuzzles::Run(f.context.Look(), open, settings, chooser, *f.prompter);
    return result;
}

}  // namespace

class ExportPuzzlesTest : public QObject {
    Q_OBJECT
private slots:
    void ACancelledSaveDialogClosesTheDialogAndWritesNothing() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const auto before = test::WriteCollection(open, {{"Sea", "Crabs"}, {"Sea", "Bream"}});
        Settings& settings = f.context.state.settings;
        settings.lastExportPuzzleFile = f.dir.File("EARLIER.QF3");

        TExportPuzzles dialog(f.context.Look(), open, settings, *f.chooser, *f.prompter);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Export Crossword Puzzles"));
        QCOMPARE(test::Control<QLabel>(dialog, "PuzzlesLabel")->text(), QString("Puzzles Available For Export"));
        QPushButton* save = test::Control<QPushButton>(dialog, "SaveFileButton");
        QCOMPARE(save->text(), QString("Save &File"));
        QVERIFY(!save->isEnabled());
        ClickRow(*test::Control<QListWidget>(dialog, "PuzzleList"), "Crabs");
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);  // the scripted save dialog is cancelled

        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
        QCOMPARE(f.chooser->requests.size(), size_t(1));
        const FileDialogRequest& asked = f.chooser->requests[0];
        QCOMPARE(QString::fromStdString(asked.title), QString("Save Crossword Puzzles"));
        QCOMPARE(QString::fromStdString(asked.filter), QString("QFOLD Files (*.QF3)|*.QF3"));
        QCOMPARE(QString::fromStdString(asked.defaultExtension), QString("QF3"));
        QCOMPARE(asked.initialPath, f.dir.File("EARLIER.QF3"));
        QVERIFY(asked.save && asked.confirmOverwrite);
        QCOMPARE(settings.lastExportPuzzleFile, f.dir.File("EARLIER.QF3"));
        QVERIFY(!FileExists(f.dir.File("EARLIER.QF3")));
        QVERIFY(test::FileBytes(open) == before);
        QVERIFY(f.prompter->said.empty());
    }

    void SaveWritesTheSelectedPuzzlesInListOrderAndRemembersTheFile() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const std::string target = f.dir.File("NEW.QF3");
        test::WriteBytes(target, std::vector<std::uint8_t>(100, 7));  // an existing file is emptied first
        const auto source = test::WriteCollection(open, {{"Sea", "whelks"}, {"Sea", "Crabs"}, {"Farm", "Bream"}});
        test::ScriptedChooser chooser({target});
        Settings& settings = f.context.state.settings;

        TExportPuzzles dialog(f.context.Look(), open, settings, chooser, *f.prompter);
        dialog.show();
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QCOMPARE(list->item(0)->text(), QString("Bream"));
        QCOMPARE(list->item(2)->text(), QString("whelks"));
        ClickRow(*list, "whelks");
        ClickRow(*list, "Bream");
        QTest::mouseClick(test::Control<QPushButton>(dialog, "SaveFileButton"), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsDone());
        QCOMPARE(settings.lastExportPuzzleFile, target);
        const auto written = test::FileBytes(target);
        QCOMPARE(written.size(), 2 * kSlotSize);
        QVERIFY(test::Slice(written, 0) == test::Slice(source, 2));  // Bream
        QVERIFY(test::Slice(written, 1) == test::Slice(source, 0));  // whelks
        QVERIFY(test::FileBytes(open) == source);
        QVERIFY(f.prompter->said.empty());
    }

    void SaveWithNothingSelectedSaysSoAndTheDialogStays() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");  // no file: nothing to list
        TExportPuzzles dialog(f.context.Look(), open, f.context.state.settings, *f.chooser, *f.prompter);
        dialog.show();
        QCOMPARE(test::Control<QListWidget>(dialog, "PuzzleList")->count(), 0);
        QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
        QPushButton* save = test::Control<QPushButton>(dialog, "SaveFileButton");
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);

        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("No puzzles have been selected for export."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QVERIFY(dialog.isVisible());
        QVERIFY(f.chooser->requests.empty());

        QTest::mouseClick(test::Control<QPushButton>(dialog, "ClearAllButton"), Qt::LeftButton);
        QVERIFY(!save->isEnabled());
        QTest::mouseClick(test::Control<QPushButton>(dialog, "ExitButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
    }

    void TheOpenCollectionItselfIsNeverEmptied() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const auto before = test::WriteCollection(open, {{"Sea", "Crabs"}});
        const std::string same = f.dir.File("open.qf3");  // the open file, in other letters
        test::ScriptedChooser chooser({same});
        Settings& settings = f.context.state.settings;

        QVERIFY(RunExport(f, open, settings, chooser, [](QWidget& dialog) {
                    QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
                    QTest::mouseClick(test::Control<QPushButton>(dialog, "SaveFileButton"), Qt::LeftButton);
                }).IsRefused());
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("Export File cannot be the same as the currently open file."));
        QVERIFY(test::FileBytes(open) == before);
        QVERIFY(!FileExists(same));
        QCOMPARE(settings.lastExportPuzzleFile, same);
    }

    void AFileThatCannotBeCreatedIsReported() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        test::WriteCollection(open, {{"Sea", "Crabs"}});
        const std::string target = f.dir.File("missing-folder/NEW.QF3");
        test::ScriptedChooser chooser({target});

        QVERIFY(RunExport(f, open, f.context.state.settings, chooser, [](QWidget& dialog) {
                    QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
                    QTest::keyClick(&dialog, Qt::Key_Return);  // "Save &File" is the default button
                }).IsRefused());
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Unable to export puzzles."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QCOMPARE(f.context.state.settings.lastExportPuzzleFile, target);
    }
};

}  // namespace qf

QTEST_MAIN(qf::ExportPuzzlesTest)
#include "ExportPuzzlesTest.moc"
