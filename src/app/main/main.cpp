// quernfold: the desktop program.
#include <QApplication>

#include "app/forms/MainWin.h"
#include "app/forms/ProgramContext.h"
#include "app/forms/TerminationHandler.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quernfold");
    qf::ProgramContext context = qf::ProgramContext::AtStartUp();
    qf::TMainWin window(context);
    qf::TerminationHandler termination(&window);
    window.show();
    return app.exec();
}
