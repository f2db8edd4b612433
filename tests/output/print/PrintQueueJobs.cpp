// Prints through the preview's own print commands onto a real print queue, the one named by
// QF_PRINT_QUEUE (scripts/print_check.sh makes it). QF_PRINT_MODE=jobs: a blank puzzle, its
// answer key and three copies, in that order, for the script to read back; the queue is listed as
// Printer Setup lists printers. QF_PRINT_MODE=stopped: the queue is stopped, and printing says
// the program's message at once.
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>

#include "output/forms/PagePrinter.h"
#include "support/forms/PreviewFixture.h"

namespace qf {

class PrintQueueJobs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (std::getenv("QF_PRINT_QUEUE") == nullptr) QSKIP("no print queue given (QF_PRINT_QUEUE)");
    }

    void TheQueueIsListed() {
        QVERIFY(QPrinterInfo::availablePrinterNames().contains(Queue()));
    }

    void ABlankPuzzleAnAnswerKeyAndThreeCopies() {
        struct Job {
            bool answerKey;
            int copies;  // 0: Print Page; more: Print Multiple Copies
        };
        if (Mode() != "jobs") QSKIP("the queue is stopped");
        for (const Job job : {Job{false, 0}, Job{true, 0}, Job{false, 3}}) {
            test::FormFixture f;
            QtPagePrinter printer;
            printer.Printer().setPrinterName(Queue());
            Preview p(f, nullptr, &printer, job.answerKey);
            p.window->show();
            if (job.copies == 0) {
                p.window->Action("PrintPage")->trigger();
            } else {
                test::WhenDialogShows([&](QWidget& dialog) {
                    auto* box = test::Control<QLineEdit>(dialog, "CopiesBox");
                    box->selectAll();
                    QTest::keyClicks(box, QString::number(job.copies));
                    QTest::keyClick(box, Qt::Key_Return);
                });
                p.window->Action("PrintMultiple")->trigger();
            }
            QVERIFY2(f.prompter->said.empty(), f.prompter->said.empty() ? "" : f.prompter->said[0].text.c_str());
        }
    }

    // Print Page on a stopped queue says the program's message at once and sends nothing.
    void AStoppedQueueIsSaidAtOnce() {
        if (Mode() != "stopped") QSKIP("the queue is printing");
        test::FormFixture f;
        QtPagePrinter printer;
        printer.Printer().setPrinterName(Queue());
        Preview p(f, nullptr, &printer);
        p.window->show();
        QElapsedTimer clock;
        clock.start();
        p.window->Action("PrintPage")->trigger();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(f.prompter->said.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(f.prompter->said[0].text), QString(kUnableToPrintText));
    }

private:
    static QString Mode() { return QString::fromLocal8Bit(std::getenv("QF_PRINT_MODE")); }
    static QString Queue() { return QString::fromLocal8Bit(std::getenv("QF_PRINT_QUEUE")); }
};

}  // namespace qf

QTEST_MAIN(qf::PrintQueueJobs)
#include "PrintQueueJobs.moc"
