// qf-docgen: builds the help and the manuals of the program directory from the Markdown
// manual in docs/manual. Runs on the build machine; it is not shipped.
//
//   qf-docgen help MANUAL_DIR OUT_DIR COMPRESSED_NAME   the help project for qhelpgenerator
//   qf-docgen pdf MANUAL_DIR FILE                       the manual as a PDF
//   qf-docgen rtf MANUAL_DIR FILE                       the manual as Rich Text
#include <QGuiApplication>
#include <cstdio>

#include "HelpProject.h"
#include "PdfBook.h"
#include "RtfWriter.h"

int main(int argc, char** argv) {
    // Laying text out needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool help = args.size() == 5 && args[1] == "help";
    if (!help && !(args.size() == 4 && (args[1] == "pdf" || args[1] == "rtf"))) {
        std::fputs("usage: qf-docgen help MANUAL_DIR OUT_DIR COMPRESSED_NAME | pdf MANUAL_DIR FILE | rtf MANUAL_DIR FILE\n",
                   stderr);
        return 2;
    }
    QString error;
    const auto manual = qf::docs::ReadManual(args[2], error);
    bool done = false;
    if (manual) {
        if (help)
            done = qf::docs::WriteHelpProject(*manual, args[3], args[4], error);
        else if (args[1] == "pdf")
            done = qf::docs::WritePdf(*manual, args[3], error);
        else
            done = qf::docs::WriteRtf(*manual, args[3], error);
    }
    if (!done) {
        std::fprintf(stderr, "qf-docgen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
