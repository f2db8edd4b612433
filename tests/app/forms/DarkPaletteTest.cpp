// On a dark palette every window's text can be read: the labels, boxes and buttons of the main
// window, the word list editor, the print options and the preview keep enough contrast against
// what they are drawn on, with the interface fonts' colours applied (black by default).
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest>

#include "app/forms/MainWin.h"
#include "base/forms/Palettes.h"
#include "support/forms/EditorFixture.h"
#include "support/forms/FormFixture.h"
#include "support/forms/PreviewFixture.h"
#include "support/forms/PrintFixtures.h"
#include "output/forms/MyReport.h"

namespace qf {
namespace {

// The colour a control's text is drawn on: a box's base, else the window colour of its palette
// (its window's, or that of the picture it sits on where it was given one).
QColor Background(const QWidget& w) {
    if (qobject_cast<const QLineEdit*>(&w)) return w.palette().color(QPalette::Base);
    return w.palette().color(w.backgroundRole());
}

QColor Foreground(const QWidget& w) {
    if (qobject_cast<const QLineEdit*>(&w)) return w.palette().color(QPalette::Text);
    return w.palette().color(w.foregroundRole());
}

// The visible text controls of `window` whose text would not read on their background.
QStringList Unreadable(QWidget& window) {
    QStringList found;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                          qobject_cast<QGroupBox*>(w);
        const auto* tool = qobject_cast<QToolButton*>(w);
        if (!text || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)) continue;  // a picture only
        const double contrast = ContrastRatio(Foreground(*w), Background(*w));
        if (contrast < kReadableContrast)
            found << QString("%1 (%2, %3 on %4)")
                         .arg(w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName())
                         .arg(contrast, 0, 'f', 2)
                         .arg(Foreground(*w).name(), Background(*w).name());
    }
    return found;
}

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(DarkPalette());
    }

    void EveryWindowsTextReads() {
        test::FormFixture f;
        {
            TMainWin window(f.context);
            window.show();
            QCOMPARE(Unreadable(window), QStringList());
        }
        {
            Editor e(f, false);
            TWordList editor(*e.inputs);
            editor.show();
            QCOMPARE(Unreadable(editor), QStringList());
        }
        {
            auto puzzle = test::PrintablePuzzle();
            test::RecordingPrinter printer;
            auto& c = f.context;
            TMyReport form(MyReportInputs{c.Look(), *puzzle, c.state.settings, *c.prompter, *c.fileChooser,
                                          *c.fontChooser, *c.colorChooser, printer, c.state.dirs.program, nullptr, {},
                                          {}, c.state.dirs.working});
            form.show();
            QCOMPARE(Unreadable(form), QStringList());
        }
        {
            Preview p(f);
            p.window->show();
            QCOMPARE(Unreadable(*p.window), QStringList());
        }
    }

    // A colour chosen for the labels is kept where it reads, on either palette.
    void AChosenColourThatReadsIsKept() {
        test::FormFixture f;
        f.context.state.settings.labelFont.color = 0x8080FF;  // a light red (0x00BBGGRR)
        Editor e(f, false);
        TWordList editor(*e.inputs);
        editor.show();
        auto* title = editor.findChild<QLabel*>();
        QVERIFY(title);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(255, 128, 128));
    }
};

}  // namespace qf

QTEST_MAIN(qf::DarkPaletteTest)
#include "DarkPaletteTest.moc"
