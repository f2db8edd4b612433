#pragma once
// How a window reports: a message through the prompter, then the focus to the control the
// message names (and the cell, for a grid); and the one place where a command's input/output
// error becomes the general error report.
#include <utility>

#include "base/FileNotices.h"
#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/RecordFile.h"

class QWidget;

namespace qf {

// Shows a non-empty message, then focuses the control of `form` named by message.focus.
void ShowMessage(QWidget& form, Prompter& prompter, const Message& message);
// Shows what an outcome has to say (a refusal, or a done command's confirmation).
inline void ShowOutcome(QWidget& form, Prompter& prompter, const Outcome& outcome) {
    ShowMessage(form, prompter, outcome.message);
}

// Runs one command of a window. An input/output error after a file was opened ends the command
// with the general error report; it never reaches the event loop. What the files had to say on
// the way (an interrupted change undone, a damaged collection) is shown after it.
template <typename Command>
void RunCommand(Prompter& prompter, Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const IoError& error) {
        prompter.Inform(GeneralIoMessage(error));
    }
    for (const Message& notice : TakeFileNotices()) prompter.Inform(notice);
}

}  // namespace qf
