// The Extract Page Layout dialog: its starting selection, the extraction into the layouts
// library and the position it hands back.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "base/FileUtil.h"
#include "collections/CollectionFixtures.h"
#include "collections/forms/ExtractAPuzzle.h"
#include "support/forms/FormFixture.h"
#include "layouts/LayoutLibrary.h"

namespace qf {
namespace {

std::vector<std::uint8_t> LayoutOfSlot(const std::string& collection, std::int64_t slot) {
    auto puzzle = std::make_unique<PuzzleRecord>();
    if (!ReadPuzzle(collection, slot, *puzzle, "").IsDone()) return {};
    return EncodeRecord(puzzle->layout);
}

std::vector<std::uint8_t> LibraryLayout(const std::string& library, std::int64_t position) {
    auto layout = std::make_unique<PageLayoutRecord>();
    if (!ReadLayout(library, position, *layout).IsDone()) return {};
    return EncodeRecord(*layout);
}

}  // namespace

class ExtractAPuzzleTest : public QObject {
    Q_OBJECT
private slots:
    void TheFirstTitleIsSelectedAndItsLayoutAppended() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        test::WriteCollection(open, {{"Sea", "Whelks"}, {"Farm", "cows"}, {"Sea", "Bream"}});
        const std::string library = f.context.state.LayoutsLibrary();
        QVERIFY(!FileExists(library));  // missing: the extraction creates it

        TExtractAPuzzle dialog(f.context.Look(), open, library, *f.prompter);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Extract Page Layout From Puzzle"));
        QCOMPARE(test::Control<QLabel>(dialog, "PuzzlesLabel")->text(), QString("Available Puzzles"));
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString("Bream"));
        QCOMPARE(list->item(1)->text(), QString("cows"));
        QVERIFY(list->item(0)->isSelected());
        QPushButton* extract = test::Control<QPushButton>(dialog, "ExtractButton");
        QVERIFY(extract->isEnabled());
        QTest::mouseClick(extract, Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsDone());
        QCOMPARE(dialog.Result().index, std::int64_t(0));
        QCOMPARE(CountLayouts(library), std::optional<std::int64_t>(1));
        QVERIFY(LibraryLayout(library, 0) == LayoutOfSlot(open, 2));

        // Another title, picked by the keyboard, lands after it.
        test::WhenDialogShows([](QWidget& shown) {
            QListWidget* titles = test::Control<QListWidget>(shown, "PuzzleList");
            titles->setFocus();
            QTest::keyClick(titles, Qt::Key_Down);
            QTest::keyClick(&shown, Qt::Key_Return);
        });
        const Outcome second = TExtractAPuzzle::Run(f.context.Look(), open, library, *f.prompter);
        QVERIFY(second.IsDone());
        QCOMPARE(second.index, std::int64_t(1));
        QVERIFY(LibraryLayout(library, 1) == LayoutOfSlot(open, 1));  // cows
        QVERIFY(f.prompter->said.empty());
    }

    void AnEmptyCollectionLeavesExtractDisabled() {
        test::FormFixture f;
        TExtractAPuzzle dialog(f.context.Look(), f.dir.File("NONE.QF3"), f.context.state.LayoutsLibrary(),
                               *f.prompter);
        dialog.show();
        QCOMPARE(test::Control<QListWidget>(dialog, "PuzzleList")->count(), 0);
        QVERIFY(!test::Control<QPushButton>(dialog, "ExtractButton")->isEnabled());
        QTest::keyClick(&dialog, Qt::Key_Return);  // the disabled default button does nothing
        QVERIFY(dialog.isVisible());
        QVERIFY(f.prompter->said.empty());
        QTest::mouseClick(test::Control<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
        QVERIFY(!FileExists(f.context.state.LayoutsLibrary()));
    }

    void ExtractFollowsTheSelection() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        test::WriteCollection(open, {{"Sea", "Whelks"}});
        TExtractAPuzzle dialog(f.context.Look(), open, f.context.state.LayoutsLibrary(), *f.prompter);
        dialog.show();
        QListWidget* list = test::Control<QListWidget>(dialog, "PuzzleList");
        QPushButton* extract = test::Control<QPushButton>(dialog, "ExtractButton");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!extract->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QVERIFY(extract->isEnabled());
    }

    void ALibraryThatCannotBeWrittenIsReportedAndTheDialogStays() {
        test::FormFixture f;
        const std::string open = f.dir.File("OPEN.QF3");
        test::WriteCollection(open, {{"Sea", "Whelks"}});
        const std::string library = f.dir.File("missing-folder/QFFPAGE.DAT");
        TExtractAPuzzle dialog(f.context.Look(), open, library, *f.prompter);
        dialog.show();
        QTest::mouseClick(test::Control<QPushButton>(dialog, "ExtractButton"), Qt::LeftButton);
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Unable to add page layout."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Disk Error"));
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Result().IsCancelled());
    }
};

}  // namespace qf

QTEST_MAIN(qf::ExtractAPuzzleTest)
#include "ExtractAPuzzleTest.moc"
