// The progress form of a thorough fill: after the attempts' own lines it shows the best count so
// far, ends with the best it kept, and Abort cuts the search short and says so.
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "base/ByteCodec.h"
#include "model/forms/CreationAttempts.h"
#include "support/SquareShape.h"
#include "support/forms/FormFixture.h"

namespace qf {
namespace {

// Sixty words drawn from a fixed stream: far more than a 13 x 13 grid holds.
std::unique_ptr<PuzzleRecord> Crowded(const ShapeRecord& shape) {
    auto record = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    std::uint32_t state = 777;
    auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 16; };
    const int count = 60;
    for (int i = 1; i <= count; ++i) {
        std::string word;
        const int length = 3 + static_cast<int>(next() % 6);
        for (int t = 0; t < length; ++t) word.push_back("AEIOURSTLNCDMP"[next() % 14]);
        record->Word(i) = word;
    }
    record->wordCount = count;
    record->width = shape.width;
    record->height = shape.height;
    return record;
}

RunOptions Attempts(int limit) {
    RunOptions options;
    options.attempts = limit;
    options.seed = 41;
    return options;
}

}  // namespace

class ThoroughProgressTest : public QObject {
    Q_OBJECT
private slots:
    void TheBestCountSoFarShowsAndTheEndSaysTheBestKept() {
        test::FormFixture f;
        const ShapeRecord shape = test::Square(13, "");
        const auto working = Crowded(shape);
        const std::vector<std::uint8_t> before = EncodeRecord(*working);
        RunResults alone;
        PuzzleRecord copy = *working;
        BuildPuzzles(copy, shape, Attempts(20), alone);

        RunResults results;
        ThoroughOptions search;
        search.steps = 2'000'000;
        TCreationAttempts form(f.context.Look(), *working, shape, Attempts(20), results, nullptr, search);
        QSignalSpy ended(&form, &TCreationAttempts::RunEnded);
        QStringList seconds;
        connect(&form, &TCreationAttempts::Progressed, &form, [&] { seconds << form.SecondLine(); });
        form.show();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 120000);

        QVERIFY(std::any_of(seconds.begin(), seconds.end(), [](const QString& s) { return s.startsWith("Best so far: "); }));
        QVERIFY(results.scores[0] >= alone.scores[0]);
        QCOMPARE(form.StatusLine(), QString("Creation Attempt #20"));
        QCOMPARE(form.SecondLine(), QString("Completed: best %1 of 60").arg(results.scores[0]));
        // The line is longer than the attempts' own "Completed": it is drawn whole, short of the edge.
        const QImage shot = form.grab().toImage();
        int right = 0;
        for (int y = 45; y < 70 && y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (qGray(shot.pixel(x, y)) < 100) right = std::max(right, x);
            }
        }
        QVERIFY2(right > 0 && right < shot.width() - 3, qPrintable(QString("text reaches %1 of %2").arg(right).arg(shot.width())));
        QVERIFY(EncodeRecord(*working) == before);
        auto* button = test::Control<QPushButton>(form, "Cancel");
        QCOMPARE(button->text(), QString("&Ok"));
        button->click();
        QVERIFY(!form.isVisible());
    }

    void AbortDuringTheSearchStopsItAndKeepsTheBestFound() {
        test::FormFixture f;
        const ShapeRecord shape = test::Square(13, "");
        const auto working = Crowded(shape);
        RunResults results;
        ThoroughOptions search;
        search.steps = 4'000'000'000;  // far beyond the test: only Abort ends it
        TCreationAttempts form(f.context.Look(), *working, shape, Attempts(5), results, nullptr, search);
        QSignalSpy ended(&form, &TCreationAttempts::RunEnded);
        auto* button = test::Control<QPushButton>(form, "Cancel");
        connect(&form, &TCreationAttempts::Progressed, &form, [&] {
            if (form.SecondLine().startsWith("Best so far: ") && !form.AbortRequested()) QTest::mouseClick(button, Qt::LeftButton);
        });
        form.show();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 120000);
        QVERIFY(form.SecondLine().startsWith("Stopped: best "));
        QVERIFY(results.scores[0] > 0);
        QVERIFY(!results.aborted);  // the attempts had all been made
        QCOMPARE(button->text(), QString("&Ok"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::ThoroughProgressTest)
#include "ThoroughProgressTest.moc"
