// The print options form: the answer key options and their enabling, the skeleton and box colour
// taken from the layout, the letters, partial answers, headings, fonts and bonus question of one
// print, and View/Print through the status form to the preview.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "base/forms/InterfaceFonts.h"
#include "support/forms/FormFixture.h"
#include "support/forms/PrintFixtures.h"
#include "output/forms/MyPreview.h"
#include "output/forms/MyReport.h"
#include "output/forms/ReportForm.h"
#include "report/PageTargets.h"
#include "report/QPainterSurface.h"

namespace qf {
namespace {

struct Print {
    explicit Print(test::FormFixture& f, LayoutChooser chooser = {},
                   const std::function<void(PuzzleRecord&)>& adjust = {})
        : puzzle(test::PrintablePuzzle()) {
        if (adjust) adjust(*puzzle);
        auto& c = f.context;
        form = std::make_unique<TMyReport>(MyReportInputs{c.Look(), *puzzle, c.state.settings, *c.prompter,
                                                          *c.fileChooser, *c.fontChooser, *c.colorChooser, printer,
                                                          c.state.dirs.program, &exporter, std::move(chooser), {},
                                                          c.state.dirs.working});
    }
    template <typename T>
    T* Get(const char* name) { return test::Control<T>(*form, name); }

    std::unique_ptr<PuzzleRecord> puzzle;
    test::RecordingPrinter printer;
    test::RecordingExporter exporter;
    std::unique_ptr<TMyReport> form;
};

PageObject& PuzzleObject(PageLayoutRecord& layout) {
    for (PageObject& o : layout.objects)
        if (o.Kind() == ObjectKind::Puzzle) return o;
    qFatal("no puzzle object");
}

}  // namespace

class MyReportTest : public QObject {
    Q_OBJECT
private slots:
    void AnswerKeyAtOpeningDisablesThePartialOptions() {
        test::FormFixture f;
        f.context.state.settings.answerKey = true;
        f.context.state.settings.partialAnswer = true;
        f.context.state.settings.printWords = false;
        Print p(f);
        p.form->show();
        QCOMPARE(p.form->windowTitle(), QString("Reports"));
        QVERIFY(p.Get<QCheckBox>("AnswerKey")->isChecked());
        QVERIFY(!p.Get<QCheckBox>("PrintWords")->isChecked());
        QVERIFY(p.Get<QCheckBox>("PrintTitle")->isChecked());
        for (const char* name : {"PartialAnswer", "SelectButton", "PartialLetters", "Letters"})
            QVERIFY2(!p.form->findChild<QWidget*>(name)->isEnabled(), name);

        p.Get<QCheckBox>("AnswerKey")->click();
        QVERIFY(!f.context.state.settings.answerKey);  // stored at once
        QVERIFY(p.Get<QCheckBox>("PartialAnswer")->isEnabled());
        QVERIFY(p.Get<QPushButton>("SelectButton")->isEnabled());  // partial answers were on
        QVERIFY(p.Get<QCheckBox>("PartialLetters")->isEnabled());
        QVERIFY(!p.Get<QLineEdit>("Letters")->isEnabled());
        p.Get<QCheckBox>("PartialLetters")->click();
        QVERIFY(p.Get<QLineEdit>("Letters")->isEnabled());
        p.Get<QCheckBox>("PartialAnswer")->click();
        QVERIFY(!p.Get<QPushButton>("SelectButton")->isEnabled());
        QVERIFY(!f.context.state.settings.partialAnswer);
        p.Get<QCheckBox>("PrintWords")->click();
        QVERIFY(f.context.state.settings.printWords);
    }

