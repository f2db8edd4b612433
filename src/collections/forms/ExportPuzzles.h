#pragma once
// TExportPuzzles, "Export Crossword Puzzles": the titles of the open collection, of which the
// user picks the puzzles to write to a new collection file. "Save &File" asks for the file,
// remembers it as "Last Export Puzzle File", writes it and closes the dialog, whatever the
// save dialog answered.
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"
#include "collections/CollectionListing.h"
#include "collections/forms/HeldFailure.h"

class QListWidget;
class QPushButton;

namespace qf {

class TExportPuzzles : public ProgramDialog {
    Q_OBJECT
public:
    // Lists `openPath`; a read error of the listing throws IoError.
    TExportPuzzles(const FormLook& look, const std::string& openPath, Settings& settings, FileChooser& chooser,
                   Prompter& prompter, QWidget* parent = nullptr);

    // Done once the file was written; Refused when it could not be (the message was shown);
    // Cancelled when the save dialog was cancelled or the dialog left by "&Exit".
    const Outcome& Result() const { return result_; }

    // Shows the dialog modally. An input/output error of the export is thrown from here.
    static Outcome Run(const FormLook& look, const std::string& openPath, Settings& settings, FileChooser& chooser,
                       Prompter& prompter, QWidget* parent = nullptr);

private:
    void SelectAllClick();
    void ClearAllClick();
    void PuzzleListClick();
    void SaveFileClick();

    std::string openPath_;
    Settings& settings_;
    FileChooser& chooser_;
    Prompter& prompter_;
    CollectionListing listing_;
    Outcome result_ = Outcome::Cancelled();
    HeldFailure failure_;
    QListWidget* list_ = nullptr;
    QPushButton* saveFile_ = nullptr;
};

}  // namespace qf
