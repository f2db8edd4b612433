// Thousands of random keys, letters and clicks into each editing window in turn, and into every
// window it opens on the way, seeded so that a failure can be replayed; questions are answered at
// random. Nothing may crash, and no file may change unless a save was confirmed (a Yes given, or
// a window closed by its Ok or Save).
//
//   QF_MONKEY_EVENTS  events sent to each window (default 3000)
//   QF_MONKEY_SEED    the seed (default 1); scripts/monkey.sh runs many seeds for longer
#include <QAbstractButton>
#include <QDialog>
#include <QDirIterator>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>
#include <map>
#include <random>
#include <set>

#include "support/forms/EditorFixture.h"
#include "support/forms/PreviewFixture.h"
#include "layouts/forms/DoPages.h"
#include "shapes/forms/DoShapes.h"

namespace qf {
namespace {

int EnvNumber(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

std::map<QString, QByteArray> FilesBelow(const std::string& folder) {
    std::map<QString, QByteArray> files;
    QDirIterator it(QString::fromStdString(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) files[file.fileName()] = file.readAll();
    }
    return files;
}

// Remembers whether any window was closed by its Ok or Save (accepted).
class AcceptWatch : public QObject {
public:
    AcceptWatch() { qApp->installEventFilter(this); }
    ~AcceptWatch() override { qApp->removeEventFilter(this); }
    bool accepted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->result() == QDialog::Accepted)
                accepted = true;
        return false;
    }
};

class Monkey {
public:
    Monkey(QWidget& window, std::uint32_t seed, int events) : window_(&window), rng_(seed), left_(events) {}

    // Sends the events, then closes whatever is still open; returns when the window is closed.
    void Run() {
        QEventLoop done;
        finished_ = &done;
        QTimer::singleShot(0, [this] { Tick(); });
        done.exec();
    }
    int sent = 0;
    std::set<QString> visited;

private:
    QWidget* Target() const {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) return modal;
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        return window_ && window_->isVisible() ? window_.data() : nullptr;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // The next tick is queued before this one sends its event: an event that opens a modal
    // window returns only when it closes, and the ticks go on inside it meanwhile.
    void Tick() {
        QWidget* target = Target();
        if (!target) {
            finished_->quit();
            return;
        }
        QTimer::singleShot(0, [this] { Tick(); });
        if (left_ <= 0) {
            Close(*target);
            return;
        }
        --left_;
        ++sent;
        visited.insert(target->objectName().isEmpty() ? target->metaObject()->className() : target->objectName());
        Send(*target);
    }

    void Close(QWidget& target) {
        if (QApplication::activePopupWidget()) QApplication::activePopupWidget()->close();
        else if (auto* dialog = qobject_cast<QDialog*>(&target)) dialog->reject();
        else target.close();
        if (++closing_ > 200 && target.isVisible()) target.hide();  // a window that will not close
    }

    void Send(QWidget& target) {
        static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -.,'?!";
        static const Qt::Key kKeys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left,
                                        Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,   Qt::Key_Home,   Qt::Key_End,
                                        Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_PageDown, Qt::Key_Space};
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != target.window()) focus = &target;
        const int kind = Pick(100);
        if (kind < 43) {
            QTest::keyClick(focus, kLetters[Pick(sizeof kLetters - 1)]);
        } else if (kind < 45) {  // a letter of the international keys
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_Eacute, QString(QChar(0xe9)), Qt::NoModifier);
        } else if (kind < 62) {
            const Qt::Key key = kKeys[Pick(std::size(kKeys))];
            // Escape closes windows: rarer, so that windows get used before they go.
            if (key != Qt::Key_Escape || Pick(8) == 0) QTest::keyClick(focus, key);
        } else if (kind < 72) {
            QTest::keyClick(focus, static_cast<Qt::Key>(Qt::Key_A + Pick(26)), Qt::AltModifier);
        } else if (kind < 76) {
            QTest::keyClick(focus, static_cast<Qt::Key>(Qt::Key_A + Pick(26)), Qt::ControlModifier);
        } else if (kind < 78) {
            QTest::keyClick(focus, static_cast<Qt::Key>(Qt::Key_F1 + Pick(12)));
        } else {
            Click(target, kind < 96 ? 1 : (kind < 98 ? 2 : 3));
        }
    }

    // A click (1), double click (2) or right click (3) somewhere on a control of the window.
    void Click(QWidget& target, int how) {
        QList<QWidget*> controls;
        for (QWidget* w : target.findChildren<QWidget*>())
            if (w->isVisible() && w->isEnabled() && w->window() == &target && w->width() > 0 && w->height() > 0)
                controls << w;
        if (controls.isEmpty()) return;
        QWidget* on = controls.at(Pick(controls.size()));
        const QPoint at(Pick(on->width()), Pick(on->height()));
        if (how == 2)
            QTest::mouseDClick(on, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(on, how == 3 ? Qt::RightButton : Qt::LeftButton, {}, at);
    }

    QPointer<QWidget> window_;
    std::mt19937 rng_;
    int left_;
    int closing_ = 0;
    QEventLoop* finished_ = nullptr;
};

