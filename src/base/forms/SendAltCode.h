#pragma once
// Types one character by its code, as the international character keys do: once Alt and Ctrl
// are released, the character of that Windows-1252 code reaches the control that has the focus
// (a line edit, the cell editor of a grid, a grid that starts editing on a key).
#include <optional>
#include <string_view>

class QWidget;

namespace qf {

// The character a code of decimal digits stands for (1..255); nothing for anything else.
std::optional<char> AltCodeCharacter(std::string_view code);

// Returns false when the code stands for no character or nothing has the focus.
bool SendAltCode(std::string_view code);
// The same into a given control (the focus of a window that is not the active one).
bool SendAltCodeTo(QWidget* target, std::string_view code);

}  // namespace qf
