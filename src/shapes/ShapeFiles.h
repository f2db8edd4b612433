#pragma once
// The shapes library (QFFLAY.DAT: ShapeRecords one after the other, no header) and the
// single-shape exchange file (.LAY: "LAY1.0" then one ShapeRecord, 2561 bytes).
// Open failures come back as Messages (empty on success); an input/output error after a
// successful open throws IoError (base/RecordFile.h); writes are all or nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "shapes/ShapeRecord.h"

namespace qf {

inline constexpr const char* kShapesFileName = "QFFLAY.DAT";
inline constexpr const char* kShapeExchangeTag = "LAY1.0";
inline constexpr std::size_t kShapeExchangeSize = 6 + ShapeRecord::kStoredSize;
// The value the editor's "<Current Puzzle>" list item carries instead of a record index.
inline constexpr std::int64_t kCurrentPuzzleItem = 100000;

inline constexpr const char* kNoShapesFound = "No saved shape information could be found.";  // Warning
inline constexpr const char* kShapeNotImported = "Puzzle shape could not be imported.";
inline constexpr const char* kShapeFileCorrupt = "Puzzle shape file is corrupt or incompatible.  Import aborted.";
inline constexpr const char* kUnableToAddShape = "Unable to add shape.";            // Disk Error
inline constexpr const char* kUnableToDeleteShape = "Unable to delete puzzle shape.";  // Disk Error
inline constexpr const char* kShapeNotExported = "Shape could not be exported.";
inline constexpr const char* kShapeExported = "Puzzle Shape Exported!";           // caption "OK"
inline constexpr const char* kNoShapeSelected = "No shape selected.";
inline constexpr const char* kExportSameAsShapes = "Export File cannot be the same as the puzzle shapes file.";

// Width and height within 1..50: the only shapes that may be drawn or built on.
bool ShapeSizeValid(const ShapeRecord& shape);

// The list text of a shape: width, "x", height, a blank and the name ("15x12 Star").
std::string ShapeListText(const ShapeRecord& shape);

struct ShapeEntry {
    std::string text;
    std::int64_t index = 0;  // record index in the file, or kCurrentPuzzleItem
};
// Every record of the library in file order; nullopt when the file cannot be opened.
std::optional<std::vector<ShapeEntry>> ListShapes(const std::string& libraryPath);
// The list as the shape lists show it: sorted as text without regard to letter case and
// accents (so "15x15 ..." comes before "9x9 ..."); equal texts keep file order.
void SortShapeEntries(std::vector<ShapeEntry>& entries);

// Record `index` of the library. Open failure: the no-shapes warning; an index outside the
// file throws IoError.
Outcome ReadShape(const std::string& libraryPath, std::int64_t index, ShapeRecord& shape);

// Appends, creating the library when missing ("Unable to add shape.", caption "Disk Error");
// the outcome's index is the new record's.
Outcome AppendShape(const std::string& libraryPath, const ShapeRecord& shape);
// Writes over record `index` (the designer's Modify), creating the library when missing.
Outcome WriteShape(const std::string& libraryPath, std::int64_t index, const ShapeRecord& shape);

// Removes record `index`; later shapes move down by one. The file is rewritten as a whole file
// (base/SaveFile.h). Open failure: "Unable to delete puzzle shape." (caption "Disk Error").
Outcome DeleteShape(const std::string& libraryPath, std::int64_t index);

// Reads a .LAY file: "LAY" tag, 3 version bytes (not compared), one record, and a width and
// height within 1..50. Messages: could not be imported / corrupt or incompatible.
Outcome ReadShapeExchange(const std::string& path, ShapeRecord& shape);
std::vector<std::uint8_t> EncodeShapeExchange(const ShapeRecord& shape);

// The shape a command names: a record index of the library (all digits, when the library
// exists; "No shape N in the shapes library." past its end), or else the path of a .LAY file.
Outcome ReadShapeByIndexOrFile(const std::string& libraryPath, const std::string& indexOrPath, ShapeRecord& shape);

// Import: reads the .LAY file into `current`, then appends it to the library; the outcome's
// index is the new record's.
Outcome ImportShape(const std::string& exchangePath, const std::string& libraryPath, ShapeRecord& current);
// Export: reloads record `index` into `current` (so the shape on disk is exported) and writes
// the .LAY file as a whole file (base/SaveFile.h). The shapes library itself is refused as the
// target. Failure to open: "Shape could not be exported."; a failed write throws IoError and
// leaves an existing file as it was; success is confirmed with "Puzzle Shape Exported!"
// (caption "OK").
Outcome ExportShape(const std::string& libraryPath, std::int64_t index, const std::string& targetPath,
                    ShapeRecord& current);

}  // namespace qf
