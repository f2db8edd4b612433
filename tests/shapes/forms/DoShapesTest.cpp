// The shape designer: the picture answers the mouse and the keys and repaints, the shift,
// Reverse, Undo and Redo buttons, the size edits with their messages, and Save with its checks
// and its write.
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/forms/FocusWalk.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "model/CreateCheck.h"
#include "model/GenerationRun.h"
#include "support/forms/ShapeFormFixtures.h"
#include "shapes/forms/DoShapes.h"
#include "shapes/forms/ShapeCanvas.h"

namespace qf {
namespace {

using test::DrawnShape;
using test::ShapeRows;

const std::vector<std::string> kRing = {"#####", "#...#", "#...#", "#...#", "#####"};

struct Designer {
    Designer(test::FormFixture& f, ShapeDesignMode mode, const ShapeRecord& start = {}, std::int64_t index = -1,
             std::string library = {})
        : form(DoShapesInputs{f.context.Look(), mode, start, index,
                              library.empty() ? f.dir.File("QFFLAY.DAT") : library, *f.prompter}) {
        form.show();
        img = test::Control<TShapeCanvas>(form, "Img");
        undo = test::Control<QPushButton>(form, "UndoButton");
    }
    // The middle of a cell's square (rows and columns from 1).
    QPoint Centre(int row, int column) const {
        const int s = ShapeCellSize(form.Design());
        return {(column - 1) * s + s / 2, (row - 1) * s + s / 2};
    }
    QColor At(int row, int column) const { return img->Picture().pixelColor(Centre(row, column)); }
    void Click(Qt::MouseButton button, QPoint press, QPoint release) {
        QTest::mousePress(img, button, {}, press);
        QTest::mouseRelease(img, button, {}, release);
    }
    void Click(Qt::MouseButton button, int row, int column) {
        Click(button, Centre(row, column), Centre(row, column));
    }
    void Press(const char* button) { QTest::mouseClick(test::Control<QPushButton>(form, button), Qt::LeftButton); }
    // Types into a size edit and leaves it.
    void Leave(const char* edit, const QString& text) {
        QLineEdit* e = test::Control<QLineEdit>(form, edit);
        e->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &out);
    }

    TDoShapes form;
    TShapeCanvas* img = nullptr;
    QPushButton* undo = nullptr;
};

const QColor kRed(Qt::red);
const QColor kWhite(Qt::white);

}  // namespace

class DoShapesTest : public QObject {
    Q_OBJECT
private slots:
    void ANameTypedAtOnceReplacesTheDefault() {
        test::FormFixture f;
        Designer d(f, ShapeDesignMode::New);
        QVERIFY(test::ShowActive(d.form));
        QTest::keyClicks(test::Focused(), "Kite");
        QCOMPARE(test::Control<QLineEdit>(d.form, "Title")->text(), QString("Kite"));
    }

