#pragma once
// TUserManual, "User Manual Notice": says in which formats the manual comes and opens the one
// the user picks through the desktop. A missing manual is reported; the dialog closes after
// either view button.
#include "app/UserManual.h"
#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"

namespace qf {

class TUserManual : public ProgramDialog {
    Q_OBJECT
public:
    TUserManual(const FormLook& look, const Directories& dirs, DocumentOpener& opener, Prompter& prompter,
                QWidget* parent = nullptr);

    // Done when a manual was handed to the desktop; Refused when it is missing (the message was
    // shown); Cancelled by "&Cancel" or closing.
    const Outcome& Result() const { return result_; }

    // Shows the notice modally. It shows its own outcome, so the caller has nothing to act on.
    static void Run(const FormLook& look, const Directories& dirs, DocumentOpener& opener, Prompter& prompter,
                    QWidget* parent = nullptr);

private:
    void View(ManualFormat format);

    Directories dirs_;
    DocumentOpener& opener_;
    Prompter& prompter_;
    Outcome result_ = Outcome::Cancelled();
};

}  // namespace qf
