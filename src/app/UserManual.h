#pragma once
// The user manual: two documents of the program directory, one for word processors and one in
// PDF, each opened by the desktop. A missing document is reported with its own message.
#include <string>

#include "base/Directories.h"
#include "base/DocumentOpener.h"
#include "base/Outcome.h"

namespace qf {

enum class ManualFormat { WordProcessor, Pdf };

inline constexpr const char* kManualDocumentFile = "QFOLD.DOC";
inline constexpr const char* kManualPdfFile = "QFOLD.PDF";
inline constexpr const char* kManualDocumentMissing =
    "The User Manual could not be located.  Please make sure the user manual was installed.  A copy is available at "
    "our web site.";
inline constexpr const char* kManualPdfMissing =
    "User Manual could not be located.  Please make sure that it was installed.";

// The manual's file in the program directory.
std::string ManualPath(const Directories& dirs, ManualFormat format);

// Said when the desktop has no program for the manual's type: where the file is, to open by hand.
std::string NoProgramForManual(const std::string& path);

// Opens the manual through `opener` when its file exists; otherwise refused with its message
// (caption "Error") and nothing is opened. A desktop without a program for it is refused with
// the file's place (caption "Warning").
Outcome ViewManual(const Directories& dirs, ManualFormat format, DocumentOpener& opener);

}  // namespace qf
