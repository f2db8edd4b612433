// Every control that a message of the core names for the focus is a control of its window: the
// names each window's core declares (its `kAll`) are looked up in the window built for real.
// A control renamed on one side only fails here, instead of a message quietly focusing nothing.
// The same windows are walked with Tab: the focus visits the controls in reading order (down a
// column, then the next column to the right; along a row from the left), and Escape closes.
#include <QAbstractItemView>
#include <QPlainTextEdit>
#include <QtTest>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "app/forms/AboutBox.h"
#include "app/forms/ImportWordLists.h"
#include "app/forms/TipOfDay.h"
#include "app/forms/WordLetters.h"
#include "collections/CollectionFixtures.h"
#include "collections/CollectionOperations.h"
#include "collections/forms/ExportPuzzles.h"
#include "collections/forms/ExtractAPuzzle.h"
#include "collections/forms/ImportPuzzles.h"
#include "editor/WordTextImport.h"
#include "editor/forms/DoIntChars.h"
#include "editor/forms/Import.h"
#include "editor/forms/MyEditBox.h"
#include "editor/forms/MyExport.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageDesign.h"
#include "layouts/PageObjectDialogs.h"
#include "layouts/forms/DoPages.h"
#include "layouts/forms/ListPages.h"
#include "layouts/forms/ObjectBorders.h"
#include "layouts/forms/ObjectProp.h"
#include "layouts/forms/ObjectProp2.h"
#include "layouts/forms/SizeLocation.h"
#include "model/CreateCheck.h"
#include "output/ExportChoices.h"
#include "output/PrintChoices.h"
#include "output/forms/BonusQuestion.h"
#include "output/forms/ClueHeaders.h"
#include "output/forms/MyBitmapWidth.h"
#include "output/forms/NumCopies.h"
#include "output/forms/TheJPegFactor.h"
#include "shapes/ShapeDesign.h"
#include "shapes/forms/DoShapes.h"

namespace qf {
namespace {

// A layout of the shipped library opened for change, and the slot of its first object of `kind`.
struct OpenedLayout {
    explicit OpenedLayout(test::FormFixture& f) {
        const std::string library = f.context.state.LayoutsLibrary();
        const auto entries = ListLayouts(library, 0);
        if (entries.empty()) qFatal("no shipped layouts");
        PageLayoutRecord layout;
        if (!ReadLayout(library, entries.front().position, layout).IsDone()) qFatal("layout not read");
        (void)OpenPageDesign(design, PageDesignMode::Modify, &layout, entries.front().position, PageZoom::Medium,
                             design.labels);
    }
    int SlotOf(ObjectKind kind) const {
        for (int slot = 0; slot < design.layout.UsedObjects(); ++slot)
            if (design.Object(slot).Kind() == kind) return slot;
        qFatal("the shipped layout has no object of the kind asked for");
    }
    PageDesign design;
};

// What a window is built on and must outlive it.
struct Keep {
    std::unique_ptr<Editor> editor;
    std::unique_ptr<OpenedLayout> layout;
    OpenedLayout& Layout(test::FormFixture& f) {
        layout = std::make_unique<OpenedLayout>(f);
        return *layout;
    }
};

using Window = std::function<std::unique_ptr<QWidget>(test::FormFixture&, Keep&)>;

void Row(const char* name, Window window, std::span<const ControlName> names) {
    QStringList list;
    for (const ControlName& n : names) list << n.text;
    QTest::newRow(name) << window << list;
}

// Where `to` comes after `from` when read: a step up must go to a column further right, a step
// left on the same line must go down to the next line. Rectangles in the window's coordinates.
bool ReadsAfter(const QRect& from, const QRect& to) {
    constexpr int kSlack = 4;
    const bool above = to.bottom() < from.top() + kSlack;
    const bool rightColumn = to.left() > from.right() - kSlack;
    const bool sameLine = to.top() < from.bottom() - kSlack && to.bottom() > from.top() + kSlack;
    const bool leftOnLine = sameLine && to.right() < from.left() + kSlack;
    return !(above && !rightColumn) && !leftOnLine;
}

QString Describe(const QWidget* w) { return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(); }

// The control the focus is in: a grid for the editor of its cell.
QWidget* ControlOf(QWidget* focused) {
    for (QWidget* w = focused; w; w = w->parentWidget())
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) return view;
    return focused;
}

// Tab, or Ctrl+Tab out of a control that uses Tab itself (a grid, a text of several lines).
void NextControl(QWidget* focused) {
    auto* view = qobject_cast<QAbstractItemView*>(ControlOf(focused));
    auto* text = qobject_cast<QPlainTextEdit*>(focused);
    const bool keepsTab = (view && view->tabKeyNavigation()) || (text && !text->tabChangesFocus());
    QTest::keyClick(focused, Qt::Key_Tab, keepsTab ? Qt::ControlModifier : Qt::NoModifier);
}

}  // namespace
}  // namespace qf

