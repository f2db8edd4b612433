// The pictures the program draws itself, each shown on a screen of device pixel ratio 1 and on
// one of 2 (the test's platform has both): on the second a picture has twice the pixels each
// way and detail that the first, scaled up, lacks; grids and outlines are 1 device pixel thin.
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/forms/ClientArea.h"
#include "app/forms/SelectedPuzzlePicture.h"
#include "collections/CollectionFile.h"
#include "collections/CollectionFixtures.h"
#include "collections/forms/CollectionModel.h"
#include "editor/ManualAddFixture.h"
#include "editor/forms/ManualAdd.h"
#include "layouts/LayoutLibrary.h"
#include "layouts/PageObjects.h"
#include "layouts/forms/ListPages.h"
#include "model/forms/BlowItUp.h"
#include "model/forms/CreatedPuzzle.h"
#include "model/GenerationRun.h"
#include "output/forms/MyReport.h"
#include "shapes/ShapeFiles.h"
#include "shapes/forms/DoShapes.h"
#include "shapes/forms/SelectShapes.h"
#include "support/SquareShape.h"
#include "support/forms/FormFixture.h"
#include "support/forms/PrintFixtures.h"
#include "support/forms/ShapeFormFixtures.h"

namespace qf {
namespace {

// A picture as its window shows it on `screen`.
using Grab = std::function<QImage(QScreen& screen)>;

QImage Grabbed(QWidget& picture) {
    QImage image = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);  // compared pixel for pixel
    return image;
}

// The window goes to the screen before it shows, so it draws for that screen from the start.
void ShowOn(QWidget& window, QScreen& screen) {
    window.setScreen(&screen);
    window.move(screen.geometry().topLeft() + QPoint(20, 20));
    window.show();
}

// What a picture drawn for a ratio of 1 looks like scaled up to 2: every pixel a 2 x 2 block.
QImage Doubled(const QImage& image) { return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation); }

// A vertical line 1 pixel wide: at least 8 pixels down, dark between light neighbours. A picture
// scaled up has none: its thinnest line is 2 pixels wide.
bool HasHairline(const QImage& image) {
    auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 64; };
    auto light = [&](int x, int y) { return qGray(image.pixel(x, y)) > 160; };
    for (int x = 1; x + 1 < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = dark(x, y) && light(x - 1, y) && light(x + 1, y) ? run + 1 : 0;
            if (run >= 8) return true;
        }
    }
    return false;
}

// A candidate grid: three rows of letters over blank cells.
std::unique_ptr<PuzzleRecord> Candidate() {
    auto record = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    record->width = record->height = 10;
    record->grid.fill(kCellBlank);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 10; ++c) record->Cell(CellIndex(r, c)) = static_cast<std::uint8_t>('A' + c - 1);
    return record;
}

const std::vector<std::string> kRing = {"#########", "#.......#", "#.......#", "#.......#", "#.......#",
                                        "#.......#", "#.......#", "#.......#", "#########"};

QImage CandidateForm(QScreen& screen) {
    test::FormFixture f;
    const ShapeRecord shape = test::Square(12, "");
    auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    const char* words[] = {"LANTERN", "CANDLE", "GARDEN"};
    for (int i = 1; i <= 3; ++i) {
        working->Word(i) = words[i - 1];
        working->Clue(i) = "clue";
    }
    working->wordCount = 3;
    working->width = working->height = 12;
    RunOptions options;
    options.attempts = 4;
    options.seed = 17;
    options.threads = 1;
    RunResults results;
    BuildPuzzles(*working, shape, options, results);
    TCreatedPuzzle form({f.context.Look(), results, shape, *working, *f.prompter});
    ShowOn(form, screen);
    return Grabbed(*test::Control<QWidget>(form, "PuzzImage1"));
}

QImage EnlargedCandidate(QScreen& screen) {
    test::FormFixture f;
    TBlowItUp enlarged(f.context.Look(), *Candidate(), test::Square(10, ""), "Best Fit");
    ShowOn(enlarged, screen);
    return Grabbed(*test::Control<QWidget>(enlarged, "PuzzImage1"));
}

QImage ShapeThumbnail(QScreen& screen) {
    test::FormFixture f;
    const std::string library = f.dir.File("QFFLAY.DAT");
    if (!AppendShape(library, test::DrawnShape("Ring", kRing)).IsDone()) qFatal("fixture not written");
    f.context.state.settings.lastShape = 0;
    TSelectShapes manager(SelectShapesInputs{f.context.Look(), f.context.state.settings, f.context.state.currentShape,
                                             *f.prompter, *f.chooser, library});
    ShowOn(manager, screen);
    return Grabbed(*test::Control<QWidget>(manager, "LayoutImage"));
}