    void SkeletonAndBoxColourFollowTheLayout() {
        test::FormFixture f;
        f.context.state.settings.useBoxes = true;
        Print skeleton(f, {}, [](PuzzleRecord& puzzle) {
            PageObject& grid = PuzzleObject(puzzle.layout);
            grid.transparent = 1;  // the skeleton byte
            grid.fillColor = 0x0000FF;
        });
        skeleton.form->show();
        QVERIFY(skeleton.Get<QCheckBox>("Skeleton")->isChecked());
        QVERIFY(!f.context.state.settings.useBoxes);
        QCOMPARE(f.context.state.settings.boxColor, 0x0000FF);
        QCOMPARE(skeleton.Get<QLabel>("BoxColorSwatch")->palette().color(QPalette::Window), QColor(255, 0, 0));

        skeleton.Get<QCheckBox>("Skeleton")->click();
        QVERIFY(f.context.state.settings.useBoxes);
        f.colors->answers.push_back(0x00FF00);
        skeleton.Get<QPushButton>("BoxColorButton")->click();
        QCOMPARE(f.colors->shown.at(0), 0x0000FF);  // the dialog starts at the colour in force
        QCOMPARE(f.context.state.settings.boxColor, 0x00FF00);
        QCOMPARE(skeleton.Get<QLabel>("BoxColorSwatch")->palette().color(QPalette::Window), QColor(0, 255, 0));
        skeleton.Get<QPushButton>("BoxColorButton")->click();  // cancelled: nothing changes
        QCOMPARE(f.context.state.settings.boxColor, 0x00FF00);
    }

    void LettersAreTrimmedAndCutTo25() {
        test::FormFixture f;
        f.context.state.settings.partialLetters = true;
        Print p(f);
        p.form->show();
        QLineEdit* letters = p.Get<QLineEdit>("Letters");
        QCOMPARE(letters->maxLength(), 25);
        QTest::keyClicks(letters, "  aeiou  ");
        QCOMPARE(QString::fromStdString(f.context.state.settings.letters), QString("aeiou"));
        QCOMPARE(QString::fromStdString(p.form->Options().letters), QString("aeiou"));
    }

    void PartialSelectionIsChosenAndClearedOnEachShowing() {
        test::FormFixture f;
        f.context.state.settings.partialAnswer = true;
        Print p(f);
        p.form->show();
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Partial Answer"));
            auto* list = test::Control<QListWidget>(dialog, "WordList");
            QCOMPARE(list->count(), 4);
            QCOMPARE(list->item(3)->text(), QString("NOW"));
            list->item(0)->setSelected(true);
            list->item(3)->setSelected(true);
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        p.Get<QPushButton>("SelectButton")->click();
        QVERIFY(p.form->Options().Selected(1) && p.form->Options().Selected(4));
        QVERIFY(!p.form->Options().Selected(2));

        test::WhenDialogShows([](QWidget& dialog) {
            auto* list = test::Control<QListWidget>(dialog, "WordList");
            QVERIFY(list->item(0)->isSelected() && list->item(3)->isSelected());  // flagged ones preselected
            list->item(0)->setSelected(false);
            test::Control<QPushButton>(dialog, "CancelButton")->click();  // no change
        });
        p.Get<QPushButton>("SelectButton")->click();
        QVERIFY(p.form->Options().Selected(1));

        p.form->hide();
        p.form->show();
        QVERIFY(!p.form->Options().Selected(1) && !p.form->Options().Selected(4));
    }