    void ANewShapeSavedAtOnceIsAppendedWhole() {
        test::FormFixture f;
        const std::string lib = f.dir.File("QFFLAY.DAT");
        QVERIFY(AppendShape(lib, test::FullShape("Old", 9, 9)).IsDone());
        Designer d(f, ShapeDesignMode::New);
        QCOMPARE(d.form.windowTitle(), QString("Shape Creator"));
        QCOMPARE(test::Control<QLineEdit>(d.form, "Title")->text(), QString("New Layout"));
        QCOMPARE(test::Control<QLineEdit>(d.form, "WidthEdit")->text(), QString("30"));
        QCOMPARE(test::Control<QLineEdit>(d.form, "HeightEdit")->text(), QString("30"));
        QCOMPARE(test::Control<QLineEdit>(d.form, "WidthEdit")->maxLength(), 2);
        QCOMPARE(d.img->size(), QSize(401, 401));
        QVERIFY(!d.undo->isEnabled());
        // 401 div 30 - 1 = 12 pixels a cell; every cell red, the grid's lines black, beyond it the face.
        QCOMPARE(ShapeCellSize(d.form.Design()), 12);
        QCOMPARE(d.At(1, 1), kRed);
        QCOMPARE(d.At(30, 30), kRed);
        QCOMPARE(d.img->Picture().pixelColor(12, 5), QColor(Qt::black));
        QCOMPARE(d.img->Picture().pixelColor(370, 5), d.form.palette().color(QPalette::Window));

        d.Press("SaveButton");
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.form.Result().IsDone());
        QCOMPARE(d.form.Result().index, std::int64_t(1));
        QCOMPARE(test::ShapeCount(lib), std::int64_t(2));
        const ShapeRecord saved = test::StoredShape(lib, 1);
        QCOMPARE(saved.name.Str(), std::string("New Layout"));
        QCOMPARE(saved.width, std::int16_t(30));
        QCOMPARE(saved.height, std::int16_t(30));
        QVERIFY(std::all_of(saved.cells.begin(), saved.cells.end(), [](std::uint8_t c) { return c == 1; }));
    }

    void ClicksToggleAndFillOnlyWithinOneCell() {
        test::FormFixture f;
        Designer d(f, ShapeDesignMode::Modify, DrawnShape("Ring", kRing), 0);
        QCOMPARE(ShapeCellSize(d.form.Design()), 79);
        QCOMPARE(d.At(3, 3), kWhite);

        // A right press and a release in another cell change nothing.
        d.Click(Qt::RightButton, d.Centre(3, 3), d.Centre(3, 4));
        QCOMPARE(ShapeRows(d.form.Design().shape), kRing);
        QVERIFY(!d.undo->isEnabled());

        d.Click(Qt::RightButton, 3, 3);
        QCOMPARE(ShapeRows(d.form.Design().shape), (std::vector<std::string>{"#####", "#####", "#####", "#####", "#####"}));
        QCOMPARE(d.At(2, 2), kRed);
        QCOMPARE(d.At(4, 4), kRed);
        QVERIFY(d.undo->isEnabled());

        d.Press("UndoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), kRing);
        QCOMPARE(d.At(3, 3), kWhite);
        QVERIFY(!d.undo->isEnabled());

        // Left: the one cell, repainted; a drag to another cell or a click beyond the grid does nothing.
        d.Click(Qt::LeftButton, d.Centre(1, 1), d.Centre(1, 2));
        QCOMPARE(d.At(1, 1), kRed);
        d.Click(Qt::LeftButton, 1, 1);
        QCOMPARE(d.At(1, 1), kWhite);
        QCOMPARE(ShapeRows(d.form.Design().shape)[0], std::string(".####"));
        d.Click(Qt::LeftButton, QPoint(398, 398), QPoint(398, 398));  // column 6 of a 5-wide shape
        d.Click(Qt::LeftButton, QPoint(200, 20), QPoint(600, 20));    // released outside the picture
        QCOMPARE(ShapeRows(d.form.Design().shape)[0], std::string(".####"));
        QCOMPARE(ShapeRows(d.form.Design().shape)[2], std::string("#...#"));
    }

    void ShiftsReverseUndoAndRedo() {
        test::FormFixture f;
        Designer d(f, ShapeDesignMode::Modify, DrawnShape("Column", {"#....", "#....", "#....", "#....", "#...."}), 0);
        auto* redo = test::Control<QPushButton>(d.form, "RedoButton");
        QVERIFY(!redo->isEnabled());
        d.Press("LeftButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "....."));
        QCOMPARE(d.At(3, 1), kWhite);
        QVERIFY(d.undo->isEnabled());
        d.Press("UndoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "#...."));
        QCOMPARE(d.At(3, 1), kRed);
        QVERIFY(!d.undo->isEnabled());
        QVERIFY(redo->isEnabled());
        d.Press("RedoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "....."));
        d.Press("UndoButton");

        d.Press("RightButton");
        d.Press("DownButton");
        QCOMPARE(ShapeRows(d.form.Design().shape),
                 (std::vector<std::string>{".....", ".#...", ".#...", ".#...", ".#..."}));
        QVERIFY(!redo->isEnabled());  // a new change after Undo: nothing to redo
        d.Press("UndoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, ".#..."));
        d.Click(Qt::LeftButton, 5, 5);  // a toggle is a step too, and drops the redo
        QVERIFY(!redo->isEnabled());
        d.Press("UndoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, ".#..."));

        d.Press("ReverseButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "#.###"));
        QCOMPARE(d.At(5, 5), kRed);
        QCOMPARE(d.At(5, 2), kWhite);
        d.Press("UndoButton");
        d.Press("UndoButton");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "#...."));
        QVERIFY(!d.undo->isEnabled());
    }

    // Without the mouse: Tab round every control, then on the picture the arrows move the
    // framed cell, Space toggles it and Shift+Space fills from it; Ctrl+Z and Ctrl+Y step back
    // and forth, and Enter saves.
    void TheKeyboardAloneDrawsAndSaves() {
        test::FormFixture f({Answer::Cancel});
        const std::string lib = f.dir.File("QFFLAY.DAT");
        QVERIFY(AppendShape(lib, DrawnShape("Ring", kRing)).IsDone());
        Designer d(f, ShapeDesignMode::Modify, test::StoredShape(lib, 0), 0, lib);
        QVERIFY(test::ShowActive(d.form));
        QLineEdit* title = test::Control<QLineEdit>(d.form, "Title");
        title->setFocus(Qt::OtherFocusReason);
        // With nothing to undo in the drawing, Ctrl+Z is the name edit's own.
        test::Walk(d.form, "x|<Ctrl+Z>");
        QCOMPARE(title->text(), QString("Ring"));
        QCOMPARE(test::TabRound(), (QStringList{"Title", "WidthEdit", "HeightEdit", "Img", "UpButton", "LeftButton",
                                                "RightButton", "DownButton", "ReverseButton", "SaveButton",
                                                "CancelButton"}));
        QVERIFY(test::TabTo("Img"));

        test::Walk(d.form, "<Right>|<Down>|<Space>");
        QCOMPARE(ShapeRows(d.form.Design().shape)[1], std::string("##..#"));
        // The cell cursor is framed on the picture while it has the focus.
        const int s = ShapeCellSize(d.form.Design());
        QCOMPARE(d.img->grab().toImage().pixelColor(s, s + s / 2), QColor(0, 0, 255));
        test::Walk(d.form, "<Right>|<Shift+Space>");
        QCOMPARE(ShapeRows(d.form.Design().shape), std::vector<std::string>(5, "#####"));
        test::Walk(d.form, "<Ctrl+Z>|<Ctrl+Z>");
        QCOMPARE(ShapeRows(d.form.Design().shape), kRing);
        QVERIFY(!d.undo->isEnabled());
        test::Walk(d.form, "<Ctrl+Y>");
        QCOMPARE(ShapeRows(d.form.Design().shape)[1], std::string("##..#"));
        // The cursor stops at the edge of the shape.
        test::Walk(d.form, "<Left>|<Left>|<Left>|<Left>|<Up>|<Up>|<Space>");
        QCOMPARE(ShapeRows(d.form.Design().shape)[0], std::string(".####"));
        // Escape asks about the changes, as Cancel does; Cancel goes back to the drawing.
        test::Walk(d.form, "<Esc>");
        QCOMPARE(f.prompter->asked.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->asked[0].text), QString("Shape has been modified.  Save changes?"));
        QVERIFY(d.form.isVisible());

        test::Walk(d.form, "<Enter>");
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.form.Result().IsDone());
        QCOMPARE(ShapeRows(test::StoredShape(lib, 0)),
                 (std::vector<std::string>{".####", "##..#", "#...#", "#...#", "#####"}));
    }

    void SizeEditsAreCheckedWhenLeftAndAtSave() {
        test::FormFixture f;
        const std::string lib = f.dir.File("QFFLAY.DAT");
        Designer d(f, ShapeDesignMode::New);
        d.Leave("WidthEdit", "4");
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("Width must be between 5 and 49.  Please re-enter width."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Error"));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].focus), QString("WidthEdit"));
        QCOMPARE(d.form.Design().shape.width, std::int16_t(30));
        d.Leave("WidthEdit", "50");
        QCOMPARE(f.prompter->said.size(), size_t(2));

        // "7x" reads as 7: the grid is redrawn seven columns wide, the eighth is gone.
        d.Leave("WidthEdit", "7x");
        QCOMPARE(f.prompter->said.size(), size_t(2));
        QCOMPARE(d.form.Design().shape.width, std::int16_t(7));
        QCOMPARE(d.At(1, 7), kRed);
        QCOMPARE(d.img->Picture().pixelColor(d.Centre(1, 8)), d.form.palette().color(QPalette::Window));

        d.Leave("HeightEdit", "x7");
        QCOMPARE(f.prompter->said.size(), size_t(3));
        QCOMPARE(QString::fromStdString(f.prompter->said[2].text),
                 QString("Height must be between 5 and 49.  Please re-enter height."));
        d.Press("SaveButton");
        QCOMPARE(f.prompter->said.size(), size_t(4));
        QCOMPARE(QString::fromStdString(f.prompter->said[3].focus), QString("HeightEdit"));
        QVERIFY(d.form.isVisible());
        QVERIFY(!FileExists(lib));

        // The largest shape: its border cells toggle and fill inside the cell array.
        d.Leave("WidthEdit", "49");
        d.Leave("HeightEdit", "49");
        QCOMPARE(ShapeCellSize(d.form.Design()), 7);
        d.Click(Qt::LeftButton, 49, 49);
        QCOMPARE(d.At(49, 49), kWhite);
        d.Click(Qt::RightButton, 49, 49);
        QCOMPARE(d.At(49, 49), kRed);
        d.Click(Qt::RightButton, 1, 49);  // every cell usable: the whole shape becomes blocked
        QCOMPARE(d.At(49, 1), kWhite);
        QCOMPARE(d.At(1, 49), kWhite);
        QVERIFY(d.form.Design().shape.Usable(1, 50));  // outside the shape: kept as it was
        // Not one usable cell: refused, the designer stays (such a shape was once saved silently).
        d.Press("SaveButton");
        QCOMPARE(QString::fromStdString(f.prompter->said.back().text),
                 QString("The shape has no usable cells, so no puzzle can be built in it.  Left click cells to make "
                         "them usable."));
        QVERIFY(d.form.isVisible());
        QVERIFY(!FileExists(lib));
        d.Click(Qt::LeftButton, 25, 25);
        d.Press("SaveButton");
        QVERIFY(!d.form.isVisible());
        QCOMPARE(test::StoredShape(lib, 0).width, std::int16_t(49));
    }

    void ModifyWritesOverItsRecordAndNothingElse() {
        test::FormFixture f;
        const std::string lib = f.dir.File("QFFLAY.DAT");
        for (const char* name : {"First", "Second", "Third"}) QVERIFY(AppendShape(lib, DrawnShape(name, kRing)).IsDone());
        const auto before = test::Bytes(lib);
        Designer d(f, ShapeDesignMode::Modify, test::StoredShape(lib, 1), 1);
        d.Click(Qt::LeftButton, 1, 1);
        test::Control<QLineEdit>(d.form, "Title")->setText("  Changed  ");
        QTest::keyClick(test::Control<QLineEdit>(d.form, "Title"), Qt::Key_End);
        QTest::keyClicks(test::Control<QLineEdit>(d.form, "Title"), "!");
        d.Press("SaveButton");
        QVERIFY(d.form.Result().IsDone());
        QCOMPARE(d.form.Result().index, std::int64_t(1));
        const auto after = test::Bytes(lib);
        QCOMPARE(after.size(), before.size());
        const std::size_t size = ShapeRecord::kStoredSize;
        QVERIFY(std::equal(after.begin(), after.begin() + size, before.begin()));
        QVERIFY(std::equal(after.begin() + 2 * size, after.end(), before.begin() + 2 * size));
        QCOMPARE(test::StoredShape(lib, 1).name.Str(), std::string("Changed  !"));
        QCOMPARE(ShapeRows(test::StoredShape(lib, 1))[0], std::string(".####"));
    }

    void EscapeLeavesWithoutCheckingTheSizeBeingTyped() {
        test::FormFixture f;
        Designer d(f, ShapeDesignMode::New);
        d.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.form));
        QLineEdit* width = test::Control<QLineEdit>(d.form, "WidthEdit");
        width->setFocus();
        QVERIFY(width->hasFocus());
        width->setText("99");
        QTest::keyClick(width, Qt::Key_Escape);
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.form.Result().IsCancelled());
        QVERIFY(f.prompter->said.empty());
        QVERIFY(!FileExists(f.dir.File("QFFLAY.DAT")));
    }

    void ALibraryThatCannotBeWrittenKeepsTheDesignerOpen() {
        test::FormFixture f;
        Designer d(f, ShapeDesignMode::New, {}, -1, f.dir.File("missing/QFFLAY.DAT"));
        d.Press("SaveButton");
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString("Unable to add shape."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Disk Error"));
        QVERIFY(d.form.isVisible());
        d.Press("CancelButton");
        QVERIFY(!d.form.isVisible());
        QVERIFY(d.form.Result().IsCancelled());
    }

    void TheNameTakesThirtyTypedCharactersButKeepsALongerCopyName() {
        test::FormFixture f;
        const std::string lib = f.dir.File("QFFLAY.DAT");
        const std::string longName = "A shape with a name of forty characters.";  // 44 with its number
        Designer d(f, ShapeDesignMode::Copy, DrawnShape(longName + " (2)", kRing));
        QLineEdit* title = test::Control<QLineEdit>(d.form, "Title");
        QCOMPARE(title->text(), QString::fromStdString(longName + " (2)"));
        QTest::keyClick(title, Qt::Key_End);
        QTest::keyClicks(title, "xy");
        QCOMPARE(title->text(), QString::fromStdString(longName + " (2)"));
        QTest::keyClick(title, Qt::Key_Backspace);
        QCOMPARE(title->text(), QString::fromStdString(longName + " (2"));
        d.Press("SaveButton");
        QCOMPARE(test::StoredShape(lib, 0).name.Str(), longName + " (2");

        Designer fresh(f, ShapeDesignMode::New);
        QLineEdit* other = test::Control<QLineEdit>(fresh.form, "Title");
        other->clear();
        QTest::keyClicks(other, QString(35, 'w'));
        QCOMPARE(other->text(), QString(30, 'w'));
    }

    // From the designer to a built puzzle: a cross drawn cell by cell, saved, and a puzzle built in
    // it has letters only in the cross and nothing outside it.
    void AShapeDrawnCellByCellBoundsThePuzzleBuiltInIt() {
        test::FormFixture f;
        const std::string lib = f.dir.File("QFFLAY.DAT");
        Designer d(f, ShapeDesignMode::New);
        d.Leave("WidthEdit", "9");
        d.Leave("HeightEdit", "9");
        QCOMPARE(d.form.Design().shape.width, std::int16_t(9));
        QCOMPARE(d.form.Design().shape.height, std::int16_t(9));
        const auto corner = [](int i) { return i <= 3 || i >= 7; };
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c)
                if (corner(r) && corner(c)) d.Click(Qt::LeftButton, r, c);
        d.Press("SaveButton");
        QVERIFY(!d.form.isVisible());
        const ShapeRecord stored = test::StoredShape(lib, 0);
        QCOMPARE(test::ShapeRows(stored)[0], std::string("...###..."));
        QCOMPARE(test::ShapeRows(stored)[4], std::string("#########"));

        CreateEntries entries;
        entries.title = "Cross";
        entries.category = "Shapes";
        entries.attempts = "50";
        const char* words[] = {"LANTERN", "GARDEN", "CANDLE", "MEADOW", "RIVER", "OTTER"};
        for (std::size_t i = 0; i < 6; ++i) entries.words[i] = words[i];
        auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
        QVERIFY(CheckCreate(entries, stored, *working).Ok());
        RunResults results;
        BuildPuzzles(*working, stored, {50, false, false, 3, 1}, results);
        QVERIFY(results.scores[0] >= 2);
        const PuzzleRecord& built = results.Candidate(1);
        QCOMPARE(built.width, std::int16_t(9));
        for (int r = 1; r <= 9; ++r)
            for (int c = 1; c <= 9; ++c) {
                const std::uint8_t cell = built.Cell(CellIndex(r, c));
                QCOMPARE(cell != kCellOutside, stored.Usable(r, c));
            }
    }
};

}  // namespace qf

QTEST_MAIN(qf::DoShapesTest)
#include "DoShapesTest.moc"
