// The word list editor's import of a crossword made elsewhere: its answers go in with their
// clues whatever kind is chosen; a damaged file is refused and the list stays as it was.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/CrosswordEntries.h"
#include "collections/CollectionFixtures.h"
#include "editor/forms/Import.h"
#include "support/forms/FormFixture.h"
#include "support/TempDir.h"

namespace qf {

namespace {

constexpr const char* kBirds =
    "Title: Birds\n\n\n"
    "OWL\n"
    "#M#\n"
    "#U#\n\n\n"
    "A1. It hoots: at night ~ OWL\n\n"
    "D2. Flightless bird ~ EMU\n";

}  // namespace

class ImportCrosswordTest : public QObject {
    Q_OBJECT
private slots:
    void ACrosswordFillsWordsAndCluesAndADamagedOneChangesNothing() {
        test::FormFixture f;
        const std::string text = f.dir.File("list.txt");
        const std::string good = f.dir.File("birds.xd");
        const std::string bad = f.dir.File("broken.xd");
        test::WriteFile(text, "PEAR\n");
        test::WriteFile(good, kBirds);
        test::WriteFile(bad, "Title: nothing else\n");
        f.chooser->Answers() = {good, bad, text};
        f.context.state.settings.importOption = 1;  // words only: a crossword takes its clues all the same
        EditorGrid grid;
        TImport dialog(f.context.Look(), grid, f.context.state.settings, *f.prompter, *f.chooser,
                       ReadCrosswordEntries);
        dialog.show();
        auto* list = test::Control<QListWidget>(dialog, "ListBox1");
        auto* open = test::Control<QPushButton>(dialog, "OpenFile");

        open->click();
        QCOMPARE(f.chooser->requests.back().filter,
                 std::string("text (*.txt)|*.txt|crosswords (*.ipuz *.puz *.xd)|*.ipuz;*.puz;*.xd|all files (*.*)|*.*"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("EMU  Flightless bird"));
        QCOMPARE(list->item(1)->text(), QString("OWL  It hoots: at night"));
        QVERIFY(test::Control<QRadioButton>(dialog, "AsWordsAndClues")->isChecked());
        QVERIFY(!test::Control<QRadioButton>(dialog, "AsWords")->isEnabled());
        QVERIFY(!test::Control<QLineEdit>(dialog, "SepChar")->isVisible());

        // A damaged crossword: refused with its message, the list of the good one kept.
        open->click();
        QVERIFY(QString::fromStdString(f.prompter->said.back().text).startsWith("Unable to read the crossword file: "));
        QCOMPARE(list->count(), 2);

        list->selectAll();
        test::Control<QPushButton>(dialog, "OkButton")->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Grid().words[0], std::string("EMU"));
        QCOMPARE(dialog.Grid().clues[0], std::string("Flightless bird"));
        QCOMPARE(dialog.Grid().words[1], std::string("OWL"));
        QCOMPARE(dialog.Grid().clues[1], std::string("It hoots: at night"));  // the clue's colon stays
        QCOMPARE(f.context.state.settings.importOption, 1);                  // the user's kind kept

        // A text list afterwards is read by the chosen kind again.
        TImport again(f.context.Look(), grid, f.context.state.settings, *f.prompter, *f.chooser,
                      ReadCrosswordEntries);
        again.show();
        test::Control<QPushButton>(again, "OpenFile")->click();
        QCOMPARE(test::Control<QListWidget>(again, "ListBox1")->item(0)->text(), QString("PEAR"));
        QVERIFY(test::Control<QRadioButton>(again, "AsWords")->isEnabled());
        QVERIFY(test::Control<QRadioButton>(again, "AsWords")->isChecked());
    }
};

}  // namespace qf

QTEST_MAIN(qf::ImportCrosswordTest)
#include "ImportCrosswordTest.moc"
