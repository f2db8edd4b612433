// Create in the word list editor: each refusal with its message and the control or cell it
// focuses, the large-shape warning that lets the run go on, one attempt without the progress
// form, Cancel back to the editor, and a collection that cannot be written.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <memory>
#include <QtTest>

#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/forms/WordList.h"
#include "shapes/ShapeFiles.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {
namespace {

ShapeRecord Rectangle(int width, int height) {
    ShapeRecord shape;
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c) shape.Cell(CellIndex(r, c)) = 1;
    return shape;
}

struct Editor {
    Editor(test::FormFixture& f, const std::string& collectionPath, const ShapeRecord& shape)
        : working(std::make_unique<PuzzleRecord>(NewPuzzleRecord())) {
        f.context.state.currentShape = shape;
        // The editor's shape list takes its shape from the library: the library holds this one.
        if (!AppendShape(f.dir.File("QFFLAY.DAT"), shape).IsDone()) qFatal("shapes not written");
        path = collectionPath;
        collection.Open(path);
        inputs = std::make_unique<WordListInputs>(WordListInputs{
            f.context.Look(), true, kCaptionCreateNew, 0, *working, f.context.state.settings,
            f.context.state.currentShape, f.context.state.lastRun, collection, *f.prompter, *f.chooser,
            f.dir.File("QFFLAY.DAT"), false, false, {}});
        editor = std::make_unique<TWordList>(*inputs);
        if (!test::ShowActive(*editor)) qFatal("the editor did not become active");
        grid = test::Control<QTableWidget>(*editor, "WordsCluesGrid");
        title = test::Control<QLineEdit>(*editor, "Title");
        category = test::Control<QComboBox>(*editor, "Category");
        attempts = test::Control<QLineEdit>(*editor, "Attempts");
    }
    void Row(int row, const QString& word, const QString& clue = "a clue") {
        test::TypeInCell(*editor, row - 1, 2, word);
        test::TypeInCell(*editor, row - 1, 3, clue);
    }
    void Create() { test::Control<QPushButton>(*editor, "CreateIt")->click(); }

    std::unique_ptr<PuzzleRecord> working;
    std::string path;
    CollectionModel collection;
    std::unique_ptr<WordListInputs> inputs;
    std::unique_ptr<TWordList> editor;
    QTableWidget* grid = nullptr;
    QLineEdit* title = nullptr;
    QComboBox* category = nullptr;
    QLineEdit* attempts = nullptr;
};

// Closes the next modal window called `name` with its button `button`, noting that it showed.
// The watch ends with the returned timer, so a window that never showed leaves nothing behind
// that still points at `shown`.
[[nodiscard]] std::unique_ptr<QTimer> CloseWhenShown(const QString& name, const char* button, bool& shown) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(10);
    QObject::connect(timer.get(), &QTimer::timeout, [t = timer.get(), name, button, &shown] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != name) return;
        shown = true;
        t->stop();
        test::Control<QPushButton>(*modal, button)->click();
    });
    timer->start();
    return timer;
}

QString Said(const test::FormFixture& f) { return QString::fromStdString(f.prompter->said.back().text); }

}  // namespace

class WordListCreateTest : public QObject {
    Q_OBJECT
private slots:
    void EachRefusalSaysWhyAndFocusesItsControlOrCell() {
        test::FormFixture f;
        Editor e(f, f.dir.File("SET.QF3"), Rectangle(15, 15));
        e.title->clear();
        e.Create();
        QCOMPARE(Said(f), QString("No title specified.  Please correct."));
        QCOMPARE(e.editor->focusWidget(), e.title);

        e.title->setText("Stars");
        test::Retype(e.category->lineEdit(), "  ");
        e.Create();
        QCOMPARE(Said(f), QString("No category specified.  Please correct."));

        test::Retype(e.category->lineEdit(), "Space");
        e.Create();
        QCOMPARE(Said(f), QString("No words have been entered.  Please correct."));

        e.Row(3, "COMET");
        e.attempts->setText("0");
        e.Create();
        QCOMPARE(Said(f), QString("Attempts must be between 1 and 999.  Please correct."));
        QCOMPARE(e.editor->focusWidget(), e.attempts);

        e.attempts->setText("5");
        e.Row(7, "ASTRONOMICALLY SPEAKING");  // 23 characters in a 15 x 15 shape
        e.Create();
        QCOMPARE(Said(f),
                 QString("Word is greater than puzzle dimension size of 15 characters in "
                         "\"ASTRONOMICALLY SPEAKING\"."));
        QCOMPARE(e.grid->currentRow(), 6);
        QCOMPARE(e.grid->currentColumn(), 2);

        e.Row(7, "NEBULA", QString(160, 'c'));
        e.Create();
        QCOMPARE(Said(f), QString("The length of the clue for the word \"NEBULA\" is 10 characters longer than the "
                                  "maximum clue size of 150."));
        QCOMPARE(e.grid->currentRow(), 6);
        QCOMPARE(e.grid->currentColumn(), 3);
        QCOMPARE(e.working->Word(2).Str(), std::string("NEBULA"));  // filled although refused
        QCOMPARE(f.context.state.settings.attempts, 5);
        QVERIFY(e.editor->isVisible());
        QVERIFY(f.prompter->asked.empty());
    }

