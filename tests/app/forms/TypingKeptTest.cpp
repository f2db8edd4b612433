// Typing is never lost: roads through the editing windows with the keys and clicks a typist
// uses, pressed at whatever control has the focus, and every way of leaving a window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>

#include "editor/WordListRules.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/Keyboard.h"
#include "layouts/PageDesign.h"
#include "layouts/forms/DoPages.h"
#include "shapes/ShapeDesign.h"
#include "shapes/forms/DoShapes.h"
#include "shapes/forms/ShapeCanvas.h"

Q_DECLARE_METATYPE(std::deque<qf::Answer>)

namespace qf {
namespace {

QStringList AskedTexts(const test::ScriptedPrompter& prompter) {
    QStringList texts;
    for (const Message& m : prompter.asked) texts << QString::fromStdString(m.text);
    return texts;
}

QStringList SaidTexts(const test::ScriptedPrompter& prompter) {
    QStringList texts;
    for (const Message& m : prompter.said) texts << QString::fromStdString(m.text);
    return texts;
}

}  // namespace

class TypingKeptTest : public QObject {
    Q_OBJECT
private slots:
    // Each road ends with the grid rows it must leave: "WORD/clue" for rows 1, 2, ...
    void TheGridTakesATypistFromCellToCell_data() {
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("road");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("category");
        QTest::newRow("title, category, words and clues by Tab")
            << true << "Owls|<Tab>|Birds|<Tab>|ONE|<Tab>|first|<Tab>|TWO|<Tab>|second|<Tab>"
            << QStringList{"ONE/first", "TWO/second", "/"} << "Birds";
        QTest::newRow("by Enter") << true << "<Tab>|<Tab>|ONE|<Enter>|first|<Enter>|TWO|<Enter>|second|<Enter>"
                                  << QStringList{"ONE/first", "TWO/second", "/"} << "";
        QTest::newRow("Backtab goes back to the word")
            << true << "<Tab>|<Tab>|ONE|<Tab>|first|<Backtab>|<End>|S|<Tab>|<Tab>|TWO|<Tab>"
            << QStringList{"ONES/first", "TWO/", "/"} << "";
        QTest::newRow("typing on a row number goes to the word")
            << true << "<click:2,0>|THREE|<Tab>|third|<Tab>" << QStringList{"/", "/", "THREE/third"} << "";
        QTest::newRow("typing on the U column goes to the word")
            << true << "<click:1,1>|TWO|<Enter>" << QStringList{"/", "TWO/", "/"} << "";
        QTest::newRow("a category is kept as typed, not completed")
            << true << "<Tab>|Bir|<Tab>|ONE|<Tab>" << QStringList{"ONE/", "/", "/"} << "Bir";
        QTest::newRow("nor changed to the case of a listed one")
            << true << "<Tab>|birds|<Tab>" << QStringList{"/", "/", "/"} << "birds";
        QTest::newRow("modify: from clue to clue")
            << false << "<Tab>|<Tab>|<End>| one|<Tab>|<End>| two|<Enter>|<End>| three|<Enter>"
            << QStringList{"BARN/clue BARN one", "SNOWY/clue SNOWY two", "TAWNY/clue TAWNY three"} << "Birds";
    }
    void TheGridTakesATypistFromCellToCell() {
        QFETCH(bool, isNew);
        QFETCH(QString, road);
        QFETCH(QStringList, rows);
        QFETCH(QString, category);
        test::FormFixture f;
        Editor e(f, isNew);
        if (isNew) *e.working = NewPuzzleRecord();
        TWordList editor(*e.inputs);
        QVERIFY(test::ShowActive(editor));
        QCOMPARE(test::Focused()->objectName(), QString("Title"));
        test::Walk(editor, road);
        const EditorGrid grid = editor.Grid();
        for (int r = 0; r < rows.size(); ++r)
            QCOMPARE(QString::fromStdString(grid.words[r] + "/" + grid.clues[r]), rows[r]);
        QCOMPARE(QString::fromStdString(editor.Texts().category), category);
    }

