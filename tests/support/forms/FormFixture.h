#pragma once
// What every form test starts from: a fresh program state in a folder of its own (program and
// working directory alike, with the shipped libraries copied in when asked), a scripted prompter
// and file chooser in place of message boxes and file dialogs, and controls found by name.
//
//   FormFixture f;
//   TWordLetters dialog(f.context.Look(), ..., *f.prompter);
//   QCheckBox* dash = Control<QCheckBox>(dialog, "DashBox");
#include <QTest>
#include <QWidget>
#include <functional>
#include <deque>
#include <stdexcept>
#include <string>

#include "app/forms/ProgramContext.h"
#include "support/Scripted.h"
#include "support/TempDir.h"

namespace qf::test {

struct FormFixture {
    explicit FormFixture(std::deque<Answer> answers = {}, std::deque<std::string> files = {});

    // Copies a shipped file of the real program directory (QFFLAY.DAT, QFFPAGE.DAT,
    // SAMPLE.QF3, the lexicons) into the fixture's folder.
    void CopyShipped(const std::string& name) const;

    TempDir dir;
    ProgramContext context;
    ScriptedPrompter* prompter = nullptr;  // owned by the context
    ScriptedChooser* chooser = nullptr;
    ScriptedFontChooser* fonts = nullptr;
    ScriptedColorChooser* colors = nullptr;
    RecordingOpener* opener = nullptr;
};

// The control called `name` (its objectName) of a window. When there is none the test fails and
// ends there: the exception stops the test program rather than let a null control run on.
template <typename T>
T* Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        QTest::qFail(qPrintable(QString("no control named ") + name), __FILE__, __LINE__);
        throw std::logic_error(std::string("no control named ") + name);
    }
    return control;
}

// Runs `step` once the next modal dialog is showing (exec() blocks the test until it closes).
void WhenDialogShows(const std::function<void(QWidget&)>& step);

}  // namespace qf::test
