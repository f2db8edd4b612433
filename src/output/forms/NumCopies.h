#pragma once
// TNumCopies, "Multi-Copies": how many copies of the page to print.
#include <optional>

#include "base/Prompter.h"
#include "base/forms/ProgramDialog.h"

class QLineEdit;

namespace qf {

class TNumCopies : public ProgramDialog {
    Q_OBJECT
public:
    TNumCopies(const FormLook& look, Prompter& prompter, QWidget* parent = nullptr);

    int Copies() const { return copies_; }

    // The number of copies on "&Ok"; nothing on "&Cancel".
    static std::optional<int> Run(const FormLook& look, Prompter& prompter, QWidget* parent = nullptr);

private:
    void OkButtonClick();

    Prompter& prompter_;
    QLineEdit* box_ = nullptr;
    int copies_ = 0;
};

}  // namespace qf
