#pragma once
// What the program tells the user: the exact text, the caption, how grave it is, and the
// control that takes the focus afterwards. Windows show it in a message box; the tool prints
// it (errors and warnings on standard error). The severity is set where the message is made,
// never guessed from the caption: the same caption can stand over a warning and an error.
#include <string>
#include <utility>

#include "base/ControlName.h"

namespace qf {

// Captions the program uses.
inline constexpr const char* kCaptionError = "Error";
inline constexpr const char* kCaptionWarning = "Warning";
inline constexpr const char* kCaptionNotice = "Notice";
inline constexpr const char* kCaptionOk = "Ok";
inline constexpr const char* kCaptionOK = "OK";
inline constexpr const char* kCaptionDelete = "Delete";
inline constexpr const char* kCaptionDeleteQ = "Delete?";
inline constexpr const char* kCaptionNewPuzzle = "New Puzzle";
inline constexpr const char* kCaptionDiskError = "Disk Error";

enum class Severity { Information, Warning, Error };
enum class Beep { None, Default, Exclamation };

struct Message {
    Message() = default;
    Message(Severity s, std::string t, std::string c) : text(std::move(t)), caption(std::move(c)), severity(s) {}

    std::string text;      // Windows-1252, as the program's strings are
    std::string caption;
    Severity severity = Severity::Information;
    std::string focus;     // name of the control to focus, empty for none
    int focusRow = 0;      // for grid controls: the row (1-based) of the cell to focus
    int focusColumn = 0;   // and its column (0-based, as the grid counts them)
    Beep beep = Beep::None;

    bool Empty() const { return text.empty(); }
    bool IsProblem() const { return severity != Severity::Information; }

    // The control to focus afterwards (and the cell, for a grid).
    Message& Focus(ControlName control, int row = 0, int column = 0) {
        focus = control.text;
        focusRow = row;
        focusColumn = column;
        return *this;
    }
    Message& WithBeep(Beep b) {
        beep = b;
        return *this;
    }
};

inline Message InfoMessage(std::string text, std::string caption) {
    return {Severity::Information, std::move(text), std::move(caption)};
}
inline Message WarningMessage(std::string text, std::string caption = kCaptionWarning) {
    return {Severity::Warning, std::move(text), std::move(caption)};
}
inline Message ErrorMessage(std::string text, std::string caption = kCaptionError) {
    return {Severity::Error, std::move(text), std::move(caption)};
}

}  // namespace qf
