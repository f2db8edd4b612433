#include "collections/CollectionFileChoices.h"

namespace qf {

FileDialogRequest NewGroupRequest(const std::string& openPath) {
    return {"Create New Puzzle Group", kCollectionFilter, "QF3", openPath, true, true};
}

FileDialogRequest OpenGroupRequest(const std::string& openPath) {
    return {"Open Puzzle Group", kCollectionFilter, "QF3", openPath, false, false};
}

FileDialogRequest ImportPuzzlesRequest(const Settings& settings) {
    return {"Import Puzzles", "QFOLD Files (*.QF3)|*.QF3|16 bit QFOLD Files (*.QFD)|*.QFD", "QF3",
            settings.lastImportPuzzleFile, false, false};
}

FileDialogRequest ExportPuzzlesRequest(const Settings& settings) {
    return {"Save Crossword Puzzles", kCollectionFilter, "QF3", settings.lastExportPuzzleFile, true, true};
}

Outcome CheckOpenGroupChoice(const std::string& chosen) {
    const std::size_t dot = chosen.find_last_of("./");
    std::string extension = dot != std::string::npos && chosen[dot] == '.' ? chosen.substr(dot + 1) : std::string();
    for (char& c : extension)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (extension != "QF3") return Outcome::Refused(ErrorMessage(kNotCrosswordFile));
    return Outcome::Done();
}

Outcome ChooseImportFile(Settings& settings, FileChooser& chooser, const std::string& openPath, ImportChoice& choice) {
    choice.path = chooser.Choose(ImportPuzzlesRequest(settings));
    if (choice.path.empty()) return Outcome::Cancelled();
    settings.lastImportPuzzleFile = choice.path;
    return CheckImportChoice(choice.path, openPath, choice.kind);
}

}  // namespace qf
