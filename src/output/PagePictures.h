#pragma once
// The page as a bitmap or JPEG picture: drawn again, exactly as the preview draws it, at a
// width in pixels, then encoded.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "output/ExportPage.h"
#include "report/RasterPictures.h"

namespace qf {

// Widths the picture exports accept (a page wider than this would not fit in memory).
inline constexpr int kMaxPixelWidth = 20000;

// The picture's bytes; empty when the width is out of range or it could not be made.
std::vector<std::uint8_t> PagePictureBytes(const ExportPage& page, int pixelWidth, const PictureOptions& options);

// Writes the picture as a whole file; refused with "Unable to create export file." when it
// could not be made or written (the old file stays as it was).
Outcome SavePagePicture(const ExportPage& page, int pixelWidth, const PictureOptions& options,
                        const std::string& path);

}  // namespace qf
