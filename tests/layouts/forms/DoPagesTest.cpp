// The page designer with real mouse events and keys on its page: placing, selecting, moving and
// resizing at each zoom, the object menu's dialogs with their refusals, Undo and Redo, Save with
// its checks and the write, the exit question, and what it keeps in the settings.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "support/forms/FocusWalk.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "support/forms/PrintFixtures.h"
#include "output/PageRenderer.h"
#include "report/RecordingSurface.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "layouts/forms/DoPages.h"
#include "layouts/forms/PageCanvas.h"

namespace qf {
namespace {

DoPagesInputs Inputs(test::FormFixture& f, PageDesignMode mode = PageDesignMode::New,
                     const PageLayoutRecord* source = nullptr, std::int64_t position = -1) {
    ProgramContext& c = f.context;
    return {c.Look(),    mode,           source,         position,       c.state.settings, c.state.LayoutsLibrary(),
            c.state.dirs.program, *c.prompter, *c.fileChooser, *c.fontChooser, *c.colorChooser};
}

// A mouse event on the canvas at a page point (the rulers lie before the page).
void Mouse(QWidget* canvas, QEvent::Type type, Qt::MouseButton button, PagePoint at, Qt::MouseButtons held) {
    const QPointF local = TPageCanvas::CanvasPoint(at);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}
void Click(QWidget* canvas, PagePoint at, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(canvas, QEvent::MouseButtonPress, button, at, button);
    Mouse(canvas, QEvent::MouseButtonRelease, button, at, Qt::NoButton);
}
void Drag(QWidget* canvas, PagePoint from, PagePoint to) {
    Mouse(canvas, QEvent::MouseMove, Qt::NoButton, from, Qt::NoButton);  // the cursor over it first
    Mouse(canvas, QEvent::MouseButtonPress, Qt::LeftButton, from, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseMove, Qt::NoButton, {(from.x + to.x) / 2, (from.y + to.y) / 2}, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseMove, Qt::NoButton, to, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, to, Qt::NoButton);
}

void Place(TDoPages& designer, const char* button, PagePoint at) {
    QTest::mouseClick(test::Control<QPushButton>(designer, button), Qt::LeftButton);
    Click(test::Control<QWidget>(designer, "PageCanvas"), at);
}

ObjectRect RectOf(const TDoPages& designer, int slot) { return designer.Design().Object(slot).rect; }

// Replaces a box's text as a user does: everything selected with Ctrl+A, then typed over.
void Retype(QLineEdit* box, const QString& text) {
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

QString Said(const test::FormFixture& f, std::size_t i) { return QString::fromStdString(f.prompter->said.at(i).text); }

}  // namespace

class DoPagesTest : public QObject {
    Q_OBJECT
private slots:
    void KindButtonsPlaceEachCrosswordObjectOnce() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        QCOMPARE(designer.windowTitle(), QString("Page Creator"));
        auto* title = test::Control<QPushButton>(designer, "TitleButton");
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(title->isChecked());
        QTest::mouseClick(title, Qt::LeftButton);  // pressed again: released, nothing placed
        QVERIFY(!title->isChecked());
        Click(test::Control<QWidget>(designer, "PageCanvas"), {48, 48});
        QCOMPARE(designer.Design().ObjectCount(), 0);

        Place(designer, "TitleButton", {48, 48});  // Medium zoom: 72 units an inch
        QCOMPARE(designer.Design().ObjectCount(), 1);
        QCOMPARE(RectOf(designer, 1), (ObjectRect{48, 48, 192, 66}));
        QVERIFY(!title->isChecked());
        QVERIFY(!title->isEnabled());
        QVERIFY(test::Control<QPushButton>(designer, "CombinedCluesButton")->isEnabled());
        Place(designer, "AcrossHeadingButton", {48, 100});
        QVERIFY(!test::Control<QPushButton>(designer, "CombinedCluesButton")->isEnabled());
        Place(designer, "TextButton", {300, 300});
        Place(designer, "TextButton", {300, 500});
        QCOMPARE(QString::fromStdString(designer.Design().Object(4).name.Str()), QString("Text 2"));
        QVERIFY(test::Control<QPushButton>(designer, "TextButton")->isEnabled());
        QAction* item = designer.findChild<QAction*>("ObjectItem4");
        QVERIFY(item->isVisible());
        QCOMPARE(item->text(), QString("Text 2"));
        QVERIFY(!designer.findChild<QAction*>("ObjectItem5")->isVisible());
    }

