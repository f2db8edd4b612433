#pragma once
// TNumberClueFont: the font and the orientation of the numbers in the puzzle.
#include "base/Choosers.h"
#include "layouts/forms/ObjectDialog.h"

class QRadioButton;

namespace qf {

// "Numbers In Puzzle": the grid numbers' font and orientation.
class TNumberClueFont : public ObjectDialog {
    Q_OBJECT
public:
    TNumberClueFont(const FormLook& look, PageDesign& design, int slot, Prompter& prompter, FontChooser& fonts,
                    QWidget* parent = nullptr);

protected:
    Outcome Confirm() override;

private:
    QRadioButton* horizontal_;
    StoredFont font_;
};

}  // namespace qf
