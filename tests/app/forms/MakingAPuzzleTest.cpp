// The road of a new puzzle from the main window: New, the word list, Create with a run of 20
// attempts, the second best fit chosen and saved; the puzzle is then listed, selected and
// stored with that candidate's grid; or three variants of it are made and stored together. Then Modify
// changes its clues and saves it in place.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "support/SquareShape.h"
#include "model/forms/PuzzleImage.h"

namespace qf {
namespace {

const char* const kFruit[][2] = {
    {"APPLE", "It keeps the doctor away"}, {"BANANA", "Long and yellow"},   {"CHERRY", "Small, red, with a stone"},
    {"GRAPE", "Grows in bunches"},         {"LEMON", "Sour and yellow"},     {"MANGO", "Tropical, orange inside"},
    {"ORANGE", "A colour and a fruit"},    {"PEACH", "Fuzzy skin"},          {"PEAR", "Shaped like a bell"},
    {"PLUM", "Dried, it is a prune"},
};

// Runs `step` on the modal window called `name` once it shows; the step returns false to be
// called again on the next poll (to wait for the window's own work).
void WhenShows(const QString& name, std::function<bool(QWidget&)> step) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->objectName() != name) return;
        if (!step(*modal)) return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

void Type(QTableWidget* grid, int row, int column, const char* text) {
    grid->setCurrentCell(row, column);
    grid->item(row, column)->setText(text);
}

// A box's text replaced as a user does: clicked, everything selected with Ctrl+A, typed over.
void Retype(QWidget* box, const char* text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(test::Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(test::Focused(), text);
}

struct Road {
    test::FormFixture f;
    std::string path = f.dir.File("SET.QF3");
    std::unique_ptr<TMainWin> window;
    std::unique_ptr<PuzzleRecord> chosen = std::make_unique<PuzzleRecord>();
    bool progressShown = false;

    explicit Road(std::deque<Answer> answers = {Answer::Yes}) : f(std::move(answers)) {
        test::WriteCollection(path, {{"Birds", "Owls"}});
        f.context.state.settings.lastGroup = path;
        f.context.state.currentShape = test::Square(15, "");
        window = std::make_unique<TMainWin>(f.context);
        window->show();
    }

    // New, ten words with their clues, Create with 20 attempts, the second best fit saved.
    void MakeFruitBowl() {
        MakeFruitBowl([this](QWidget& candidates) {
            test::Control<QPushButton>(candidates, "Save")->click();
            return true;
        });
    }

    // The same, the candidate form then left by `leave` once the second best fit is selected.
    void MakeFruitBowl(std::function<bool(QWidget&)> leave) {
        test::WhenDialogShows([this, leave](QWidget& editor) {
            Retype(test::Control<QLineEdit>(editor, "Title"), "Fruit Bowl");
            Retype(test::Control<QComboBox>(editor, "Category")->lineEdit(), "Fruit");
            auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
            for (int i = 0; i < 10; ++i) {
                Type(grid, i, 2, kFruit[i][0]);
                Type(grid, i, 3, kFruit[i][1]);
            }
            Retype(test::Control<QLineEdit>(editor, "Attempts"), "20");
            WhenShows("CreationAttempts", [this](QWidget& progress) {
                progressShown = true;
                auto* ok = test::Control<QPushButton>(progress, "Cancel");
                if (ok->text() != "&Ok") return false;  // still running
                ok->click();
                return true;
            });
            WhenShows("CreatedPuzzle", [this, leave](QWidget& candidates) {
                QTest::mouseClick(test::Control<TPuzzleImage>(candidates, "PuzzImage2"), Qt::LeftButton);
                *chosen = f.context.state.lastRun.Candidate(2);
                return leave(candidates);
            });
            test::Control<QPushButton>(editor, "CreateIt")->click();
        });
        window->Action("MenuNew")->trigger();
    }
};

// Three variants asked for in the candidate form: the count typed into its box, then Alt+V.
bool MakeThreeVariants(QWidget& candidates) {
    if (!candidates.isActiveWindow()) {  // as a desktop activates a new window; typing goes there
        QApplication::setActiveWindow(&candidates);
        return false;
    }
    Retype(test::Control<QSpinBox>(candidates, "VariantCount"), "3");
    const bool captionFollows = test::Control<QPushButton>(candidates, "MakeVariants")->text() == "Make 3 &Variants";
    QTest::keyClick(test::Focused(), Qt::Key_V, Qt::AltModifier);
    return captionFollows;
}

}  // namespace

class MakingAPuzzleTest : public QObject {
    Q_OBJECT
private slots:
    void ANewPuzzleIsCreatedChosenAndStored() {
        Road road;
        road.MakeFruitBowl();
        QVERIFY(road.progressShown);
        QVERIFY(road.f.context.state.lastRun.scores[1] > 0);
        QCOMPARE(road.f.context.state.settings.attempts, 20);
        QVERIFY(QApplication::activeModalWidget() == nullptr);  // the editor closed with the form

        QCOMPARE(CountSlots(road.path).value_or(0), 2);  // appended
        PuzzleRecord stored;
        QVERIFY(ReadPuzzle(road.path, 1, stored).IsDone());
        QCOMPARE(stored.title.Str(), std::string("Fruit Bowl"));
        QCOMPARE(stored.category.Str(), std::string("Fruit"));
        QCOMPARE(stored.generated, std::uint8_t(1));
        QVERIFY(stored.grid == road.chosen->grid);
        QCOMPARE(stored.width, road.chosen->width);
        QCOMPARE(stored.wordCount, road.chosen->wordCount);
        QCOMPARE(int(stored.wordCount), road.f.context.state.lastRun.scores[1]);

        const PuzzleLists& lists = road.window->Collection().Lists();
        QCOMPARE(QString::fromStdString(lists.SelectedCategory()->text), QString("Fruit"));
        QCOMPARE(QString::fromStdString(lists.SelectedPuzzle()->text), QString("Fruit Bowl"));
        QCOMPARE(lists.SelectedPuzzle()->value, 1);
    }

