#include "app/forms/ProgramContext.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <utility>

#include "app/ScreenOptions.h"
#include "base/forms/DialogChoosers.h"
#include "base/forms/DesktopDocumentOpener.h"
#include "base/forms/DialogPrompter.h"

namespace qf {

FormLook ProgramContext::Look() const {
    FormLook look;
    look.edit = state.settings.editFont;
    look.label = state.settings.labelFont;
    look.button = state.settings.buttonFont;
    look.scale = state.screen.scale;
    look.screenWidth = state.screen.width;
    look.screenHeight = state.screen.height;
    return look;
}

ProgramContext ProgramContext::AtStartUp() {
    ProgramContext c;
    Directories dirs = ProgramState::FindDirectories();
    if (dirs.installed) {
        PrepareCollectionsFolder(dirs);
    } else {
        // Started from the application menu, a portable program may be given a folder it cannot
        // write in.
        dirs.working = DesktopWorkingDirectory(
            dirs.working, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    }
    c.state = ProgramState::StartUp(std::move(dirs));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        c.state.screen.width = screen->geometry().width();
        c.state.screen.height = screen->geometry().height();
    }
    TakeStartUpScale(c.state);
    c.prompter = std::make_unique<DialogPrompter>();
    c.fileChooser = std::make_unique<DialogFileChooser>();
    c.fontChooser = std::make_unique<DialogFontChooser>();
    c.colorChooser = std::make_unique<DialogColorChooser>();
    c.documentOpener = std::make_unique<DesktopDocumentOpener>();
    return c;
}

}  // namespace qf
