#pragma once
// The page layouts library QFFPAGE.DAT: PageLayoutRecords one after the other, no header; a
// layout is known by its position. Open failures come back as Messages (empty on success); an
// input/output error after a successful open throws IoError (base/RecordFile.h); writes are all
// or nothing.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Outcome.h"
#include "layouts/PageLayoutRecord.h"

namespace qf {

inline constexpr const char* kLayoutsFileName = "QFFPAGE.DAT";

inline constexpr const char* kNoLayoutsFound = "No saved page layouts could be found.";  // Warning
inline constexpr const char* kUnableToAddLayout = "Unable to add page layout.";          // Disk Error
inline constexpr const char* kUnableToDeleteLayout = "Unable to delete page layout.";    // Disk Error
inline constexpr const char* kLayoutNotImported = "Page layout could not be imported.";
inline constexpr const char* kLayoutFileCorrupt = "Page layout file is corrupt or incompatible.  Import aborted.";
inline constexpr const char* kLayoutNotExported = "Page layout could not be exported.";
inline constexpr const char* kLayoutExported = "Page Layout Exported!";  // caption "OK"
inline constexpr const char* kNoLayoutSelected = "No page layout selected.";
inline constexpr const char* kNoLayoutChosen = "No layout has been selected.";
// The layout list window's controls that its messages focus.
struct LayoutListControls {
    static constexpr ControlName kList{"PageList"};
    static constexpr ControlName kAll[] = {kList};
};
inline constexpr const char* kExportSameAsLayouts = "Export File cannot be the same as the page layouts file.";

// "Name (Letter)", or "Name (Custom 9\" x 12\")" for a custom paper; "  <<DEFAULT>>" appended
// for the default position.
std::string LayoutEntryText(const PageLayoutRecord& layout, bool isDefault);

struct LayoutEntry {
    std::string text;
    std::int64_t position = 0;
};
// Every layout in file order. An empty list (missing file or no record) is the caller's cue
// for the no-layouts warning.
std::vector<LayoutEntry> ListLayouts(const std::string& libraryPath, std::int64_t defaultPosition);

// Number of whole records; nullopt when the file cannot be opened.
std::optional<std::int64_t> CountLayouts(const std::string& libraryPath);

// Record `position`. Open failure: the no-layouts warning; a position outside the file throws.
Outcome ReadLayout(const std::string& libraryPath, std::int64_t position, PageLayoutRecord& layout);

// Appends, creating the library when missing ("Unable to add page layout.", "Disk Error"); the
// outcome's index is the new layout's position.
Outcome AppendLayout(const std::string& libraryPath, const PageLayoutRecord& layout);
// Writes over record `position` (position == count appends), creating the library when missing.
Outcome WriteLayout(const std::string& libraryPath, std::int64_t position, const PageLayoutRecord& layout);

// Removes record `position`, rewriting the library as a whole file (base/SaveFile.h).
Outcome DeleteLayout(const std::string& libraryPath, std::int64_t position);

// The default position once record `deleted` is gone: it follows its layout (one less when it
// came after); a deleted default falls back to the first layout, 0.
std::int64_t DefaultAfterDelete(std::int64_t defaultPosition, std::int64_t deleted);
// Deletes record `position` and keeps "Default Page" on its layout. When the default itself
// was deleted the first layout takes its place, and the confirmation names it (caption "Notice").
Outcome DeleteLayoutKeepingDefault(const std::string& libraryPath, std::int64_t position, std::int32_t& defaultPage);

// The default layout for a new or converted puzzle: the built-in default when the library
// cannot be opened or is empty; otherwise record `position`, or record 0 when `position` lies
// beyond the last record.
void LoadPageLayout(const std::string& libraryPath, std::int64_t position, PageLayoutRecord& layout);

// `name`, or when a layout of the library already has it (blanks trimmed, letter case ignored),
// the first name MakeCopyName gives ("Name (2)", "Name (3)", ...) that none has, cut to `capacity`.
std::string DistinctLayoutName(const std::string& libraryPath, const std::string& name, std::size_t capacity);

// Reads a .PAG file ("PAG" tag, 3 version bytes not compared, one record).
Outcome ReadLayoutExchange(const std::string& path, PageLayoutRecord& layout);
// Reads the .PAG file and appends its layout to the library; the outcome's index is its position.
Outcome ImportLayout(const std::string& exchangePath, const std::string& libraryPath);
// Writes record `position` to a .PAG file as a whole file (base/SaveFile.h), confirmed with
// "Page Layout Exported!" (caption "OK"). The library itself is refused as the target; a file
// that cannot be opened gives "Page layout could not be exported."; a failed write throws
// IoError and leaves an existing file as it was.
Outcome ExportLayout(const std::string& libraryPath, std::int64_t position, const std::string& targetPath);
// The built-in default layout (at the Small zoom) as a .PAG file, as ExportLayout writes one.
Outcome ExportDefaultLayout(const std::string& libraryPath, const std::string& targetPath);

}  // namespace qf