    void HeadingsComeFromTheLayoutAndAreDerivedAgainOnALayoutChange() {
        test::FormFixture f;
        f.context.state.settings.acrossLabel = "Horizontal";
        f.context.state.settings.downLabel = "Vertical";
        {
            Print p(f);
            p.form->show();
            QVERIFY(!p.Get<QPushButton>("ChangeLayout")->isEnabled());  // no chooser given
        }
        PageLayoutRecord combined{};
        BuildDefaultLayout(combined);
        combined.objectCount = 2;  // Title and Puzzle
        PageObject& clues = combined.objects[2];
        clues = NewPageObject(ObjectKind::CombinedClues, combined, {});
        clues.rect = {48, 300, 360, 480};
        SetObjectText(clues, "Uno:Dos");
        combined.objectCount = 3;
        PuzzleObject(combined).transparent = 1;
        int asked = 0;
        Print p(f, [&](QWidget*) -> std::optional<PageLayoutRecord> {
            ++asked;
            if (asked == 3) return std::nullopt;  // the chooser closed without a choice
            PageLayoutRecord chosen = combined;
            if (asked == 2) SetObjectText(chosen.objects[2], "Nothing");
            if (asked == 4) chosen.objectCount = 2;  // no heading objects: the default labels
            return chosen;
        });
        p.form->show();
        const int fontsBefore = static_cast<int>(p.form->FontList().size());
        QPushButton* change = p.Get<QPushButton>("ChangeLayout");
        QVERIFY(change->isEnabled());
        change->click();
        QCOMPARE(QString::fromStdString(p.form->Headings().across), QString("Uno"));
        QCOMPARE(QString::fromStdString(p.form->Headings().down), QString("Dos"));
        QCOMPARE(p.form->Working().layout.objectCount, std::int16_t(3));
        QVERIFY(p.Get<QCheckBox>("Skeleton")->isChecked());  // the box options follow the new layout
        QCOMPARE(static_cast<int>(p.form->FontList().size()), 4);
        QVERIFY(fontsBefore != 4);
        QCOMPARE(p.puzzle->layout.objectCount, std::int16_t(6));  // the puzzle given is untouched
        change->click();
        QCOMPARE(QString::fromStdString(p.form->Headings().across), QString());
        QCOMPARE(QString::fromStdString(p.form->Headings().down), QString("Nothing"));
        change->click();
        QCOMPARE(QString::fromStdString(p.form->Headings().down), QString("Nothing"));
        change->click();
        QCOMPARE(QString::fromStdString(p.form->Headings().across), QString("Horizontal"));
        QCOMPARE(QString::fromStdString(p.form->Headings().down), QString("Vertical"));

        // The headings of this print, in mode 2: the default labels stay.
        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Clue Headers"));
            auto* across = test::Control<QLineEdit>(dialog, "AcrossHeader");
            QCOMPARE(across->maxLength(), 25);
            across->setText("Left to right");
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        p.Get<QPushButton>("ChangeHeaders")->click();
        QCOMPARE(QString::fromStdString(p.form->Headings().across), QString("Left to right"));
        QCOMPARE(QString::fromStdString(f.context.state.settings.acrossLabel), QString("Horizontal"));
    }

    void FontsAndBonusQuestionChangeOnlyThePrintCopy() {
        test::FormFixture f;
        Print p(f);
        p.form->show();
        auto* menu = p.form->findChild<QMenu*>("FontList");
        QVERIFY(menu);
        int visible = 0;
        for (QAction* a : menu->actions()) visible += a->isVisible();
        QCOMPARE(visible, 7);  // title, answers, numbers, two headers, two clue blocks
        QCOMPARE(menu->actions().size(), 21);
        QCOMPARE(menu->actions().at(2)->text(), QString("Puzzle Clue Numbers Font"));
        f.fonts->answers.push_back(FontChoice{"Courier New", 9, 0, true, false, false, false});
        menu->actions().at(2)->trigger();
        QCOMPARE(f.fonts->shown.at(0).size, int(p.puzzle->layout.objects[1].numberFont.size));
        QCOMPARE(QString::fromStdString(p.form->Working().layout.objects[1].numberFont.name.Str()), QString("Courier New"));
        QCOMPARE(p.form->Working().layout.objects[1].numberFont.size, std::int16_t(9));
        QVERIFY(p.puzzle->layout.objects[1].numberFont.name.Str() != "Courier New");

        test::WhenDialogShows([](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Bonus Question"));
            auto* box = test::Control<QLineEdit>(dialog, "QuestionBox");
            QCOMPARE(box->maxLength(), 120);
            box->setText("What falls at dawn?");
            test::Control<QPushButton>(dialog, "OkButton")->click();
        });
        p.Get<QPushButton>("ChangeBonus")->click();
        QCOMPARE(QString::fromStdString(p.form->Working().bonusQuestion.Str()), QString("What falls at dawn?"));
        QVERIFY(p.puzzle->bonusQuestion.Empty());

        p.form->findChild<QAction*>("MenuPrinterSetup")->trigger();
        QCOMPARE(p.printer.setups, 1);
    }

