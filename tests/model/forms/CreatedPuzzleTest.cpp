// The candidate form: the pictures as sized and drawn, empty slots that do nothing, the
// selection with its word lists and the reasons of the left-out words, the enlarged view, and
// Save with its question.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "base/ByteCodec.h"
#include "support/forms/FormFixture.h"
#include "support/SquareShape.h"
#include "model/forms/BlowItUp.h"
#include "model/forms/CreatedPuzzle.h"
#include "model/forms/PuzzleImage.h"
#include "model/forms/PuzzlePicture.h"

namespace qf {
namespace {

std::unique_ptr<PuzzleRecord> Words(const std::vector<std::string>& words, const ShapeRecord& shape) {
    auto record = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    for (std::size_t i = 0; i < words.size(); ++i) {
        record->words[i] = words[i];
        record->clues[i] = "clue " + words[i];
    }
    record->wordCount = static_cast<std::int16_t>(words.size());
    record->width = shape.width;
    record->height = shape.height;
    record->title = "Lights";
    return record;
}

struct Run {
    Run(const std::vector<std::string>& words, int attempts, int side = 12)
        : shape(test::Square(side, "")), working(Words(words, shape)) {
        RunOptions options;
        options.attempts = attempts;
        options.seed = 17;
        options.threads = 1;
        BuildPuzzles(*working, shape, options, results);
    }
    ShapeRecord shape;
    std::unique_ptr<PuzzleRecord> working;
    RunResults results;
};

QStringList Items(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

bool AllFace(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != ButtonFace()) return false;
    return true;
}

}  // namespace

class CreatedPuzzleTest : public QObject {
    Q_OBJECT
private slots:
    void PicturesAreSizedAndDrawnAsDesigned() {
        QCOMPARE(CandidateCellSize(QSize(191, 191), 15, 15), 11);
        QCOMPARE(CandidateCellSize(QSize(191, 191), 5, 5), 37);
        QCOMPARE(CandidateCellSize(QSize(411, 411), 15, 10), 26);
        QCOMPARE(CandidateLetterSize(37), 20);
        QVERIFY(CandidateLetterSize(11) < 8);
        QVERIFY(CandidateLetterSize(2) == 4);

        // A grid of 10 x 8 cells in use, in a 15 x 15 shape: white over the whole shape, lines
        // only over the grid, blank cells black, cells outside the shape in the face colour.
        test::FormFixture f;
        const ShapeRecord shape = test::Square(15, "");
        PuzzleRecord record = NewPuzzleRecord();
        record.width = 10;
        record.height = 8;
        record.grid.fill(kCellBlank);
        record.Cell(CellIndex(1, 1)) = 'A';
        record.Cell(CellIndex(2, 2)) = kCellOutside;
        QImage image(191, 191, QImage::Format_RGB32);
        DrawAPuzzle(image, record, 5, shape);
        const int s = 18;  // the cells fit the 10 x 8 grid: 191 div 10 - 1
        QCOMPARE(CandidateCellSize(image.size(), 10, 8), s);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));                  // corner of the lines
        QCOMPARE(image.pixelColor(10 * s, 3), QColor(Qt::black));             // the last column line
        QCOMPARE(image.pixelColor(10 * s + 5, 3), QColor(Qt::white));         // shape beyond the grid
        QCOMPARE(image.pixelColor(10 * s + 5, 8 * s + 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(3, 8 * s + 5), QColor(Qt::white));          // below the last row line
        QCOMPARE(image.pixelColor(3, 8 * s), QColor(Qt::black));
        QCOMPARE(image.pixelColor(s + 5, s + 5), ButtonFace());               // outside cell (2, 2)
        QCOMPARE(image.pixelColor(2 * s + 5, 2 * s + 5), QColor(Qt::black));  // blank cell (3, 3)
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));                  // around the letter A
        bool ink = false;  // and the letter itself
        for (int y = 1; y < s; ++y)
            for (int x = 1; x < s; ++x) ink = ink || image.pixelColor(x, y) == QColor(Qt::black);
        QVERIFY(ink);
        record.width = record.height = 15;  // the whole shape: cells of 11, the face colour beyond
        DrawAPuzzle(image, record, 5, shape);
        QCOMPARE(image.pixelColor(15 * 11 - 3, 3), QColor(Qt::black));       // a blank cell
        QCOMPARE(image.pixelColor(15 * 11 + 3, 3), ButtonFace());
        DrawAPuzzle(image, record, 0, shape);  // an empty slot
        QVERIFY(AllFace(image));
    }

    void EmptySlotsAreBlankUnlabelledAndDoNothing() {
        test::FormFixture f;
        Run run({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, 2);
        QCOMPARE(run.results.scores[2], 0);
        TCreatedPuzzle form({f.context.Look(), run.results, run.shape, *run.working, *f.prompter});
        form.show();
        QCOMPARE(form.windowTitle(), QString("Created Puzzle"));
        QCOMPARE(form.Selected(), 1);
        auto* image3 = test::Control<TPuzzleImage>(form, "PuzzImage3");
        QCOMPARE(image3->size(), QSize(191, 191));
        QVERIFY(AllFace(image3->Image()));
        QVERIFY(!AllFace(test::Control<TPuzzleImage>(form, "PuzzImage2")->Image()));
        QVERIFY(test::Control<QLabel>(form, "BFLabel2")->isVisible());
        QVERIFY(!test::Control<QLabel>(form, "BFLabel3")->isVisible());
        QVERIFY(!test::Control<QLabel>(form, "BFLabel4")->isVisible());

        QTest::mouseClick(image3, Qt::LeftButton);
        QCOMPARE(form.Selected(), 1);
        QTest::mouseDClick(test::Control<TPuzzleImage>(form, "PuzzImage4"), Qt::LeftButton);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);  // nothing opened
        QVERIFY(f.prompter->said.empty() && f.prompter->asked.empty());
    }

    void SelectingListsTheWordsWithTheReasonsOfThoseLeftOut() {
        test::FormFixture f;
        Run run({"lantern", "CANDLE", "FUZZY", "garden", "Nectar"}, 6);
        TCreatedPuzzle form({f.context.Look(), run.results, run.shape, *run.working, *f.prompter});
        form.show();
        auto* label1 = test::Control<QLabel>(form, "BFLabel1");
        QVERIFY(label1->autoFillBackground());
        QCOMPARE(label1->palette().color(QPalette::Window), QColor(Qt::red));
        auto* included = test::Control<QListWidget>(form, "IncludedWords");
        auto* excluded = test::Control<QListWidget>(form, "ExcludedWords");
        QCOMPARE(Items(included), (QStringList{"CANDLE", "garden", "lantern", "Nectar"}));  // sorted, case aside
        QCOMPARE(Items(excluded), QStringList{"FUZZY"});
        QCOMPARE(excluded->item(0)->toolTip(), QString("Shares no letter with the placed words"));
        QCOMPARE(test::Control<QLabel>(form, "IncWordsLabel")->text(), QString("4 Included Words"));
        QCOMPARE(test::Control<QLabel>(form, "ExcWordsLabel")->text(), QString("1 Excluded Word"));

        // The red frame: two outlines, 2 and 1 pixels outside the picture.
        auto frame = [&form](const char* name) {
            const QRect at = test::Control<TPuzzleImage>(form, name)->geometry();
            const QImage shot = form.grab().toImage();
            return QList<QColor>{shot.pixelColor(at.left() - 2, at.center().y()),
                                 shot.pixelColor(at.left() - 1, at.center().y()),
                                 shot.pixelColor(at.right() + 2, at.top() - 2),
                                 shot.pixelColor(at.center().x(), at.bottom() + 1),
                                 shot.pixelColor(at.left() - 3, at.center().y())};
        };
        const QColor red(Qt::red);
        QCOMPARE(frame("PuzzImage1"), (QList<QColor>{red, red, red, red, form.palette().color(QPalette::Window)}));

        QTest::mouseClick(test::Control<TPuzzleImage>(form, "PuzzImage2"), Qt::LeftButton);
        QCOMPARE(form.Selected(), 2);
        QVERIFY(!label1->autoFillBackground());
        QVERIFY(test::Control<QLabel>(form, "BFLabel2")->autoFillBackground());
        QVERIFY(frame("PuzzImage2")[0] == red);
        QVERIFY(frame("PuzzImage1")[0] != red);  // the old frame is gone
    }

    void DoubleClickEnlargesACopyUnderItsLabel() {
        test::FormFixture f;
        Run run({"LANTERN", "CANDLE", "GARDEN"}, 6);
        TCreatedPuzzle form({f.context.Look(), run.results, run.shape, *run.working, *f.prompter});
        form.show();
        QString caption;
        QSize picture;
        test::WhenDialogShows([&](QWidget& enlarged) {
            caption = enlarged.windowTitle();
            picture = test::Control<TPuzzleImage>(enlarged, "PuzzImage1")->size();
            test::Control<QPushButton>(enlarged, "ExitButton")->click();
        });
        QTest::mouseDClick(test::Control<TPuzzleImage>(form, "PuzzImage2"), Qt::LeftButton);
        QCOMPARE(caption, QString("Second Best Fit"));
        QCOMPARE(picture, QSize(411, 411));
        QVERIFY(form.isVisible());
    }

    void SaveAsksWhenWordsWereLeftOut() {
        test::FormFixture f({Answer::No, Answer::Yes});
        Run run({"LANTERN", "CANDLE", "FUZZY", "GARDEN"}, 6);
        const std::vector<std::uint8_t> before = EncodeRecord(*run.working);
        TCreatedPuzzle form({f.context.Look(), run.results, run.shape, *run.working, *f.prompter});
        form.show();
        auto* save = test::Control<QPushButton>(form, "Save");
        save->click();  // No: the form stays, nothing taken
        QCOMPARE(QString::fromStdString(f.prompter->asked.at(0).text),
                 QString("One or more words did not fit into the puzzle.  Save Puzzle anyway?"));
        QVERIFY(form.isVisible());
        QCOMPARE(form.Saved(), 0);
        QVERIFY(EncodeRecord(*run.working) == before);

        save->click();  // Yes
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Saved(), 1);
        QCOMPARE(run.working->generated, std::uint8_t(1));
        QCOMPARE(run.working->wordCount, std::int16_t(3));
        QCOMPARE(run.working->Word(4).Str(), std::string("FUZZY"));
        QVERIFY(run.working->grid == run.results.Candidate(1).grid);

        // Every word placed: no question. Cancel saves nothing.
        test::FormFixture g;
        Run all({"LANTERN", "CANDLE", "GARDEN"}, 6);
        TCreatedPuzzle whole({g.context.Look(), all.results, all.shape, *all.working, *g.prompter});
        whole.show();
        QCOMPARE(test::Control<QLabel>(whole, "ExcWordsLabel")->text(), QString("0 Excluded Words"));
        test::Control<QPushButton>(whole, "Cancel")->click();
        QCOMPARE(whole.Saved(), 0);
        QVERIFY(g.prompter->asked.empty());
    }
};

}  // namespace qf

QTEST_MAIN(qf::CreatedPuzzleTest)
#include "CreatedPuzzleTest.moc"
