// The spelling and thesaurus windows of the word list editor and the dictionary maintenance
// window, on the real Debian dictionaries; the international character keys.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "editor/UserWordList.h"
#include "editor/forms/ChooseLanguage.h"
#include "editor/forms/DoIntChars.h"
#include "editor/forms/MyEditBox.h"
#include "support/forms/Keyboard.h"
#include "support/forms/WordToolsFixture.h"

namespace qf {
namespace {

QTableWidget* GridOf(QWidget& editor) { return test::Control<QTableWidget>(editor, "WordsCluesGrid"); }

// The word list editor open on the fixture's three owls, with the lexicons of this machine;
// `stored` changes the puzzle as it was stored before the editor opens it.
struct OpenEditor {
    explicit OpenEditor(test::FormFixture& f, bool isNew, const std::function<void(PuzzleRecord&)>& stored = {})
        : e(f, isNew, true), editor(Opened(e, stored)) {
        if (!test::ShowActive(editor)) qFatal("the editor did not become active");
    }
    static WordListInputs& Opened(test::EditorOnDisk& e, const std::function<void(PuzzleRecord&)>& stored) {
        if (stored) stored(*e.working);
        return *e.inputs;
    }
    // Types into a cell as a user does: a click on it, the text, Tab.
    void Type(int row, int column, const QString& text) {
        test::Walk(editor, QString("<click:%1,%2>|%3|<Tab>").arg(row).arg(column).arg(text));
    }
    test::EditorOnDisk e;
    TWordList editor;
    QTableWidget* grid = GridOf(editor);
};

// Picks `suggestion` in the suggestions dialog (or types it as the word) and presses `button`.
void Press(QWidget& dialog, const char* button, const QString& suggestion = {}) {
    auto* list = test::Control<QListWidget>(dialog, "SuggestBox");
    if (!suggestion.isEmpty()) {
        const auto found = list->findItems(suggestion, Qt::MatchExactly);
        if (found.isEmpty()) {
            QTest::qFail(qPrintable("no suggestion " + suggestion), __FILE__, __LINE__);
        } else {
            list->setCurrentItem(found.front());
        }
    }
    test::Control<QPushButton>(dialog, button)->click();
}

// Runs the steps one after another, one per showing of a modal dialog.
void EachShowing(std::vector<std::function<void(QWidget&)>> steps) {
    if (steps.empty()) return;
    auto first = steps.front();
    steps.erase(steps.begin());
    test::WhenDialogShows([first, steps](QWidget& dialog) {
        EachShowing(steps);
        first(dialog);
    });
}

}  // namespace

class SpellingWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // A replacement may make a clue longer; Ignore All answers the second occurrence without
    // asking; the notice names the language.
    void SuggestionsReplaceAndIgnoreAll() {
        test::FormFixture f;
        OpenEditor o(f, true);
        f.context.state.settings.dictionary = 1;
        TWordList& editor = o.editor;
        QTableWidget* grid = o.grid;
        o.Type(0, 3, "A brid that hoots");
        o.Type(1, 3, "Sparow owl, not a brid");
        o.Type(2, 3, "Sparow again");
        QStringList seen;
        EachShowing({
            [&](QWidget& d) {
                QCOMPARE(d.windowTitle(), QString("Spelling Suggestions"));
                QCOMPARE(test::Control<QLabel>(d, "Notice")->text(),
                         QString("The following word was not found in the American dictionary.  Suggestions are listed below."));
                seen << test::Control<QLineEdit>(d, "TheWord")->text();
                QCOMPARE(test::Control<QListWidget>(d, "SuggestBox")->currentRow(), 0);
                Press(d, "ReplaceButton", "bride");
            },
            [&](QWidget& d) {
                seen << test::Control<QLineEdit>(d, "TheWord")->text();
                Press(d, "IgnoreAllButton");
            },
            [&](QWidget& d) {
                seen << test::Control<QLineEdit>(d, "TheWord")->text();
                // The word edited by hand is the replacement.
                test::Control<QListWidget>(d, "SuggestBox")->setCurrentRow(-1);
                test::Control<QListWidget>(d, "SuggestBox")->clearSelection();
                test::Control<QLineEdit>(d, "TheWord")->setText("birdie");
                Press(d, "ReplaceButton");
            },
        });
        test::Control<QPushButton>(editor, "SpellClue")->click();
        QCOMPARE(seen, (QStringList{"brid", "Sparow", "brid"}));
        QCOMPARE(grid->item(0, 3)->text(), QString("A bride that hoots"));
        QCOMPARE(grid->item(1, 3)->text(), QString("Sparow owl ,  not a birdie"));
        QCOMPARE(grid->item(2, 3)->text(), QString("Sparow again"));  // ignored: as typed
        QCOMPARE(f.prompter->said.back().text, std::string("Spell checking complete."));
    }

