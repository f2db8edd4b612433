#include "output/ExportDialogs.h"

#include <algorithm>
#include <cctype>

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

// A whole number of digits only, blanks trimmed, short enough not to overflow.
std::optional<long> WholeNumber(const std::string& text) {
    const std::string t = TrimBlanks(text);
    if (t.empty() || t.size() > 9 || !std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return std::stol(t);
}

}  // namespace

FileDialogRequest ExportFileDialog(ExportFormat format, const Settings& settings) {
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

Outcome CheckPixelWidth(const std::string& text, int& width) {
    const auto n = WholeNumber(text);
    if (!n || *n < 1) return Outcome::Refused(ErrorMessage(kInvalidWidthText).Focus(PixelWidthControls::kWidth));
    width = static_cast<int>(*n);
    return Outcome::Done();
}

Outcome CheckJpegFactor(const std::string& text, int& quality) {
    const auto n = WholeNumber(text);
    if (!n || *n < 1 || *n > 100) return Outcome::Refused(ErrorMessage(kInvalidFactorText).Focus(JpegFactorControls::kFactor));
    quality = static_cast<int>(*n);
    return Outcome::Done();
}

}  // namespace qf
