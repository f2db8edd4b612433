#pragma once
// TImportPuzzles, "Import Crossword Puzzles": the titles of the chosen collection file, of which
// the user picks the puzzles to append to the open collection. "&Ok" appends them in the order
// of the list (alphabetical by title); the caller then reloads the lists with the reselection.
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "collections/CollectionListing.h"
#include "collections/forms/HeldFailure.h"

class QListWidget;
class QPushButton;

namespace qf {

class TImportPuzzles : public ProgramDialog {
    Q_OBJECT
public:
    // Lists `chosenPath` (a file that cannot be opened lists nothing). A read error of the
    // listing throws IoError.
    TImportPuzzles(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                   Prompter& prompter, QWidget* parent = nullptr);

    // Done once puzzles were appended; Refused when the files could not be opened (the message
    // was shown); Cancelled otherwise.
    const Outcome& Result() const { return result_; }

    // Shows the dialog modally. An input/output error of the import is thrown from here.
    static Outcome Run(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                       Prompter& prompter, QWidget* parent = nullptr);

private:
    void SelectAllClick();
    void ClearAllClick();
    void PuzzleListClick();
    void OkButtonClick();

    std::string chosenPath_;
    std::string openPath_;
    Prompter& prompter_;
    CollectionListing listing_;
    Outcome result_ = Outcome::Cancelled();
    HeldFailure failure_;
    QListWidget* list_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace qf