    // "&Add" stores the word in the include list: the next check accepts it, also after the
    // program is started again (the list is a file).
    void AnAddedWordIsAcceptedNextTime() {
        test::FormFixture f;
        {
            OpenEditor o(f, true);
            o.Type(0, 3, "Quernfold");
            EachShowing({[](QWidget& d) { Press(d, "AddButton"); }});
            test::Control<QPushButton>(o.editor, "SpellClue")->click();
            QCOMPARE(f.prompter->said.back().text, std::string("Spell checking complete."));
        }
        QVERIFY(LoadUserWordList(f.dir.File("IncEngl.tlx")) == std::vector<std::string>{"Quernfold"});
        OpenEditor again(f, true);
        again.Type(0, 3, "Quernfold");
        test::Control<QPushButton>(again.editor, "SpellClue")->click();  // no dialog may show
        QCOMPARE(f.prompter->said.back().text, std::string("All words were found in the dictionary."));
    }

    // With "choose at check time": Cancel checks nothing and keeps 9; Ok checks in the picked
    // language (the suggestions speak of it) and keeps 9.
    void TheLanguageIsChosenAtCheckTime() {
        test::FormFixture f;
        OpenEditor o(f, true);
        f.context.state.settings.dictionary = 9;
        f.context.state.settings.userDictionary = 2;
        TWordList& editor = o.editor;
        o.Type(0, 3, "colour brid");
        EachShowing({[](QWidget& d) {
            QCOMPARE(d.windowTitle(), QString("Spell Check"));
            QVERIFY(test::Control<QRadioButton>(d, "Language2")->isChecked());
            test::Control<QPushButton>(d, "CancelButton")->click();
        }});
        test::Control<QPushButton>(editor, "SpellClue")->click();
        QVERIFY(f.prompter->said.empty());
        QCOMPARE(f.context.state.settings.dictionary, 9);

        QString notice;
        EachShowing({[](QWidget& d) { test::Control<QPushButton>(d, "OkButton")->click(); },
                     [&](QWidget& d) {
                         notice = test::Control<QLabel>(d, "Notice")->text();
                         Press(d, "AbortButton");
                     }});
        test::Control<QPushButton>(editor, "SpellClue")->click();
        QVERIFY(notice.contains("British dictionary"));  // "colour" passed, "brid" did not
        QCOMPARE(f.prompter->said.back().text, std::string("Spell checking aborted."));
        QCOMPARE(f.context.state.settings.dictionary, 9);
        QCOMPARE(f.context.state.settings.userDictionary, 2);
    }

