#include "output/ExportChoices.h"

#include <filesystem>
#include <system_error>

#include "base/Directories.h"
#include "base/TextHelpers.h"

namespace qf {
namespace {

template <typename S>
auto& LastFile(ExportFormat format, S& s) {
    switch (format) {
    case ExportFormat::Wmf: return s.lastExportWmfFile;
    case ExportFormat::Emf: return s.lastExportEmfFile;
    case ExportFormat::Bmp: return s.lastExportBitmapFile;
    case ExportFormat::Jpeg: return s.lastExportJpegFile;
    case ExportFormat::Html: break;
    }
    return s.lastExportHtmlFile;
}

// The width and the factor take up to nine digits.
constexpr std::size_t kNumberDigits = 9;

}  // namespace

FileDialogRequest ExportFileRequest(ExportFormat format, const Settings& settings) {
    const std::string& last = LastFile(format, settings);
    switch (format) {
    case ExportFormat::Wmf: return {"Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF", last, true, true};
    case ExportFormat::Emf:
        return {"Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF)|*.EMF", "EMF", last, true, true};
    case ExportFormat::Bmp: return {"Save Puzzle As Bitmap", "Bitmap (*.BMP)|*.BMP", "BMP", last, true, true};
    case ExportFormat::Jpeg: return {"Save Puzzle As JPeg", "JPeg (*.JPG)|*.JPG", "JPG", last, true, true};
    case ExportFormat::Html: break;
    }
    return {"Save HTML Document", "html (*.htm)|*.htm", "htm", last, true, true};
}

void RememberExportFile(ExportFormat format, const std::string& path, Settings& settings) {
    LastFile(format, settings) = path;
}

FileDialogRequest PdfExportRequest(const Settings& settings, const std::string& title, const std::string& workingDir) {
    std::string name = title;
    for (char& c : name)
        if (c == '/' || c == '\\') c = ' ';
    // Until a list is exported the setting names the working folder itself, not a file in it:
    // its parent was offered. A name without a folder is offered in the working folder.
    const std::string& last = settings.lastExportTextFile;
    const auto slash = last.rfind('/');
    std::error_code error;
    const std::string folder = !last.empty() && std::filesystem::is_directory(last, error) ? JoinPath(last, "")
                               : slash != std::string::npos                              ? last.substr(0, slash + 1)
                               : workingDir.empty()                                      ? std::string()
                                                                                         : JoinPath(workingDir, "");
    return {"Save as PDF", "pdf (*.pdf)|*.pdf", "pdf", folder + (name.empty() ? "Puzzle" : name) + ".pdf", true, true};
}

Outcome CheckPixelWidth(const std::string& text, int& width) {
    const auto n = ParseWholeNumber(text, kNumberDigits);
    if (!n || *n < 1) return Outcome::Refused(ErrorMessage(kInvalidWidthText).Focus(PixelWidthControls::kWidth));
    width = static_cast<int>(*n);
    return Outcome::Done();
}

Outcome CheckJpegFactor(const std::string& text, int& quality) {
    const auto n = ParseWholeNumber(text, kNumberDigits);
    if (!n || *n < 1 || *n > 100) return Outcome::Refused(ErrorMessage(kInvalidFactorText).Focus(JpegFactorControls::kFactor));
    quality = static_cast<int>(*n);
    return Outcome::Done();
}

}  // namespace qf
