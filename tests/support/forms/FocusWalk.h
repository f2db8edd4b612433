#pragma once
// Tab through a window as a user does: to a named control, or once round the whole Tab order.
#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace qf::test {

// Presses Tab (Shift+Tab backwards) until the control named `name` has the focus; false when
// it never comes within `limit` presses.
inline bool TabTo(const QString& name, bool forward = true, int limit = 40) {
    for (int i = 0; i < limit; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->objectName() == name) return true;
        QTest::keyClick(focus, forward ? Qt::Key_Tab : Qt::Key_Backtab);
    }
    return QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name;
}

// The names of the controls Tab visits from the focused one until it comes back to it.
inline QStringList TabRound(int limit = 60) {
    QWidget* start = QApplication::focusWidget();
    QStringList names{start ? start->objectName() : QString()};
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start) break;
        names << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
    }
    return names;
}

}  // namespace qf::test