Q_DECLARE_METATYPE(qf::Window)

namespace qf {

class FocusTargetsTest : public QObject {
    Q_OBJECT
private slots:
    void EveryNamedFocusIsAControlOfItsWindow_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QStringList>("names");
        Row("word list editor", [](test::FormFixture& f, Keep& keep) -> std::unique_ptr<QWidget> {
            keep.editor = std::make_unique<Editor>(f, false);
            return std::make_unique<TWordList>(*keep.editor->inputs);
        }, WordListControls::kAll);
        Row("text import", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TImport>(f.context.Look(), EditorGrid{}, f.context.state.settings, *f.prompter,
                                             *f.chooser);
        }, TextImportControls::kAll);
        Row("text export", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TMyExport>(f.context.Look(), EditorGrid{}, false, f.context.state.settings,
                                               *f.prompter, *f.chooser);
        }, TextImportControls::kAll);
        Row("picture width", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TMyBitmapWidth>(f.context.Look(), *f.prompter);
        }, PixelWidthControls::kAll);
        Row("jpeg factor", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TTheJPegFactor>(f.context.Look(), 75, *f.prompter);
        }, JpegFactorControls::kAll);
        Row("import word lists", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TImportWordLists>(ImportWordListsInputs{
                f.context.Look(), {}, "General", 1, "Square", {}, ':', ".", *f.chooser, *f.prompter});
        }, WordListImportControls::kAll);
        Row("copies", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TNumCopies>(f.context.Look(), *f.prompter);
        }, CopiesControls::kAll);
        Row("shape creator", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            ProgramContext& c = f.context;
            return std::make_unique<TDoShapes>(
                DoShapesInputs{c.Look(), ShapeDesignMode::New, {}, -1, c.state.ShapesLibrary(), *c.prompter});
        }, ShapeCreatorControls::kAll);
        Row("page creator", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            ProgramContext& c = f.context;
            return std::make_unique<TDoPages>(DoPagesInputs{c.Look(), PageDesignMode::New, nullptr, -1,
                                                            c.state.settings, c.state.LayoutsLibrary(),
                                                            c.state.dirs.program, *c.prompter, *c.fileChooser,
                                                            *c.fontChooser, *c.colorChooser});
        }, PageCreatorControls::kAll);
        Row("layout list", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            ProgramContext& c = f.context;
            return std::make_unique<TListPages>(ListPagesInputs{c.Look(), ListPagesMode::Manage, c.state.settings,
                                                                c.state.LayoutsLibrary(), c.state.dirs.program,
                                                                *c.prompter, *c.fileChooser, *c.fontChooser,
                                                                *c.colorChooser, {}});
        }, LayoutListControls::kAll);
        Row("import puzzles", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            const std::string chosen = f.dir.File("OTHER.QF3");
            test::WriteCollection(chosen, {{"Zoo", "Zebras"}});
            return std::make_unique<TImportPuzzles>(f.context.Look(), chosen, f.dir.File("OPEN.QF3"), *f.prompter);
        }, TitlePickControls::kAll);
        Row("export puzzles", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            const std::string open = f.dir.File("OPEN.QF3");
            test::WriteCollection(open, {{"Sea", "Crabs"}});
            return std::make_unique<TExportPuzzles>(f.context.Look(), open, f.context.state.settings, *f.chooser,
                                                    *f.prompter);
        }, TitlePickControls::kAll);
        Row("extract a puzzle", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            const std::string open = f.dir.File("OPEN.QF3");
            test::WriteCollection(open, {{"Sea", "Crabs"}});
            return std::make_unique<TExtractAPuzzle>(f.context.Look(), open, f.context.state.LayoutsLibrary(),
                                                     *f.prompter);
        }, TitlePickControls::kAll);
        // The object dialogs edit a layout of the shipped library.
        Row("size and position", [](test::FormFixture& f, Keep& keep) -> std::unique_ptr<QWidget> {
            OpenedLayout& l = keep.Layout(f);
            return std::make_unique<TSizeLocation>(f.context.Look(), l.design, l.SlotOf(ObjectKind::Title),
                                                   *f.prompter);
        }, SizeLocationControls::kAll);
        Row("object properties", [](test::FormFixture& f, Keep& keep) -> std::unique_ptr<QWidget> {
            OpenedLayout& l = keep.Layout(f);
            return std::make_unique<TObjectProp>(f.context.Look(), l.design, l.SlotOf(ObjectKind::AcrossClues),
                                                 *f.prompter);
        }, ObjectPropertiesControls::kAll);
        Row("puzzle properties", [](test::FormFixture& f, Keep& keep) -> std::unique_ptr<QWidget> {
            OpenedLayout& l = keep.Layout(f);
            return std::make_unique<TObjectProp2>(f.context.Look(), l.design, l.SlotOf(ObjectKind::Puzzle),
                                                  *f.prompter, *f.context.colorChooser);
        }, PuzzlePropertiesControls::kAll);
        Row("border", [](test::FormFixture& f, Keep& keep) -> std::unique_ptr<QWidget> {
            OpenedLayout& l = keep.Layout(f);
            return std::make_unique<TObjectBorders>(f.context.Look(), l.design, l.SlotOf(ObjectKind::Title),
                                                    *f.prompter, *f.context.colorChooser);
        }, BorderControls::kAll);
    }

    void TabFollowsReadingOrderAndEscapeCloses_data() {
        EveryNamedFocusIsAControlOfItsWindow_data();
        // And the small dialogs whose messages name no control.
        Row("word separators", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TWordLetters>(f.context.Look(), WordSeparators{}, *f.prompter);
        }, {});
        Row("bonus question", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TBonusQuestion>(f.context.Look(), "Which bird cannot fly?");
        }, {});
        Row("clue headers", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TClueHeaders>(f.context.Look(), ClueHeadersMode::Defaults, PrintHeadings{});
        }, {});
        Row("international characters", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TDoIntChars>(f.context.Look(), f.context.state.settings.intKeys);
        }, {});
        Row("dictionary maintenance", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TMyEditBox>(f.context.Look(), UserListTarget{UserListMode::Include,
                                                f.dir.File("USER.DIC"), "American", 1033}, *f.prompter);
        }, {});
        Row("tip of the day", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TTipOfDay>(f.context.Look(), true, 1);
        }, {});
        Row("about", [](test::FormFixture& f, Keep&) -> std::unique_ptr<QWidget> {
            return std::make_unique<TAboutBox>(f.context.Look());
        }, {});
    }
    void TabFollowsReadingOrderAndEscapeCloses() {
        QFETCH(Window, window);
        test::FormFixture f;
        f.CopyShipped("QFFLAY.DAT");
        f.CopyShipped("QFFPAGE.DAT");
        Keep keep;
        const std::unique_ptr<QWidget> w = window(f, keep);
        QVERIFY(test::ShowActive(*w));
        // The focus goes round the window once; read in order, the only step back is the one
        // from the last control to the first, wherever the window puts the focus when it opens.
        QVERIFY2(test::Focused(), "nothing takes the focus");
        QWidget* first = ControlOf(test::Focused());
        std::vector<QWidget*> round{first};
        for (int step = 0; step < 100; ++step) {
            NextControl(test::Focused());
            QVERIFY2(test::Focused() && w->isAncestorOf(test::Focused()), "Tab left the window");
            QWidget* to = ControlOf(test::Focused());
            if (to == first) break;
            round.push_back(to);
        }
        const auto at = [&w](const QWidget* c) { return QRect(c->mapTo(w.get(), QPoint(0, 0)), c->size()); };
        QStringList backSteps;
        const QWidget* start = round.front();
        for (std::size_t i = 0; i < round.size(); ++i) {
            QWidget* from = round[i];
            QWidget* to = round[(i + 1) % round.size()];
            if (ReadsAfter(at(from), at(to))) continue;
            backSteps << Describe(from) + " -> " + Describe(to);
            start = to;
        }
        // The designers go from the boxes that size the drawing to the drawing itself and then to
        // the buttons beside it; their own tests check that round.
        const bool designer = QByteArray(QTest::currentDataTag()).endsWith("creator");
        if (!designer) {
            QVERIFY2(backSteps.size() <= 1, qPrintable("Tab goes back: " + backSteps.join(", ")));
            // The step back lands on the control read first: nothing of the round reads before it.
            for (const QWidget* c : round)
                QVERIFY2(ReadsAfter(at(start), at(c)) || c == start,
                         qPrintable("the round starts at " + Describe(start) + ", after " + Describe(c)));
        }
        // In a grid cell being typed in, the first Escape takes back the typing; the next one leaves.
        for (int press = 0; press < 2 && w->isVisible(); ++press) QTest::keyClick(test::Focused(), Qt::Key_Escape);
        QVERIFY2(!w->isVisible(), "Escape did not close the window");
    }

    // The dialogs that return a value: Enter where the window puts the focus presses the default
    // button, which takes the value shown (an unchanged value is a valid one) and closes.
    void EnterTakesTheValueAndCloses_data() { EveryNamedFocusIsAControlOfItsWindow_data(); }
    void EnterTakesTheValueAndCloses() {
        QFETCH(Window, window);
        // (The picture width takes its value when asked, in its own test.)
        static const QStringList kValueDialogs = {"jpeg factor", "copies", "size and position",
                                                  "object properties", "puzzle properties", "border"};
        if (!kValueDialogs.contains(QTest::currentDataTag())) QSKIP("not a dialog of one value");
        test::FormFixture f;
        f.CopyShipped("QFFLAY.DAT");
        f.CopyShipped("QFFPAGE.DAT");
        Keep keep;
        const std::unique_ptr<QWidget> w = window(f, keep);
        auto* dialog = qobject_cast<QDialog*>(w.get());
        QVERIFY(dialog);
        QVERIFY(test::ShowActive(*w));
        QVERIFY2(test::Focused(), "nothing takes the focus");
        const QString focused = Describe(test::Focused());
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QVERIFY2(!w->isVisible(), qPrintable("Enter on " + focused + " did not close the window"));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY2(f.prompter->said.empty(), f.prompter->said.empty() ? "" : f.prompter->said.front().text.c_str());
    }

    void EveryNamedFocusIsAControlOfItsWindow() {
        QFETCH(Window, window);
        QFETCH(QStringList, names);
        test::FormFixture f;
        f.CopyShipped("QFFLAY.DAT");
        f.CopyShipped("QFFPAGE.DAT");
        Keep keep;
        const std::unique_ptr<QWidget> w = window(f, keep);
        for (const QString& name : names)
            QVERIFY2(w->findChild<QWidget*>(name), qPrintable("no control named " + name));
    }
};

}  // namespace qf

QTEST_MAIN(qf::FocusTargetsTest)
#include "FocusTargetsTest.moc"
