// The word list editor's "Thorough" check box: off by default, beside Quick Create, a setting
// written as soon as it is clicked, and locked with the other run options when a puzzle is
// modified; and Create with it ticked, typed and pressed as a user does, from the progress
// form's best count to the candidates.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <QtTest>

#include "collections/CollectionFile.h"
#include "editor/forms/WordList.h"
#include "model/forms/CreationAttempts.h"
#include "model/forms/PuzzleImage.h"
#include "shapes/ShapeFiles.h"
#include "support/SquareShape.h"
#include "support/forms/FormFixture.h"
#include "support/forms/Keyboard.h"

namespace qf {
namespace {

// Fifteen words that a few attempts rarely lay all in a 15 x 15 square, with their clues.
const char* const kWords[][2] = {
    {"ANYWHERE", "at or in or to any place"}, {"TROOP", "a group of soldiers"},
    {"ABROGATE", "revoke formally"},          {"TABULATE", "arrange in rows and columns"},
    {"PROTECTING", "shielding from harm"},    {"STRATIFIED", "arranged in layers"},
    {"ROAR", "a loud deep noise"},            {"FOND", "having warmth or affection"},
    {"EMPHASIS", "special importance"},       {"THIRTY", "ten times three"},
    {"PLATFORM", "a raised horizontal surface"}, {"SNUG", "warm and cosy"},
    {"TUG", "a sudden abrupt pull"},          {"DISINTEREST", "a lack of involvement"},
    {"MOAN", "a sound of pain"},
};

// Runs `step` on the modal window called `name` each poll while it shows, until it returns true.
void WhenShows(const QString& name, std::function<bool(QWidget&)> step) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, step] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->objectName() != name || !step(*modal)) return;
        timer->stop();
        timer->deleteLater();
    });
    timer->start();
}

// Every second line the progress form shows, from its first: it is caught as it is shown,
// before the run starts.
// A word list editor's inputs on a 15-square kept in the fixture's shape library.
struct EditorOnSquare {
    EditorOnSquare(test::FormFixture& f, bool isNew) : working(std::make_unique<PuzzleRecord>(NewPuzzleRecord())) {
        f.context.state.currentShape = test::Square(15);
        if (!AppendShape(f.dir.File("QFFLAY.DAT"), f.context.state.currentShape).IsDone()) qFatal("shape not written");
        collection.Open(f.dir.File("SET.QF3"));
        inputs = std::make_unique<WordListInputs>(WordListInputs{
            f.context.Look(), isNew, isNew ? kCaptionCreateNew : kCaptionModify, 0, *working, f.context.state.settings,
            f.context.state.currentShape, f.context.state.lastRun, collection, *f.prompter, *f.chooser,
            f.dir.File("QFFLAY.DAT"), false, false, {}});
    }
    std::unique_ptr<PuzzleRecord> working;
    CollectionModel collection;
    std::unique_ptr<WordListInputs> inputs;
};

class SecondLines : public QObject {
public:
    SecondLines() { qApp->installEventFilter(this); }
    ~SecondLines() override { qApp->removeEventFilter(this); }
    QStringList lines;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* form = qobject_cast<TCreationAttempts*>(watched);
        if (form && event->type() == QEvent::Show && !forms_.contains(form)) {
            forms_ << form;
            connect(form, &TCreationAttempts::Progressed, this, [this, form] { lines << form->SecondLine(); });
        }
        return false;
    }

private:
    QList<QObject*> forms_;
};

}  // namespace