    // Every way of leaving the editor with a cell or a box still being edited: the typing is
    // saved, or asked about and kept; never dropped.
    void LeavingTheEditorKeepsWhatWasTyped_data() {
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<QString>("road");
        QTest::addColumn<std::deque<Answer>>("answers");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("storedClue");  // clue 1 in the file afterwards
        const QString open = "<Tab>|<Tab>|<End>| dweller";
        const std::deque<Answer> none;
        QTest::newRow("modify, Alt+V") << false << open + "|<Alt+V>" << none << "" << true << "clue BARN dweller";
        QTest::newRow("modify, Save clicked") << false << open + "|<click:SaveButton>" << none << "" << true
                                              << "clue BARN dweller";
        QTest::newRow("modify, Alt+X, Yes")
            << false << open + "|<Alt+X>" << std::deque{Answer::Yes} << kSaveChangesQuestion << true << "clue BARN dweller";
        QTest::newRow("modify, Exit clicked, Yes") << false << open + "|<click:Cancel>" << std::deque{Answer::Yes}
                                                   << kSaveChangesQuestion << true << "clue BARN dweller";
        QTest::newRow("modify, close, Cancel")
            << false << open + "|<close>" << std::deque{Answer::Cancel} << kSaveChangesQuestion << false << "clue BARN";
        QTest::newRow("modify, Enter then Escape, No")
            << false << open + "|<Enter>|<Esc>|<Esc>" << std::deque{Answer::No} << kSaveChangesQuestion << true << "clue BARN";
        QTest::newRow("modify, Escape cancels the cell edit, then closes")
            << false << open + "|<Esc>|<Esc>" << none << "" << true << "clue BARN";
        QTest::newRow("new, Alt+X, No") << true << "<Tab>|<Tab>|ONE|<Alt+X>" << std::deque{Answer::No}
                                        << kDiscardTypingQuestion << false << "clue BARN";
        QTest::newRow("new, Exit clicked, Yes") << true << "<Tab>|<Tab>|ONE|<click:Cancel>" << std::deque{Answer::Yes}
                                                << kDiscardTypingQuestion << true << "clue BARN";
        QTest::newRow("new, Enter then Escape, No") << true << "<Tab>|<Tab>|ONE|<Enter>|<Esc>|<Esc>" << std::deque{Answer::No}
                                                    << kDiscardTypingQuestion << false << "clue BARN";
        QTest::newRow("new, a title then close, No")
            << true << "Owls|<close>" << std::deque{Answer::No} << kDiscardTypingQuestion << false << "clue BARN";
        QTest::newRow("new, nothing typed, Escape") << true << "<Esc>" << none << "" << true << "clue BARN";
    }
    void LeavingTheEditorKeepsWhatWasTyped() {
        QFETCH(bool, isNew);
        QFETCH(QString, road);
        QFETCH(std::deque<Answer>, answers);
        QFETCH(QString, asked);
        QFETCH(bool, closed);
        QFETCH(QString, storedClue);
        test::FormFixture f(answers);
        Editor e(f, isNew);
        if (isNew) *e.working = NewPuzzleRecord();
        TWordList editor(*e.inputs);
        QVERIFY(test::ShowActive(editor));
        for (const QString& step : road.split('|')) {
            if (step == "<close>")
                editor.close();
            else if (step.startsWith("<click:"))
                QTest::mouseClick(test::Control<QPushButton>(editor, qPrintable(step.mid(7).chopped(1))), Qt::LeftButton);
            else
                test::Walk(editor, step);
        }
        QCOMPARE(AskedTexts(*f.prompter), asked.isEmpty() ? QStringList() : QStringList{asked});
        QCOMPARE(editor.isVisible(), !closed);
        PuzzleRecord stored;
        QVERIFY(ReadPuzzle(e.path, 1, stored).IsDone());
        QCOMPARE(QString::fromStdString(stored.Clue(1).Str()), storedClue);
        if (!closed && isNew) {  // what was typed is still there to go on with
            const bool word = road.contains("ONE");
            QCOMPARE(QString::fromStdString(word ? editor.Grid().words[0] : editor.Texts().title),
                     QString(word ? "ONE" : "Owls"));
        }
    }

    void CreateReadsTheCellStillBeingEdited() {
        test::FormFixture f;
        Editor e(f, true);
        *e.working = NewPuzzleRecord();
        TWordList editor(*e.inputs);
        QVERIFY(test::ShowActive(editor));
        // Attempts of 0 are refused only after the words were found.
        test::Walk(editor, "<Alt+P>|<Ctrl+A>|0|<Alt+T>|Owls|<Tab>|Birds|<Tab>|BARN|<Alt+C>");
        QCOMPARE(SaidTexts(*f.prompter).last(), QString("Attempts must be between 1 and 999.  Please correct."));
    }

