// The word list editor's import and export windows, on real files.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/forms/Import.h"
#include "editor/forms/MyExport.h"
#include "editor/forms/WordList.h"
#include "support/forms/FormFixture.h"
#include "support/forms/WordToolsFixture.h"

namespace qf {

class WordToolsTest : public QObject {
    Q_OBJECT
private slots:
    // CR LF, LF only, no last line end, blank lines, blanks around, a line past 255 characters
    // and UTF-8 accents: the list holds exactly the trimmed entries, sorted.
    void ImportListsTheFilesLinesAndFillsTheEditorsFreeRows() {
        test::FormFixture f;
        const std::string path = f.dir.File("words.txt");
        test::WriteFile(path, "  pear  \r\n\r\napple:a fruit\n   \n" + std::string(300, 'z') + "\ncaf\xC3\xA9:a drink");
        f.chooser->Answers().push_back(path);
        test::EditorOnDisk e(f, true);
        TWordList editor(*e.inputs);
        editor.show();
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        f.context.state.settings.importOption = 3;
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Import"));
            QVERIFY(!test::Control<QPushButton>(dialog, "OkButton")->isEnabled());
            QVERIFY(test::Control<QRadioButton>(dialog, "AsWordsAndClues")->isChecked());
            QVERIFY(test::Control<QLineEdit>(dialog, "SepChar")->isVisible());
            test::Control<QPushButton>(dialog, "OpenFile")->click();
            QCOMPARE(f.chooser->requests.back().title, std::string("Import Word/Clue List"));
            QCOMPARE(f.chooser->requests.back().filter, std::string("text (*.txt)|*.txt|all files (*.*)|*.*"));
            auto* list = test::Control<QListWidget>(dialog, "ListBox1");
            QCOMPARE(list->count(), 4);
            QCOMPARE(list->item(0)->text(), QString("apple:a fruit"));
            QCOMPARE(list->item(1)->text(), QString::fromUtf8("café:a drink"));
            QCOMPARE(list->item(2)->text(), QString("pear"));
            QCOMPARE(list->item(3)->text(), QString(255, 'z'));
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(test::Control<QPushButton>(dialog, "OkButton")->isEnabled());
            // Each click toggles one item.
            for (int row : {0, 1, 2, 2, 2})
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
            QCOMPARE(list->selectedItems().size(), 3);
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        test::Control<QPushButton>(editor, "ImportClue")->click();
        QCOMPARE(f.context.state.settings.lastImportWordFile, path);
        // Rows 1..3 hold the stored words; the free rows 4, 5, 6 take the items in list order.
        QCOMPARE(grid->item(3, 2)->text(), QString("apple"));
        QCOMPARE(grid->item(3, 3)->text(), QString("a fruit"));
        QCOMPARE(grid->item(4, 2)->text(), QString::fromUtf8("café"));
        QCOMPARE(grid->item(5, 2)->text(), QString("pear"));
        QCOMPARE(grid->item(5, 3)->text(), QString(""));
        QCOMPARE(grid->item(6, 2)->text(), QString(""));
    }

