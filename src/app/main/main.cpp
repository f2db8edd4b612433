// quernfold: the desktop program. A file named on the command line (the file manager's double
// click) is opened or offered for import once the main window shows.
#include <QApplication>
#include <QFile>

#include "app/forms/MainWin.h"
#include "app/forms/ProgramContext.h"
#include "app/forms/TerminationHandler.h"
#include "base/forms/Palettes.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quernfold");
    QApplication::setDesktopFileName("quernfold");
    // A dark desktop's palette comes through Qt's platform theme by itself; "--dark", or a
    // dark GTK theme that no theme plugin passes on, gives the program a dark palette of its own.
    if (qf::WantsDarkPalette(QApplication::arguments(), qEnvironmentVariable("GTK_THEME"))) {
        QApplication::setStyle("Fusion");
        QApplication::setPalette(qf::DarkPalette());
    }
    qf::ProgramContext context = qf::ProgramContext::AtStartUp();
    qf::TMainWin window(context);
    qf::TerminationHandler termination(&window);
    // Qt has taken its own options out of the arguments by now; the first file named is opened.
    const QStringList arguments = QApplication::arguments();
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        if (arguments.at(k).startsWith('-')) continue;
        window.OpenAfterShow(QFile::encodeName(arguments.at(k)).toStdString());
        break;
    }
    window.show();
    return app.exec();
}
