#pragma once
// The page as a Windows metafile (EMF or WMF), drawn anew from the puzzle and the layout with
// what the last rendering measured: its fitted font sizes, rows, columns and line breaks. Text
// is placed by its top-left corner; pictures are left out.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "output/ExportPage.h"
#include "report/MetafileSurface.h"

namespace qf {

inline constexpr const char* kBitmapsNotSavedText = "Bitmaps in this puzzle will not be saved in the metafile.";
// A picture or metafile file that could not be written (caption "Error").
inline constexpr const char* kUnableToCreateExportText = "Unable to create export file.";

// Whether the layout holds a Bitmap object (the metafile leaves it out, with one warning).
bool HasBitmapObjects(const PageLayoutRecord& layout);

// Draws the page on `surface` by the metafile's rules; the surface's paper becomes the page
// size of the last rendering.
void DrawMetafilePage(Surface& surface, const ExportPage& page);

// The whole file; empty when a record could not be made.
std::vector<std::uint8_t> MetafileBytes(const ExportPage& page, MetafileKind kind);

// Writes the metafile as a whole file (the old file stays as it was when that fails).
Outcome SaveMetafileFile(const ExportPage& page, MetafileKind kind, const std::string& path);

}  // namespace qf
