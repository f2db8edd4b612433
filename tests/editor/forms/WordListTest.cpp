// The word list editor: the grid and its cell editor, the locks of each mode, Delete, Save and
// Exit with its question, and the hand-over from the main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/forms/WordList.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {
namespace {

// Types `text` into a cell of the word grid as a user does: a click on the cell, the text, and
// Tab to leave it when `leave` is set (otherwise the cell editor is still open).
void TypeInto(QWidget& window, int row, int column, const QString& text, bool leave = true) {
    test::Walk(window, QString("<click:%1,%2>|%3%4").arg(row).arg(column).arg(text, leave ? "|<Tab>" : ""));
}

}  // namespace

class WordListTest : public QObject {
    Q_OBJECT
private slots:
    void NewPuzzleModeShowsTheRecordAndLocksLittle() {
        test::FormFixture f;
        f.context.state.settings.attempts = 40;
        f.context.state.settings.shrink = true;
        Editor e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        QCOMPARE(editor.windowTitle(), QString("Create New Puzzle"));
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        QCOMPARE(grid->rowCount(), 200);
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("Word"));
        QCOMPARE(grid->item(0, 0)->text(), QString("1"));
        QCOMPARE(grid->item(199, 0)->text(), QString("200"));
        QCOMPARE(grid->item(1, 1)->text(), QString("x"));
        QCOMPARE(grid->item(1, 2)->text(), QString("SNOWY"));
        QVERIFY(grid->item(0, 2)->flags() & Qt::ItemIsEditable);   // words can be typed
        QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsEditable)); // the U column cannot
        QCOMPARE(grid->columnWidth(3), 368);
        QCOMPARE(test::Control<QLineEdit>(editor, "Attempts")->text(), QString("40"));
        QVERIFY(test::Control<QCheckBox>(editor, "AutoShrink")->isChecked());
        QVERIFY(test::Control<QPushButton>(editor, "SaveButton")->isHidden());
        QVERIFY(test::Control<QPushButton>(editor, "AddWordsButton")->isHidden());
        QCOMPARE(test::Control<QLineEdit>(editor, "Title")->maxLength(), 35);
        QCOMPARE(test::Control<QLineEdit>(editor, "BonusQuest")->maxLength(), 120);
        QCOMPARE(test::Control<QComboBox>(editor, "Category")->itemText(0), QString("Birds"));

        test::Control<QCheckBox>(editor, "QuickCreate")->click();  // written at once
        QVERIFY(f.context.state.settings.quickBuild);
    }

    void ModifyModeLocksWordsAndGeneration() {
        test::FormFixture f;
        Editor e(f, false);
        TWordList editor(*e.inputs);
        editor.show();
        QCOMPARE(editor.windowTitle(), QString("Modify Existing Puzzle"));
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        QVERIFY(!(grid->item(0, 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(grid->item(0, 3)->flags() & Qt::ItemIsEditable);
        for (const char* name : {"CreateIt", "DeleteClue", "DeleteAllClue", "ImportClue"})
            QVERIFY2(!test::Control<QPushButton>(editor, name)->isEnabled(), name);
        QVERIFY(!test::Control<QLineEdit>(editor, "Attempts")->isEnabled());
        QVERIFY(!test::Control<QCheckBox>(editor, "AutoShrink")->isEnabled());
        QVERIFY(test::Control<QPushButton>(editor, "SaveButton")->isVisible());
    }

    void TheCellEditorCutsWordsAndClues() {
        test::FormFixture f;
        Editor e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        QAbstractItemDelegate* cellEditor = grid->itemDelegate();
        auto editText = [&](int row, int column, const QString& text) {
            grid->item(row, column)->setText(text);
            const QModelIndex index = grid->model()->index(row, column);
            QWidget* widget = cellEditor->createEditor(grid->viewport(), QStyleOptionViewItem(), index);
            cellEditor->setEditorData(widget, index);
            const QString shown = qobject_cast<QLineEdit*>(widget)->text();
            cellEditor->setModelData(widget, grid->model(), index);  // what the cell keeps
            delete widget;
            return shown;
        };
        QCOMPARE(editText(4, 2, QString(40, 'W')).size(), 30);
        QCOMPARE(grid->item(4, 2)->text().size(), 30);
        QCOMPARE(editText(5, 3, QString(200, 'c')).size(), 150);
        QCOMPARE(editText(6, 3, "short clue"), QString("short clue"));
    }

    void ExitAsksOnlyWhenSomethingChanged() {
        test::FormFixture f;
        {
            Editor e(f, false);
            TWordList editor(*e.inputs);
            QVERIFY(test::ShowActive(editor));
            TypeInto(editor, 0, 3, "a barn dweller");
            QVERIFY(editor.PuzzleChanged());
            TypeInto(editor, 0, 3, "clue BARN");  // the edit undone
            QVERIFY(!editor.PuzzleChanged());
            test::Control<QPushButton>(editor, "Cancel")->click();
            QVERIFY(f.prompter->asked.empty());
            QVERIFY(!editor.isVisible());
        }
        {
            test::FormFixture g({Answer::Cancel, Answer::No});
            Editor e(g, false);
            const std::string before = test::ReadFileText(e.path);
            TWordList editor(*e.inputs);
            editor.show();
            test::Control<QLineEdit>(editor, "Title")->setText("Night Owls");
            test::Control<QPushButton>(editor, "Cancel")->click();  // Cancel: stays open
            QCOMPARE(QString::fromStdString(g.prompter->asked.at(0).text),
                     QString("Puzzle has been modified.  Save changes?"));
            QVERIFY(editor.isVisible());
            QTest::keyClick(&editor, Qt::Key_Escape);  // asks again; No closes without writing
            QCOMPARE(g.prompter->asked.size(), size_t(2));
            QVERIFY(!editor.isVisible());
            QCOMPARE(test::ReadFileText(e.path), before);
            QCOMPARE(e.working->title.Str(), std::string("Night Owls"));  // never restored
        }
    }

    void SaveChecksThenWritesInPlaceAndReselects() {
        test::FormFixture f;
        Editor e(f, false);
        TWordList editor(*e.inputs);
        QVERIFY(test::ShowActive(editor));
        auto* title = test::Control<QLineEdit>(editor, "Title");
        title->setText("  ");
        test::Control<QPushButton>(editor, "SaveButton")->click();
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text), QString("No title specified.  Please correct."));
        QVERIFY(editor.isVisible());
        title->setText("Night Owls");
        TypeInto(editor, 2, 3, "brown and common", false);
        QTest::mouseClick(test::Control<QPushButton>(editor, "SaveButton"), Qt::LeftButton);  // the cell still open
        QVERIFY(!editor.isVisible());
        QVERIFY(editor.Result().IsDone());
        PuzzleRecord stored;
        QVERIFY(ReadPuzzle(e.path, 1, stored).IsDone());
        QCOMPARE(stored.title.Str(), std::string("Night Owls"));
        QCOMPARE(stored.Clue(3).Str(), std::string("brown and common"));
        QCOMPARE(stored.Word(3).Str(), std::string("TAWNY"));
        QCOMPARE(CountSlots(e.path).value_or(0), 2);  // in place
        QCOMPARE(QString::fromStdString(e.collection.Lists().SelectedPuzzle()->text), QString("Night Owls"));
    }

    void DeleteMovesRowsUpAndDeleteAllAsks() {
        test::FormFixture f({Answer::Yes});
        Editor e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        grid->setCurrentCell(0, 2);
        test::Control<QPushButton>(editor, "DeleteClue")->click();
        QCOMPARE(grid->item(0, 2)->text(), QString("SNOWY"));
        QCOMPARE(grid->item(0, 1)->text(), QString("x"));
        QCOMPARE(grid->item(0, 0)->text(), QString("1"));  // the numbers stay
        test::Control<QPushButton>(editor, "DeleteAllClue")->click();
        QCOMPARE(editor.GetWordCount(), 0);
        test::Control<QPushButton>(editor, "DeleteAllClue")->click();
        QCOMPARE(QString::fromStdString(f.prompter->said.back().text), QString("All words are already cleared."));
    }

    void TheMainWindowOpensTheEditorInEachMode() {
        test::FormFixture f;
        const std::string path = f.dir.File("SET.QF3");
        test::WriteCollection(path, {{"Birds", "Sea Life"}});
        f.context.state.settings.lastGroup = path;
        TMainWin window(f.context);
        window.show();
        QStringList captions;
        QString copiedTitle;
        auto closeEditor = [&](QWidget& editor) {
            captions << editor.windowTitle();
            copiedTitle = test::Control<QLineEdit>(editor, "Title")->text();
            QTest::keyClick(&editor, Qt::Key_Escape);
        };
        test::WhenDialogShows(closeEditor);
        window.Action("MenuNew")->trigger();
        QCOMPARE(window.Working().wordCount, 0);
        test::WhenDialogShows(closeEditor);
        window.Action("MenuCopy")->trigger();
        QCOMPARE(copiedTitle, QString("Sea Life (2)"));
        test::WhenDialogShows(closeEditor);
        window.Action("MenuModify")->trigger();
        QCOMPARE(captions, (QStringList{"Create New Puzzle", "Create New Puzzle (copy of existing puzzle)",
                                        "Modify Existing Puzzle"}));
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordListTest)
#include "WordListTest.moc"