QImage ShapeCreator(QScreen& screen) {
    test::FormFixture f;
    TDoShapes designer(DoShapesInputs{f.context.Look(), ShapeDesignMode::Modify, test::DrawnShape("Ring", kRing), 0,
                                      f.dir.File("QFFLAY.DAT"), *f.prompter});
    ShowOn(designer, screen);
    return Grabbed(*test::Control<QWidget>(designer, "Img"));
}

QImage LayoutThumbnail(QScreen& screen) {
    test::FormFixture f;
    ProgramContext& c = f.context;
    PageLayoutRecord layout;
    layout.zoom = 1;
    BuildDefaultLayout(layout);
    layout.name = "A";
    if (!AppendLayout(c.state.LayoutsLibrary(), layout).IsDone()) qFatal("fixture not written");
    TListPages manager({c.Look(), ListPagesMode::Manage, c.state.settings, c.state.LayoutsLibrary(),
                        c.state.dirs.program, *c.prompter, *c.fileChooser, *c.fontChooser, *c.colorChooser, {}});
    ShowOn(manager, screen);
    return Grabbed(*test::Control<QWidget>(manager, "PageImage"));
}

QImage PrintOptionsThumbnail(QScreen& screen) {
    test::FormFixture f;
    ProgramContext& c = f.context;
    auto puzzle = test::PrintablePuzzle();
    test::RecordingPrinter printer;
    TMyReport form(MyReportInputs{c.Look(), *puzzle, c.state.settings, *c.prompter, *c.fileChooser, *c.fontChooser,
                                  *c.colorChooser, printer, c.state.dirs.program, nullptr, {}, {},
                                  c.state.dirs.working});
    ShowOn(form, screen);
    return Grabbed(*test::Control<QLabel>(form, "LayoutImage"));
}

QImage ManualAdditionGrid(QScreen& screen) {
    test::FormFixture f;
    auto record = test::CatAndToe();
    auto working = test::CatAndToe();
    const std::string path = f.dir.File("PETS.QF3");
    test::WriteCollection(path, {{"Animals", "Pets"}});
    CollectionModel collection;
    collection.Open(path);
    TManualAdd dialog({f.context.Look(), 1, *record, *working, 1, collection, f.context.state.settings, *f.prompter,
                       {}, nullptr});
    ShowOn(dialog, screen);
    return Grabbed(*test::Control<QWidget>(dialog, "PuzzImage1"));
}

// The test platform's screen of device pixel ratio `ratio`.
QScreen* Screen(qreal ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio) return screen;
    return nullptr;
}

QImage MainWindowBackground(QScreen& screen) {
    TClientArea client;
    client.resize(200, 150);
    client.SetTiled(true);
    ShowOn(client, screen);
    return Grabbed(client);
}

QImage MainWindowPuzzlePicture(QScreen& screen) {
    TSelectedPuzzlePicture picture;
    picture.resize(200, 200);
    auto record = Candidate();
    record->generated = 1;
    picture.Show(record.get());
    ShowOn(picture, screen);
    return Grabbed(picture);
}

}  // namespace
}  // namespace qf

Q_DECLARE_METATYPE(qf::Grab)

namespace qf {

class HighDensityPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(Screen(1) && Screen(2), "the test's platform has a screen of ratio 1 and one of ratio 2");
    }

    void PicturesAreDrawnAtTheScreensOwnPixels_data() {
        QTest::addColumn<Grab>("grab");
        QTest::addColumn<bool>("thinLines");  // a grid or outlines 1 pixel wide at a ratio of 1
        QTest::newRow("candidate form") << Grab(CandidateForm) << true;
        QTest::newRow("enlarged candidate") << Grab(EnlargedCandidate) << true;
        QTest::newRow("shape thumbnail") << Grab(ShapeThumbnail) << true;
        QTest::newRow("Shape Creator") << Grab(ShapeCreator) << true;
        QTest::newRow("manual word addition") << Grab(ManualAdditionGrid) << true;
        QTest::newRow("layout thumbnail") << Grab(LayoutThumbnail) << true;
        QTest::newRow("print options thumbnail") << Grab(PrintOptionsThumbnail) << true;
        QTest::newRow("main window puzzle picture") << Grab(MainWindowPuzzlePicture) << true;
        QTest::newRow("main window background") << Grab(MainWindowBackground) << false;
    }

    void PicturesAreDrawnAtTheScreensOwnPixels() {
        QFETCH(Grab, grab);
        QFETCH(bool, thinLines);
        const QImage one = grab(*Screen(1));
        const QImage two = grab(*Screen(2));
        QVERIFY(!one.isNull());
        QCOMPARE(two.size(), one.size() * 2);
        QVERIFY2(two != Doubled(one), "drawn for a ratio of 1 and scaled up");
        if (thinLines) QVERIFY2(HasHairline(two), "no line 1 device pixel thin");
    }
};

}  // namespace qf

QTEST_MAIN(qf::HighDensityPicturesTest)
#include "HighDensityPicturesTest.moc"
