#include "base/forms/WindowKeys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcutEvent>

namespace qf {

void CommitOpenEditors(QWidget& window) {
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        // An open cell editor is a visible child of the view's viewport.
        for (QWidget* editor : view->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!editor->isVisible()) continue;
            QMetaObject::invokeMethod(view, "commitData", Qt::DirectConnection, Q_ARG(QWidget*, editor));
            QMetaObject::invokeMethod(view, "closeEditor", Qt::DirectConnection, Q_ARG(QWidget*, editor),
                                      Q_ARG(QAbstractItemDelegate::EndEditHint, QAbstractItemDelegate::NoHint));
        }
    }
}

WindowKeys::WindowKeys(QWidget& window) : QObject(&window), window_(&window) { qApp->installEventFilter(this); }

WindowKeys::~WindowKeys() {
    if (qApp) qApp->removeEventFilter(this);
}

bool WindowKeys::InWindow(QObject* object) const {
    if (!window_) return false;
    if (auto* widget = qobject_cast<QWidget*>(object)) return widget->window() == window_;
    return false;
}

bool WindowKeys::IsWindowShortcut(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    QList<QAction*> actions = window_->findChildren<QAction*>();
    actions += window_->actions();
    for (const QAction* action : actions) {
        if (!action->isEnabled()) continue;
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) return true;
    }
    return false;
}

bool WindowKeys::IsUnansweredAltLetter(const QKeyEvent& key) {
    // A shortcut that answers the key takes it before any key press is sent, so a key press of
    // Alt and a letter or digit here is one nothing took. AltGr (a group switch) still types.
    if ((key.modifiers() & ~Qt::ShiftModifier & ~Qt::KeypadModifier) != Qt::AltModifier) return false;
    const QString text = key.text();
    return text.size() == 1 && text.at(0).isLetterOrNumber();
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // Declining the override lets the shortcut map give the key to the window's command.
            if (InWindow(watched) && IsWindowShortcut(*static_cast<QKeyEvent*>(event))) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::Shortcut:
            if (auto* button = qobject_cast<QAbstractButton*>(watched); button && InWindow(button)) {
                if (static_cast<QShortcutEvent*>(event)->isAmbiguous()) break;
                if (!button->isEnabled() || !button->isVisible()) return true;
                CommitOpenEditors(*window_);
                if (button->isCheckable() && (button->focusPolicy() & Qt::ClickFocus))
                    button->setFocus(Qt::ShortcutFocusReason);
                button->click();
                return true;
            }
            break;
        case QEvent::KeyPress:
            // Alt and a letter that no enabled control answers (a disabled button's, or none's)
            // would otherwise type the letter over the focused box's text: swallow it.
            if (InWindow(watched) && IsUnansweredAltLetter(*static_cast<QKeyEvent*>(event))) {
                QApplication::beep();
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
            if (qobject_cast<QAbstractButton*>(watched) && InWindow(watched)) CommitOpenEditors(*window_);
            break;
        default: break;
    }
    return false;
}

}  // namespace qf