    void AFailedSaveKeepsTheEditorOpen() {
        test::FormFixture f({Answer::Yes});
        Editor e(f, false);
        TWordList editor(*e.inputs);
        QVERIFY(test::ShowActive(editor));
        test::Walk(editor, "<Tab>|<Tab>|<End>| dweller");
        std::filesystem::remove(e.path);
        std::filesystem::create_directory(e.path);  // no collection can be written there
        for (const char* road : {"<Alt+V>", "<Alt+X>"}) {
            test::Walk(editor, road);
            QVERIFY(editor.isVisible());
            QCOMPARE(SaidTexts(*f.prompter).last(), QString("Unable to save puzzle."));
            QVERIFY(!editor.Result().IsDone());
        }
        QCOMPARE(QString::fromStdString(editor.Grid().clues[0]), QString("clue BARN dweller"));
    }

    // The two designers ask before a drawing or a typed name is thrown away, and only then.
    void TheDesignersAskBeforeWorkIsLost_data() {
        QTest::addColumn<QString>("designer");
        QTest::addColumn<bool>("change");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<std::deque<Answer>>("answers");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        const std::deque<Answer> none;
        QTest::newRow("shapes, unchanged, Escape") << "shapes" << false << "<Esc>" << none << false << true;
        QTest::newRow("shapes, drawn, Escape, Cancel") << "shapes" << true << "<Esc>" << std::deque{Answer::Cancel} << true << false;
        QTest::newRow("shapes, drawn, Alt+C, No") << "shapes" << true << "<Alt+C>" << std::deque{Answer::No} << true << true;
        QTest::newRow("shapes, drawn, close, Cancel") << "shapes" << true << "<close>" << std::deque{Answer::Cancel} << true << false;
        QTest::newRow("shapes, drawn, Escape, Yes saves") << "shapes" << true << "<Esc>" << std::deque{Answer::Yes} << true << true;
        QTest::newRow("pages, unchanged, Ctrl+X") << "pages" << false << "<Ctrl+X>" << none << false << true;
        QTest::newRow("pages, named, Ctrl+X, Cancel") << "pages" << true << "<Ctrl+X>" << std::deque{Answer::Cancel} << true << false;
        QTest::newRow("pages, named, Alt+C, No") << "pages" << true << "<Alt+C>" << std::deque{Answer::No} << true << true;
        QTest::newRow("pages, named, Escape, Cancel") << "pages" << true << "<Esc>" << std::deque{Answer::Cancel} << true << false;
        QTest::newRow("pages, named, close, No") << "pages" << true << "<close>" << std::deque{Answer::No} << true << true;
    }
    void TheDesignersAskBeforeWorkIsLost() {
        QFETCH(QString, designer);
        QFETCH(bool, change);
        QFETCH(QString, leave);
        QFETCH(std::deque<Answer>, answers);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        test::FormFixture f(answers);
        ProgramContext& c = f.context;
        std::unique_ptr<ProgramDialog> window;
        if (designer == "shapes")
            window = std::make_unique<TDoShapes>(
                DoShapesInputs{c.Look(), ShapeDesignMode::New, {}, -1, f.dir.File("QFFLAY.DAT"), *f.prompter});
        else
            window = std::make_unique<TDoPages>(DoPagesInputs{c.Look(), PageDesignMode::New, nullptr, -1, c.state.settings,
                                                              c.state.LayoutsLibrary(), c.state.dirs.program,
                                                              *c.prompter, *c.fileChooser, *c.fontChooser, *c.colorChooser});
        QVERIFY(test::ShowActive(*window));
        if (change && designer == "shapes")
            QTest::mouseClick(test::Control<TShapeCanvas>(*window, "Img"), Qt::LeftButton, {}, QPoint(30, 30));
        else if (change)
            test::Walk(*window, "Mine");  // into the name box, where the Page Creator opens
        if (leave == "<close>")
            window->close();
        else
            test::Walk(*window, leave);
        QCOMPARE(f.prompter->asked.size(), std::size_t(asked ? 1 : 0));
        if (asked)
            QCOMPARE(QString::fromStdString(f.prompter->asked[0].text),
                     QString(designer == "shapes" ? kShapeModified : kPageLayoutModified));
        QCOMPARE(window->isVisible(), !closed);
    }
};

}  // namespace qf

QTEST_MAIN(qf::TypingKeptTest)
#include "TypingKeptTest.moc"
