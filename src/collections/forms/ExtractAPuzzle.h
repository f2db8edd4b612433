#pragma once
// TExtractAPuzzle, "Extract Page Layout From Puzzle": every title of the open collection, of
// which the user picks one whose page layout is appended to the layouts library. The caller
// (the layout chooser) adds the new layout to its list at the position handed back.
#include <string>

#include "collections/forms/TitlePicker.h"

namespace qf {

class TExtractAPuzzle : public TTitlePicker {
    Q_OBJECT
public:
    // Lists `openPath` and selects its first row; a read error of the listing throws IoError.
    TExtractAPuzzle(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                    Prompter& prompter, QWidget* parent = nullptr);

    // Result(): Done with the index of the new layout in the library; Cancelled otherwise.

    // Shows the dialog modally. An input/output error of the extraction is thrown from here.
    static Outcome Run(const FormLook& look, const std::string& openPath, const std::string& layoutsLibrary,
                       Prompter& prompter, QWidget* parent = nullptr);

protected:
    void Act(const std::vector<std::int64_t>& picked) override;

private:
    std::string openPath_;
    std::string layoutsLibrary_;
};

}  // namespace qf
