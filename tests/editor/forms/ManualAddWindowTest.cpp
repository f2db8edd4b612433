// Manual word addition on a built puzzle stored in a collection: typing, refusals, the clues
// asked, the write, and Cancel leaving the file alone.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <tuple>

#include "collections/CollectionFile.h"
#include "editor/WordListRules.h"
#include "support/forms/ShapeFormFixtures.h"
#include "model/CandidateChoice.h"
#include "model/GenerationRun.h"
#include "model/PlacedWords.h"
#include "collections/CollectionFixtures.h"
#include "editor/ManualAddFixture.h"
#include "editor/forms/ManualAdd.h"
#include "editor/forms/WordList.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

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
        return {f.context.Look(), 1, *record, *working, 1, collection, f.context.state.settings, *f.prompter, std::move(ask),
                nullptr};
    }
    std::unique_ptr<PuzzleRecord> record, working;
    std::string path;
    CollectionModel collection;
};

// A real generated puzzle that left words out: FUZZY and JUJU share no letter with the rest.
std::unique_ptr<PuzzleRecord> GeneratedLeavingWordsOut() {
    const ShapeRecord shape = test::FullShape("Square", 13, 13);
    auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    working->title = "Garden";
    working->category = "Nature";
    working->width = working->height = 13;
    const char* words[] = {"LANTERN", "ORCHARD", "MEADOW", "GARDEN", "CANDLE", "RIVER", "FUZZY", "JUJU"};
    for (int i = 1; i <= 8; ++i) {
        working->Word(i) = words[i - 1];
        working->Clue(i) = std::string("clue of ") + words[i - 1];
    }
    working->wordCount = 8;
    RunResults results;
    BuildPuzzles(*working, shape, {20, false, false, 7, 1}, results);
    TakeCandidate(results, 1, *working);
    if (working->wordCount != 6 || working->Word(7).Empty() || working->Word(8).Empty()) qFatal("no left-out words");
    return working;
}

// A blank cell where one letter makes exactly one new word.
int CellMakingOneWord(const PuzzleRecord& r) {
    const ManualAddGrid grid = ManualAddGrid::Of(r);
    for (int k = 1; k <= kGridCells; ++k) {
        if (!grid.Editable(k)) continue;
        auto trial = std::make_unique<PuzzleRecord>(r);
        trial->Cell(k) = 'E';
        if (FindNewWords(*trial).size() == 1) return k;
    }
    qFatal("no cell makes a word");
    return 0;
}

struct SlotView {
    std::string word, clue;
    bool inGrid = false;
    int start = 0, letters = 0, across = 0;
    bool operator<(const SlotView& o) const { return std::tie(word, clue) < std::tie(o.word, o.clue); }
};
std::vector<SlotView> SlotsWithWords(const PuzzleRecord& r) {
    std::vector<SlotView> views;
    for (std::size_t i = 0; i < kMaxWords; ++i)
        if (!r.words[i].Empty())
            views.push_back({r.words[i].Str(), r.clues[i].Str(), r.inGrid[i] != 0, r.startCell[i], r.letterCount[i],
                             r.isAcross[i]});
    return views;
}

