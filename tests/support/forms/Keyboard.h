#pragma once
// Real input for form tests: keys pressed and text typed at whatever control has the focus, and
// clicks on a grid's cells, as a user gives them. A road is written as steps separated by "|":
// plain text is typed; <Tab>, <Backtab>, <Enter>, <Esc>, <End>, <Alt+X>, <Ctrl+A>, <F2> press a
// key; <click:ROW,COLUMN> clicks a cell of the window's word grid.
#include <QAbstractItemView>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QWidget>

namespace qf::test {

inline QWidget* Focused() { return QApplication::focusWidget(); }

// Shows a window and waits until it is active with its first focus given, as on a desktop.
inline bool ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void Press(const QKeySequence& keys) {
    const QKeyCombination combination = keys[0];
    QTest::keyClick(Focused(), combination.key(), combination.keyboardModifiers());
}

// A double click as the window system delivers one: press, release, double click, release.
inline void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

inline void ClickCell(QTableWidget& grid, int row, int column) {
    grid.scrollToItem(grid.item(row, column));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, grid.visualItemRect(grid.item(row, column)).center());
}

// Walks a road through `window` (see above).
inline void Walk(QWidget& window, const QString& road) {
    for (const QString& step : road.split('|')) {
        if (step.startsWith("<click:")) {
            const QStringList cell = step.mid(7, step.size() - 8).split(',');
            auto* grid = window.findChild<QTableWidget*>("WordsCluesGrid");
            QVERIFY2(grid, "no word grid");
            ClickCell(*grid, cell[0].toInt(), cell[1].toInt());
        } else if (step.startsWith('<') && step.endsWith('>') && step.size() > 2) {
            QString key = step.mid(1, step.size() - 2);
            if (key == "Enter") key = "Return";
            const QKeySequence keys(key == "Esc" ? QString("Escape") : key);
            QVERIFY2(!keys.isEmpty(), qPrintable("unknown key " + step));
            Press(keys);
        } else if (!step.isEmpty()) {
            QVERIFY2(Focused(), "nothing has the focus");
            QTest::keyClicks(Focused(), step);
        }
    }
}

// A box's text replaced as a user does: clicked, everything selected with Ctrl+A, typed over.
inline void Retype(QWidget* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Focused(), text);
}

// A cell of the window's word grid (row and column from 0) typed over as a user does: clicked
// (F2 where the click opened no editor), everything selected, typed and left with Tab.
inline void TypeInCell(QWidget& window, int row, int column, const QString& text) {
    Walk(window, QString("<click:%1,%2>").arg(row).arg(column));
    if (!qobject_cast<QLineEdit*>(Focused())) Press(QKeySequence(Qt::Key_F2));
    QTRY_VERIFY(qobject_cast<QLineEdit*>(Focused()));  // the cell's editor is open
    Walk(window, "<Ctrl+A>|" + text + "|<Tab>");
}

}  // namespace qf::test
