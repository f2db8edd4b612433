// The page layout chooser: its entries and thumbnail, Select in each mode, and the library
// commands with their questions and messages, against a library file made by the test.
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "base/ByteCodec.h"
#include "support/forms/FormFixture.h"
#include "layouts/LayoutExchange.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "layouts/forms/DoPages.h"
#include "layouts/forms/ListPages.h"
#include "layouts/forms/PageBox.h"
#include "layouts/forms/PageCanvas.h"
#include "output/PageRenderer.h"
#include "report/RecordingSurface.h"

namespace qf {
namespace {

std::unique_ptr<PageLayoutRecord> Layout(const char* name, const char* paper = "Letter") {
    auto layout = std::make_unique<PageLayoutRecord>();
    layout->zoom = 1;
    BuildDefaultLayout(*layout);
    layout->name = name;
    layout->paperName = paper;
    return layout;
}

// A library of "A (Letter)", "B (Letter)" and "C (Custom 9" x 12")".
std::string MakeLibrary(test::FormFixture& f) {
    const std::string library = f.context.state.LayoutsLibrary();
    (void)AppendLayout(library, *Layout("A"));
    (void)AppendLayout(library, *Layout("B"));
    auto custom = Layout("C", "Custom");
    custom->pageWidth = 8.5;
    custom->pageHeight = 11.5;
    (void)AppendLayout(library, *custom);
    return library;
}

ListPagesInputs Inputs(test::FormFixture& f, ListPagesMode mode, std::function<Outcome()> extract = {}) {
    ProgramContext& c = f.context;
    return {c.Look(),           mode,           c.state.settings,  c.state.LayoutsLibrary(), c.state.dirs.program,
            *c.prompter,        *c.fileChooser, *c.fontChooser,    *c.colorChooser,          std::move(extract)};
}

QStringList Texts(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

QString Said(const test::FormFixture& f, std::size_t i) { return QString::fromStdString(f.prompter->said.at(i).text); }

void Press(QWidget* canvas, QEvent::Type type, Qt::MouseButton button, PagePoint at) {
    const QPointF local = TPageCanvas::CanvasPoint(at);
    QMouseEvent event(type, local, canvas->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button), Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// Places an object of the kind button at a page point, selects it and gives it a black fill.
void PlaceFilled(QWidget& designer, const char* button, PagePoint at) {
    QTest::mouseClick(test::Control<QPushButton>(designer, button), Qt::LeftButton);
    auto* canvas = test::Control<QWidget>(designer, "PageCanvas");
    Press(canvas, QEvent::MouseButtonPress, Qt::LeftButton, at);
    Press(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, at);
    Press(canvas, QEvent::MouseButtonPress, Qt::LeftButton, {at.x + 5, at.y + 5});
    Press(canvas, QEvent::MouseButtonRelease, Qt::LeftButton, {at.x + 5, at.y + 5});
    test::WhenDialogShows([](QWidget& fill) {
        test::Control<QCheckBox>(fill, "FillBox")->setChecked(true);
        QTest::mouseClick(test::Control<QPushButton>(fill, "OkButton"), Qt::LeftButton);
    });
    static_cast<TDoPages&>(designer).RunObjectCommand(ObjectMenuItem::Fill);
}

}  // namespace

class ListPagesTest : public QObject {
    Q_OBJECT
private slots:
    void EntriesThumbnailAndSelectInEachMode() {
        test::FormFixture f;
        MakeLibrary(f);
        f.context.state.settings.defaultPage = 1;
        TListPages manager(Inputs(f, ListPagesMode::Manage));
        manager.show();
        QCOMPARE(manager.windowTitle(), QString("Puzzle Page Layouts"));
        auto* list = test::Control<QListWidget>(manager, "PageList");
        QCOMPARE(Texts(list), QStringList({"A (Letter)", "B (Letter)  <<DEFAULT>>", "C (Custom 9\" x 12\")"}));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!test::Control<QPushButton>(manager, "SelectButton")->isEnabled());
        QVERIFY(!test::Control<QPushButton>(manager, "ExtractButton")->isEnabled());  // no extraction given

        // The thumbnail: the page white, the grid maroon where the default layout puts it.
        auto* box = test::Control<TPageBox>(manager, "PageImage");
        QVERIFY(box->Layout() != nullptr);
        const QImage picture = box->Picture();
        const double scale = std::min(picture.width() / 408.0, picture.height() / 528.0);
        QCOMPARE(picture.pixelColor(int(200 * scale), int(180 * scale)), QColor(128, 0, 0));
        QCOMPARE(picture.pixelColor(int(20 * scale), int(500 * scale)), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(picture.width() - 1, picture.height() - 1),
                 box->palette().color(QPalette::Window));  // beyond the page: the window face

        // For the editor: Select hands back the layout of the selected entry.
        TListPages chooser(Inputs(f, ListPagesMode::Editor));
        chooser.show();
        auto* select = test::Control<QPushButton>(chooser, "SelectButton");
        QVERIFY(select->isEnabled());
        test::Control<QListWidget>(chooser, "PageList")->setCurrentRow(2);
        QTest::mouseClick(select, Qt::LeftButton);
        QVERIFY(!chooser.isVisible());
        QVERIFY(chooser.Chosen() != nullptr);
        QCOMPARE(QString::fromStdString(chooser.Chosen()->name.Str()), QString("C"));
        QCOMPARE(chooser.Chosen()->pageHeight, 11.5);
    }

    void AMissingLibraryWarnsAndLeavesOnlyWhatNeedsNoLayout() {
        test::FormFixture f;
        TListPages chooser(Inputs(f, ListPagesMode::Print, [] { return Outcome::Cancelled(); }));
        chooser.show();
        QCOMPARE(f.prompter->said.size(), std::size_t(1));
        QCOMPARE(Said(f, 0), QString("No saved page layouts could be found."));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("Warning"));
        for (const char* name : {"SelectButton", "DeleteButton", "CopyButton", "ModifyButton", "ExportButton"})
            QVERIFY2(!test::Control<QPushButton>(chooser, name)->isEnabled(), name);
        for (const char* name : {"NewButton", "ImportButton", "ExtractButton", "DefaultButton"})
            QVERIFY2(test::Control<QPushButton>(chooser, name)->isEnabled(), name);
        QTest::mouseClick(test::Control<QPushButton>(chooser, "DefaultButton"), Qt::LeftButton);
        QCOMPARE(Said(f, 1), QString("No page layout selected."));
        QCOMPARE(QString::fromStdString(f.prompter->said[1].caption), QString("Error"));
        QCOMPARE(f.context.state.settings.defaultPage, 0);
    }