    void VariantsOfTheChosenGridAreStoredTogether() {
        Road road({Answer::Yes});
        road.MakeFruitBowl([](QWidget& candidates) { return MakeThreeVariants(candidates); });
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        const std::string question = road.f.prompter->asked.at(0).text;
        QVERIFY2(question.ends_with("Save these 3 puzzles?"), question.c_str());
        QCOMPARE(CountSlots(road.path).value_or(0), 4);
        std::vector<PuzzleRecord> stored(3);
        for (int k = 0; k < 3; ++k) {
            QVERIFY(ReadPuzzle(road.path, k + 1, stored[k]).IsDone());
            QCOMPARE(stored[k].title.Str(), std::string("Fruit Bowl (") + char('A' + k) + ")");
            QCOMPARE(stored[k].category.Str(), std::string("Fruit"));
            QCOMPARE(stored[k].generated, std::uint8_t(1));
            for (int j = 0; j < k; ++j) QVERIFY(!SameGrid(stored[k], stored[j]));
        }
        QVERIFY(stored[0].grid == road.chosen->grid);  // the selected grid comes first
        QCOMPARE(QString::fromStdString(road.window->Collection().Lists().SelectedPuzzle()->text),
                 QString("Fruit Bowl (A)"));
    }

    void ItsCluesAreThenModifiedAndSavedInPlace() {
        Road road;
        road.MakeFruitBowl();
        QCOMPARE(CountSlots(road.path).value_or(0), 2);
        PuzzleRecord made;
        QVERIFY(ReadPuzzle(road.path, 1, made).IsDone());

        test::WhenDialogShows([](QWidget& editor) {
            QCOMPARE(editor.windowTitle(), QString("Modify Existing Puzzle"));
            auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
            Type(grid, 0, 3, "The first clue, rewritten");
            Type(grid, 1, 3, "The second clue, rewritten");
            test::Control<QPushButton>(editor, "SaveButton")->click();
        });
        road.window->Action("MenuModify")->trigger();

        QCOMPARE(CountSlots(road.path).value_or(0), 2);  // in place
        PuzzleRecord saved;
        QVERIFY(ReadPuzzle(road.path, 1, saved).IsDone());
        QCOMPARE(saved.Clue(1).Str(), std::string("The first clue, rewritten"));
        QCOMPARE(saved.Clue(2).Str(), std::string("The second clue, rewritten"));
        QCOMPARE(saved.Word(1).Str(), made.Word(1).Str());
        QCOMPARE(saved.Clue(3).Str(), made.Clue(3).Str());
        QVERIFY(saved.grid == made.grid);
        QCOMPARE(saved.generated, std::uint8_t(1));
        QCOMPARE(QString::fromStdString(road.window->Collection().Lists().SelectedPuzzle()->text),
                 QString("Fruit Bowl"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::MakingAPuzzleTest)
#include "MakingAPuzzleTest.moc"
