#pragma once
// TTheJPegFactor, "JPEG Factor": the JPEG quality, 1 to 100. "&Ok" stores a quality it
// accepts in the settings; "&Cancel" keeps the old one.
#include <optional>

#include "base/Prompter.h"
#include "base/Settings.h"
#include "base/forms/ProgramDialog.h"

class QLineEdit;

namespace qf {

class TTheJPegFactor : public ProgramDialog {
    Q_OBJECT
public:
    TTheJPegFactor(const FormLook& look, int quality, Prompter& prompter, QWidget* parent = nullptr);

    int Result() const { return quality_; }

    // The JPEG Compression Factor command: shows the window on the "JPeg Compression Quality"
    // setting and stores what "&Ok" accepts. Returns the new quality, nothing when cancelled.
    static std::optional<int> Run(const FormLook& look, Settings& settings, Prompter& prompter,
                                  QWidget* parent = nullptr);

private:
    void OkClick();

    Prompter& prompter_;
    QLineEdit* factor_ = nullptr;
    int quality_;
};

}  // namespace qf