// Every slot before and after a word was added by hand: nothing stored is lost or changed, the
// placed words come first, and the page lists the placed words only, all inside the shape.
void CompareSlots(const PuzzleRecord& before, const PuzzleRecord& after, const std::string& added) {
    std::vector<SlotView> was = SlotsWithWords(before), now = SlotsWithWords(after);
    QCOMPARE(now.size(), was.size() + 1);
    const int placedBefore = PlacedWordCount(before);
    for (int i = 0; i < static_cast<int>(now.size()); ++i)
        QVERIFY2(now[static_cast<std::size_t>(i)].inGrid == (i < placedBefore + 1), "placed words first");
    std::sort(was.begin(), was.end());
    std::vector<SlotView> kept;
    for (const SlotView& v : now)
        if (v.clue != "new clue") kept.push_back(v);
        else QCOMPARE(v.word, added);
    std::sort(kept.begin(), kept.end());
    QCOMPARE(kept.size(), was.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        QCOMPARE(kept[i].word, was[i].word);
        QCOMPARE(kept[i].clue, was[i].clue);
        QCOMPARE(kept[i].inGrid, was[i].inGrid);
        if (!was[i].inGrid) continue;
        QCOMPARE(kept[i].start, was[i].start);
        QCOMPARE(kept[i].letters, was[i].letters);
        QCOMPARE(kept[i].across, was[i].across);
    }
    // What the page prints: the placed words, across and down, each starting on a letter.
    QCOMPARE(PlacedWordCount(after), placedBefore + 1);
    QCOMPARE(after.acrossCount + after.downCount, placedBefore + 1);
    for (std::size_t i = 0; i < static_cast<std::size_t>(PlacedWordCount(after)); ++i) {
        const int start = after.startCell[i];
        QVERIFY(start >= 1 && start <= kGridCells);
        QVERIFY(after.Cell(start) != kCellOutside && after.Cell(start) != kCellBlank);
    }
}

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
    // Once the new word took slot WordCount + 1 whatever it held (a left-out word and its clue
    // were lost), and on a puzzle saved from the editor the left-out words were numbered and
    // printed as clues, one of them outside the shape.
    void AWordAddedByHandKeepsEveryStoredWord() {
        for (const bool savedFromEditor : {false, true}) {
            test::FormFixture f;
            auto generated = GeneratedLeavingWordsOut();
            if (savedFromEditor) SetValues(TextsOfRecord(*generated), GridOfRecord(*generated), *generated);
            QCOMPARE(generated->wordCount, std::int16_t(savedFromEditor ? 8 : 6));
            const std::string path = f.dir.File("GARDEN.QF3");
            if (!AppendPuzzle(path, *generated).IsDone()) qFatal("fixture not written");
            CollectionModel collection;
            collection.Open(path);
            auto working = std::make_unique<PuzzleRecord>(*generated);
            f.context.state.settings.caseSensitivity = 1;
            TManualAdd dialog({f.context.Look(), 1, *generated, *working, 0, collection, f.context.state.settings,
                               *f.prompter, [](const std::string&) { return std::string("new clue"); }, nullptr});
            dialog.show();
            const int cell = CellMakingOneWord(*generated);
            Type(dialog, cell, "e");
            auto trial = std::make_unique<PuzzleRecord>(*generated);
            trial->Cell(cell) = 'E';
            const std::string added = FindNewWords(*trial).at(0).letters;
            test::Control<QPushButton>(dialog, "OkButton")->click();
            QVERIFY(dialog.Stored());
            auto read = std::make_unique<PuzzleRecord>();
            QVERIFY(ReadPuzzle(path, 0, *read, "").IsDone());
            CompareSlots(*generated, *read, added);
        }
    }

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

    // From the editor (modify mode): the added word takes its row and every row follows its word
    // to the slot the numbering gave it; a clue typed and not yet saved stays (it was once
    // replaced by the stored one).
    void TheEditorKeepsItsUnsavedEditsAndTakesTheAddedWord() {
        test::FormFixture f;
        Stored s(f);
        WordListInputs inputs{f.context.Look(), false, kCaptionModify, 1, *s.working, f.context.state.settings,
                              f.context.state.currentShape, f.context.state.lastRun, s.collection, *f.prompter,
                              *f.chooser, f.dir.File("QFFLAY.DAT"), false, false, {}, {}};
        TWordList editor(inputs);
        QVERIFY(test::ShowActive(editor));
        auto* grid = test::Control<QTableWidget>(editor, "WordsCluesGrid");
        // Typed into row 2's clue, the cell still open when Add Words is pressed by its letter.
        test::Walk(editor, "<Tab>|<Tab>|<Tab>|<Ctrl+A>|typed but not saved");
        test::WhenDialogShows([](QWidget& shown) {
            auto& dialog = static_cast<TManualAdd&>(shown);
            QCOMPARE(dialog.Edited().Clue(2).Str(), std::string("On a foot"));  // the record as opened
            Type(dialog, 105, "x");  // OX across, after TOE's O
            test::WhenDialogShows([](QWidget& clue) {
                QTest::keyClicks(test::Control<QLineEdit>(clue, "TheClue"), "Pulls a cart");
                test::Control<QPushButton>(clue, "OkButton")->click();
            });
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        test::Walk(editor, "<Alt+W>");
        // OX is the second across word: it takes row 2 and TOE moves down with its typed clue.
        QCOMPARE(grid->item(0, 2)->text(), QString("Cat"));
        QCOMPARE(grid->item(0, 3)->text(), QString("Purrs"));
        QCOMPARE(grid->item(1, 2)->text(), QString("Ox"));
        QCOMPARE(grid->item(1, 3)->text(), QString("Pulls a cart"));
        QCOMPARE(grid->item(1, 1)->text(), QString("x"));
        QCOMPARE(grid->item(2, 2)->text(), QString("Toe"));
        QCOMPARE(grid->item(2, 3)->text(), QString("typed but not saved"));
        // The collection holds what was stored, not the unsaved edit.
        auto read = std::make_unique<PuzzleRecord>();
        QVERIFY(ReadPuzzle(s.path, 1, *read, "").IsDone());
        QCOMPARE(read->Clue(3).Str(), std::string("On a foot"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::ManualAddWindowTest)
#include "ManualAddWindowTest.moc"
