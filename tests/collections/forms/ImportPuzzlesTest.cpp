// The Import Puzzles dialog: the sorted list of the chosen file, the selection rules of "&Ok",
// the import in list order and its failures.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "base/FileUtil.h"
#include "collections/CollectionFixtures.h"
#include "collections/forms/ImportPuzzles.h"
#include "support/forms/FormFixture.h"

namespace qf {
namespace {

QStringList Rows(QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
    return rows;
}

void ClickRow(QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found[0]).center());
}

}  // namespace

class ImportPuzzlesTest : public QObject {
    Q_OBJECT
private slots:
    void TheChosenPuzzlesAreAppendedInAlphabeticalOrder() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const std::string chosen = f.dir.File("OTHER.QF3");
        const auto before = test::WriteCollection(open, {{"Sea", "Crabs"}, {"Sea", "Bream"}});
        const auto source = test::WriteCollection(
            chosen, {{"Zoo", "Zebras"}, {"Zoo", "ants"}, {"Farm", "Whales"}, {"Zoo", "Bees"}});

        TImportPuzzles dialog(f.context.Look(), chosen, open, *f.prompter);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Import Crossword Puzzles"));
        QCOMPARE(test::Control<QLabel>(dialog, "FileNameLabel")->text(), QString::fromStdString("File Name: " + chosen));
        QCOMPARE(test::Control<QLabel>(dialog, "PuzzlesLabel")->text(), QString("Puzzles in File"));
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QCOMPARE(Rows(*list), (QStringList{"ants", "Bees", "Whales", "Zebras"}));  // letter case does not count
        QPushButton* ok = test::Control<QPushButton>(dialog, "OkButton");
        QVERIFY(!ok->isEnabled());

        // Picked out of order; the import follows the list.
        ClickRow(*list, "Zebras");
        ClickRow(*list, "ants");
        ClickRow(*list, "Whales");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsDone());
        QVERIFY(f.prompter->said.empty());
        const auto after = test::FileBytes(open);
        QCOMPARE(after.size(), 5 * kSlotSize);
        QVERIFY(test::Slice(after, 0) == test::Slice(before, 0));
        QVERIFY(test::Slice(after, 1) == test::Slice(before, 1));
        QVERIFY(test::Slice(after, 2) == test::Slice(source, 1));  // ants
        QVERIFY(test::Slice(after, 3) == test::Slice(source, 2));  // Whales
        QVERIFY(test::Slice(after, 4) == test::Slice(source, 0));  // Zebras
        QCOMPARE(ListCollection(open).puzzleEntries.size(), size_t(5));
        QCOMPARE(ListCollection(open).categoryNames.size(), size_t(3));  // Farm and Zoo are new
    }

    void OkFollowsTheSelectionAndEachClickToggles() {
        test::FormFixture f;
        const std::string chosen = f.dir.File("OTHER.QF3");
        test::WriteCollection(chosen, {{"Zoo", "Owls"}, {"Zoo", "Cats"}});
        TImportPuzzles dialog(f.context.Look(), chosen, f.dir.File("OPEN.QF3"), *f.prompter);
        dialog.show();
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QPushButton* ok = test::Control<QPushButton>(dialog, "OkButton");

        ClickRow(*list, "Owls");
        QVERIFY(ok->isEnabled());
        ClickRow(*list, "Cats");
        ClickRow(*list, "Owls");  // a second click takes the row out again
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(ok->isEnabled());
        ClickRow(*list, "Cats");
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!ok->isEnabled());

        QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
        QCOMPARE(list->selectedItems().size(), 2);
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(test::Control<QPushButton>(dialog, "ClearAllButton"), Qt::LeftButton);
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!ok->isEnabled());

        // The keyboard: Space toggles the current row.
        list->setFocus();
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(ok->isEnabled());
    }

    void OkWithNothingSelectedSaysSoAndTheDialogStays() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const auto before = test::WriteCollection(open, {{"Sea", "Crabs"}});
        const std::string chosen = f.dir.File("EMPTY.QF3");
        test::WriteBytes(chosen, {});
        TImportPuzzles dialog(f.context.Look(), chosen, open, *f.prompter);
        dialog.show();
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QCOMPARE(list->count(), 0);
        // "&Select All" enables "&Ok" even when there is nothing to select.
        QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
        QPushButton* ok = test::Control<QPushButton>(dialog, "OkButton");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);

        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("No puzzles have been selected for import."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
        QVERIFY(test::FileBytes(open) == before);
    }

    void ACollectionThatCannotBeWrittenClosesTheDialogWithTheMessage() {
        test::FormFixture f;
        const std::string chosen = f.dir.File("OTHER.QF3");
        test::WriteCollection(chosen, {{"Zoo", "Owls"}});
        const std::string open = f.dir.File("missing-folder/OPEN.QF3");
        TImportPuzzles dialog(f.context.Look(), chosen, open, *f.prompter);
        dialog.show();
        QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
        QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);

        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Unable to import puzzles."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsRefused());
        QVERIFY(!FileExists(open));
    }

    void CancelAndEscapeImportNothing() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const auto before = test::WriteCollection(open, {{"Sea", "Crabs"}});
        const std::string chosen = f.dir.File("OTHER.QF3");
        test::WriteCollection(chosen, {{"Zoo", "Owls"}});

        test::WhenDialogShows([](QWidget& dialog) {
            QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
            QTest::mouseClick(test::Control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        });
        QVERIFY(TImportPuzzles::Run(f.context.Look(), chosen, open, *f.prompter).IsCancelled());

        test::WhenDialogShows([](QWidget& dialog) {
            QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(TImportPuzzles::Run(f.context.Look(), chosen, open, *f.prompter).IsCancelled());
        QVERIFY(test::FileBytes(open) == before);
        QVERIFY(f.prompter->said.empty());
    }

    void EnterImportsThroughRunAndAReadErrorReachesTheCaller() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        const std::string chosen = f.dir.File("OTHER.QF3");
        const auto source = test::WriteCollection(chosen, {{"Zoo", "Owls"}, {"Zoo", "Apes"}});

        test::WhenDialogShows([](QWidget& dialog) {
            QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        QVERIFY(TImportPuzzles::Run(f.context.Look(), chosen, open, *f.prompter).IsDone());
        QCOMPARE(test::FileBytes(open).size(), 2 * kSlotSize);

        // The file shrinks between the listing and "&Ok": the read fails after the open.
        test::WhenDialogShows([&](QWidget& dialog) {
            QTest::mouseClick(test::Control<QPushButton>(dialog, "SelectAllButton"), Qt::LeftButton);
            test::WriteBytes(chosen, test::Slice(source, 0));
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QVERIFY_THROWS_EXCEPTION(IoError, (void)TImportPuzzles::Run(f.context.Look(), chosen, open, *f.prompter));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

}  // namespace qf

QTEST_MAIN(qf::ImportPuzzlesTest)
#include "ImportPuzzlesTest.moc"
