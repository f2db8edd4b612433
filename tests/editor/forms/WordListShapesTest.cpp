// The word list editor's shape list: the shape of the "Last Shape" setting for a new puzzle,
// the puzzle's own shape for a modified one (with the list and its buttons locked), and a
// shape drawn from the editor becoming the one chosen.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "collections/CollectionFixtures.h"
#include "editor/forms/WordList.h"
#include "support/forms/FormFixture.h"
#include "support/forms/ShapeFormFixtures.h"
#include "shapes/forms/ShapeCanvas.h"

namespace qf {
namespace {

constexpr const char* kShapeButtons[] = {"NewShape", "CopyShape", "ModifyShape",
                                         "DeleteShape", "ImportShape", "ExportShape"};

std::string ThreeShapes(test::FormFixture& f) {
    const std::string lib = f.dir.File("QFFLAY.DAT");
    for (const ShapeRecord& s : {test::FullShape("Square", 9, 9), test::FullShape("Star", 15, 12),
                                 test::FullShape("Circle", 21, 21)})
        if (!AppendShape(lib, s).IsDone()) qFatal("fixture not written");
    return lib;
}

struct Editor {
    Editor(test::FormFixture& f, bool isNew) : working(std::make_unique<PuzzleRecord>(NewPuzzleRecord())) {
        working->title = "Owls";
        working->category = "Birds";
        // A stored grid of 12 by 10: a letter, a blank cell and a cell outside the puzzle.
        working->width = 12;
        working->height = 10;
        working->Cell(CellIndex(1, 1)) = 'O';
        working->Cell(CellIndex(1, 2)) = 32;
        working->Cell(CellIndex(2, 1)) = 'W';
        path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Birds", "Owls"}});
        collection.Open(path);
        inputs = std::make_unique<WordListInputs>(WordListInputs{
            f.context.Look(), isNew, isNew ? kCaptionCreateNew : kCaptionModify, 0, *working,
            f.context.state.settings, f.context.state.currentShape, f.context.state.lastRun, collection,
            *f.prompter, *f.chooser, f.dir.File("QFFLAY.DAT"), false, false, {}});
    }
    std::unique_ptr<PuzzleRecord> working;
    std::string path;
    CollectionModel collection;
    std::unique_ptr<WordListInputs> inputs;
};

}  // namespace

class WordListShapesTest : public QObject {
    Q_OBJECT
private slots:
    // A new puzzle starts at the shape last used (one beyond the library: the first item, which
    // is then remembered); a click on another shape makes it the one.
    void ANewPuzzleStartsAtTheLastShapeAndAClickSetsIt() {
        struct Row {
            int last;
            const char* shown;
            const char* shape;
            int remembered;
        };
        for (const Row row : {Row{2, "21x21 Circle", "Circle", 2}, Row{7, "15x12 Star", "Star", 1}}) {
            test::FormFixture f;
            ThreeShapes(f);
            f.context.state.settings.lastShape = row.last;
            Editor e(f, true);
            TWordList editor(*e.inputs);
            editor.show();
            auto* box = test::Control<QListWidget>(editor, "ShapeBox");
            QVERIFY(box->isEnabled());
            QCOMPARE(box->count(), 3);
            QCOMPARE(box->currentItem()->text(), QString(row.shown));
            QCOMPARE(f.context.state.settings.lastShape, row.remembered);
            QCOMPARE(f.context.state.currentShape.name.Str(), std::string(row.shape));
            QCOMPARE(test::Control<TShapeCanvas>(editor, "LayoutImage")->size(), QSize(148, 148));
            for (const char* name : kShapeButtons) QVERIFY(test::Control<QPushButton>(editor, name)->isEnabled());

            QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(2)).center());
            QCOMPARE(box->currentItem()->text(), QString("9x9 Square"));  // record 0
            QCOMPARE(f.context.state.settings.lastShape, 0);
            QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Square"));
            QVERIFY(f.prompter->said.empty());
        }
    }

    void AModifiedPuzzleKeepsItsOwnShapeAndLocksTheList() {
        test::FormFixture f;  // no library: the puzzle's own shape is enough, no warning
        f.context.state.settings.lastShape = 0;
        Editor e(f, false);
        TWordList editor(*e.inputs);
        editor.show();
        auto* box = test::Control<QListWidget>(editor, "ShapeBox");
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->currentItem()->text(), QString("12x10 <Current Puzzle>"));
        QVERIFY(!box->isEnabled());
        for (const char* name : kShapeButtons) QVERIFY(!test::Control<QPushButton>(editor, name)->isEnabled());
        QVERIFY(f.prompter->said.empty());
        const ShapeRecord& own = f.context.state.currentShape;
        QCOMPARE(own.name.Str(), std::string("<Current Puzzle>"));
        QCOMPARE(own.width, std::int16_t(12));
        QCOMPARE(own.height, std::int16_t(10));
        QVERIFY(own.Usable(1, 1) && own.Usable(1, 2) && own.Usable(2, 1));
        QVERIFY(!own.Usable(2, 2));
        // 148 div 12 = 12 pixels a cell: usable black, blocked white.
        const QImage& p = test::Control<TShapeCanvas>(editor, "LayoutImage")->Picture();
        QCOMPARE(p.pixelColor(12 + 6, 6), QColor(Qt::black));
        QCOMPARE(p.pixelColor(12 + 6, 12 + 6), QColor(Qt::white));
        QCOMPARE(f.context.state.settings.lastShape, 0);
    }

    void AShapeDrawnFromTheEditorBecomesTheChosenOne() {
        test::FormFixture f;
        const std::string lib = ThreeShapes(f);
        Editor e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        test::WhenDialogShows([](QWidget& designer) {
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        QTest::mouseClick(test::Control<QPushButton>(editor, "NewShape"), Qt::LeftButton);
        QCOMPARE(test::ShapeCount(lib), std::int64_t(4));
        QCOMPARE(test::Control<QListWidget>(editor, "ShapeBox")->currentItem()->text(), QString("30x30 New Layout"));
        QCOMPARE(f.context.state.settings.lastShape, 3);
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("New Layout"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordListShapesTest)
#include "WordListShapesTest.moc"
