#pragma once
// TExtractAPuzzle, "Extract Page Layout From Puzzle": every title of the open collection, of
// which the user picks one whose page layout is appended to the layouts library. The caller
// (the layout chooser) adds the new layout to its list at the position handed back.
#include <string>

#include "base/Outcome.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"
#include "collections/CollectionListing.h"
#include "collections/forms/HeldFailure.h"

class QListWidget;
class QPushButton;

namespace qf {

class TExtractAPuzzle : public ProgramDialog {
    Q_OBJECT
public:
    // Lists `openPath` and selects its first row; a read error of the listing throws IoError.
    TExtractAPuzzle(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                    Prompter& prompter, QWidget* parent = nullptr);

    // Done with the index of the new layout in the library; Cancelled otherwise.
    const Outcome& Result() const { return result_; }

    // Shows the dialog modally. An input/output error of the extraction is thrown from here.
    static Outcome Run(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                       Prompter& prompter, QWidget* parent = nullptr);

private:
    void PuzzleListClick();
    void ExtractButtonClick();

    std::string openPath_;
    std::string layoutsLibrary_;
    Prompter& prompter_;
    Outcome result_ = Outcome::Cancelled();
    HeldFailure failure_;
    QListWidget* list_ = nullptr;
    QPushButton* extract_ = nullptr;
};

}  // namespace qf