std::deque<Answer> RandomAnswers(std::mt19937& rng, int n) {
    std::deque<Answer> answers;
    for (int i = 0; i < n; ++i) answers.push_back(static_cast<Answer>(std::uniform_int_distribution<int>(0, 2)(rng)));
    return answers;
}

struct Visit {
    QString window;
    std::unique_ptr<test::FormFixture> f;
    std::deque<Answer> answers;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<Preview> preview;
    test::RecordingExporter exporter;
    std::unique_ptr<QWidget> widget;

    Visit(const QString& name, std::mt19937& rng) : window(name) {
        answers = RandomAnswers(rng, 40);
        f = std::make_unique<test::FormFixture>(answers);
        f->CopyShipped("QFFLAY.DAT");
        f->CopyShipped("QFFPAGE.DAT");
        ProgramContext& c = f->context;
        c.state.settings.attempts = 20;
        if (name == "new puzzle" || name == "modify puzzle") {
            editor = std::make_unique<Editor>(*f, name == "new puzzle");
            editor->inputs->shapesLibrary = c.state.ShapesLibrary();
            widget = std::make_unique<TWordList>(*editor->inputs);
        } else if (name == "shape creator") {
            widget = std::make_unique<TDoShapes>(
                DoShapesInputs{c.Look(), ShapeDesignMode::New, {}, -1, c.state.ShapesLibrary(), *c.prompter});
        } else if (name == "page creator") {
            widget = std::make_unique<TDoPages>(DoPagesInputs{c.Look(), PageDesignMode::New, nullptr, -1,
                                                              c.state.settings, c.state.LayoutsLibrary(),
                                                              c.state.dirs.program, *c.prompter, *c.fileChooser,
                                                              *c.fontChooser, *c.colorChooser});
        } else {
            preview = std::make_unique<Preview>(*f, &exporter);
            widget = std::move(preview->window);
        }
    }

    bool YesGiven() const {
        for (std::size_t i = 0; i < f->prompter->asked.size() && i < answers.size(); ++i)
            if (answers[i] == Answer::Yes) return true;
        return false;
    }
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void RandomInputBreaksNothingAndWritesOnlyWhatWasConfirmed() {
        const auto seed = static_cast<std::uint32_t>(EnvNumber("QF_MONKEY_SEED", 1));
        const int events = EnvNumber("QF_MONKEY_EVENTS", 3000);
        std::mt19937 rng(seed);
        int sent = 0, unconfirmed = 0;
        std::set<QString> visited;
        for (const char* name : {"new puzzle", "modify puzzle", "shape creator", "page creator", "preview"}) {
            // A window closed by the monkey (Escape, Exit, Save) is opened again, fresh, until
            // it has had its share of events.
            for (int left = events; left > 0;) {
                Visit visit(name, rng);
                const auto before = FilesBelow(visit.f->dir.Path());
                AcceptWatch accepts;
                visit.widget->show();
                Monkey monkey(*visit.widget, static_cast<std::uint32_t>(rng()), left);
                monkey.Run();
                left -= std::max(1, monkey.sent);
                sent += monkey.sent;
                visited.insert(monkey.visited.begin(), monkey.visited.end());
                const bool confirmed = accepts.accepted || visit.YesGiven();
                if (!confirmed && FilesBelow(visit.f->dir.Path()) != before) {
                    ++unconfirmed;
                    qWarning("monkey: %s changed a file without a confirmed save (seed %u)", name, seed);
                }
            }
        }
        qInfo("monkey: seed %u, %d events, %d windows visited, 0 crashes, %d unconfirmed file changes", seed, sent,
              static_cast<int>(visited.size()), unconfirmed);
        QCOMPARE(unconfirmed, 0);
        QVERIFY(sent >= 5 * events - 5);
    }
};

}  // namespace qf

QTEST_MAIN(qf::MonkeyTest)
#include "MonkeyTest.moc"