    // The synonym goes into the Clue cell of the row the lookup started on, even after other
    // words were looked up; Abort changes nothing.
    void TheThesaurusReplacesTheCluOfItsRow() {
        test::FormFixture f;
        OpenEditor o(f, false, [](PuzzleRecord& p) { p.Word(2) = "bright"; });
        auto& [e, editor, grid] = o;
        test::ClickCell(*grid, 1, 3);
        EachShowing({[](QWidget& d) {
            QCOMPARE(d.windowTitle(), QString("Thesaurus Lookup"));
            QCOMPARE(test::Control<QLineEdit>(d, "TheWord")->text(), QString("bright"));
            auto* categories = test::Control<QListWidget>(d, "CatBox");
            QCOMPARE(categories->item(0)->text(), QString("bright (adjective)"));
            QVERIFY(!test::Control<QListWidget>(d, "AntBox")->findItems("dull (adjective)", Qt::MatchExactly).isEmpty());
            // Another word looked up on the way.
            test::Control<QLineEdit>(d, "TheWord")->setText("amble");
            test::Control<QPushButton>(d, "LookUpButton")->click();
            QCOMPARE(categories->count(), 2);
            auto* synonyms = test::Control<QListWidget>(d, "DefBox");
            QVERIFY(synonyms->count() > 0);
            synonyms->setCurrentRow(synonyms->count() - 1);
            test::Control<QPushButton>(d, "AcceptButton")->click();
        }});
        QString expected;
        test::Control<QPushButton>(editor, "Thes")->click();
        QVERIFY(grid->item(1, 3)->text() != "clue SNOWY");
        QCOMPARE(grid->item(0, 3)->text(), QString("clue BARN"));
        QCOMPARE(grid->item(2, 3)->text(), QString("clue TAWNY"));
        QCOMPARE(grid->item(1, 2)->text(), QString("bright"));  // the word is not changed
        expected = grid->item(1, 3)->text();

        test::ClickCell(*grid, 0, 3);
        EachShowing({[](QWidget& d) { test::Control<QPushButton>(d, "AbortButton")->click(); }});
        test::Control<QPushButton>(editor, "Thes")->click();
        QCOMPARE(grid->item(0, 3)->text(), QString("clue BARN"));
        QCOMPARE(grid->item(1, 3)->text(), expected);
    }