    void ALongestRunShorterThanTheWordIsRefusedWithItsLength() {
        test::FormFixture f;
        ShapeRecord shape = Rectangle(15, 15);
        for (int r = 1; r <= 15; ++r) {
            shape.Cell(CellIndex(r, 12)) = 0;  // runs of 11 across and, below row 12, down
            shape.Cell(CellIndex(12, r)) = 0;
        }
        Editor e(f, f.dir.File("SET.QF3"), shape);
        e.title->setText("Stars");
        test::Retype(e.category->lineEdit(), "Space");
        e.Row(1, "COMET");
        e.Row(2, "CONSTELLATION");  // 13 letters
        e.Create();
        QCOMPARE(Said(f), QString("The maximum word length as provided by the selected layout is 11.  The following "
                                  "word is greater than the maximum word length: \"CONSTELLATION\".  You will need to "
                                  "correct the word or change the layout."));
        QCOMPARE(e.grid->currentRow(), 1);
    }

    void OneAttemptGoesStraightToTheCandidatesAndCancelKeepsTheEditor() {
        test::FormFixture f;
        const std::string path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Space", "Planets"}});
        const std::string before = test::ReadFileText(path);
        Editor e(f, path, Rectangle(31, 20));
        e.title->setText("Stars");
        test::Retype(e.category->lineEdit(), "Space");
        e.Row(1, "COMET");
        e.Row(2, "METEOR");
        e.attempts->setText("1");
        bool progress = false, candidates = false;
        const auto watch1 = CloseWhenShown("CreationAttempts", "Cancel", progress);
        const auto watch2 = CloseWhenShown("CreatedPuzzle", "Cancel", candidates);
        e.Create();
        QVERIFY(candidates);
        QVERIFY(!progress);
        QCOMPARE(QApplication::overrideCursor(), nullptr);  // the busy cursor is back to normal
        QCOMPARE(f.context.state.lastRun.attemptsMade, 1);
        QCOMPARE(f.context.state.lastRun.scores[1], 0);
        // The large shape warns and goes on.
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QVERIFY(QString::fromStdString(f.prompter->said[0].text)
                    .startsWith("You have selected a puzzle shape with large dimensions."));
        QVERIFY(e.editor->isVisible());
        QCOMPARE(test::ReadFileText(path), before);
        QCOMPARE(e.working->generated, std::uint8_t(0));  // Cancel took nothing
        QCOMPARE(e.working->width, std::int16_t(31));
    }

    void ACollectionThatCannotBeWrittenKeepsTheEditorOpen() {
        // One attempt of a random run may leave a word out: its "Save anyway?" is answered Yes.
        test::FormFixture f({Answer::Yes});
        Editor e(f, f.dir.File("no such folder/SET.QF3"), Rectangle(12, 12));
        e.title->setText("Stars");
        test::Retype(e.category->lineEdit(), "Space");
        e.Row(1, "COMET");
        e.Row(2, "METEOR");
        e.attempts->setText("1");
        bool candidates = false;
        const auto watch3 = CloseWhenShown("CreatedPuzzle", "Save", candidates);
        e.Create();
        QVERIFY(candidates);
        QCOMPARE(Said(f), QString("Unable to save puzzle."));
        QVERIFY(e.editor->isVisible());
        QVERIFY(!e.editor->Result().IsDone());
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordListCreateTest)
#include "WordListCreateTest.moc"
