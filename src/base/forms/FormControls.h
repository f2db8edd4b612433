#pragma once
// The named controls every window builds from: buttons, labels, edits and check boxes with their
// object names (the names the core's messages focus and the tests find), and the button rows
// that end a dialog: "&Ok" and "&Cancel", "&Ok" alone, and the column of buttons at its side.
#include <QString>
#include <functional>
#include <initializer_list>
#include <variant>
#include <vector>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace qf {

// Whether a button takes Enter while it has the focus (Qt's way in a dialog: the focused button
// acts as the default one), or lets Enter go on to the dialog's default button.
enum class FocusEnter { Takes, Passes };

// A push button with its caption (the & marks its Alt letter) and object name.
QPushButton* NamedButton(const QString& name, const QString& caption, FocusEnter enter = FocusEnter::Takes,
                         QWidget* parent = nullptr);
// The dialog's default button: Enter anywhere in the dialog presses it.
QPushButton* DefaultButton(const QString& name, const QString& caption, FocusEnter enter = FocusEnter::Takes);

// A label, named when `name` is given, whose Alt letter moves the focus to `buddy`.
QLabel* NamedLabel(const char* name, const QString& text, QWidget* buddy = nullptr);
QLabel* BuddyLabel(const QString& text, QWidget* buddy);
// A paragraph of plain text, broken into lines at the dialog's width.
QLabel* NoticeLabel(const char* name, const QString& text);

// A one-line edit holding at most `maxLength` characters, and a check box.
QLineEdit* NamedEdit(const char* name, int maxLength, const QString& text);
QCheckBox* NamedCheckBox(const char* name, const QString& caption, bool checked);

// Where a row puts its buttons: at the right, at the left, in the middle, or sharing the width.
enum class RowAlign { Right, Left, Centre, Spread };
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons, RowAlign align = RowAlign::Right);

// The "&Ok" and "&Cancel" buttons: Ok runs `onOk`, or accepts the dialog when none is given;
// Cancel rejects it. Ok is the default button unless a dialog's side column says otherwise.
struct OkCancel {
    QPushButton* ok;
    QPushButton* cancel;
};
struct OkCancelKeys {
    FocusEnter ok = FocusEnter::Takes;
    FocusEnter cancel = FocusEnter::Takes;
    bool okIsDefault = true;
};
// Neither button takes Enter by the focus.
inline constexpr OkCancelKeys kEnterPasses{FocusEnter::Passes, FocusEnter::Passes, true};
// At the foot of a side column: neither takes Enter by the focus, nor is Ok the default.
inline constexpr OkCancelKeys kColumnKeys{FocusEnter::Passes, FocusEnter::Passes, false};
OkCancel OkCancelButtons(QDialog& dialog, std::function<void()> onOk = {}, OkCancelKeys keys = {});
// The two in a row at the right.
QHBoxLayout* OkCancelRow(QDialog& dialog, std::function<void()> onOk = {});
// A centred "&Ok" (default) that accepts the dialog.
QHBoxLayout* OkRow(QDialog& dialog);

// A column at a dialog's side: `top` from the top down (buttons, other controls, rows, gaps),
// then a stretch, then `bottom`, the buttons (or the row of them) that end the dialog.
struct Gap {
    int pixels;
};
using ColumnItem = std::variant<QWidget*, QLayout*, Gap>;
QVBoxLayout* SideColumn(const std::vector<ColumnItem>& top, const std::vector<ColumnItem>& bottom = {});

}  // namespace qf