class WordListThoroughTest : public QObject {
    Q_OBJECT
private slots:
    void TheCheckBoxIsASettingOfItsOwnAndOffByDefault() {
        for (const bool isNew : {true, false}) {
            test::FormFixture f;
            EditorOnSquare opened(f, isNew);
            TWordList editor(*opened.inputs);
            editor.show();
            auto* thorough = test::Control<QCheckBox>(editor, "ThoroughFill");
            auto* quick = test::Control<QCheckBox>(editor, "QuickCreate");
            QCOMPARE(thorough->text(), QString("T&horough"));
            QCOMPARE(thorough->parentWidget(), quick->parentWidget());
            QVERIFY(!thorough->isChecked());
            QVERIFY(!f.context.state.settings.thoroughFill);
            if (!isNew) {
                QVERIFY(!thorough->isEnabled());
                continue;
            }
            QTest::mouseClick(thorough, Qt::LeftButton, Qt::NoModifier, thorough->rect().center() - QPoint(thorough->width() / 2 - 6, 0));
            QVERIFY(thorough->isChecked());
            QVERIFY(f.context.state.settings.thoroughFill);
            QVERIFY(!f.context.state.settings.quickBuild);
            QTest::mouseClick(thorough, Qt::LeftButton, Qt::NoModifier, thorough->rect().center() - QPoint(thorough->width() / 2 - 6, 0));
            QVERIFY(!f.context.state.settings.thoroughFill);
        }
    }

    void CreateWithItTickedShowsTheBestSoFarAndOffersNoFewerWordsThanThePlainRun() {
        test::FormFixture f;
        EditorOnSquare opened(f, true);
        PuzzleRecord* working = opened.working.get();
        TWordList editor(*opened.inputs);
        QVERIFY(test::ShowActive(editor));
        test::Retype(test::Control<QLineEdit>(editor, "Title"), "Fifteen");
        test::Retype(test::Control<QComboBox>(editor, "Category")->lineEdit(), "Words");
        for (int i = 0; i < 15; ++i) {
            for (int column : {2, 3}) test::TypeInCell(editor, i, column, kWords[i][column - 2]);
        }
        test::Retype(test::Control<QLineEdit>(editor, "Attempts"), "3");
        test::Press(QKeySequence("Alt+H"));
        QVERIFY(test::Control<QCheckBox>(editor, "ThoroughFill")->isChecked());

        const SecondLines seen;
        bool ended = false;
        int offered = -1;
        WhenShows("CreationAttempts", [&](QWidget& progress) {
            auto* ok = test::Control<QPushButton>(progress, "Cancel");
            if (ok->text() != "&Ok") return false;  // still running
            ended = true;
            QTest::mouseClick(ok, Qt::LeftButton);
            return true;
        });
        WhenShows("CreatedPuzzle", [&](QWidget& candidates) {
            QTest::mouseClick(test::Control<TPuzzleImage>(candidates, "PuzzImage1"), Qt::LeftButton);
            offered = test::Control<QListWidget>(candidates, "IncludedWords")->count();
            QTest::mouseClick(test::Control<QPushButton>(candidates, "Cancel"), Qt::LeftButton);
            return true;
        });
        test::Press(QKeySequence("Alt+C"));
        QVERIFY(f.prompter->asked.empty() && f.prompter->said.empty());
        QVERIFY(ended);

        const RunResults& run = f.context.state.lastRun;
        QVERIFY2(std::any_of(seen.lines.begin(), seen.lines.end(), [](const QString& s) { return s.startsWith("Best so far: "); }),
                 qPrintable(seen.lines.join(" / ")));
        QVERIFY(!seen.lines.isEmpty());
        QCOMPARE(seen.lines.back(), QString("Completed: best %1 of 15").arg(run.scores[0]));
        QCOMPARE(offered, run.scores[0]);

        // The plain run of the same seed: the candidates never hold fewer words.
        RunOptions plain;
        plain.attempts = 3;
        plain.seed = run.seed;
        plain.shrink = f.context.state.settings.shrink;
        plain.quickCreate = f.context.state.settings.quickBuild;
        RunResults alone;
        PuzzleRecord words = *working;
        BuildPuzzles(words, f.context.state.currentShape, plain, alone);
        QVERIFY2(offered >= alone.scores[0], qPrintable(QString("%1 < %2").arg(offered).arg(alone.scores[0])));
        QVERIFY(editor.isVisible());  // Cancel in the candidates keeps the editor
    }
};

}  // namespace qf

QTEST_MAIN(qf::WordListThoroughTest)
#include "WordListThoroughTest.moc"