    void ThesaurusMessages() {
        test::FormFixture f;
        OpenEditor o(f, false, [](PuzzleRecord& p) { p.Word(1) = ""; });
        auto& [e, editor, grid] = o;
        test::ClickCell(*grid, 0, 3);
        EachShowing({[&](QWidget& d) {
            // An empty word is not in the thesaurus; Suggest has nothing for it either.
            QCOMPARE(f.prompter->said.back().text,
                     std::string("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
            QVERIFY(!test::Control<QPushButton>(d, "AcceptButton")->isEnabled());
            test::Control<QLineEdit>(d, "TheWord")->setText("qqqqzz");
            test::Control<QPushButton>(d, "SuggestButton")->click();
            QCOMPARE(f.prompter->said.back().text, std::string("No suggestions found for the word qqqqzz."));
            test::Control<QPushButton>(d, "AbortButton")->click();
        }});
        test::Control<QPushButton>(editor, "Thes")->click();
        QCOMPARE(grid->item(0, 3)->text(), QString("clue BARN"));

        // With "choose" and Cancel no lookup happens and the setting stays 3.
        f.context.state.settings.thesaurus = 3;
        const std::size_t said = f.prompter->said.size();
        EachShowing({[](QWidget& d) {
            QCOMPARE(d.windowTitle(), QString("Thesaurus"));
            test::Control<QPushButton>(d, "CancelButton")->click();
        }});
        test::Control<QPushButton>(editor, "Thes")->click();
        QCOMPARE(f.prompter->said.size(), said);
        QCOMPARE(f.context.state.settings.thesaurus, 3);
    }

    // The include list shown sorted; add, delete and Ok write exactly the words shown;
    // Cancel writes nothing.
    void DictionaryMaintenanceKeepsTheListFile() {
        test::FormFixture f;
        const std::string path = f.dir.File("ExcEngl.tlx");
        QVERIFY(SaveUserWordList(path, UserListMode::Exclude, 1033, {"zebu", "aardvark"}));
        {
            TMyEditBox box(f.context.Look(), {UserListMode::Exclude, path, "American", 1033}, *f.prompter);
            box.show();
            QCOMPARE(test::Control<QLabel>(box, "Heading")->text(),
                     QString("These words will be excluded from the  American dictionary and will be invalid."));
            auto* list = test::Control<QListWidget>(box, "ListBox1");
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->item(0)->text(), QString("aardvark"));
            QCOMPARE(list->currentRow(), 0);
            test::Control<QLineEdit>(box, "Edit1")->setText("  moose ");
            test::Control<QPushButton>(box, "AddButton")->click();
            QCOMPARE(list->item(1)->text(), QString("moose"));
            QVERIFY(test::Control<QLineEdit>(box, "Edit1")->text().isEmpty());
            list->setCurrentRow(2);
            test::Control<QPushButton>(box, "DeleteButton")->click();  // the last: the one before it is selected
            QCOMPARE(list->count(), 2);
            QCOMPARE(list->currentRow(), 1);
            test::Control<QPushButton>(box, "CancelButton")->click();
        }
        QVERIFY((LoadUserWordList(path) == std::vector<std::string>{"zebu", "aardvark"}));
        TMyEditBox box(f.context.Look(), {UserListMode::Exclude, path, "American", 1033}, *f.prompter);
        box.show();
        test::Control<QPushButton>(box, "DeleteButton")->click();
        test::Control<QPushButton>(box, "DeleteButton")->click();
        test::Control<QPushButton>(box, "OkButton")->click();
        QVERIFY(!box.isVisible());
        QVERIFY(LoadUserWordList(path).empty());
        QVERIFY(QFileInfo::exists(QString::fromStdString(path)));  // an empty list file stays
    }

    // F5 types ñ (code 241 by default) into a grid cell being edited and into a line edit.
    void FunctionKeysTypeTheirCharacters() {
        test::FormFixture f;
        test::EditorOnDisk e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        QApplication::setActiveWindow(&editor);
        auto* grid = GridOf(editor);
        grid->setCurrentCell(5, 2);
        grid->editItem(grid->item(5, 2));
        auto* cell = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(cell);
        QTest::keyClicks(cell, "ni");
        QTest::keyClick(cell, Qt::Key_F5);
        QTest::keyClicks(cell, "o");
        QCOMPARE(cell->text(), QString::fromUtf8("niño"));
        grid->setCurrentCell(6, 2);  // leaving the cell keeps its text
        QCOMPARE(grid->item(5, 2)->text(), QString::fromUtf8("niño"));

        auto* title = test::Control<QLineEdit>(editor, "Title");
        title->setFocus();
        title->clear();
        f.context.state.settings.intKeys[2] = "0237";
        QTest::keyClick(title, Qt::Key_F3);
        QCOMPARE(title->text(), QString::fromUtf8("í"));
    }

    void TheKeyDialogShowsAndStoresTheSettings() {
        test::FormFixture f;
        std::array<std::string, kIntKeyCount> keys = f.context.state.settings.intKeys;
        keys[0] = "0100";
        TDoIntChars dialog(f.context.Look(), keys);
        dialog.show();
        auto* f1 = test::Control<QComboBox>(dialog, "IntKey1");
        QCOMPARE(f1->count(), 64);
        QCOMPARE(f1->currentText(), QString::fromUtf8("À"));  // a value outside 192..255
        QCOMPARE(test::Control<QComboBox>(dialog, "IntKey3")->currentText(), QString::fromUtf8("í"));
        test::Control<QComboBox>(dialog, "IntKey12")->setCurrentIndex(255 - 192);
        const auto chosen = dialog.Keys();
        QCOMPARE(chosen[0], std::string("0192"));
        QCOMPARE(chosen[11], std::string("0255"));
        QCOMPARE(chosen[4], std::string("0241"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::SpellingWindowsTest)
#include "SpellingWindowsTest.moc"
