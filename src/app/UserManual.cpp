#include "app/UserManual.h"

#include "base/FileUtil.h"

namespace qf {

std::string ManualPath(const Directories& dirs, ManualFormat format) {
    return dirs.ProgramFile(format == ManualFormat::Pdf ? kManualPdfFile : kManualDocumentFile);
}

Outcome ViewManual(const Directories& dirs, ManualFormat format, DocumentOpener& opener) {
    const std::string path = ManualPath(dirs, format);
    if (!FileExists(path))
        return Outcome::Refused(ErrorMessage(format == ManualFormat::Pdf ? kManualPdfMissing : kManualDocumentMissing));
    opener.Open(path);
    return Outcome::Done();
}

}  // namespace qf
