// The main window: caption, lists, enable rules, recent files, screen sizes, fonts, languages,
// and the settings written when it closes.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include "app/forms/ClientArea.h"
#include "app/forms/MainWin.h"
#include "base/forms/HelpWindow.h"
#include "collections/CollectionFixtures.h"
#include "collections/CollectionListing.h"
#include "collections/CollectionFile.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "support/forms/PrintFixtures.h"

namespace qf {

namespace {

std::string WriteSet(const test::FormFixture& f, const char* name = "SET.QF3") {
    const std::string path = f.dir.File(name);
    test::WriteCollection(path, {{"Sports", "Tennis"}, {"Animals", "Owls"}, {"Sports", "Golf"}, {"Animals", "Bats"}});
    return path;
}

}  // namespace

class MainWinTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionNamesTheOpenCollection() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("Q.QF3");
        TMainWin window(f.context);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (Q)"));
        QCOMPARE(QString::fromStdString(ComputeDisplayName("/a/b/SAMPLE.QF3")), QString("SAMPLE"));
    }

    void ListsAndTheOnePuzzleCommands() {
        test::FormFixture f({Answer::Yes});
        f.context.state.settings.lastGroup = WriteSet(f);
        TMainWin window(f.context);
        window.show();
        auto* categories = test::Control<QListWidget>(window, "CategoryBox");
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        QCOMPARE(categories->item(0)->text(), QString("Animals"));
        QCOMPARE(puzzles->currentItem()->text(), QString("Bats"));  // start-up selects the first puzzle
        QVERIFY(window.Action("MenuDelete")->isEnabled());
        QVERIFY(test::Control<QToolButton>(window, "SpeedDelete")->isEnabled());
        QVERIFY(window.Action("MenuModify")->isEnabled());
        QVERIFY(window.Action("MenuPrint")->isEnabled());
        QVERIFY(test::Control<QToolButton>(window, "SpeedPrint")->isEnabled());

        categories->setCurrentRow(1);  // Sports: no puzzle selected, the commands go
        QCOMPARE(puzzles->count(), 2);
        QVERIFY(!window.Action("MenuDelete")->isEnabled());
        puzzles->setCurrentRow(1);  // Tennis
        QVERIFY(window.Action("MenuDelete")->isEnabled());

        window.Action("MenuDelete")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text), QString("Are you sure you want to delete Tennis?"));
        QCOMPARE(puzzles->count(), 1);
        QCOMPARE(puzzles->currentItem()->text(), QString("Golf"));  // the row above

        // A writer's word is all the window needs; the enable state waits for the next click.
        window.Collection().Written("Animals", "Owls");
        QCOMPARE(categories->currentRow(), 0);
        QCOMPARE(puzzles->currentItem()->text(), QString("Owls"));
    }

    void AnEmptyCollectionDisablesTheOnePuzzleCommands() {
        test::FormFixture f;
        f.context.state.settings.lastGroup = f.dir.File("EMPTY.QF3");
        TMainWin window(f.context);
        window.show();
        QCOMPARE(test::Control<QListWidget>(window, "PuzzleBox")->count(), 0);
        for (const char* name : {"MenuModify", "MenuCopy", "MenuDelete", "MenuPrint", "MenuPuzzleWords"})
            QVERIFY2(!window.Action(name)->isEnabled(), name);
        window.Action("MenuDelete")->setEnabled(true);
        window.Action("MenuDelete")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text),
                 QString("No puzzle selected.  Please select a puzzle first."));
    }

    // The commands once stayed enabled with no puzzle left to act on.
    void TheOnePuzzleCommandsFollowEveryWriteAndOpen() {
        test::FormFixture f({Answer::Yes});
        const std::string set = f.dir.File("SET.QF3");
        test::WriteCollection(set, {{"Sports", "Tennis"}, {"Animals", "Bats"}});
        const std::string empty = f.dir.File("EMPTY.QF3");
        test::WriteCollection(empty, {});
        f.context.state.settings.lastGroup = set;
        f.context.state.settings.lastFiles = {empty, "", "", "", ""};
        TMainWin window(f.context);
        window.show();
        auto* categories = test::Control<QListWidget>(window, "CategoryBox");
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        auto click = [](QListWidget* list, int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        click(categories, 1);
        click(puzzles, 0);
        QCOMPARE(puzzles->currentItem()->text(), QString("Tennis"));
        QVERIFY(window.Action("MenuPrint")->isEnabled());
        auto commandsMatchTheSelection = [&] {
            const bool selected = puzzles->currentItem() != nullptr && puzzles->currentItem()->isSelected();
            for (const char* name : {"MenuModify", "MenuCopy", "MenuDelete", "MenuPrint", "MenuPuzzleWords"})
                if (window.Action(name)->isEnabled() != selected) return false;
            return true;
        };
        window.Action("MenuDelete")->trigger();  // the last puzzle of Sports
        QVERIFY(commandsMatchTheSelection());

        click(categories, 0);
        click(puzzles, 0);
        QVERIFY(window.Action("MenuPrint")->isEnabled());
        window.findChild<QAction*>("MenuLastFile1")->trigger();  // a collection without puzzles
        QCOMPARE(puzzles->count(), 0);
        for (const char* name : {"MenuModify", "MenuCopy", "MenuDelete", "MenuPrint", "MenuPuzzleWords"})
            QVERIFY2(!window.Action(name)->isEnabled(), name);
    }

    void OpeningCollectionsAndTheRecentFiles() {
        test::FormFixture f;
        const std::string a = WriteSet(f, "A.QF3");
        const std::string b = WriteSet(f, "B.QF3");
        f.context.state.settings.lastGroup = a;
        f.context.state.settings.lastFiles = {f.dir.File("GONE.QF3"), "", "", "", ""};
        f.chooser->Answers() = {b, f.dir.File("notes.txt"), ""};
        TMainWin window(f.context);
        window.show();
        QVERIFY(window.findChild<QAction*>("MenuExitSep")->isVisible());

        window.Action("MenuOpenGroup")->trigger();
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (B)"));
        QCOMPARE(f.context.state.settings.lastFiles[0], a);
        auto* first = window.findChild<QAction*>("MenuLastFile1");
        QCOMPARE(first->text(), QString::fromStdString("&1   " + a));
        QCOMPARE(window.findChild<QAction*>("MenuLastFile2")->text(),
                 QString::fromStdString("&2   " + f.dir.File("GONE.QF3")));

        window.Action("MenuOpenGroup")->trigger();  // not a collection
        QCOMPARE(QString::fromStdString(f.prompter->said.back().text),
                 QString("The file selected is not a valid Crossword file."));
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (B)"));
        window.Action("MenuOpenGroup")->trigger();  // cancelled
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (B)"));

        window.findChild<QAction*>("MenuLastFile2")->trigger();  // deleted on disk: nothing
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (B)"));
        first->trigger();  // A again
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (A)"));
        QCOMPARE(f.context.state.settings.lastFiles[0], b);
        QCOMPARE(f.context.state.settings.lastFiles[1], f.dir.File("GONE.QF3"));
    }

    void NewCollectionAsksForTheFirstPuzzle() {
        test::FormFixture f({Answer::No});
        f.context.state.settings.lastGroup = WriteSet(f);
        f.chooser->Answers() = {f.dir.File("Fresh.QF3")};
        TMainWin window(f.context);
        window.show();
        window.Action("MenuNewGroup")->trigger();
        QCOMPARE(f.chooser->requests.at(0).title, std::string("Create New Puzzle Group"));
        QCOMPARE(window.windowTitle(), QString("Quernfold 98 (Fresh)"));
        QCOMPARE(test::Control<QListWidget>(window, "CategoryBox")->count(), 0);
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text),
                 QString("Would you like to create your first puzzle now for this new puzzle collection?"));
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).caption), QString("New Puzzle"));
    }

    void ScaleChangesNeverCompound() {
        test::FormFixture f;
        f.context.state.screen = {1280, 1024, 1.0};
        TMainWin window(f.context);
        window.show();
        const auto design = window.Design();
        auto* list = test::Control<QListWidget>(window, "PuzzleBox");
        const QRect designBounds = list->geometry();
        const int designFont = list->font().pixelSize();

        window.Action("N1024x768")->trigger();
        QCOMPARE(f.context.state.settings.windowSize, 1024);
        QVERIFY(window.Action("N1024x768")->isChecked());
        QVERIFY(!window.Action("N640x480")->isChecked());
        QCOMPARE(list->geometry().width(), designBounds.width() * 160 / 100);
        QCOMPARE(list->font().pixelSize(), designFont * 160 / 100);
        QCOMPARE(window.centralWidget()->width(), 632 * 160 / 100);

        window.Action("N800x600")->trigger();
        window.Action("N640x480")->trigger();
        QCOMPARE(list->geometry(), designBounds);
        QCOMPARE(list->font().pixelSize(), designFont);
        for (std::size_t k = 0; k < window.Components().size(); ++k) {
            const ComponentGeometry& c = design.components[k];
            if (!c.recorded) continue;
            QCOMPARE(window.Components()[k]->geometry(), QRect(c.left, c.top, c.width, c.height));
        }
        QCOMPARE(window.x(), (1280 - window.frameGeometry().width()) / 2);
    }

    void ALargeSizeOnASmallScreenFallsBackToTheSmallest() {
        test::FormFixture f;
        f.context.state.screen = {1024, 768, 1.0};
        f.context.state.settings.windowSize = 1280;
        TMainWin window(f.context);
        window.show();
        QVERIFY(window.Action("N640x480")->isChecked());
        QVERIFY(!window.Action("N1280x1024")->isChecked());
        window.Action("N640x480")->trigger();  // 640 differs from the setting: taken
        QCOMPARE(f.context.state.settings.windowSize, 640);
        window.Action("N1280x1024")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text),
                 QString("Your current screen resolution does not support 1280 x 1024 pixels."));
        QVERIFY(window.Action("N640x480")->isChecked());
        QVERIFY(!window.Action("N1280x1024")->isChecked());
    }

    void LanguagesFontsColoursAndBackground() {
        test::FormFixture f;
        test::WriteFile(f.dir.File("ssceam1.clx"), "");
        test::WriteFile(f.dir.File("thesdbam.cth"), "");
        test::WriteFile(f.dir.File("QFOLD3.INI"), "[Misc]\nDictionary=5\nThesaurus=2\n[Reports]\nPixel Format=2\n");
        f.context.state = ProgramState::StartUp(Directories{f.dir.Path(), f.dir.Path()});
        f.context.state.settings.showTips = false;
        TMainWin window(f.context);
        window.show();
        QVERIFY(window.Action("MenuEnglish")->isChecked());  // French was missing
        QVERIFY(!window.Action("MenuFrench")->isEnabled());
        QVERIFY(window.Action("MenuChooseSpell")->isEnabled());
        QVERIFY(window.Action("MenuThesEnglish")->isChecked());
        QVERIFY(!window.Action("MenuThesBritish")->isEnabled());
        window.Action("MenuChooseSpell")->trigger();
        QCOMPARE(f.context.state.settings.dictionary, 9);
        QVERIFY(!window.Action("MenuEnglish")->isChecked());
        QCOMPARE(f.context.state.userLists.include, std::string("IncEngl.tlx"));

        QVERIFY(window.Action("Colors256")->isChecked());
        window.Action("Colors16Mil")->trigger();
        QCOMPARE(f.context.state.settings.pixelFormat, 1);
        QVERIFY(!window.Action("Colors256")->isChecked());

        auto* label = test::Control<QLabel>(window, "CategoryLabel");
        const int size = label->font().pixelSize();
        FontChoice chosen{"Courier New", 40, 0x0000FF, true, true, false, false};
        f.fonts->answers = {chosen};
        window.Action("MenuLabelFont")->trigger();
        QCOMPARE(label->font().family(), QString("Courier New"));
        QVERIFY(label->font().italic());
        QCOMPARE(label->font().pixelSize(), size);  // a size chosen is not applied
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(f.context.state.settings.labelFont.name, std::string("Courier New"));

        auto* client = qobject_cast<TClientArea*>(window.centralWidget());
        QVERIFY(client->Tiled());
        window.Action("MenuShowBack")->trigger();
        QVERIFY(!client->Tiled());
        QVERIFY(!f.context.state.settings.backgroundBitmap);
        QCOMPARE(BackgroundTiles(QSize(200, 100), QSize(96, 96)).size(), size_t(6));  // partial tiles too
    }

    void WordSeparatorsAreChosenThroughTheirDialog() {
        test::FormFixture f;
        f.context.state.settings.wordSepStar = true;
        TMainWin window(f.context);
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Word Separator Characters"));
            test::Control<QCheckBox>(dialog, "StarBox")->click();
            test::Control<QCheckBox>(dialog, "SlashBox")->click();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        window.Action("MenuWordSep")->trigger();
        QVERIFY(!f.context.state.settings.wordSepStar);
        QVERIFY(f.context.state.settings.wordSepSlash);
    }

    void PrintOpensTheOptionsOfAGeneratedPuzzleOnly() {
        test::FormFixture f;
        const std::string path = f.dir.File("PRINT.QF3");
        auto fresh = test::PrintablePuzzle();
        fresh->title = "Fresh";
        fresh->generated = 0;
        QVERIFY(AppendPuzzle(path, *test::PrintablePuzzle()).IsDone());  // "Sun and Dew"
        QVERIFY(AppendPuzzle(path, *fresh).IsDone());
        f.context.state.settings.lastGroup = path;
        TMainWin window(f.context);
        window.show();
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        QCOMPARE(puzzles->currentItem()->text(), QString("Fresh"));

        window.Action("MenuPrint")->trigger();
        QCOMPARE(f.prompter->said.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text),
                 QString("A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" "
                         "from the menu and create the puzzle first"));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Warning"));

        // A double click on a puzzle prints it.
        puzzles->setCurrentRow(1);
        QCOMPARE(puzzles->currentItem()->text(), QString("Sun and Dew"));
        QString caption;
        test::WhenDialogShows([&caption](QWidget& dialog) {
            caption = dialog.windowTitle();
            QCOMPARE(test::Control<QCheckBox>(dialog, "PrintTitle")->isChecked(), true);
            test::Control<QPushButton>(dialog, "ExitButton")->click();
        });
        test::DoubleClick(puzzles->viewport(), puzzles->visualItemRect(puzzles->currentItem()).center());
        QCOMPARE(caption, QString("Reports"));
        QCOMPARE(QString::fromStdString(window.Working().title.Str()), QString("Sun and Dew"));
        QCOMPARE(f.prompter->said.size(), size_t(1));

        // The file went away under the window.
        std::filesystem::remove(path);
        window.Action("MenuPrint")->trigger();
        QCOMPARE(QString::fromStdString(f.prompter->said.at(1).text), QString("Unable to load puzzle."));
        QCOMPARE(QString::fromStdString(f.prompter->said.at(1).caption), QString("Error"));
    }

    void DefaultClueHeadersAndPrinterSetup() {
        test::FormFixture f;
        TMainWin window(f.context);
        QVERIFY(window.Action("MenuClueHeaders")->isEnabled());
        QVERIFY(window.Action("MenuPrintSetup")->isEnabled());
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Default Clue Headers"));
            QCOMPARE(test::Control<QLineEdit>(dialog, "AcrossHeader")->text(), QString("Across"));
            test::Control<QLineEdit>(dialog, "AcrossHeader")->setText("Horizontales");
            test::Control<QLineEdit>(dialog, "DownHeader")->setText("Verticales");
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        window.Action("MenuClueHeaders")->trigger();
        QCOMPARE(QString::fromStdString(f.context.state.settings.acrossLabel), QString("Horizontales"));
        QCOMPARE(QString::fromStdString(f.context.state.settings.downLabel), QString("Verticales"));
        test::WhenDialogShows([](QWidget& dialog) {
            test::Control<QLineEdit>(dialog, "DownHeader")->setText("Nothing");
            test::Control<QPushButton>(dialog, "CancelButton")->click();
        });
        window.Action("MenuClueHeaders")->trigger();
        QCOMPARE(QString::fromStdString(f.context.state.settings.downLabel), QString("Verticales"));

        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Printer Setup"));
            qobject_cast<QDialog*>(&dialog)->reject();
        });
        window.Action("MenuPrintSetup")->trigger();

        // Ctrl+J: the JPEG quality of every later JPEG picture and web page.
        QVERIFY(window.Action("MenuJPeg")->isEnabled());
        QCOMPARE(window.Action("MenuJPeg")->shortcut(), QKeySequence("Ctrl+J"));
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("JPEG Factor"));
            test::Control<QLineEdit>(dialog, "FactorEdit")->setText("85");
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        window.Action("MenuJPeg")->trigger();
        QCOMPARE(f.context.state.settings.jpegQuality, 85);
    }

    void ImportingKeepsTheSelectionAndRefusesTheOpenFile() {
        test::FormFixture f;
        const std::string open = WriteSet(f, "OPEN.QF3");
        const std::string other = f.dir.File("OTHER.QF3");
        test::WriteCollection(other, {{"Rivers", "Nile"}, {"Animals", "Ants"}, {"Rivers", "Amazon"}});
        f.context.state.settings.lastGroup = open;
        f.chooser->Answers() = {f.dir.File("open.qf3"), other};
        TMainWin window(f.context);
        window.show();
        auto* categories = test::Control<QListWidget>(window, "CategoryBox");
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        puzzles->setCurrentRow(1);  // Owls of Animals

        window.Action("MenuImp")->trigger();  // the open file itself, in other letter case
        QCOMPARE(QString::fromStdString(f.prompter->said.at(0).text),
                 QString("Import File cannot be the same as the currently open file."));
        QCOMPARE(f.context.state.settings.lastImportPuzzleFile, f.dir.File("open.qf3"));

        test::WhenDialogShows([](QWidget& dialog) {
            test::Control<QPushButton>(dialog, "SelectAllButton")->click();
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        window.Action("MenuImp")->trigger();
        QCOMPARE(CountSlots(open).value_or(0), 7);
        // The new puzzles follow in the alphabetical order of their titles.
        QCOMPARE(ListCollection(open).puzzleEntries[4].title, std::string("Amazon"));
        QCOMPARE(ListCollection(open).puzzleEntries[5].title, std::string("Ants"));
        QCOMPARE(categories->count(), 3);  // Rivers is new
        QCOMPARE(categories->currentItem()->text(), QString("Animals"));
        QCOMPARE(puzzles->currentItem()->text(), QString("Owls"));  // the selection stays
        QCOMPARE(puzzles->count(), 3);
    }

    void AnOldSinglePuzzleIsConvertedAndSelected() {
        test::FormFixture f;
        const std::string open = WriteSet(f);
        std::vector<std::uint8_t> qfd{'Q', 'F', 'D', 0};
        std::vector<std::uint8_t> record(30347, 0);
        const std::string title = "Marsh Birds";
        record[0] = static_cast<std::uint8_t>(title.size());
        std::copy(title.begin(), title.end(), record.begin() + 1);
        record[36] = 15;
        qfd.insert(qfd.end(), record.begin(), record.end());
        test::WriteBytes(f.dir.File("birds.QFD"), qfd);
        f.context.state.settings.lastGroup = open;
        f.chooser->Answers() = {f.dir.File("birds.QFD")};
        TMainWin window(f.context);
        window.show();
        window.Action("MenuImp")->trigger();
        QCOMPARE(CountSlots(open).value_or(0), 5);
        QCOMPARE(test::Control<QListWidget>(window, "CategoryBox")->currentItem()->text(),
                 QString("Version 2.0 Puzzles"));
        QCOMPARE(test::Control<QListWidget>(window, "PuzzleBox")->currentItem()->text(), QString("Marsh Birds"));
    }

    void TheTipComesAtStartUpOnceAndItsBoxIsKept() {
        test::FormFixture f;
        f.context.state.settings.showTips = true;
        TMainWin window(f.context);
        bool shown = false;
        test::WhenDialogShows([&shown](QWidget& dialog) {
            shown = dialog.windowTitle() == "Tip of the Day";
            test::Control<QCheckBox>(dialog, "ShowTipsBox")->setChecked(false);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        window.show();
        QTRY_VERIFY(shown);
        QTRY_VERIFY(!f.context.state.settings.showTips);
        window.hide();
        window.show();
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void HelpOpensAtItsContentsAndAtTheDataExchangeTopic() {
        test::FormFixture f;
        f.CopyShipped("QFOLD.HLP");
        f.CopyShipped("QFOLD.QCH");
        TMainWin window(f.context);
        window.show();
        window.Action("MenuDEInternet")->trigger();
        THelpWindow* help = THelpWindow::Current();
        QVERIFY(help && help->isVisible());
        const QUrl topic = help->Page();
        window.Action("MenuContents")->trigger();
        QVERIFY(help->Page() != topic);
        QVERIFY(test::Control<QToolButton>(window, "SpeedHelp")->isEnabled());
        help->close();
    }

    void ThePuzzlePictureFollowsTheSelectionWhereTheScreenHoldsIt() {
        test::FormFixture f;
        f.CopyShipped("SAMPLE.QF3");
        f.context.state.settings.lastGroup = f.dir.File("SAMPLE.QF3");
        f.context.state.screen = {1280, 1024, 1.0};
        f.context.state.settings.windowSize = 640;
        {
            TMainWin window(f.context);
            QVERIFY(test::ShowActive(window));
            auto* picture = test::Control<QWidget>(window, "PuzzlePicture");
            auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
            QVERIFY(picture->isHidden());
            QCOMPARE(window.centralWidget()->width(), 632);

            puzzles->setFocus();
            test::Press(QKeySequence("Ctrl+Shift+V"));
            QVERIFY(window.Action("MenuPuzzlePicture")->isChecked());
            QVERIFY(picture->isVisible());
            QCOMPARE(window.centralWidget()->width(), 840);
            QCOMPARE(test::Control<QWidget>(window, "SpeedBar")->width(), 840);
            // The selected puzzle's grid: white cells, its description read out.
            const QImage first = picture->grab().toImage();
            int white = 0;
            for (int y = 0; y < first.height(); ++y)
                for (int x = 0; x < first.width(); ++x) white += first.pixelColor(x, y) == QColor(Qt::white);
            QVERIFY(white > 1000);
            QVERIFY(picture->accessibleName().startsWith("Crossword grid, "));
            test::Press(QKeySequence(Qt::Key_Down));  // the next puzzle, by the keyboard
            QVERIFY(picture->grab().toImage() != first);

            // At 1280 x 1024 the widened window would not fit the screen: no picture, the choice kept.
            test::Press(QKeySequence("Ctrl+F4"));
            QVERIFY(picture->isHidden());
            QCOMPARE(window.centralWidget()->width(), 632 * 2);
            QVERIFY(window.Action("MenuPuzzlePicture")->isChecked());
            test::Press(QKeySequence("Ctrl+F1"));
            QVERIFY(picture->isVisible());
            QCOMPARE(picture->width(), 200);
            QVERIFY(f.prompter->said.empty());
            window.Action("MenuExit")->trigger();
        }
        QVERIFY(test::ReadFileText(f.dir.File("QFOLD3.INI")).find("Puzzle Picture=Yes\n") != std::string::npos);
        // The next start shows it at once, with the puzzle the start selects.
        TMainWin again(f.context);
        QVERIFY(test::ShowActive(again));
        auto* picture = test::Control<QWidget>(again, "PuzzlePicture");
        QVERIFY(picture->isVisible());
        QVERIFY(picture->accessibleName().startsWith("Crossword grid, "));
    }

    void ClosingWritesTheSettings() {
        test::FormFixture f;
        f.context.state.settings.windowSize = 1024;
        {
            TMainWin window(f.context);
            window.show();
            window.Action("MenuExit")->trigger();
            QVERIFY(!window.isVisible());
        }
        const std::string ini = test::ReadFileText(f.dir.File("QFOLD3.INI"));
        QVERIFY(ini.find("Window Size=1024\n") != std::string::npos);
        QVERIFY(ini.find("[Button Font]\n") != std::string::npos);
    }
};

}  // namespace qf

QTEST_MAIN(qf::MainWinTest)
#include "MainWinTest.moc"
