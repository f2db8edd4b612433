#pragma once
// Stored text is Windows-1252; the world outside (terminals, Qt, word files) is Unicode.
#include <string>
#include <string_view>

namespace qf {

// Windows-1252 bytes to UTF-8. The five bytes 1252 leaves undefined map to U+0081 and friends.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to Windows-1252. A character 1252 cannot hold becomes '?' and sets *lossy when given.
// Bytes that are not valid UTF-8 are taken as Windows-1252 already.
std::string Utf8ToAnsi(std::string_view utf8, bool* lossy = nullptr);

bool IsValidUtf8(std::string_view text);

// A text file's contents in Windows-1252: UTF-8 when it is valid UTF-8 (a BOM is dropped),
// otherwise taken as Windows-1252 already.
std::string FileTextToAnsi(std::string_view contents);

}  // namespace qf