    void ImportRefusalsLeaveTheGridAlone() {
        test::FormFixture f({Answer::No});
        EditorGrid grid;
        for (int r = 0; r < 199; ++r) grid.words[static_cast<std::size_t>(r)] = "W" + std::to_string(r);
        const std::string path = f.dir.File("two.txt");
        test::WriteFile(path, "ONE\nTWO\n");
        f.chooser->Answers() = {f.dir.File("missing.txt"), path};
        f.context.state.settings.importOption = 1;
        TImport dialog(f.context.Look(), grid, f.context.state.settings, *f.prompter, *f.chooser);
        dialog.show();
        QVERIFY(!test::Control<QLineEdit>(dialog, "SepChar")->isVisible());
        test::Control<QPushButton>(dialog, "OpenFile")->click();
        QCOMPARE(f.prompter->said.back().text, std::string("Unable to open import file."));
        QVERIFY(!test::Control<QPushButton>(dialog, "SelectAll")->isEnabled());
        test::Control<QPushButton>(dialog, "OpenFile")->click();
        test::Control<QPushButton>(dialog, "SelectAll")->click();
        // 199 words and 2 items: the singular, and No keeps the dialog open and the grid as it was.
        test::Control<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(f.prompter->asked.back().text, std::string("Too many words selected.  Last word will not be used.  Continue?"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Grid().words[199], std::string());

        // Kind 3 with a blank separator: refused, focus to the separator, the setting kept.
        test::Control<QRadioButton>(dialog, "AsWordsAndClues")->click();
        QCOMPARE(f.context.state.settings.importOption, 3);
        QVERIFY(test::Control<QLineEdit>(dialog, "SepChar")->isVisible());
        test::Control<QLineEdit>(dialog, "SepChar")->setText(" ");
        QCOMPARE(f.context.state.settings.sepChar, ' ');
        test::Control<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(f.prompter->said.back().text, std::string("No word/clue seperator character specified."));
        QVERIFY(dialog.isVisible());
        test::Control<QLineEdit>(dialog, "SepChar")->clear();
        QCOMPARE(f.context.state.settings.sepChar, ' ');  // an emptied edit leaves the setting
    }

    void ExportWritesTheSelectedEntriesWithCrLf() {
        test::FormFixture f;
        EditorGrid grid;
        grid.words = {};
        grid.words[0] = "OWL";
        grid.clues[0] = "hoots";
        grid.used[0] = true;
        grid.words[1] = "EMU";
        grid.words[2] = "KIWI";
        grid.clues[2] = "flightless";
        grid.used[2] = true;
        const std::string path = f.dir.File("out.txt");
        test::WriteFile(path, "old");
        f.chooser->Answers() = {f.dir.File("no/folder/x.txt"), path};
        f.context.state.settings.exportOption = 3;
        TMyExport dialog(f.context.Look(), grid, false, f.context.state.settings, *f.prompter, *f.chooser);
        dialog.show();
        auto* list = test::Control<QListWidget>(dialog, "ListBox1");
        auto* save = test::Control<QPushButton>(dialog, "SaveFile");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QString("EMU") + QString(28, ' ') + ": ");
        QVERIFY(!save->isEnabled());
        // The separator edit refills the list at once and is stored.
        test::Control<QLineEdit>(dialog, "SepChar")->setText("=");
        QCOMPARE(list->item(0)->text(), QString("EMU") + QString(28, ' ') + "= ");
        QCOMPARE(f.context.state.settings.sepChar, '=');
        test::Control<QPushButton>(dialog, "SelectUsed")->click();
        QVERIFY(save->isEnabled());
        QCOMPARE(list->selectedItems().size(), 2);
        save->click();  // the first file cannot be created: the message, the dialog stays
        QCOMPARE(f.prompter->said.back().text, std::string("Unable to create export file."));
        QCOMPARE(test::ReadFileText(path), std::string("old"));
        QVERIFY(dialog.isVisible());
        save->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(test::ReadFileText(path), "KIWI" + std::string(27, ' ') + "= flightless\r\nOWL" +
                                               std::string(28, ' ') + "= hoots\r\n");
        QCOMPARE(f.chooser->requests.back().title, std::string("Save Word/Clue List"));
        QVERIFY(f.chooser->requests.back().confirmOverwrite);
    }

    void ExportKindsAndNothingSelected() {
        test::FormFixture f;
        EditorGrid grid;
        grid.words[0] = "OWL";
        grid.words[1] = "EMU";
        grid.clues[1] = "runs";
        f.context.state.settings.exportOption = 1;
        TMyExport dialog(f.context.Look(), grid, true, f.context.state.settings, *f.prompter, *f.chooser);
        dialog.show();
        QVERIFY(!test::Control<QPushButton>(dialog, "SelectUsed")->isEnabled());  // a new puzzle
        QVERIFY(!test::Control<QLineEdit>(dialog, "SepChar")->isVisible());
        auto* list = test::Control<QListWidget>(dialog, "ListBox1");
        QCOMPARE(list->count(), 2);
        test::Control<QRadioButton>(dialog, "AsClues")->click();
        QCOMPARE(f.context.state.settings.exportOption, 2);
        QCOMPARE(list->count(), 1);  // a word without a clue is no clue
        test::Control<QPushButton>(dialog, "SelectAll")->click();
        test::Control<QPushButton>(dialog, "Clear")->click();
        QVERIFY(!test::Control<QPushButton>(dialog, "SaveFile")->isEnabled());
        test::Control<QPushButton>(dialog, "SaveFile")->setEnabled(true);
        test::Control<QPushButton>(dialog, "SaveFile")->click();
        QCOMPARE(f.prompter->said.back().text,
                 std::string("No words/clues selected for output.  Please select the desired words/clues."));
        QVERIFY(f.chooser->requests.empty());
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordToolsTest)
#include "WordToolsTest.moc"
