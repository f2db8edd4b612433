#include "app/UserManual.h"

#include "base/FileUtil.h"

namespace qf {

std::string ManualPath(const Directories& dirs, ManualFormat format) {
    return dirs.ProgramFile(format == ManualFormat::Pdf ? kManualPdfFile : kManualDocumentFile);
}

std::string NoProgramForManual(const std::string& path) {
    return "No program to show this manual was found on this computer.  The manual is the file " + path + ".";
}

Outcome ViewManual(const Directories& dirs, ManualFormat format, DocumentOpener& opener) {
    const std::string path = ManualPath(dirs, format);
    if (!FileExists(path))
        return Outcome::Refused(ErrorMessage(format == ManualFormat::Pdf ? kManualPdfMissing : kManualDocumentMissing));
    if (!opener.Open(path)) return Outcome::Refused(WarningMessage(NoProgramForManual(path)));
    return Outcome::Done();
}

}  // namespace qf
