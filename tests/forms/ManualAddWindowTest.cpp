// Manual word addition on a built puzzle stored in a collection: typing, refusals, the clues
// asked, the write, and Cancel leaving the file alone.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "editor/ManualAddFixture.h"
#include "editor/forms/ManualAdd.h"
#include "editor/forms/WordList.h"
#include "forms/FormFixture.h"

namespace qf {
namespace {

struct Stored {
    explicit Stored(test::FormFixture& f) : record(test::CatAndToe()), working(test::CatAndToe()) {
        path = f.dir.File("PETS.QF3");
        test::WriteCollection(path, {{"Animals", "Dogs"}, {"Animals", "Pets"}});
        if (!WritePuzzle(path, 1, *record).IsDone()) qFatal("fixture not written");
        collection.Open(path);
    }
    ManualAddInputs Inputs(test::FormFixture& f, ClueAsker ask) {
        return {f.context.Look(), 1, *record, *working, 1, collection, f.context.state.settings, *f.prompter, std::move(ask)};
    }
    std::unique_ptr<PuzzleRecord> record, working;
    std::string path;
    CollectionModel collection;
};

void ClickCell(TManualAdd& dialog, int cell) {
    QWidget* image = test::Control<QWidget>(dialog, "PuzzImage1");
    QTest::mouseClick(image, Qt::LeftButton, {}, dialog.CellCentre(cell));
}

void Type(TManualAdd& dialog, int cell, const char* letter) {
    ClickCell(dialog, cell);
    QTest::keyClicks(test::Control<QLineEdit>(dialog, "TheLetter"), letter);
    test::Control<QPushButton>(dialog, "AcceptButton")->click();
}

}  // namespace

class ManualAddWindowTest : public QObject {
    Q_OBJECT
private slots:
    void ALetterMakingAnAcrossAndADownWordAsksTwiceAcrossFirst() {
        test::FormFixture f;
        Stored s(f);
        f.context.state.settings.caseSensitivity = 2;
        std::vector<std::string> asked;
        TManualAdd dialog(s.Inputs(f, [&](const std::string& word) {
            asked.push_back(word);
            return " clue of " + word + " ";
        }));
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("Manual Word Addition"));
        auto* letter = test::Control<QLineEdit>(dialog, "TheLetter");
        QVERIFY(letter->isHidden());
        QCOMPARE(letter->maxLength(), 1);
        Type(dialog, 3, "x");
        Type(dialog, 2, "y");
        QCOMPARE(dialog.Edited().Cell(2), std::uint8_t('Y'));
        test::Control<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(asked, (std::vector<std::string>{"YX", "YC", "XA"}));
        QVERIFY(dialog.Stored());
        // The record in the collection: renumbered, lower case, clues trimmed.
        auto read = std::make_unique<PuzzleRecord>();
        QVERIFY(ReadPuzzle(s.path, 1, *read, "").IsDone());
        QCOMPARE(read->wordCount, std::int16_t(5));
        QCOMPARE(read->acrossCount, std::int16_t(2));
        QCOMPARE(read->Word(1).Str(), std::string("yx"));
        QCOMPARE(read->Clue(1).Str(), std::string("clue of YX"));
        QCOMPARE(read->number[0], std::int16_t(1));
        QCOMPARE(read->Word(2).Str(), std::string("Cat"));
        QCOMPARE(read->Word(3).Str(), std::string("yc"));
        QCOMPARE(read->number[2], std::int16_t(1));  // shares the cell of YX
        QCOMPARE(read->Word(4).Str(), std::string("xa"));
        QCOMPARE(read->number[3], std::int16_t(2));
        QCOMPARE(read->Cell(3), std::uint8_t('X'));
        QCOMPARE(s.working->wordCount, std::int16_t(5));  // the main window's record too
    }

