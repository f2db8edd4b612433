// The shape manager and its shape list: item texts and order, the thumbnail, Delete with its
// question, Import of good and bad files, Export, the designer's hand-over and reselection,
// and the main window's Puzzle Shape command.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "support/forms/FormFixture.h"
#include "shapes/ShapeDesign.h"
#include "support/forms/ShapeFormFixtures.h"
#include "shapes/forms/SelectShapes.h"
#include "shapes/forms/ShapeCanvas.h"
#include "shapes/forms/ShapePanel.h"
#include "support/TempDir.h"

namespace qf {
namespace {

using test::DrawnShape;

// Three shapes: "9x9 Square" (index 0), "15x12 Star" (1), "21x21 Circle" (2); sorted as text
// the star comes first and the square last.
std::string ThreeShapes(test::FormFixture& f) {
    const std::string lib = f.dir.File("QFFLAY.DAT");
    std::vector<std::string> star(12, std::string(15, '.'));
    star[0][0] = '#';
    star[11][14] = '#';
    for (const ShapeRecord& s : {test::FullShape("Square", 9, 9), DrawnShape("Star", star), test::FullShape("Circle", 21, 21)})
        if (!AppendShape(lib, s).IsDone()) qFatal("fixture not written");
    return lib;
}

struct Manager {
    explicit Manager(test::FormFixture& f)
        : form(SelectShapesInputs{f.context.Look(), f.context.state.settings, f.context.state.currentShape,
                                  *f.prompter, *f.chooser, f.dir.File("QFFLAY.DAT")}) {
        form.show();
        box = test::Control<QListWidget>(form, "ShapeBox");
        picture = test::Control<TShapeCanvas>(form, "LayoutImage");
    }
    QStringList Texts() const {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i) texts << box->item(i)->text();
        return texts;
    }
    void Press(const char* name) { QTest::mouseClick(test::Control<QPushButton>(form, name), Qt::LeftButton); }
    QPushButton* Button(const char* name) { return test::Control<QPushButton>(form, name); }

    TSelectShapes form;
    QListWidget* box = nullptr;
    TShapeCanvas* picture = nullptr;
};

QString Said(const test::FormFixture& f, std::size_t i) { return QString::fromStdString(f.prompter->said.at(i).text); }

}  // namespace

class SelectShapesTest : public QObject {
    Q_OBJECT
private slots:
    void TheListIsSortedAsTextAndTheThumbnailDrawsTheChosenShape() {
        test::FormFixture f;
        ThreeShapes(f);
        f.context.state.settings.lastShape = 2;
        Manager m(f);
        QCOMPARE(m.form.windowTitle(), QString("Shapes"));
        QCOMPARE(m.Texts(), (QStringList{"15x12 Star", "21x21 Circle", "9x9 Square"}));
        QCOMPARE(m.box->currentRow(), 0);  // the manager starts at the first item, whatever the setting
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Star"));
        QCOMPARE(m.picture->size(), QSize(240, 240));
        // 240 div 15 = 16 pixels a cell: the usable corner cells black, the others white, lines black.
        const QImage& p = m.picture->Picture();
        QCOMPARE(p.pixelColor(8, 8), QColor(Qt::black));
        QCOMPARE(p.pixelColor(14 * 16 + 8, 11 * 16 + 8), QColor(Qt::black));
        QCOMPARE(p.pixelColor(16 + 8, 8), QColor(Qt::white));
        QCOMPARE(p.pixelColor(16, 8), QColor(Qt::black));
        QCOMPARE(p.pixelColor(8, 12 * 16 + 8), m.form.palette().color(QPalette::Window));  // below the 12 rows

        m.box->setCurrentRow(2);  // a click loads and draws; the manager leaves "Last Shape" alone
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Square"));
        QCOMPARE(m.picture->Picture().pixelColor(16 + 8, 8), QColor(Qt::black));
        QCOMPARE(f.context.state.settings.lastShape, 2);
        QVERIFY(f.prompter->said.empty());
    }

