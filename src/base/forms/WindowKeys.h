#pragma once
// What every window does with the keyboard, whichever control has the focus:
// - a shortcut of one of the window's own commands is the command's, also in a box that would
//   take the key for itself (Ctrl+X in an edit box is Exit where a menu says so, not Cut);
// - a button reached by its Alt+letter acts at once, as a click does; an Alt+letter nothing
//   answers (a disabled button's) never types its letter into the focused box;
// - before a button acts (by mouse or by its letter), a cell being edited in a grid is
//   committed, so a command always sees what was typed.
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QKeyEvent;
class QWidget;

namespace qf {

// Commits the cell editors open in the item views of `window` (the typed text is stored in its
// cell and the editor closed).
void CommitOpenEditors(QWidget& window);

class WindowKeys : public QObject {
    Q_OBJECT
public:
    // Watches the events of `window` and of everything inside it, for as long as it lives.
    explicit WindowKeys(QWidget& window);
    ~WindowKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* object) const;
    bool IsWindowShortcut(const QKeyEvent& key) const;
    static bool IsUnansweredAltLetter(const QKeyEvent& key);

    QPointer<QWidget> window_;
};

}  // namespace qf
