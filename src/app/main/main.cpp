// quernfold: the desktop program.
#include <QApplication>

#include "app/forms/MainWin.h"
#include "app/forms/ProgramContext.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qf::ProgramContext context = qf::ProgramContext::AtStartUp();
    qf::TMainWin window(context);
    window.show();
    return app.exec();
}
