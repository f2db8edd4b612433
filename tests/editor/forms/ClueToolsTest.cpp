// The word list editor's clue commands driven as a user drives them: Suggest Clue picked with
// the keys, Fill Empty Clues and its Undo, Check Clues with a double click to the cell, the
// commands without dictionary data, and Create's question about an answer given away.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "editor/ClueCheck.h"
#include "editor/ClueSuggestions.h"
#include "editor/WordNet.h"
#include "editor/forms/WordList.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "support/forms/WordToolsFixture.h"

namespace qf {
namespace {

// Types a row as a user does: a click on its word cell, the word, Tab into its clue cell and
// the clue (when there is one), Tab out.
// A click on the cell whose editor Tab has just opened would land on that editor, so the
// user types straight on there.
void TypeRow(QWidget& window, int row, const QString& word, const QString& clue = {}) {
    auto* grid = window.findChild<QTableWidget*>("WordsCluesGrid");
    const bool there = grid->currentRow() == row && grid->currentColumn() == 2 && test::Focused() &&
                       grid->isAncestorOf(test::Focused()) && test::Focused() != grid->viewport();
    const QString start = there ? QString() : QString("<click:%1,2>|").arg(row);
    test::Walk(window, start + word + "|<Tab>" + (clue.isEmpty() ? "" : "|" + clue + "|<Tab>"));
}

QString Cell(QTableWidget* grid, int row, int column) { return grid->item(row, column)->text(); }

// An editor on a new puzzle with the thesaurus files and, when there is one, WordNet.
struct ClueEditor {
    explicit ClueEditor(test::FormFixture& f, bool data = true) : disk(f, true, data) {
        if (data) disk.inputs->tools.wordNetFolder = WordNetFolder();
        // A list of its own from row 4 on: the fixture's owls ("clue BARN"...) are left out.
        for (int i = 1; i <= 3; ++i) {
            disk.working->Word(i) = "";
            disk.working->Clue(i) = "";
        }
        disk.working->wordCount = 0;
        editor = std::make_unique<TWordList>(*disk.inputs);
        if (!test::ShowActive(*editor)) qFatal("the editor did not become active");
        grid = test::Control<QTableWidget>(*editor, "WordsCluesGrid");
    }
    // A road walked in the editor; when a dialog of its own has just closed, the window system
    // gives the editor back its focus first, as a desktop does.
    void Walk(const QString& road) {
        if (!test::Focused() && !test::ShowActive(*editor)) qFatal("the editor did not become active again");
        test::Walk(*editor, road);
    }
    test::EditorOnDisk disk;
    std::unique_ptr<TWordList> editor;
    QTableWidget* grid = nullptr;
};

}  // namespace

class ClueToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (!WordNet::Open(WordNetFolder())) QSKIP("no WordNet data");
    }

    // The list takes the keys at once: Down and Enter take the second suggestion; Escape leaves
    // the clue as it was.
    void SuggestClueIsPickedWithTheKeys() {
        test::FormFixture f;
        ClueEditor e(f);
        TypeRow(*e.editor, 3, "TIGER", "Striped");
        e.Walk("<click:3,2>");
        QString second;
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Suggest Clue"));
            QCOMPARE(test::Control<QLabel>(dialog, "ClueLabel")->text(), QString("Clue now:  Striped"));
            auto* list = test::Control<QListWidget>(dialog, "SuggestionList");
            QCOMPARE(test::Focused(), list);
            QVERIFY(list->count() >= 2);
            QVERIFY(list->item(0)->text().contains("(noun"));
            second = list->item(1)->text().section('\n', 0, 0);
            test::Walk(dialog, "<Down>|<Enter>");
        });
        e.Walk("<Alt+U>");
        QVERIFY(!second.isEmpty());
        QCOMPARE(Cell(e.grid, 3, 3), second);
        QVERIFY(!second.contains("tiger", Qt::CaseInsensitive));

        test::WhenDialogShows([&](QWidget& dialog) { test::Walk(dialog, "<Down>|<Down>|<Esc>"); });
        e.Walk("<click:3,3>|<Alt+U>");
        QCOMPARE(Cell(e.grid, 3, 3), second);
        QVERIFY(f.prompter->said.empty());

        // A row without a word has nothing to suggest for.
        e.Walk("<click:7,3>|<Alt+U>");
        QCOMPARE(f.prompter->said.back().text, std::string("Row 8 has no word to suggest a clue for."));
    }

    // Empty clues of rows with words are filled, typed clues stay, one Undo takes the fill back.
    void FillEmptyCluesAndItsUndo() {
        test::FormFixture f;
        ClueEditor e(f);
        TypeRow(*e.editor, 3, "APPLE");
        TypeRow(*e.editor, 4, "XQZV");
        TypeRow(*e.editor, 5, "RIVER");
        TypeRow(*e.editor, 6, "CAT", "Purring pet");
        const QStringList before = {Cell(e.grid, 0, 3), Cell(e.grid, 1, 3), Cell(e.grid, 2, 3)};
        auto* undo = test::Control<QPushButton>(*e.editor, "UndoFill");
        QVERIFY(!undo->isEnabled());
        QTest::mouseClick(test::Control<QPushButton>(*e.editor, "FillClues"), Qt::LeftButton);
        const std::string summary = f.prompter->said.back().text;
        QVERIFY2(summary.find("No suggestion was found for row 5: its clue is still empty.") != std::string::npos,
                 summary.c_str());
        QVERIFY(!Cell(e.grid, 3, 3).isEmpty());
        QCOMPARE(Cell(e.grid, 4, 3), QString());
        QVERIFY(!Cell(e.grid, 5, 3).isEmpty());
        QCOMPARE(Cell(e.grid, 6, 3), QString("Purring pet"));
        QVERIFY(undo->isEnabled());

        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(Cell(e.grid, 3, 3), QString());
        QCOMPARE(Cell(e.grid, 5, 3), QString());
        QCOMPARE(Cell(e.grid, 6, 3), QString("Purring pet"));
        QCOMPARE((QStringList{Cell(e.grid, 0, 3), Cell(e.grid, 1, 3), Cell(e.grid, 2, 3)}), before);
        QVERIFY(!undo->isEnabled());
    }

    // The problems are listed in row order; a double click on one goes to its cell.
    void CheckCluesGoesToTheCellOfTheProblem() {
        test::FormFixture f;
        ClueEditor e(f);
        TypeRow(*e.editor, 3, "ANIMAL", "An animal that barks");
        TypeRow(*e.editor, 4, "MOOSE");
        QStringList listed;
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Check Clues"));
            auto* list = test::Control<QListWidget>(dialog, "ProblemList");
            for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
            const QListWidgetItem* empty = list->item(list->count() - 1);
            test::DoubleClick(list->viewport(), list->visualItemRect(empty).center());
        });
        QTest::mouseClick(test::Control<QPushButton>(*e.editor, "CheckClues"), Qt::LeftButton);
        QCOMPARE(listed.size(), 2);
        QCOMPARE(listed[0], QString("Row 4, ANIMAL: the clue gives the answer away (\"animal\")."));
        QCOMPARE(listed[1], QString("Row 5, MOOSE: the clue is empty."));
        QCOMPARE(e.grid->currentRow(), 4);
        QCOMPARE(e.grid->currentColumn(), 3);
    }

    void CleanCluesAreSaidToBeClean() {
        test::FormFixture f;
        ClueEditor e(f);
        TypeRow(*e.editor, 3, "ANIMAL", "Living creature");
        TypeRow(*e.editor, 4, "CATEGORY", "A class or division");
        QTest::mouseClick(test::Control<QPushButton>(*e.editor, "CheckClues"), Qt::LeftButton);
        QCOMPARE(f.prompter->said.back().text, std::string("No problems were found in the clues."));
    }

    // Without WordNet and thesaurus the two suggestion commands are off and say why; the check stays.
    void WithoutDictionaryDataTheSuggestionsAreOff() {
        test::FormFixture f;
        ClueEditor e(f, false);
        for (const char* name : {"SuggestClue", "FillClues"}) {
            auto* button = test::Control<QPushButton>(*e.editor, name);
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->toolTip(), QString(kTipNoDictionaryData));
        }
        QVERIFY(test::Control<QPushButton>(*e.editor, "CheckClues")->isEnabled());
    }

    // Create asks when a clue gives its answer away; No stops it at that clue's cell.
    void CreateAsksAboutAnAnswerGivenAway() {
        test::FormFixture f({Answer::No});
        ClueEditor e(f);
        e.Walk("Zoo animals|<Tab>|Mammals|<Tab>");  // the editor opens at the title
        TypeRow(*e.editor, 3, "ANIMAL", "Animals are this");
        QTest::mouseClick(test::Control<QPushButton>(*e.editor, "CreateIt"), Qt::LeftButton);
        QCOMPARE(f.prompter->asked.size(), std::size_t{1});
        QCOMPARE(f.prompter->asked[0].caption, std::string("Warning"));
        QCOMPARE(f.prompter->asked[0].text,
                 std::string("Some clues give their answers away or an answer stands twice:\n\n"
                             "Row 4, ANIMAL: the clue gives the answer away (\"Animals\").\n\nCreate the puzzle anyway?"));
        QVERIFY(e.editor->isVisible());
        QCOMPARE(e.grid->currentRow(), 3);
        QCOMPARE(e.grid->currentColumn(), 3);
    }
};

}  // namespace qf

QTEST_MAIN(qf::ClueToolsTest)
#include "ClueToolsTest.moc"