    void CancelStopsThePageWithoutWarnings() {
        test::FormFixture f;
        auto puzzle = test::PrintablePuzzle();
        puzzle->layout.objects[5].rect = {216, 316, 220, 320};  // clues that cannot fit: a warning when drawn
        puzzle->layout.objects[5].makeFit = 0;
        PrintOptions options;
        PrintHeadings headings{"Across", "Down"};
        for (const bool cancel : {false, true}) {
            f.prompter->said.clear();
            PageFileTarget pageFile;
            QPainterSurface surface(pageFile);
            PageRenderer renderer(*puzzle, puzzle->layout, options, headings);
            TReportForm form(f.context.Look(), surface, renderer, *f.prompter);
            QCOMPARE(form.windowTitle(), QString("Report Status Screen"));
            if (cancel) form.reject();  // Cancel before the page: it stops at its first check and stays open
            QString status;
            test::WhenDialogShows([&](QWidget& shown) {
                auto* button = test::Control<QPushButton>(shown, "BitBtn1");
                auto* poll = new QTimer(&shown);
                QObject::connect(poll, &QTimer::timeout, [&, button, poll] {
                    if (button->text() != "OK") return;
                    poll->stop();
                    status = test::Control<QLabel>(shown, "Status")->text();
                    button->click();
                });
                poll->start(10);
            });
            form.exec();
            QVERIFY(form.Finished());
            QCOMPARE(form.Result().aborted, cancel);
            QVERIFY(status.contains(cancel ? "Puzzle Generation Canceled!" : "Puzzle Generated!"));
            // The warnings come after the page, and not after a cancel.
            QCOMPARE(f.prompter->said.size(), size_t(cancel ? 0 : 1));
            if (!cancel) QVERIFY(QString::fromStdString(f.prompter->said[0].text).startsWith("Puzzle Clues would not fit"));
        }
    }

    void ViewPrintDrawsThePageAndOpensThePreview() {
        test::FormFixture f;
        Print p(f);
        p.form->show();
        bool previewed = false;
        test::WhenDialogShows([&](QWidget& status) {
            QCOMPARE(status.windowTitle(), QString("Report Status Screen"));
            auto* button = test::Control<QPushButton>(status, "BitBtn1");
            // The page is drawn from the form's own event loop: wait for OK without blocking it.
            auto* poll = new QTimer(&status);
            QObject::connect(poll, &QTimer::timeout, [&, button, poll] {
                if (button->text() != "OK") return;
                poll->stop();
                QVERIFY(test::Control<QLabel>(status, "Status")->text().contains("Puzzle Generated!"));
                test::WhenDialogShows([&](QWidget& preview) {
                    QCOMPARE(preview.windowTitle(), QString("Puzzle Preview"));
                    auto& window = static_cast<TMyPreview&>(preview);
                    QCOMPARE(window.Geometry().widthInches, 8.5);
                    window.Action("ExportBmp")->trigger();
                    window.Action("PrintPage")->trigger();
                    previewed = true;
                    window.close();
                });
                button->click();
            });
            poll->start(10);
        });
        p.Get<QPushButton>("ViewPrint")->click();
        QVERIFY(previewed);
        QCOMPARE(p.exporter.calls, std::vector<std::string>{"bitmap"});
        QCOMPARE(p.exporter.titles.at(0), std::string("Sun and Dew"));
        QCOMPARE(p.exporter.pageWidths.at(0), 8.5);
        QCOMPARE(p.printer.jobs, std::vector<int>{1});
        QCOMPARE(p.printer.pageWidth, 8.5);
        QVERIFY(f.prompter->said.empty());
        QVERIFY(p.form->Working().layout.objects[0].fittedFontSize > 0);  // the rendering fitted the copy
    }
};

}  // namespace qf

QTEST_MAIN(qf::MyReportTest)
#include "MyReportTest.moc"
