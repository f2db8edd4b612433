#pragma once
// The five collection files used before the open one ("Last File 1" .. "Last File 5"), and how
// the open collection changes: new, open, or one of the recent files.
#include <array>
#include <string>

#include "base/Outcome.h"
#include "base/Settings.h"

namespace qf {

using RecentFiles = std::array<std::string, 5>;

// The open collection changes from `previous` to `opened`: `opened` leaves the list if it is
// in it (exact comparison), then `previous` goes on top and the fifth entry drops out.
void DoLastFiles(RecentFiles& files, const std::string& previous, const std::string& opened);

// The File menu's entries: "&1   C:\path" for each non-empty one; none at all hides the separator.
struct RecentMenu {
    bool separatorVisible = false;
    std::array<bool, 5> visible{};
    std::array<std::string, 5> captions;
};
RecentMenu SetMenuLastFiles(const RecentFiles& files);

// Open Puzzle Group with a chosen file: refused when its extension is not QF3; otherwise it
// becomes the open collection (the previous one joins the recent files).
Outcome OpenGroupFile(Settings& settings, const std::string& chosen);
// A recent file (0..4): cancelled, leaving everything as it is, when the file no longer exists.
Outcome OpenRecentFile(Settings& settings, int entry);
// New Puzzle Group: the file is created empty (an existing one emptied) and becomes the open
// collection. A file that cannot be created throws IoError and the open collection stays.
void NewGroupFile(Settings& settings, const std::string& chosen);

}  // namespace qf
