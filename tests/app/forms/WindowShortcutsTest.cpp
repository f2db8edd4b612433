// Every menu shortcut of a window, pressed at the control that has the focus when the window
// opens, runs its command, whatever that control would do with the key itself; a double click
// on a puzzle not yet selected prints it.
#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/forms/MainWin.h"
#include "collections/CollectionFixtures.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/Keyboard.h"
#include "support/forms/PreviewFixture.h"
#include "layouts/forms/DoPages.h"

namespace qf {
namespace {

// Closes each modal window a command opens over the window under test, as Escape would.
class ModalCloser {
public:
    explicit ModalCloser(const QWidget* owner) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [owner] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == owner || !modal->isVisible()) return;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// A window of each kind over fresh data, and what keeps it alive.
struct Opened {
    std::unique_ptr<test::FormFixture> f = std::make_unique<test::FormFixture>();
    std::unique_ptr<Editor> editor;
    std::unique_ptr<Preview> preview;
    test::RecordingExporter exporter;
    std::unique_ptr<QWidget> window;

    explicit Opened(const QString& kind) {
        if (kind == "main window") {
            const std::string path = f->dir.File("SET.QF3");
            test::WriteCollection(path, {{"Birds", "Owls"}, {"Birds", "Wrens"}});
            f->context.state.settings.lastGroup = path;
            window = std::make_unique<TMainWin>(f->context);
        } else if (kind == "preview") {
            preview = std::make_unique<Preview>(*f, &exporter);
            window = std::move(preview->window);
        } else if (kind == "page creator") {
            ProgramContext& c = f->context;
            window = std::make_unique<TDoPages>(DoPagesInputs{
                c.Look(), PageDesignMode::New, nullptr, -1, c.state.settings, c.state.LayoutsLibrary(),
                c.state.dirs.program, *c.prompter, *c.fileChooser, *c.fontChooser, *c.colorChooser});
        } else {
            editor = std::make_unique<Editor>(*f, false);
            window = std::make_unique<TWordList>(*editor->inputs);
        }
    }
};

// The window's commands that have a shortcut and can run.
QStringList Commands(QWidget& window) {
    QStringList names;
    for (QAction* action : window.findChildren<QAction*>())
        if (!action->shortcut().isEmpty() && action->isEnabled()) names << action->objectName() + "=" + action->shortcut().toString();
    return names;
}

}  // namespace

class WindowShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void EveryShortcutWorksFromTheFirstFocus_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("firstFocus");
        QTest::newRow("main window") << "main window" << "";
        QTest::newRow("preview") << "preview" << "PageScroll";
        QTest::newRow("page creator") << "page creator" << "";
        QTest::newRow("word list editor") << "word list editor" << "Title";
    }
    void EveryShortcutWorksFromTheFirstFocus() {
        QFETCH(QString, kind);
        QFETCH(QString, firstFocus);
        QStringList commands;
        {
            Opened listing(kind);
            QVERIFY(test::ShowActive(*listing.window));
            commands = Commands(*listing.window);
        }
        QVERIFY(commands.size() >= 3);
        for (const QString& command : commands) {
            const QStringList nameAndKeys = command.split('=');
            Opened opened(kind);
            QVERIFY(test::ShowActive(*opened.window));
            if (!firstFocus.isEmpty()) QCOMPARE(test::Focused()->objectName(), firstFocus);
            auto* action = opened.window->findChild<QAction*>(nameAndKeys[0]);
            QSignalSpy ran(action, &QAction::triggered);
            const ModalCloser closer(opened.window.get());
            test::Press(QKeySequence(nameAndKeys[1]));
            QVERIFY2(ran.count() == 1, qPrintable(command + " at " + (test::Focused() ? test::Focused()->objectName() : "")));
        }
    }

    void ADoubleClickOnAnUnselectedPuzzlePrintsIt() {
        Opened opened("main window");
        auto& window = static_cast<TMainWin&>(*opened.window);
        QVERIFY(test::ShowActive(window));
        auto* puzzles = test::Control<QListWidget>(window, "PuzzleBox");
        QCOMPARE(puzzles->currentRow(), 0);
        QString shown;
        test::WhenDialogShows([&](QWidget& dialog) {
            shown = dialog.objectName();
            static_cast<QDialog&>(dialog).reject();
        });
        test::DoubleClick(puzzles->viewport(), puzzles->visualItemRect(puzzles->item(1)).center());
        QVERIFY2(shown == "MyReport", opened.f->prompter->said.empty() ? "nothing shown" : opened.f->prompter->said[0].text.c_str());
        QCOMPARE(QString::fromStdString(window.Collection().Lists().SelectedPuzzle()->text), QString("Wrens"));
    }
};

}  // namespace qf

QTEST_MAIN(qf::WindowShortcutsTest)
#include "WindowShortcutsTest.moc"
