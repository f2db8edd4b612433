#pragma once
// TExportPuzzles, "Export Crossword Puzzles": the titles of the open collection, of which the
// user picks the puzzles to write to a new collection file. "Save &File" asks for the file,
// remembers it as "Last Export Puzzle File", writes it and closes the dialog, whatever the
// save dialog answered.
#include <string>

#include "base/Settings.h"
#include "collections/forms/TitlePicker.h"

namespace qf {

class TExportPuzzles : public TTitlePicker {
    Q_OBJECT
public:
    // Lists `openPath`; a read error of the listing throws IoError.
    TExportPuzzles(const FormLook& look, const std::string& openPath, Settings& settings, FileChooser& chooser,
                   Prompter& prompter, QWidget* parent = nullptr);

    // Result(): Done once the file was written; Refused when it could not be (the message was
    // shown); Cancelled when the save dialog was cancelled or the dialog left by "&Exit".

    // Shows the dialog modally. It shows its own outcome, so the caller has nothing to act on;
    // an input/output error of the export is thrown from here.
    static void Run(const FormLook& look, const std::string& openPath, Settings& settings, FileChooser& chooser,
                       Prompter& prompter, QWidget* parent = nullptr);

protected:
    void Act(const std::vector<std::int64_t>& picked) override;

private:
    std::string openPath_;
    Settings& settings_;
    FileChooser& chooser_;
};

}  // namespace qf