    void DeleteAsksAndOnlyYesDeletes() {
        test::FormFixture f({Answer::No, Answer::Yes, Answer::Yes});
        const std::string library = MakeLibrary(f);
        const std::string before = test::ReadFileText(library);
        TListPages chooser(Inputs(f, ListPagesMode::Manage));
        chooser.show();
        auto* list = test::Control<QListWidget>(chooser, "PageList");
        auto* erase = test::Control<QPushButton>(chooser, "DeleteButton");
        list->setCurrentRow(1);
        QTest::mouseClick(erase, Qt::LeftButton);  // No
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text),
                 QString("Are you sure you want to delete \"B (Letter)\"?"));
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).caption), QString("Delete?"));
        QVERIFY(test::ReadFileText(library) == before);
        QCOMPARE(list->count(), 3);

        QTest::mouseClick(erase, Qt::LeftButton);  // Yes: the same row now holds the next layout
        QCOMPARE(Texts(list), QStringList({"A (Letter)  <<DEFAULT>>", "C (Custom 9\" x 12\")"}));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(CountLayouts(library).value(), 2);
        QCOMPARE(test::Control<TPageBox>(chooser, "PageImage")->Layout()->pageHeight, 11.5);

        QTest::mouseClick(erase, Qt::LeftButton);  // Yes on the last row: the new last row
        QCOMPARE(Texts(list), QStringList({"A (Letter)  <<DEFAULT>>"}));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(test::ReadFileText(library), before.substr(0, PageLayoutRecord::kStoredSize));
    }

    void SetDefaultMarksTheEntryAndKeepsItSelected() {
        test::FormFixture f;
        MakeLibrary(f);
        TListPages chooser(Inputs(f, ListPagesMode::Manage));
        chooser.show();
        auto* list = test::Control<QListWidget>(chooser, "PageList");
        list->setCurrentRow(2);
        QTest::mouseClick(test::Control<QPushButton>(chooser, "DefaultButton"), Qt::LeftButton);
        QCOMPARE(f.context.state.settings.defaultPage, 2);
        QCOMPARE(Texts(list), QStringList({"A (Letter)", "B (Letter)", "C (Custom 9\" x 12\")  <<DEFAULT>>"}));
        QCOMPARE(list->currentRow(), 2);
    }

    void ImportRefusesABadFileAndAppendsAGoodOne() {
        test::FormFixture f;
        const std::string library = MakeLibrary(f);
        const std::string before = test::ReadFileText(library);
        const std::string bad = f.dir.File("bad.PAG");
        const std::string good = f.dir.File("good.PAG");
        auto bytes = EncodeLayoutExchange(*Layout("Imported"));
        bytes[2] = 'X';  // "PAX": not a layout file
        test::WriteBytes(bad, bytes);
        bytes[2] = 'G';
        bytes[4] = '9';  // another version is taken
        test::WriteBytes(good, bytes);
        f.chooser->Answers() = {bad, good};

        TListPages chooser(Inputs(f, ListPagesMode::Manage));
        chooser.show();
        auto* import = test::Control<QPushButton>(chooser, "ImportButton");
        QTest::mouseClick(import, Qt::LeftButton);
        QCOMPARE(f.chooser->requests.at(0).title, std::string("Import Page Layouts"));
        QCOMPARE(f.chooser->requests.at(0).filter, std::string("Page Layouts (*.PAG)|*.PAG"));
        QCOMPARE(Said(f, 0), QString("Page layout file is corrupt or incompatible.  Import aborted."));
        QVERIFY(test::ReadFileText(library) == before);

        QTest::mouseClick(import, Qt::LeftButton);
        auto* list = test::Control<QListWidget>(chooser, "PageList");
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(list->item(3)->text(), QString("Imported (Letter)"));
        QCOMPARE(f.context.state.settings.lastImportLayoutFile, good);
        QCOMPARE(f.chooser->requests.at(1).initialPath, bad);  // the dialog starts where it was last
        QVERIFY(test::ReadFileText(library).substr(0, before.size()) == before);
    }

    void ExportWritesTheSelectedLayoutAndConfirms() {
        test::FormFixture f;
        MakeLibrary(f);
        const std::string target = f.dir.File("out.PAG");
        f.chooser->Answers() = {"", target};
        TListPages chooser(Inputs(f, ListPagesMode::Manage));
        chooser.show();
        test::Control<QListWidget>(chooser, "PageList")->setCurrentRow(1);
        auto* exportButton = test::Control<QPushButton>(chooser, "ExportButton");
        QTest::mouseClick(exportButton, Qt::LeftButton);  // the dialog cancelled: nothing said
        QVERIFY(f.prompter->said.empty());
        QTest::mouseClick(exportButton, Qt::LeftButton);
        QCOMPARE(f.chooser->requests.at(1).title, std::string("Export Page Layouts"));
        QVERIFY(f.chooser->requests.at(1).confirmOverwrite);
        QCOMPARE(Said(f, 0), QString("Page Layout Exported!"));
        QCOMPARE(QString::fromStdString(f.prompter->said[0].caption), QString("OK"));
        auto read = std::make_unique<PageLayoutRecord>();
        QVERIFY(ReadLayoutExchange(target, *read).IsDone());
        QCOMPARE(QString::fromStdString(read->name.Str()), QString("B"));
    }

    void ExtractAddsTheLayoutItHandsBack() {
        test::FormFixture f;
        const std::string library = MakeLibrary(f);
        TListPages chooser(Inputs(f, ListPagesMode::Manage, [&] { return AppendLayout(library, *Layout("Out")); }));
        chooser.show();
        QTest::mouseClick(test::Control<QPushButton>(chooser, "ExtractButton"), Qt::LeftButton);
        auto* list = test::Control<QListWidget>(chooser, "PageList");
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentItem()->text(), QString("Out (Letter)"));
    }

    void ModifyWritesInPlaceAndCopyAppendsUnderTheCopyName() {
        test::FormFixture f;
        const std::string library = MakeLibrary(f);
        const std::string before = test::ReadFileText(library);
        TListPages chooser(Inputs(f, ListPagesMode::Manage));
        chooser.show();
        auto* list = test::Control<QListWidget>(chooser, "PageList");
        list->setCurrentRow(1);

        test::WhenDialogShows([](QWidget& designer) {
            auto* name = test::Control<QLineEdit>(designer, "NameEdit");
            QCOMPARE(name->text(), QString("B"));
            name->clear();
            QTest::keyClicks(name, "  Renamed ");
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        QTest::mouseClick(test::Control<QPushButton>(chooser, "ModifyButton"), Qt::LeftButton);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(list->item(1)->text(), QString("Renamed (Letter)"));
        const std::string after = test::ReadFileText(library);
        constexpr std::size_t n = PageLayoutRecord::kStoredSize;
        QCOMPARE(after.size(), before.size());
        QVERIFY(after.substr(0, n) == before.substr(0, n));          // the others untouched
        QVERIFY(after.substr(2 * n) == before.substr(2 * n));

        test::WhenDialogShows([](QWidget& designer) {
            QCOMPARE(test::Control<QLineEdit>(designer, "NameEdit")->text(), QString("Renamed (2)"));
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        QTest::mouseClick(test::Control<QPushButton>(chooser, "CopyButton"), Qt::LeftButton);
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(list->item(3)->text(), QString("Renamed (2) (Letter)"));
    }

    // The whole road: a page designed with the mouse, saved, chosen for a print and rendered
    // puts each object where the designer showed it.
    void ADesignedPagePrintsWhereItWasPlaced() {
        test::FormFixture f({Answer::Yes});  // saved although it has no grid
        f.context.state.settings.zoom = 3;  // Large: 96 units an inch
        TListPages manager(Inputs(f, ListPagesMode::Manage));
        manager.show();
        test::WhenDialogShows([](QWidget& designer) {
            auto* name = test::Control<QLineEdit>(designer, "NameEdit");
            QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(name, "Worksheet");
            PlaceFilled(designer, "RectangleButton", {96, 144});   // 1 in, 1.5 in; 2 x 2 in
            PlaceFilled(designer, "CircleButton", {480, 672});     // 5 in, 7 in
            QTest::mouseClick(test::Control<QPushButton>(designer, "SaveButton"), Qt::LeftButton);
        });
        QTest::mouseClick(test::Control<QPushButton>(manager, "NewButton"), Qt::LeftButton);
        QCOMPARE(test::Control<QListWidget>(manager, "PageList")->currentItem()->text(), QString("Worksheet (Letter)  <<DEFAULT>>"));
        manager.close();

        TListPages chooser(Inputs(f, ListPagesMode::Print));
        chooser.show();
        QTest::mouseClick(test::Control<QPushButton>(chooser, "SelectButton"), Qt::LeftButton);
        QVERIFY(chooser.Chosen() != nullptr);
        auto layout = std::make_unique<PageLayoutRecord>(*chooser.Chosen());
        auto puzzle = std::make_unique<PuzzleRecord>();
        RecordingSurface surface;
        (void)RenderPage(surface, *puzzle, *layout, PrintOptions{}, PrintHeadings{"Across", "Down"});

        std::vector<std::vector<double>> filled;
        for (const SurfaceCall& call : surface.Calls())
            if (call.op == "FillRect" || call.op == "FillEllipse") filled.push_back(call.args);
        QCOMPARE(filled.size(), std::size_t(2));
        const std::vector<double> rectangle{1.0, 1.5, 3.0, 3.5};
        const std::vector<double> circle{5.0, 7.0, 7.0, 9.0};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(std::abs(filled[0][i] - rectangle[i]) < 1e-9);
            QVERIFY(std::abs(filled[1][i] - circle[i]) < 1e-9);
        }
    }
};

}  // namespace qf

QTEST_MAIN(qf::ListPagesTest)
#include "ListPagesTest.moc"
