#pragma once
// TImportPuzzles, "Import Crossword Puzzles": the titles of the chosen collection file, of which
// the user picks the puzzles to append to the open collection. "&Ok" appends them in the order
// of the list (alphabetical by title); the caller then reloads the lists with the reselection.
#include <string>

#include "collections/forms/TitlePicker.h"

namespace qf {

class TImportPuzzles : public TTitlePicker {
    Q_OBJECT
public:
    // Lists `chosenPath` (a file that cannot be opened lists nothing). A read error of the
    // listing throws IoError.
    TImportPuzzles(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                   Prompter& prompter, QWidget* parent = nullptr);

    // Result(): Done once puzzles were appended; Refused when the files could not be opened
    // (the message was shown); Cancelled otherwise.

    // Shows the dialog modally. An input/output error of the import is thrown from here.
    static Outcome Run(const FormLook& look, const std::string& chosenPath, const std::string& openPath,
                       Prompter& prompter, QWidget* parent = nullptr);

protected:
    void Act(const std::vector<std::int64_t>& picked) override;

private:
    std::string chosenPath_;
    std::string openPath_;
};

}  // namespace qf
