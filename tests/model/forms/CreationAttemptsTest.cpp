// The progress form of a generation run: the run goes on while the window stays live, Abort is
// taken after the attempt under way and leaves the working record as it was, and a run that
// has found four complete grids ends early, showing the limit and "Completed".
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "base/ByteCodec.h"
#include "collections/CollectionFile.h"
#include "support/forms/FormFixture.h"
#include "support/SquareShape.h"
#include "model/CreateCheck.h"
#include "shapes/ShapeFiles.h"
#include "support/TempDir.h"
#include "model/forms/CreationAttempts.h"

namespace qf {
namespace {

// 200 words of 4 to 11 letters drawn from a fixed stream: far more than a 20 x 20 grid holds,
// so no attempt places them all and the run never ends early.
std::unique_ptr<PuzzleRecord> LongList(const ShapeRecord& shape) {
    auto record = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    std::uint32_t state = 12345;
    auto next = [&state] { return (state = state * 1103515245u + 12345u) >> 16; };
    for (int i = 1; i <= kMaxWords; ++i) {
        std::string word;
        const int length = 4 + static_cast<int>(next() % 8);
        for (int t = 0; t < length; ++t) word.push_back(static_cast<char>('A' + next() % 26));
        record->Word(i) = word;
        record->Clue(i) = "clue " + std::to_string(i);
    }
    record->wordCount = kMaxWords;
    record->width = shape.width;
    record->height = shape.height;
    record->title = "Long";
    return record;
}

std::unique_ptr<PuzzleRecord> ShortList(const ShapeRecord& shape) {
    auto record = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
    const char* words[] = {"LANTERN", "CANDLE", "GARDEN"};
    for (int i = 1; i <= 3; ++i) record->Word(i) = words[i - 1];
    record->wordCount = 3;
    record->width = shape.width;
    record->height = shape.height;
    return record;
}

RunOptions Attempts(int limit) {
    RunOptions options;
    options.attempts = limit;
    options.seed = 99;
    return options;
}

// A progress form on its own run: the shape, the working record made for it, the results
// the form fills, and spies on its two signals.
struct ProgressForm {
    using MakeList = std::unique_ptr<PuzzleRecord> (*)(const ShapeRecord&);
    ProgressForm(test::FormFixture& f, ShapeRecord s, MakeList list, const RunOptions& options = Attempts(999))
        : ProgressForm(f, s, list(s), options) {}
    ProgressForm(test::FormFixture& f, ShapeRecord s, std::unique_ptr<PuzzleRecord> list, const RunOptions& options)
        : shape(std::move(s)),
          working(std::move(list)),
          form(f.context.Look(), *working, shape, options, results),
          progressed(&form, &TCreationAttempts::Progressed),
          ended(&form, &TCreationAttempts::RunEnded) {}

    ShapeRecord shape;
    std::unique_ptr<PuzzleRecord> working;
    RunResults results;
    TCreationAttempts form;
    QSignalSpy progressed;
    QSignalSpy ended;
};

}  // namespace

class CreationAttemptsTest : public QObject {
    Q_OBJECT
private slots:
    void AbortMidRunKeepsTheCandidatesSoFarAndTheWorkingRecord() {
        test::FormFixture f;
        ProgressForm run(f, test::Square(20, ""), LongList);
        auto& [shape, working, results, form, progressed, ended] = run;
        const std::vector<std::uint8_t> before = EncodeRecord(*working);
        form.show();
        QCOMPARE(form.windowTitle(), QString("Building Puzzles"));
        auto* button = test::Control<QPushButton>(form, "Cancel");
        QCOMPARE(button->text(), QString("&Abort"));
        bool visibleAfterAbort = false;
        connect(&form, &TCreationAttempts::Progressed, &form, [&] {
            if (form.AbortRequested()) return;
            QVERIFY(form.StatusLine().startsWith("Creation Attempt #"));
            button->click();
            visibleAfterAbort = form.isVisible();  // Abort only asks the run to stop
        });
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
        QVERIFY(visibleAfterAbort);
        QVERIFY(progressed.count() >= 1);

        QVERIFY(results.aborted);
        QVERIFY(results.attemptCounter < 999);
        QCOMPARE(results.attemptsMade, results.attemptCounter);
        QCOMPARE(form.StatusLine(), QString("Aborted on creation Attempt #%1").arg(results.attemptCounter));
        QVERIFY(form.SecondLine().isEmpty());
        QVERIFY(results.scores[0] > 0);  // the attempts finished are offered
        QVERIFY(EncodeRecord(*working) == before);
        QCOMPARE(button->text(), QString("&Ok"));
        button->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void TheWindowIsServedThroughoutALongRunAndAbortIsTaken() {
        test::FormFixture f;
        ProgressForm run(f, test::Square(25, ""), LongList);
        auto& [shape, working, results, form, progressed, ended] = run;
        // A timer of the window's thread: it fires only while the event loop is being served.
        int ticksWhileRunning = 0;
        QTimer timer;
        timer.setInterval(0);
        connect(&timer, &QTimer::timeout, &form, [&] {
            if (!form.Running()) return;
            if (++ticksWhileRunning == 50) test::Control<QPushButton>(form, "Cancel")->click();
        });
        form.show();
        timer.start();
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 120000);
        timer.stop();
        QVERIFY2(ticksWhileRunning >= 50, qPrintable(QString::number(ticksWhileRunning)));
        QVERIFY(results.aborted);
        QVERIFY(results.attemptCounter < 999);
        QVERIFY(progressed.count() >= 2);  // the status line moved on during the run
    }

