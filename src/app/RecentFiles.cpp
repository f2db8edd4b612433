#include "app/RecentFiles.h"

#include <algorithm>

#include "base/FileUtil.h"
#include "collections/CollectionFileChoices.h"
#include "collections/CollectionOperations.h"

namespace qf {
namespace {

void Switch(Settings& settings, const std::string& path) {
    const std::string previous = settings.lastGroup;
    settings.lastGroup = path;
    DoLastFiles(settings.lastFiles, previous, path);
}

}  // namespace

void DoLastFiles(RecentFiles& files, const std::string& previous, const std::string& opened) {
    const auto found = std::find(files.begin(), files.end(), opened);
    if (found != files.end()) {
        std::move(found + 1, files.end(), found);
        files.back().clear();
    }
    std::move_backward(files.begin(), files.end() - 1, files.end());
    files.front() = previous;
}

RecentMenu SetMenuLastFiles(const RecentFiles& files) {
    RecentMenu menu;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (files[k].empty()) continue;
        menu.visible[k] = true;
        menu.separatorVisible = true;
        menu.captions[k] = "&" + std::to_string(k + 1) + "   " + files[k];
    }
    return menu;
}

Outcome OpenGroupFile(Settings& settings, const std::string& chosen) {
    if (Outcome checked = CheckOpenGroupChoice(chosen); !checked.IsDone()) return checked;
    Switch(settings, chosen);
    return Outcome::Done();
}

Outcome OpenRecentFile(Settings& settings, int entry) {
    if (entry < 0 || entry >= static_cast<int>(settings.lastFiles.size())) return Outcome::Cancelled();
    const std::string chosen = settings.lastFiles[static_cast<std::size_t>(entry)];
    if (chosen.empty() || !FileExists(chosen)) return Outcome::Cancelled();
    Switch(settings, chosen);
    return Outcome::Done();
}

void NewGroupFile(Settings& settings, const std::string& chosen) {
    CreateEmptyCollection(chosen);
    Switch(settings, chosen);
}

}  // namespace qf
