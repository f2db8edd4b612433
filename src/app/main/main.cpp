// quernfold: the desktop program. A file named on the command line (the file manager's double
// click) is opened or offered for import once the main window shows.
#include <QApplication>
#include <QFile>

#include "app/forms/MainWin.h"
#include "app/forms/ProgramContext.h"
#include "app/forms/TerminationHandler.h"
#include "app/main/DesktopScheme.h"
#include "base/forms/Palettes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quernfold");
    QApplication::setDesktopFileName("quernfold");
    // A desktop theme's dark palette comes through Qt by itself. Where Qt's palette stays light,
    // "--dark", a dark GTK theme or a desktop that prefers dark gives the program a dark one.
    const QStringList arguments = QApplication::arguments();
    if (!qf::IsDark(QApplication::palette()) &&
        (qf::WantsDarkPalette(arguments, qEnvironmentVariable("GTK_THEME")) || qf::DesktopPrefersDark())) {
        QApplication::setStyle("Fusion");
        QApplication::setPalette(qf::DarkPalette());
    }
    qf::ProgramContext context = qf::ProgramContext::AtStartUp();
    qf::TMainWin window(context);
    qf::TerminationHandler termination(&window);
    // Qt has taken its own options out of the arguments by now; the first file named is opened.
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        if (arguments.at(k).startsWith('-')) continue;
        window.OpenAfterShow(QFile::encodeName(arguments.at(k)).toStdString());
        break;
    }
    window.show();
    return app.exec();
}
