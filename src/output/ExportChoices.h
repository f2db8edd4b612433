#pragma once
// The rules of the exports' small dialogs, without their windows: the file dialogs of the four
// picture formats and of the web page, each starting where that format was last saved, and the
// checks of the pixel width and the JPEG quality.
#include <optional>
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"

namespace qf {

enum class ExportFormat { Wmf, Emf, Bmp, Jpeg, Html };

inline constexpr const char* kInvalidWidthText = "Invalid width specified.  Please correct.";
inline constexpr const char* kInvalidFactorText = "Invalid factor entered.  Factor must be between 1 and 100";
inline constexpr int kWidthDigits = 4;

FileDialogRequest ExportFileRequest(ExportFormat format, const Settings& settings);
void RememberExportFile(ExportFormat format, const std::string& path, Settings& settings);

// The preview's "Save as PDF", offered beside the text exports and named after the puzzle
// (slashes made blanks; "Puzzle" for no title): in the folder of "Last Export Text File", or
// in that folder itself while it names one, else in `workingDir`.
FileDialogRequest PdfExportRequest(const Settings& settings, const std::string& title, const std::string& workingDir);

// The picture width dialog's and the JPEG factor dialog's controls that their messages focus.
struct PixelWidthControls {
    static constexpr ControlName kWidth{"WidthEdit"};
    static constexpr ControlName kAll[] = {kWidth};
};
struct JpegFactorControls {
    static constexpr ControlName kFactor{"FactorEdit"};
    static constexpr ControlName kAll[] = {kFactor};
};

// A whole number of at least 1, blanks trimmed: the width; otherwise the width message.
Outcome CheckPixelWidth(const std::string& text, int& width);
// A whole number from 1 to 100, blanks trimmed: the quality; otherwise the factor message.
Outcome CheckJpegFactor(const std::string& text, int& quality);

}  // namespace qf
