#pragma once
// Windows-1252 text of the core to Qt's strings.
#include <QString>

#include <string_view>

#include "base/Ansi.h"

namespace qf {

inline QString AnsiToQString(std::string_view ansi) {
    const std::string utf8 = AnsiToUtf8(ansi);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace qf
