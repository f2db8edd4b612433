#include "base/forms/DesktopDocumentOpener.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace qf {

void DesktopDocumentOpener::Open(const std::string& path) {
    // A path of the program's directories is in the file system's own encoding.
    const QString local = QFile::decodeName(QByteArray::fromStdString(path));
    (void)QDesktopServices::openUrl(QUrl::fromLocalFile(local));
}

}  // namespace qf