    void ProtectedCellsAndWrongLettersAreRefused() {
        test::FormFixture f;
        Stored s(f);
        TManualAdd dialog(s.Inputs(f, [](const std::string&) { return std::string(); }));
        dialog.show();
        auto* letter = test::Control<QLineEdit>(dialog, "TheLetter");
        ClickCell(dialog, 55);  // just after CAT
        QVERIFY(letter->isHidden());
        ClickCell(dialog, 52);  // a letter of the grid
        QVERIFY(letter->isHidden());
        ClickCell(dialog, 105);
        QVERIFY(!letter->isHidden());
        QVERIFY(test::Control<QPushButton>(dialog, "AcceptButton")->isEnabled());
        QTest::keyClicks(letter, "7");
        test::Control<QPushButton>(dialog, "AcceptButton")->click();
        QCOMPARE(f.prompter->said.back().text, std::string("Puzzle letter must be between A and Z."));
        QCOMPARE(f.prompter->said.back().caption, std::string("Error"));
        QVERIFY(!letter->isHidden());
        QCOMPARE(dialog.Edited().Cell(105), kCellBlank);
        // A press elsewhere finishes the letter first, and is ignored while it is refused.
        ClickCell(dialog, 1);
        QCOMPARE(f.prompter->said.size(), std::size_t(2));
        QVERIFY(!letter->isHidden());
        letter->setText("k");
        ClickCell(dialog, 1);
        QCOMPARE(dialog.Edited().Cell(105), std::uint8_t('K'));
        // Reject blanks the cell being edited again.
        ClickCell(dialog, 1);
        test::Control<QPushButton>(dialog, "RejectButton")->click();
        QCOMPARE(dialog.Edited().Cell(1), kCellBlank);
        ClickCell(dialog, 105);
        test::Control<QPushButton>(dialog, "RejectButton")->click();
        QCOMPARE(dialog.Edited().Cell(105), kCellBlank);
        // Everything rejected: nothing new.
        const std::string before = test::ReadFileText(s.path);
        test::Control<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(f.prompter->said.back().text, std::string("No changes to the puzzle were detected."));
        QCOMPARE(f.prompter->said.back().caption, std::string("Notice"));
        QVERIFY(!dialog.Stored());
        QVERIFY(test::ReadFileText(s.path) == before);
    }

    void CancelLeavesTheCollectionByteForByte() {
        test::FormFixture f;
        Stored s(f);
        const std::string before = test::ReadFileText(s.path);
        TManualAdd dialog(s.Inputs(f, [](const std::string&) { return std::string("never"); }));
        dialog.show();
        Type(dialog, 105, "s");
        test::Control<QPushButton>(dialog, "CancelButton")->click();
        QVERIFY(!dialog.Stored());
        QVERIFY(test::ReadFileText(s.path) == before);
        QCOMPARE(s.working->wordCount, std::int16_t(2));
    }

    // TAddAClue: the word, an empty clue of at most 150, the case setting stored at once.
    void TheClueDialogStoresTheCaseAtOnce() {
        test::FormFixture f;
        f.context.state.settings.caseSensitivity = 3;
        TAddAClue ask(f.context.Look(), "OAK", f.context.state.settings);
        ask.show();
        QCOMPARE(ask.windowTitle(), QString("Add A Clue"));
        QCOMPARE(test::Control<QLabel>(ask, "MyWord")->text(), QString("OAK"));
        QVERIFY(test::Control<QRadioButton>(ask, "FirstCap")->isChecked());
        QCOMPARE(test::Control<QLineEdit>(ask, "TheClue")->maxLength(), 150);
        test::Control<QRadioButton>(ask, "UpperCase")->click();
        QCOMPARE(f.context.state.settings.caseSensitivity, 1);
    }

    // From the editor (modify mode): the added word and the stored clues replace rows 1..n.
    void TheEditorTakesTheStoredWordsBack() {
        test::FormFixture f;
        Stored s(f);
        WordListInputs inputs{f.context.Look(), false, kCaptionModify, 1, *s.working, f.context.state.settings,
                              f.context.state.currentShape, f.context.state.lastRun, s.collection, *f.prompter,
                              *f.chooser, f.dir.File("QFFLAY.DAT"), false, false, {}, {}};
        TWordList editor(inputs);
        editor.show();
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        grid->item(0, 3)->setText("typed but not saved");
        test::WhenDialogShows([](QWidget& shown) {
            auto& dialog = static_cast<TManualAdd&>(shown);
            QCOMPARE(dialog.Edited().Clue(1).Str(), std::string("Purrs"));  // the record as opened
            Type(dialog, 105, "x");
            test::WhenDialogShows([](QWidget& clue) {
                test::Control<QLineEdit>(clue, "TheClue")->setText("Hugs and kisses");
                test::Control<QPushButton>(clue, "OkButton")->click();
            });
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        test::Control<QPushButton>(editor, "AddWordsButton")->click();
        QCOMPARE(grid->item(0, 2)->text(), QString("Cat"));
        QCOMPARE(grid->item(0, 3)->text(), QString("Purrs"));
        QCOMPARE(grid->item(1, 2)->text(), QString("Ox"));
        QCOMPARE(grid->item(1, 3)->text(), QString("Hugs and kisses"));
        QCOMPARE(grid->item(1, 1)->text(), QString("x"));
        QCOMPARE(grid->item(2, 2)->text(), QString("Toe"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::ManualAddWindowTest)
#include "ManualAddWindowTest.moc"
