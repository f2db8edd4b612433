#pragma once
// What a core operation tells the user: the exact text, the caption, and the control that
// takes the focus afterwards. Windows show it in a message box; the tool prints it.
#include <string>
#include <utility>

namespace qf {

// Captions the program uses.
inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionNotice = "Notice";
inline constexpr const char* kCaptionOk = "Ok";
inline constexpr const char* kCaptionDelete = "Delete";
inline constexpr const char* kCaptionDeleteQ = "Delete?";
inline constexpr const char* kCaptionNewPuzzle = "New Puzzle";
inline constexpr const char* kCaptionDiskError = "Disk Error";

enum class Beep { None, Default, Exclamation };

struct Message {
    Message() = default;
    Message(std::string t, std::string c, std::string f = {}, int row = 0, Beep b = Beep::None)
        : text(std::move(t)), caption(std::move(c)), focus(std::move(f)), focusRow(row), beep(b) {}

    std::string text;      // Windows-1252, as the program's strings are
    std::string caption;
    std::string focus;     // name of the control to focus, empty for none
    int focusRow = 0;      // for grid controls: the row (1-based) of the cell to focus
    Beep beep = Beep::None;

    bool Empty() const { return text.empty(); }
};

}  // namespace qf