    void AnEmptyLibraryWarnsAndLeavesNothingToChoose() {
        test::FormFixture f;
        Manager m(f);
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(Said(f, 0), QString("No saved shape information could be found."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Warning"));
        QCOMPARE(m.box->count(), 0);
        QVERIFY(!m.Button("ModifyShape")->isEnabled());
        QVERIFY(!m.Button("DeleteShape")->isEnabled());
        QVERIFY(!m.Button("CopyShape")->isEnabled());
        m.Press("ExportShape");
        QCOMPARE(Said(f, 1), QString("No shape selected."));
        QVERIFY(f.chooser->requests.empty());
        m.Press("ExitButton");
        QVERIFY(!m.form.isVisible());
    }

    void DeleteAsksAndOnYesMovesTheLaterShapesDown() {
        test::FormFixture f({Answer::No, Answer::Yes, Answer::Yes, Answer::Yes});
        const std::string lib = ThreeShapes(f);
        f.context.state.settings.lastShape = 2;  // the circle, deleted last
        const auto before = test::Bytes(lib);
        Manager m(f);
        m.box->setCurrentRow(2);  // 9x9 Square, index 0
        m.Press("DeleteShape");
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text),
                 QString("Are you sure you want to delete \"9x9 Square\"?"));
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).caption), QString("Delete?"));
        QVERIFY(test::Bytes(lib) == before);  // No: nothing changed
        QCOMPARE(m.box->count(), 3);

        m.Press("DeleteShape");
        QCOMPARE(test::Bytes(lib).size(), size_t(5110));
        QCOMPARE(test::StoredShape(lib, 0).name.Str(), std::string("Star"));
        QCOMPARE(test::StoredShape(lib, 1).name.Str(), std::string("Circle"));
        QCOMPARE(m.Texts(), (QStringList{"15x12 Star", "21x21 Circle"}));
        QCOMPARE(m.box->currentRow(), 1);  // the list got shorter: its last item
        QCOMPARE(m.form.Panel().SelectedValue(), std::int64_t(1));
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Circle"));

        m.box->setCurrentRow(0);
        m.Press("DeleteShape");
        QCOMPARE(m.box->currentRow(), 0);  // the same position
        QCOMPARE(m.box->currentItem()->text(), QString("21x21 Circle"));
        QCOMPARE(m.form.Panel().SelectedValue(), std::int64_t(0));
        m.Press("DeleteShape");
        QCOMPARE(test::Bytes(lib).size(), size_t(0));
        QCOMPARE(m.box->count(), 0);
        QCOMPARE(Said(f, 0), QString("No saved shape information could be found."));
        QCOMPARE(m.picture->Picture().pixelColor(8, 8), m.form.palette().color(QPalette::Window));
    }

    // "Last Shape" once kept its index: deleting a shape before it made new puzzles start in
    // another shape, and with every shape deleted Create still built in the deleted one.
    void TheStartingShapeFollowsItsRecordAndFallsBackVisibly() {
        test::FormFixture f({Answer::Yes, Answer::Yes, Answer::Yes});
        const std::string lib = ThreeShapes(f);
        f.context.state.settings.lastShape = 2;  // Circle
        Manager m(f);
        m.box->setCurrentRow(2);  // 9x9 Square, index 0
        m.Press("DeleteShape");
        QCOMPARE(f.context.state.settings.lastShape, 1);
        QCOMPARE(test::StoredShape(lib, 1).name.Str(), std::string("Circle"));
        QVERIFY(f.prompter->said.empty());

        m.box->setCurrentRow(1);  // the circle itself
        m.Press("DeleteShape");
        QCOMPARE(m.Texts(), (QStringList{"15x12 Star"}));
        QCOMPARE(m.box->currentRow(), 0);
        QCOMPARE(f.context.state.settings.lastShape, 0);
        QCOMPARE(Said(f, 0), QString("The deleted shape was the one new puzzles start with.  They now start with "
                                     "\"15x12 Star\"."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Notice"));

        m.Press("DeleteShape");  // the last one: nothing is left to build in
        QCOMPARE(m.box->count(), 0);
        QVERIFY(!AnyUsableCell(f.context.state.currentShape));
    }

    void ImportRefusesDamagedFilesAndAddsAGoodOne() {
        test::FormFixture f;
        const std::string lib = ThreeShapes(f);
        const auto before = test::Bytes(lib);
        auto good = EncodeShapeExchange(DrawnShape("Arrow", {"..#..", ".###.", "#####"}));
        std::memcpy(good.data(), "LAY9.9", 6);  // the version is not compared
        auto wrongTag = good;
        wrongTag[2] = 'X';
        const std::vector<std::uint8_t> shortFile(good.begin(), good.begin() + 2000);
        test::WriteBytes(f.dir.File("LAX.LAY"), wrongTag);
        test::WriteBytes(f.dir.File("SHORT.LAY"), shortFile);
        test::WriteBytes(f.dir.File("GOOD.LAY"), good);
        for (const char* name : {"LAX.LAY", "SHORT.LAY", "MISSING.LAY", "", "GOOD.LAY"})
            f.chooser->Answers().push_back(name[0] ? f.dir.File(name) : "");
        Manager m(f);

        for (int i = 0; i < 2; ++i) m.Press("ImportShape");
        QCOMPARE(Said(f, 0), QString("Puzzle shape file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(Said(f, 1), QString("Puzzle shape file is corrupt or incompatible.  Import aborted."));
        QCOMPARE(QString::fromStdString(f.prompter->said[1].caption), QString("Error"));
        m.Press("ImportShape");
        QCOMPARE(Said(f, 2), QString("Puzzle shape could not be imported."));
        m.Press("ImportShape");  // the dialog cancelled: nothing said
        QCOMPARE(f.prompter->said.size(), size_t(3));
        QVERIFY(test::Bytes(lib) == before);
        QCOMPARE(m.box->count(), 3);
        QCOMPARE(f.chooser->requests.at(0).title, std::string("Import Puzzle Shape"));
        QCOMPARE(f.chooser->requests.at(0).filter, std::string("Puzzle Shapes (*.LAY)|*.LAY"));

        m.Press("ImportShape");
        QCOMPARE(f.prompter->said.size(), size_t(3));
        QCOMPARE(test::ShapeCount(lib), std::int64_t(4));
        QCOMPARE(m.box->currentItem()->text(), QString("5x3 Arrow"));
        QCOMPARE(m.form.Panel().SelectedValue(), std::int64_t(3));
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Arrow"));
        QCOMPARE(m.picture->Picture().pixelColor(2 * 48 + 24, 24), QColor(Qt::black));  // 240 div 5 = 48
        QCOMPARE(f.context.state.settings.lastImportShapeFile, f.dir.File("GOOD.LAY"));
    }

    void ExportWritesTheShapeOnDiskWithItsTag() {
        test::FormFixture f;
        const std::string lib = ThreeShapes(f);
        f.context.state.settings.lastExportShapeFile = f.dir.File("LAST.LAY");
        f.chooser->Answers() = {f.dir.File("OUT.LAY")};
        Manager m(f);
        m.box->setCurrentRow(1);  // 21x21 Circle, index 2
        f.context.state.currentShape.name = "changed in memory";
        m.Press("ExportShape");
        const FileDialogRequest& asked = f.chooser->requests.at(0);
        QCOMPARE(asked.title, std::string("Export Puzzle Shape"));
        QCOMPARE(asked.filter, std::string("Puzzle Shape (*.LAY)|*.LAY"));
        QCOMPARE(asked.initialPath, f.dir.File("LAST.LAY"));
        QVERIFY(asked.save && asked.confirmOverwrite);
        QCOMPARE(Said(f, 0), QString("Puzzle Shape Exported!"));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("OK"));
        const auto written = test::Bytes(f.dir.File("OUT.LAY"));
        const auto library = test::Bytes(lib);
        QCOMPARE(written.size(), size_t(2561));
        QVERIFY(std::equal(written.begin(), written.begin() + 6, "LAY1.0"));
        QVERIFY(std::equal(written.begin() + 6, written.end(), library.begin() + 2 * 2555));
        QCOMPARE(f.context.state.settings.lastExportShapeFile, f.dir.File("OUT.LAY"));
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Circle"));
    }

    void TheDesignerButtonsReselectWhatWasSaved() {
        test::FormFixture f;
        const std::string lib = ThreeShapes(f);
        Manager m(f);

        test::WhenDialogShows([](QWidget& designer) {
            QCOMPARE(designer.windowTitle(), QString("Shape Creator"));
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        m.Press("NewShape");
        QCOMPARE(test::ShapeCount(lib), std::int64_t(4));
        QCOMPARE(m.box->currentItem()->text(), QString("30x30 New Layout"));
        QCOMPARE(m.form.Panel().SelectedValue(), std::int64_t(3));
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("New Layout"));

        // Copy: the designer starts from the renamed shape; Cancel leaves the list as it was.
        ShapeRecord heart = test::FullShape("Heart (9)", 7, 7);
        QVERIFY(AppendShape(lib, heart).IsDone());
        m.form.Panel().LoadInLayouts();
        m.form.Panel().SetShapeBoxIndex(4);
        m.form.Panel().LoadALayout();
        QString copyTitle;
        test::WhenDialogShows([&copyTitle](QWidget& designer) {
            copyTitle = test::Control<QLineEdit>(designer, "Title")->text();
            QTest::mouseClick(test::Control<QPushButton>(designer, "CancelButton"), Qt::LeftButton);
        });
        m.Press("CopyShape");
        QCOMPARE(copyTitle, QString("Heart (10)"));
        QCOMPARE(test::ShapeCount(lib), std::int64_t(5));
        QCOMPARE(m.box->currentItem()->text(), QString("7x7 Heart (9)"));

        // Modify writes over its record and reselects it.
        const auto before = test::Bytes(lib);
        m.box->setCurrentRow(0);  // 15x12 Star, index 1
        test::WhenDialogShows([](QWidget& designer) {
            auto* width = test::Control<QLineEdit>(designer, "WidthEdit");
            width->setText("16");
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        m.Press("ModifyShape");
        const auto after = test::Bytes(lib);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(test::StoredShape(lib, 1).width, std::int16_t(16));
        QCOMPARE(m.box->currentItem()->text(), QString("16x12 Star"));
        QCOMPARE(m.form.Panel().SelectedValue(), std::int64_t(1));
        QVERIFY(std::equal(after.begin(), after.begin() + 2555, before.begin()));
        QVERIFY(std::equal(after.begin() + 2 * 2555, after.end(), before.begin() + 2 * 2555));
    }

    void PuzzleShapeOpensTheManagerFromTheMainWindow() {
        test::FormFixture f;
        ThreeShapes(f);
        TMainWin window(f.context);
        window.show();
        QAction* command = window.Action("MenuPuzzShape");
        QVERIFY(command->isEnabled());
        QCOMPARE(command->shortcut(), QKeySequence("Ctrl+H"));
        QStringList texts;
        test::WhenDialogShows([&texts](QWidget& manager) {
            QCOMPARE(manager.windowTitle(), QString("Shapes"));
            auto* box = test::Control<QListWidget>(manager, "ShapeBox");
            for (int i = 0; i < box->count(); ++i) texts << box->item(i)->text();
            QTest::mouseClick(test::Control<QPushButton>(manager, "ExitButton"), Qt::LeftButton);
        });
        command->trigger();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(f.context.state.currentShape.name.Str(), std::string("Star"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::SelectShapesTest)
#include "SelectShapesTest.moc"