    void EscapeAbortsARunningFormAndClosesAnEndedOne() {
        test::FormFixture f;
        ProgressForm run(f, test::Square(12, ""), ShortList);
        auto& [shape, working, results, form, progressed, ended] = run;
        form.show();
        QTest::keyClick(&form, Qt::Key_Escape);  // before the first attempt has ended
        QVERIFY(form.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
        QVERIFY(results.aborted);
        QCOMPARE(results.attemptCounter, 1);
        QCOMPARE(form.StatusLine(), QString("Aborted on creation Attempt #1"));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void FourCompleteGridsEndTheRunAtTheLimit() {
        test::FormFixture f;
        ProgressForm run(f, test::Square(12, ""), ShortList);
        RunResults& again = run.results;
        TCreationAttempts& second = run.form;
        second.show();
        QTRY_COMPARE_WITH_TIMEOUT(run.ended.count(), 1, 60000);
        QVERIFY(!again.aborted);
        QCOMPARE(again.scores[3], 3);  // four grids with all three words
        QVERIFY(again.attemptsMade < 20);
        QCOMPARE(again.attemptCounter, 999);
        QCOMPARE(second.StatusLine(), QString("Creation Attempt #999"));
        QCOMPARE(second.SecondLine(), QString("Completed"));
        QCOMPARE(test::Control<QPushButton>(second, "Cancel")->text(), QString("&Ok"));
    }

    // One seed, one set of candidates, in the window as in the tool: four grids, all different
    // (the same grid was once offered up to four times).
    void TheToolAndTheWindowOfferTheSameDifferentGrids() {
        test::FormFixture f;
        const ShapeRecord shape = test::Square(15, "");
        test::WriteBytes(f.dir.File("square.lay"), EncodeShapeExchange(shape));
        const char* words[] = {"LANTERN", "CANDLE", "GARDEN", "MEADOW", "ORCHARD", "RIVER", "HEDGE", "OTTER"};
        std::string list;
        CreateEntries entries;
        for (int i = 0; i < 8; ++i) {
            list += std::string(words[i]) + ":clue " + std::to_string(i) + "\n";
            entries.words[static_cast<std::size_t>(i)] = words[i];
            entries.clues[static_cast<std::size_t>(i)] = "clue " + std::to_string(i);
        }
        test::WriteFile(f.dir.File("list.txt"), list);
        for (int pick = 1; pick <= 4; ++pick) {
            const test::CliResult r = test::RunCli({"generate", "--words", "list.txt", "--shape", "square.lay",
                                                    "--collection", "out.QF3", "--attempts", "200", "--seed", "5",
                                                    "--pick", std::to_string(pick)},
                                                   f.dir.Path());
            QVERIFY2(r.exitCode == 0, r.err.c_str());
        }

        entries.title = "list";
        entries.category = "General";
        entries.attempts = "200";
        auto working = std::make_unique<PuzzleRecord>(NewPuzzleRecord());
        QVERIFY(CheckCreate(entries, shape, *working).Ok());
        RunOptions options = Attempts(200);
        options.seed = 5;
        ProgressForm run(f, shape, std::move(working), options);
        const RunResults& results = run.results;
        run.form.show();
        QTRY_COMPARE_WITH_TIMEOUT(run.ended.count(), 1, 60000);
        for (int n = 1; n <= 4; ++n) {
            auto stored = std::make_unique<PuzzleRecord>();
            QVERIFY(ReadPuzzle(f.dir.File("out.QF3"), n - 1, *stored).IsDone());
            QVERIFY2(SameGrid(*stored, results.Candidate(n)), qPrintable(QString("candidate %1").arg(n)));
            for (int m = 1; m < n; ++m) QVERIFY(!SameGrid(results.Candidate(m), results.Candidate(n)));
        }
    }
};

}  // namespace qf

QTEST_MAIN(qf::CreationAttemptsTest)
#include "CreationAttemptsTest.moc"
