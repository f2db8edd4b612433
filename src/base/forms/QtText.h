#pragma once
// The one conversion pair between the program's Windows-1252 text and QString.
#include <QString>
#include <string>
#include <string_view>

#include "base/Ansi.h"

namespace qf {

inline QString FromAnsi(std::string_view ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }
inline std::string ToAnsi(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

}  // namespace qf
