#include "base/forms/SendAltCode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "base/forms/QtText.h"

namespace qf {

std::optional<char> AltCodeCharacter(std::string_view code) {
    if (code.empty() || code.size() > 6) return std::nullopt;
    int value = 0;
    for (char c : code) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 255) return std::nullopt;
    return static_cast<char>(static_cast<unsigned char>(value));
}

bool SendAltCodeTo(QWidget* target, std::string_view code) {
    const auto character = AltCodeCharacter(code);
    if (!target || !character) return false;
    // The user's own shortcut (Alt or Ctrl with the key) must be let go first, or the control
    // would take the character as a shortcut.
    while (QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::ControlModifier))
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const QString text = FromAnsi(std::string(1, *character));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    return true;
}

bool SendAltCode(std::string_view code) { return SendAltCodeTo(QApplication::focusWidget(), code); }

}  // namespace qf