    void ADragMovesByTheMouseTravelAtEveryZoom() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
        Place(designer, "PuzzleButton", {100, 100});
        for (const char* zoom : {"MenuSmall", "MenuLarge", "MenuMedium"}) {
            designer.findChild<QAction*>(zoom)->trigger();
            const ObjectRect start = RectOf(designer, 1);
            const PagePoint inside{start[0] + 20, start[1] + 20};
            Click(canvas, inside);
            QCOMPARE(designer.Design().selected, 1);
            Drag(canvas, inside, {inside.x + 17, inside.y - 9});
            QCOMPARE(RectOf(designer, 1), (ObjectRect{start[0] + 17, start[1] - 9, start[2] + 17, start[3] - 9}));
        }
        QCOMPARE(f.context.state.settings.zoom, 2);  // the zoom is kept in the settings
        QVERIFY(designer.findChild<QAction*>("MenuMedium")->isChecked());
        QVERIFY(!designer.findChild<QAction*>("MenuLarge")->isChecked());
    }

    void EachHandleMovesOnlyItsEdges() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
        Place(designer, "RectangleButton", {100, 100});  // 144 x 144 at Medium
        Click(canvas, {150, 150});
        struct Case {
            Handle handle;
            ObjectRect expected;
        };
        // Each drag by (+6, +4) from the rectangle 100,100,244,244, undone before the next one.
        const Case cases[] = {{Handle::TopLeft, {106, 104, 244, 244}},    {Handle::TopRight, {100, 104, 250, 244}},
                              {Handle::BottomLeft, {106, 100, 244, 248}}, {Handle::BottomRight, {100, 100, 250, 248}},
                              {Handle::Top, {100, 104, 244, 244}},        {Handle::Bottom, {100, 100, 244, 248}},
                              {Handle::Left, {106, 100, 244, 244}},       {Handle::Right, {100, 100, 250, 244}}};
        for (const Case& c : cases) {
            const PagePoint at = HandlePoint({100, 100, 244, 244}, c.handle);
            Drag(canvas, at, {at.x + 6, at.y + 4});
            QCOMPARE(RectOf(designer, 1), c.expected);
            const PagePoint back = HandlePoint(c.expected, c.handle);
            Drag(canvas, back, {back.x - 6, back.y - 4});
            QCOMPARE(RectOf(designer, 1), (ObjectRect{100, 100, 244, 244}));
        }
        // Past the opposite edge: the rectangle is turned the right way round.
        Drag(canvas, {244, 244}, {60, 80});
        QCOMPARE(RectOf(designer, 1), (ObjectRect{60, 80, 100, 100}));
    }

    void FrontAndBackKeepTheOtherObjectsInOrder() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
        for (int i = 0; i < 5; ++i) Place(designer, "TextButton", {10 + 40 * i, 400});
        const auto names = [&] {
            QStringList n;
            for (int s = 1; s <= designer.Design().ObjectCount(); ++s)
                n << QString::fromStdString(designer.Design().Object(s).name.Str());
            return n;
        };
        Click(canvas, {170, 410}, Qt::RightButton);  // Text 5, with its menu
        QCOMPARE(designer.Design().selected, 5);
        QVERIFY(designer.ObjectMenu()->isVisible());
        designer.ObjectMenu()->hide();
        designer.RunObjectCommand(ObjectMenuItem::SendToBack);
        QCOMPARE(names(), QStringList({"Text 5", "Text 1", "Text 2", "Text 3", "Text 4"}));
        QCOMPARE(designer.Design().selected, 1);
        designer.findChild<QAction*>("ObjectItem3")->trigger();  // Text 2 from the Objects menu
        designer.ObjectMenu()->hide();
        designer.RunObjectCommand(ObjectMenuItem::BringToFront);
        QCOMPARE(names(), QStringList({"Text 5", "Text 1", "Text 3", "Text 4", "Text 2"}));
        designer.RunObjectCommand(ObjectMenuItem::Delete);
        QCOMPARE(names(), QStringList({"Text 5", "Text 1", "Text 3", "Text 4"}));
        QCOMPARE(designer.Design().selected, 0);
    }

    void TheObjectDialogsRefuseAndWriteBackOnlyOnOk() {
        test::FormFixture f({Answer::Yes, Answer::No});
        TDoPages designer(Inputs(f));
        designer.show();
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
        Place(designer, "PuzzleButton", {72, 72});
        Click(canvas, {100, 100});

        // The puzzle's properties: a line width of 0 is refused and the dialog stays.
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Properties for Puzzle"));
            auto* width = test::Control<QLineEdit>(dialog, "LineWidthEdit");
            width->setText("0");
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
            QCOMPARE(Said(f, 0), QString("Invalid width entered."));
            QVERIFY(dialog.isVisible());
            QCOMPARE(designer.Design().Object(1).lineWidth, 1);
            width->setText("3");
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        designer.RunObjectCommand(ObjectMenuItem::Properties);
        QCOMPARE(designer.Design().Object(1).lineWidth, 3);

        // Size and position in inches; off the page asks, Yes keeps the dialog, No accepts.
        test::WhenDialogShows([&](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Size & Location of Puzzle"));
            QCOMPARE(test::Control<QLineEdit>(dialog, "LeftEdit")->text(), QString("1.000"));
            QCOMPARE(test::Control<QLineEdit>(dialog, "WidthEdit")->text(), QString("3.000"));
            test::Control<QLineEdit>(dialog, "LeftEdit")->setText("-1");
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
            QCOMPARE(Said(f, 1), QString("Invalid left position entered."));
            test::Control<QLineEdit>(dialog, "LeftEdit")->setText("9");
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);  // Yes
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);  // No
        });
        designer.RunObjectCommand(ObjectMenuItem::SizePosition);
        QCOMPARE(f.prompter->asked.size(), std::size_t(2));
        QCOMPARE(RectOf(designer, 1), (ObjectRect{648, 72, 864, 288}));

        // A menu item the kind may not use does nothing.
        designer.RunObjectCommand(ObjectMenuItem::ChangeText);
        designer.RunObjectCommand(ObjectMenuItem::Fill);
        QCOMPARE(f.prompter->said.size(), std::size_t(2));
    }

    void FontsAndPicturesThroughTheirDialogs() {
        test::FormFixture f;
        const std::string picture = f.dir.File("logo.bmp");
        QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(picture), "BMP");
        auto source = std::make_unique<PageLayoutRecord>();
        source->zoom = 2;
        BuildDefaultLayout(*source);
        PageObject bitmap = NewPageObject(ObjectKind::Bitmap, *source, {});
        bitmap.rect = {300, 500, 400, 600};
        bitmap.bitmapFile = f.dir.File("gone.bmp");
        source->objects[static_cast<std::size_t>(source->objectCount++)] = bitmap;

        TDoPages designer(Inputs(f, PageDesignMode::Copy, source.get(), 0));
        designer.show();
        QCOMPARE(Said(f, 0), QString("A bitmap for this layout could not be located."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Warning"));
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");

        // The grid's text font is its answer key font; the menu says so and greys what it cannot use.
        Click(canvas, {100, 100}, Qt::RightButton);
        QCOMPARE(designer.Design().selected, 2);
        QMenu* menu = designer.ObjectMenu();
        QVERIFY(menu->isVisible());
        menu->hide();
        QStringList enabled;
        for (QAction* a : menu->actions())
            if (a->isEnabled()) enabled << a->text();
        QCOMPARE(enabled, QStringList({"&Size && Position...", "&Properties", "Answer Key Font", "&Clue Number Font",
                                       "&Delete", "&Bring To Front", "&Send To Back"}));
        f.fonts->answers = {FontChoice{"Courier New", 14, Rgb(0, 0, 255), true, false, false, false}};
        designer.RunObjectCommand(ObjectMenuItem::TextFont);
        QCOMPARE(QString::fromStdString(designer.Design().Object(2).textFont.name.Str()), QString("Courier New"));
        QCOMPARE(designer.Design().Object(2).textFont.size, std::int16_t(14));

        // A text file named as a picture is refused when chosen (it once was taken without a word
        // and reported missing only when printed); a BMP, a PNG are taken with their full paths.
        Click(canvas, {350, 550}, Qt::RightButton);
        QCOMPARE(designer.Design().selected, 7);
        designer.ObjectMenu()->hide();
        test::WriteFile(f.dir.File("fake.bmp"), "not a picture");
        const std::string png = f.dir.File("logo.png");
        QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(png), "PNG");
        f.chooser->Answers() = {f.dir.File("fake.bmp"), picture, png};
        designer.RunObjectCommand(ObjectMenuItem::LoadBitmap);
        QCOMPARE(f.chooser->requests.at(0).title, std::string("Load Bitmap File"));
        QVERIFY(f.chooser->requests.at(0).filter.find("*.png") != std::string::npos);
        QCOMPARE(Said(f, 1), QString("The file selected is not a valid bitmap file."));
        QCOMPARE(QString::fromStdString(designer.Design().Object(7).bitmapFile.Str()),
                 QString::fromStdString(f.dir.File("gone.bmp")));
        designer.RunObjectCommand(ObjectMenuItem::LoadBitmap);
        QCOMPARE(QString::fromStdString(designer.Design().Object(7).bitmapFile.Str()), QString::fromStdString(picture));
        designer.RunObjectCommand(ObjectMenuItem::LoadBitmap);
        QCOMPARE(QString::fromStdString(designer.Design().Object(7).bitmapFile.Str()), QString::fromStdString(png));
    }

    void TheSizeDialogSpeaksTheLayoutsUnitAtEveryZoom() {
        for (const char* paper : {"Letter", "A4"}) {
            for (const char* zoom : {"MenuSmall", "MenuMedium", "MenuLarge"}) {
                test::FormFixture f;
                TDoPages designer(Inputs(f));
                designer.show();
                auto* papers = test::Control<QComboBox>(designer, "PaperList");
                QTest::keyClicks(papers, paper);  // the list picks the paper by its typed name
                QCOMPARE(papers->currentText(), QString(paper));
                designer.findChild<QAction*>(zoom)->trigger();
                const int g = PageUnits(designer.Design());
                Place(designer, "RectangleButton", {g, 2 * g});  // 2 x 2 units of the layout
                Click(test::Control<QWidget>(designer, "PageCanvas"), {g + 1, 2 * g + 1});
                QString note;
                test::WhenDialogShows([&](QWidget& dialog) {
                    note = test::Control<QLabel>(dialog, "UnitNote")->text();
                    QCOMPARE(test::Control<QLineEdit>(dialog, "LeftEdit")->text(), QString("1.000"));
                    QCOMPARE(test::Control<QLineEdit>(dialog, "TopEdit")->text(), QString("2.000"));
                    QCOMPARE(test::Control<QLineEdit>(dialog, "WidthEdit")->text(), QString("2.000"));
                    test::Control<QLineEdit>(dialog, "LeftEdit")->setText("0.25");
                    test::Control<QLineEdit>(dialog, "HeightEdit")->setText(" 1.5 ");
                    QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
                });
                designer.RunObjectCommand(ObjectMenuItem::SizePosition);
                QCOMPARE(note, QString(QString(paper) == "A4" ? "Values In Centimeters" : "Values In Inches"));
                const int quarter = static_cast<int>(std::lround(0.25 * g));
                QCOMPARE(RectOf(designer, 1), (ObjectRect{quarter, 2 * g, quarter + 2 * g, 2 * g + g * 3 / 2}));
            }
        }
    }

    void SaveChecksTheSizeThenAppends() {
        test::FormFixture f;
        const std::string library = f.context.state.LayoutsLibrary();
        TDoPages designer(Inputs(f));
        designer.show();
        auto* paper = test::Control<QComboBox>(designer, "PaperList");
        QTest::keyClicks(paper, "Custom");
        QCOMPARE(paper->currentText(), QString("Custom"));
        QCOMPARE(Said(f, 0), QString("Some printers do not support odd sized pages.  Printed results may vary."));
        auto* width = test::Control<QLineEdit>(designer, "WidthEdit");
        QVERIFY(width->isVisible());
        Retype(width, "18.01");
        // Enter is Save, which checks the box: the refusal is said once.
        QVERIFY(test::ShowActive(designer));
        width->setFocus(Qt::OtherFocusReason);
        const std::size_t said = f.prompter->said.size();
        test::Walk(designer, "<Enter>");
        QCOMPARE(f.prompter->said.size(), said + 1);
        QCOMPARE(Said(f, f.prompter->said.size() - 1),
                 QString("Width must be between 3 and 18 inches.  Please re-enter width."));
        QVERIFY(designer.isVisible());
        QVERIFY(!CountLayouts(library).has_value());  // nothing written

        Retype(width, "18");
        Place(designer, "TitleButton", {10, 10});
        // No grid on the page: asked first (it once saved without a word); No keeps it open.
        QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(f.prompter->asked.back().text),
                 QString("This page layout has no puzzle grid, so no puzzle grid will print on it.  Save it anyway?"));
        QVERIFY(designer.isVisible());
        QVERIFY(!CountLayouts(library).has_value());
        Place(designer, "PuzzleButton", {100, 100});
        const std::size_t asked = f.prompter->asked.size();
        QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        QCOMPARE(f.prompter->asked.size(), asked);
        QVERIFY(!designer.isVisible());
        QVERIFY(designer.Result().IsDone());
        auto saved = std::make_unique<PageLayoutRecord>();
        QVERIFY(ReadLayout(library, 0, *saved).IsDone());
        QCOMPARE(QString::fromStdString(saved->name.Str()), QString("New Page"));
        QCOMPARE(QString::fromStdString(saved->paperName.Str()), QString("Custom"));
        QCOMPARE(saved->pageWidth, 18.0);
        QCOMPARE(saved->pixelWidth, std::int16_t(18 * 72));
        QCOMPARE(saved->zoom, std::int16_t(2));
        QCOMPARE(saved->objectCount, std::int16_t(2));
        QCOMPARE(f.context.state.settings.pageDesignerWidth, designer.width());  // geometry kept
    }

    // A kind the page holds already is disabled; its caption once showed white on grey.
    void ADisabledKindButtonStaysLegible() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        Place(designer, "TitleButton", {48, 48});
        auto* title = test::Control<QPushButton>(designer, "TitleButton");
        QVERIFY(!title->isEnabled());
        const QImage image = title->grab().toImage();
        int dark = 0, light = 0;
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 4; x < image.width() - 4; ++x) (qGray(image.pixel(x, y)) < 128 ? dark : light)++;
        QVERIFY2(dark > 15, "the caption's strokes stand out dark");
        QVERIFY(light > dark);
    }

    void ExitAsksOnlyWhenSomethingChanged() {
        {
            test::FormFixture f;
            TDoPages designer(Inputs(f));
            designer.show();
            QTest::keyClick(&designer, Qt::Key_Escape);
            QVERIFY(!designer.isVisible());
            QVERIFY(f.prompter->asked.empty());
        }
        test::FormFixture f({Answer::Cancel, Answer::No});
        const std::string library = f.context.state.LayoutsLibrary();
        TDoPages designer(Inputs(f));
        designer.show();
        designer.findChild<QAction*>("MenuLarge")->trigger();  // the zoom alone is no change
        Place(designer, "CircleButton", {30, 30});
        auto* exit = designer.findChild<QAction*>("MenuExit");
        exit->trigger();  // Cancel: stays
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text),
                 QString("Page layout has been modified.  Save changes?"));
        QVERIFY(designer.isVisible());
        exit->trigger();  // No: leaves without writing
        QVERIFY(!designer.isVisible());
        QVERIFY(designer.Result().IsCancelled());
        QVERIFY(!CountLayouts(library).has_value());
    }

    // Without the mouse: Tab round the panel and the page, a kind chosen with Space and placed
    // with Space or Enter on the page, Tab walking the objects, arrows moving and Shift+arrows
    // resizing by an eighth of an inch, Delete, Ctrl+Z and Ctrl+Y, and Enter saving.
    void TheKeyboardAloneLaysOutAPage() {
        test::FormFixture f;
        const std::string library = f.context.state.LayoutsLibrary();
        TDoPages designer(Inputs(f));
        QVERIFY(test::ShowActive(designer));
        QTest::keyClicks(test::Focused(), "Quiz");  // the name typed at once replaces "New Page"
        QCOMPARE(test::Control<QLineEdit>(designer, "NameEdit")->text(), QString("Quiz"));
        test::Control<QLineEdit>(designer, "NameEdit")->setFocus(Qt::OtherFocusReason);
        QCOMPARE(test::TabRound(),
                 (QStringList{"NameEdit", "PaperList", "PortraitButton", "TitleButton", "PuzzleButton",
                              "DownHeadingButton", "AcrossHeadingButton", "AcrossCluesButton", "DownCluesButton",
                              "WordListButton", "BonusQuestButton", "CombinedCluesButton", "TextButton",
                              "BitmapButton", "RectangleButton", "CircleButton", "PageCanvas", "SaveButton",
                              "CancelButton"}));
        auto* undo = designer.findChild<QAction*>("MenuUndo");
        auto* redo = designer.findChild<QAction*>("MenuRedo");
        QVERIFY(!undo->isEnabled());

        QVERIFY(test::TabTo("PuzzleButton"));
        test::Walk(designer, "<Space>");
        QVERIFY(test::TabTo("PageCanvas"));
        test::Walk(designer, "<Space>|<Right>|<Right>|<Right>|<Down>|<Down>|<Shift+Right>|<Shift+Right>");
        QCOMPARE(designer.Design().ObjectCount(), 1);
        QCOMPARE(RectOf(designer, 1), (ObjectRect{27, 18, 261, 234}));
        QVERIFY(undo->isEnabled());

        QVERIFY(test::TabTo("TitleButton", false));
        test::Walk(designer, "<Space>");
        QVERIFY(test::TabTo("PageCanvas"));
        QCOMPARE(designer.Design().selected, 1);  // coming in by Tab: the first object
        test::Walk(designer, "<Enter>|<Down>|<Down>|<Down>|<Down>");
        QCOMPARE(designer.Design().ObjectCount(), 2);
        QCOMPARE(RectOf(designer, 2), (ObjectRect{0, 36, 144, 54}));
        // The selected object has its handles: the top left one covers the title's yellow.
        const QPoint corner = TPageCanvas::CanvasPoint({1, 37});
        auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
        QCOMPARE(canvas->grab().toImage().pixelColor(corner), QColor(Qt::black));

        test::Walk(designer, "<Backtab>");
        QCOMPARE(designer.Design().selected, 1);
        test::Walk(designer, "<Delete>");
        QCOMPARE(designer.Design().ObjectCount(), 1);
        QVERIFY(f.prompter->asked.empty());  // as the menu's Delete: no question, Undo brings it back
        test::Walk(designer, "<Ctrl+Z>|<Ctrl+Z>|<Ctrl+Z>|<Ctrl+Z>|<Ctrl+Z>|<Ctrl+Z>");
        QCOMPARE(designer.Design().ObjectCount(), 1);
        QCOMPARE(designer.Design().Object(1).Kind(), ObjectKind::Puzzle);
        QVERIFY(redo->isEnabled());
        test::Walk(designer, "<Ctrl+Y>|<Ctrl+Y>|<Ctrl+Y>|<Ctrl+Y>|<Ctrl+Y>");
        QCOMPARE(designer.Design().ObjectCount(), 2);
        QVERIFY(redo->isEnabled());  // the deletion is still to be redone

        QVERIFY(designer.findChild<QWidget*>("PageCanvas")->hasFocus());
        test::Walk(designer, "<Enter>");
        QVERIFY(!designer.isVisible());
        QVERIFY(designer.Result().IsDone());
        auto saved = std::make_unique<PageLayoutRecord>();
        QVERIFY(ReadLayout(library, 0, *saved).IsDone());
        QCOMPARE(saved->objectCount, std::int16_t(2));
        QCOMPARE(saved->objects[0].Kind(), ObjectKind::Puzzle);
        QCOMPARE(saved->objects[0].rect, (ObjectRect{27, 18, 261, 234}));
        QCOMPARE(saved->objects[1].Kind(), ObjectKind::Title);
        QCOMPARE(saved->objects[1].rect, (ObjectRect{0, 36, 144, 54}));
    }

    // The object dialogs are steps of Undo too; the menu's items follow what there is to undo.
    void DialogChangesAndPaperChangesAreUndone() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        Place(designer, "TextButton", {48, 48});
        designer.findChild<QAction*>("MenuUndo")->trigger();
        QCOMPARE(designer.Design().ObjectCount(), 0);
        designer.findChild<QAction*>("MenuRedo")->trigger();
        QCOMPARE(designer.Design().ObjectCount(), 1);
        Click(test::Control<QWidget>(designer, "PageCanvas"), {60, 60});
        designer.RunObjectCommand(ObjectMenuItem::BringToFront);  // alone: no change, no step
        designer.findChild<QAction*>("Align3")->trigger();
        QCOMPARE(designer.Design().Object(1).alignment, std::int16_t(kAlignRight));
        QVERIFY(test::ShowActive(designer));
        test::Walk(designer, "<Alt+L>");
        QCOMPARE(test::Control<QLineEdit>(designer, "WidthEdit")->text(), QString("11.00"));
        designer.findChild<QAction*>("MenuUndo")->trigger();
        QVERIFY(test::Control<QRadioButton>(designer, "PortraitButton")->isChecked());
        QCOMPARE(designer.Design().layout.pixelWidth, std::int16_t(8.5 * 72));
        designer.findChild<QAction*>("MenuUndo")->trigger();
        QCOMPARE(designer.Design().Object(1).alignment, std::int16_t(NewPageObject(ObjectKind::Text, designer.Design().layout, {}).alignment));
        designer.findChild<QAction*>("MenuUndo")->trigger();
        QCOMPARE(designer.Design().ObjectCount(), 0);
        QVERIFY(!designer.findChild<QAction*>("MenuUndo")->isEnabled());
    }

    void AModifiedLayoutOpensAtTheZoomShownAndReplacesItsRecord() {
        test::FormFixture f({Answer::Yes});
        const std::string library = f.context.state.LayoutsLibrary();
        auto layout = std::make_unique<PageLayoutRecord>();
        layout->zoom = 1;
        BuildDefaultLayout(*layout);
        (void)AppendLayout(library, *layout);
        layout->name = "Second";
        (void)AppendLayout(library, *layout);
        const std::string first = test::ReadFileText(library).substr(0, PageLayoutRecord::kStoredSize);
        f.context.state.settings.zoom = 3;

        TDoPages designer(Inputs(f, PageDesignMode::Modify, layout.get(), 1));
        designer.show();
        QCOMPARE(RectOf(designer, 1), (ObjectRect{96, 96, 720, 144}));  // the title, Small to Large
        Click(test::Control<QWidget>(designer, "PageCanvas"), {100, 100});
        Drag(test::Control<QWidget>(designer, "PageCanvas"), {100, 100}, {110, 100});
        QTest::keyClick(&designer, Qt::Key_Escape);  // changed: Yes saves
        QVERIFY(designer.Result().IsDone());
        QCOMPARE(designer.Result().index, 1);
        QCOMPARE(CountLayouts(library).value(), 2);
        QVERIFY(test::ReadFileText(library).substr(0, PageLayoutRecord::kStoredSize) == first);
        auto saved = std::make_unique<PageLayoutRecord>();
        QVERIFY(ReadLayout(library, 1, *saved).IsDone());
        QCOMPARE(saved->zoom, std::int16_t(3));
        QCOMPARE(saved->objects[0].rect, (ObjectRect{106, 96, 730, 144}));
    }

    // From the designer to the printed page: title, grid, both clue blocks and a text placed with
    // the mouse, saved, and a puzzle rendered on the saved layout draws each where it was put.
    void ADesignedPagePrintsEachObjectWhereItWasPut() {
        test::FormFixture f;
        TDoPages designer(Inputs(f));
        designer.show();
        Place(designer, "TitleButton", {72, 36});  // Medium zoom: 72 units an inch
        Place(designer, "PuzzleButton", {72, 100});
        Place(designer, "AcrossCluesButton", {72, 470});
        Place(designer, "DownCluesButton", {340, 470});
        Place(designer, "TextButton", {72, 700});
        const int text = designer.Design().ObjectCount();
        test::WhenDialogShows([](QWidget& dialog) {
            QTest::keyClicks(test::Control<QPlainTextEdit>(dialog, "TextMemo"), "Name: ____");
            QTest::mouseClick(test::Control<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        designer.RunObjectCommand(ObjectMenuItem::ChangeText);
        QCOMPARE(ObjectText(designer.Design().Object(text)), std::string("Name: ____"));
        QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        QVERIFY(!designer.isVisible());

        auto layout = std::make_unique<PageLayoutRecord>();
        QVERIFY(ReadLayout(f.context.state.LayoutsLibrary(), 0, *layout).IsDone());
        const auto puzzle = test::PrintablePuzzle();
        RecordingSurface surface;
        (void)RenderPage(surface, *puzzle, *layout, PrintOptions{}, PrintHeadings{"Across", "Down"});
        // The designed rectangle of a kind, in inches (72 units an inch at the zoom it was saved at).
        const auto inches = [&](ObjectKind kind) {
            for (int i = 0; i < layout->UsedObjects(); ++i) {
                const PageObject& o = layout->objects[static_cast<std::size_t>(i)];
                if (o.Kind() == kind) return std::array<double, 4>{o.Left() / 72.0, o.Top() / 72.0, o.Right() / 72.0, o.Bottom() / 72.0};
            }
            qFatal("kind not on the page");
            return std::array<double, 4>{};
        };
        const auto within = [](const std::array<double, 4>& r, double x, double y) {
            return x >= r[0] - 1e-6 && x <= r[2] + 1e-6 && y >= r[1] - 1e-6 && y <= r[3] + 1e-6;
        };
        const auto drawnIn = [&](const std::string& text, ObjectKind kind) {
            for (const SurfaceCall& t : surface.Texts())
                if (t.text == text) return within(inches(kind), t.args[0], t.args[1]);
            return false;
        };
        QVERIFY(drawnIn("Sun and Dew", ObjectKind::Title));
        QVERIFY(drawnIn("Clue for SUN", ObjectKind::AcrossClues));
        QVERIFY(drawnIn("Clue for DEW", ObjectKind::AcrossClues));
        QVERIFY(drawnIn("Clue for SOD", ObjectKind::DownClues));
        QVERIFY(drawnIn("Clue for NOW", ObjectKind::DownClues));
        QVERIFY(drawnIn("Name: ____", ObjectKind::Text));
        // The grid's squares, within the grid's rectangle and filling its width or its height.
        const std::array<double, 4> grid = inches(ObjectKind::Puzzle);
        double left = 99, top = 99, right = 0, bottom = 0;
        for (const SurfaceCall& fill : surface.CallsOf("FillRect")) {
            QVERIFY(within(grid, fill.args[0], fill.args[1]) && within(grid, fill.args[2], fill.args[3]));
            left = std::min(left, fill.args[0]);
            top = std::min(top, fill.args[1]);
            right = std::max(right, fill.args[2]);
            bottom = std::max(bottom, fill.args[3]);
        }
        QVERIFY(right > left && bottom > top);
        QVERIFY(right - left > 0.9 * (grid[2] - grid[0]) || bottom - top > 0.9 * (grid[3] - grid[1]));
    }
};

}  // namespace qf

QTEST_MAIN(qf::DoPagesTest)
#include "DoPagesTest.moc"
