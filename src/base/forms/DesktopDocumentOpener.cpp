#include "base/forms/DesktopDocumentOpener.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace qf {

namespace {

// The desktop's opener starts whatever it finds and says nothing when it finds no program for
// the type, so ask the desktop's own registry first.
bool DesktopHasProgramFor(const QString& local) {
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable("xdg-open").isEmpty()) return false;
    QProcess query;
    query.start(xdgMime, {"query", "default", QMimeDatabase().mimeTypeForFile(local).name()});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool DesktopDocumentOpener::Open(const std::string& path) {
    // A path of the program's directories is in the file system's own encoding.
    const QString local = QFile::decodeName(QByteArray::fromStdString(path));
    return DesktopHasProgramFor(local) && QDesktopServices::openUrl(QUrl::fromLocalFile(local));
}

}  // namespace qf
